#pragma once

#include <QApplication>

// The course program's application object: every error that escapes an
// event handler reaches the program's error report.
class KursApplication : public QApplication {
public:
    KursApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs the course program: the start-up checks, the long-lived windows and
// the message loop. Returns the process exit code.
int RunCourseProgram(int argc, char** argv);

// Reads the installed-languages flags from the first line of Config.txt
// (the text between its first and second "="). Throws when it cannot be read.
QString ReadInstalledLanguages(const QString& configPath);
