#pragma once

#include "VirtualDisplay.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <functional>

// Helpers for tests that run the built program on a private X server and use
// it as a learner would.

// The built program folder copied without its learners, so a run starts with
// no profile and leaves the build's folder untouched.
class FreshProgram {
public:
    FreshProgram();
    QString Path(const QString& relative = {}) const { return dir_.path() + relative; }
    // Starts the program on the display with its own runtime folder, where the
    // single-instance lock lives.
    void Start(QProcess& process, const VirtualDisplay& display) const;
    // True when the loading log has both its end lines.
    bool CourseLoaded() const;

private:
    QTemporaryDir dir_;
};

// Mouse and keyboard on the display, through xdotool. The program's windows
// are centred on a 1024 x 768 screen, so window and screen coordinates agree.
class Learner {
public:
    Learner(const VirtualDisplay& display, QString screenshotDir);
    void Click(int x, int y) const;
    void RightClick(int x, int y) const;
    void Type(const QString& text) const;
    void Key(const QString& key) const;
    // Waits for the screen to settle and saves it under the screenshot folder.
    void Shot(const QString& name) const;
    // Creates the profile `name` on an empty login screen and chooses the
    // first course language; returns when the course has loaded.
    bool CreateProfileAndStart(const FreshProgram& program, const QString& name) const;
    // The close cross of the top bar at height `y` (24 on the contents window,
    // 9 on the main menu), confirmed; fails the test when the program stays.
    void QuitThroughTheCloseButton(QProcess& process, int y) const;

private:
    void Xdo(const QStringList& arguments) const;
    const VirtualDisplay& display_;
    QString screenshotDir_;
};

bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 20000);
QByteArray FileContents(const QString& path);
