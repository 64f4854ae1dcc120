#include "SafeFileWriter.h"

#include <QSaveFile>

void SafeFileWriter::WriteWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileWriteError(QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
    if (WriteBytes(file, bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw FileWriteError(QStringLiteral("Cannot write \"%1\": %2").arg(path, reason));
    }
    if (!file.commit())
        throw FileWriteError(QStringLiteral("Cannot replace \"%1\": %2").arg(path, file.errorString()));
}

qint64 SafeFileWriter::WriteBytes(QSaveFile& file, const QByteArray& bytes)
{
    return file.write(bytes);
}

SafeFileWriter& DefaultFileWriter()
{
    static SafeFileWriter writer;
    return writer;
}
