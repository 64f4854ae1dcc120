#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstance::SingleInstance(const QString& name)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    path_ = folder + u'/' + name + QStringLiteral(".lock");
    fd_ = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return; // no lock can be taken; the program still runs
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        alreadyRunning_ = true;
        ::close(fd_);
        fd_ = -1;
    }
}

SingleInstance::~SingleInstance()
{
    if (fd_ >= 0)
        ::close(fd_);
}
