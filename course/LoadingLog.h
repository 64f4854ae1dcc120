#pragma once

#include <QFile>
#include <QString>

// Config/log.txt: the record of one course loading. Recreated at every
// loading; lines are Windows-1250 text ended by CR LF, flushed as they are
// written so that the log survives a crash during loading.
class LoadingLog {
public:
    // Deletes the file at `path` and starts it anew. Returns false when it cannot be created.
    bool Open(const QString& path);
    void Line(const QString& text);
    void Close();
    bool IsOpen() const { return file_.isOpen(); }

private:
    QFile file_;
};
