#pragma once

#include <QString>

// The single-instance lock "Talvemo11": an advisory lock on a file in the
// user's runtime folder. The kernel drops it when the process ends, however
// it ends, so a crashed instance never leaves it stuck.
class SingleInstance {
public:
    explicit SingleInstance(const QString& name = QStringLiteral("Talvemo11"));
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another running process holds the lock.
    bool AlreadyRunning() const { return alreadyRunning_; }
    QString LockPath() const { return path_; }

private:
    QString path_;
    int fd_ = -1;
    bool alreadyRunning_ = false;
};
