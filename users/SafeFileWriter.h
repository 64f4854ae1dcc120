#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

class QSaveFile;

// A learner file that could not be written. The old file is still in place.
class FileWriteError : public std::runtime_error {
public:
    explicit FileWriteError(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }
};

// Writes a whole file safely: the bytes go to a temporary file in the same
// folder, which replaces the old file only once everything is on disk. A
// failure at any point leaves the old file as it was and throws FileWriteError.
class SafeFileWriter {
public:
    virtual ~SafeFileWriter() = default;
    void WriteWhole(const QString& path, const QByteArray& bytes);

protected:
    // Writes the bytes into the open temporary file; returns the number of
    // bytes written or -1. Tests replace it to simulate a full disk.
    virtual qint64 WriteBytes(QSaveFile& file, const QByteArray& bytes);
};

// The writer the program uses for the user list and the learners' files.
SafeFileWriter& DefaultFileWriter();
