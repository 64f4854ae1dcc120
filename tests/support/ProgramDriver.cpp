#include "ProgramDriver.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

FreshProgram::FreshProgram()
{
    const QString source = QStringLiteral(KURS_PROGRAM_DIR);
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = file.mid(source.size());
        if (relative.startsWith(QStringLiteral("/Users/")))
            continue;
        const QString target = dir_.path() + relative;
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
        QFile::setPermissions(target, QFile(file).permissions());
    }
    QDir().mkpath(dir_.path() + QStringLiteral("/Users"));
    QDir().mkpath(dir_.path() + QStringLiteral("/.runtime"));
}

void FreshProgram::Start(QProcess& process, const VirtualDisplay& display) const
{
    QProcessEnvironment env = display.Environment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Path(QStringLiteral("/.runtime")));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(Path());
    process.start(Path(QStringLiteral("/ZalpionyKurs")), {});
    ASSERT_TRUE(process.waitForStarted(5000));
}

bool FreshProgram::CourseLoaded() const
{
    return FileContents(Path(QStringLiteral("/Config/log.txt"))).count("Zako") >= 2;
}

Learner::Learner(const VirtualDisplay& display, QString screenshotDir)
    : display_(display)
    , screenshotDir_(std::move(screenshotDir))
{
}

void Learner::Click(int x, int y) const
{
    Xdo({QStringLiteral("mousemove"), QString::number(x), QString::number(y)});
    QThread::msleep(150);
    Xdo({QStringLiteral("click"), QStringLiteral("1")});
    QThread::msleep(400);
}

void Learner::RightClick(int x, int y) const
{
    Xdo({QStringLiteral("mousemove"), QString::number(x), QString::number(y)});
    QThread::msleep(150);
    Xdo({QStringLiteral("click"), QStringLiteral("3")});
    QThread::msleep(400);
}

void Learner::Type(const QString& text) const
{
    Xdo({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
}

void Learner::Key(const QString& key) const
{
    Xdo({QStringLiteral("key"), key});
    QThread::msleep(200);
}

void Learner::Shot(const QString& name) const
{
    QThread::msleep(700);
    QDir().mkpath(screenshotDir_);
    display_.Screenshot(screenshotDir_ + QLatin1Char('/') + name);
}

bool Learner::CreateProfileAndStart(const FreshProgram& program, const QString& name) const
{
    if (display_.WaitForWindow(QStringLiteral("^Zalpiony kurs$")).isEmpty())
        return false;
    Click(240, 700); // "Utwórz nowy profil użytkownika"
    Type(name);
    Click(606, 521); // "Utwórz profil"
    if (!WaitFor([&] { return QFileInfo::exists(program.Path(QStringLiteral("/Users/1_stat1.xml"))); }))
        return false;
    Click(868, 307); // the first language of the choice
    return WaitFor([&] { return program.CourseLoaded(); });
}

void Learner::QuitThroughTheCloseButton(QProcess& process, int y) const
{
    Click(997, y);
    Key(QStringLiteral("Return")); // "Tak" in "Czy na pewno zamknąć program?"
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished();
        FAIL() << "the program did not end";
    }
    EXPECT_EQ(process.exitCode(), 0);
}

void Learner::Xdo(const QStringList& arguments) const
{
    QProcess xdotool;
    xdotool.setProcessEnvironment(display_.Environment());
    xdotool.start(QStringLiteral("xdotool"), arguments);
    xdotool.waitForFinished(10000);
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(100);
    }
    return true;
}

QByteArray FileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
