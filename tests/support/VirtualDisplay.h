#pragma once

#include <QProcess>
#include <QString>

// A private X server (Xvfb) of a given size and font DPI for running the
// built program in tests, with helpers to find and answer its windows.
class VirtualDisplay {
public:
    // `fontDpi` goes to the Xft.dpi resource, where desktops keep their scaling.
    VirtualDisplay(int width, int height, int fontDpi = 96);
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool IsRunning() const { return ready_; }
    QString Name() const { return QStringLiteral(":%1").arg(number_); }
    QProcessEnvironment Environment() const;

    // Waits up to `timeoutMs` for a visible window whose title matches `title`
    // (a regular expression); returns its id or 0.
    QString WaitForWindow(const QString& title, int timeoutMs = 20000) const;
    // Gives the window the keyboard and presses the key (xdotool key name).
    bool PressKey(const QString& windowId, const QString& key) const;
    // Saves a picture of the whole screen.
    bool Screenshot(const QString& path) const;

private:
    bool Run(const QString& program, const QStringList& arguments, const QByteArray& input = {},
             QString* output = nullptr, int timeoutMs = 10000) const;

    int number_ = 0;
    bool ready_ = false;
    QProcess server_;
};
