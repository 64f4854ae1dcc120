#include "VirtualDisplay.h"

#include <QDeadlineTimer>
#include <QCoreApplication>
#include <QFile>
#include <QThread>

VirtualDisplay::VirtualDisplay(int width, int height, int fontDpi)
{
    // Pick a display number no other server holds.
    for (number_ = 90 + static_cast<int>(QCoreApplication::applicationPid() % 50); number_ < 400; ++number_)
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number_))
            && !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number_)))
            break;
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.start(QStringLiteral("Xvfb"), {Name(), QStringLiteral("-screen"), QStringLiteral("0"),
                                           QStringLiteral("%1x%2x24").arg(width).arg(height),
                                           QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                           QStringLiteral("-noreset")});
    if (!server_.waitForStarted(5000))
        return;
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number_)) &&
            Run(QStringLiteral("xdpyinfo"), {}, {}, nullptr, 2000)) {
            ready_ = true;
            break;
        }
        QThread::msleep(50);
    }
    if (ready_ && fontDpi != 96)
        ready_ = Run(QStringLiteral("xrdb"), {QStringLiteral("-nocpp"), QStringLiteral("-merge")},
                     QStringLiteral("Xft.dpi: %1\n").arg(fontDpi).toLatin1());
}

VirtualDisplay::~VirtualDisplay()
{
    server_.terminate();
    if (!server_.waitForFinished(3000))
        server_.kill();
    server_.waitForFinished(1000);
}

QProcessEnvironment VirtualDisplay::Environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), Name());
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

bool VirtualDisplay::Run(const QString& program, const QStringList& arguments, const QByteArray& input,
                         QString* output, int timeoutMs) const
{
    QProcess process;
    process.setProcessEnvironment(Environment());
    process.start(program, arguments);
    if (!process.waitForStarted(3000))
        return false;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    if (output != nullptr)
        *output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString VirtualDisplay::WaitForWindow(const QString& title, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QString ids;
        if (Run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                            QStringLiteral("--name"), title},
                {}, &ids, 2000)
            && !ids.isEmpty())
            return ids.split(u'\n').first();
        QThread::msleep(100);
    }
    return {};
}

bool VirtualDisplay::PressKey(const QString& windowId, const QString& key) const
{
    return Run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), windowId})
           && Run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), key});
}

bool VirtualDisplay::Screenshot(const QString& path) const
{
    return Run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path}, {}, nullptr, 20000);
}
