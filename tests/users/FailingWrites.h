#pragma once

#include "users/SafeFileWriter.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

// A disk that fills up half way through a file: the first half of the bytes
// reach the temporary file, then writing fails.
class HalfWayFullWriter : public SafeFileWriter {
public:
    int Failures = 0;

protected:
    qint64 WriteBytes(QSaveFile& file, const QByteArray& bytes) override
    {
        file.write(bytes.left(bytes.size() / 2));
        ++Failures;
        return -1;
    }
};

// Makes a folder refuse new entries for the lifetime of the object: by its
// permissions, or for root (whom permissions do not stop) by the file
// system's immutable flag. `Works()` tells whether the folder really refuses.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const QString& path)
        : path_(path)
    {
        if (geteuid() != 0) {
            ::chmod(QFile::encodeName(path_).constData(), 0555);
            chmodded_ = true;
        } else {
            immutable_ = SetImmutable(true);
        }
        QFile probe(path_ + QStringLiteral("/probe.tmp"));
        works_ = !probe.open(QIODevice::WriteOnly);
        if (!works_)
            probe.remove();
    }
    ~UnwritableFolder()
    {
        if (chmodded_)
            ::chmod(QFile::encodeName(path_).constData(), 0755);
        if (immutable_)
            SetImmutable(false);
    }
    bool Works() const { return works_; }

private:
    bool SetImmutable(bool on)
    {
        const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }

    QString path_;
    bool chmodded_ = false;
    bool immutable_ = false;
    bool works_ = false;
};

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
