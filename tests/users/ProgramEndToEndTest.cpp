#include "../support/VirtualDisplay.h"

#include "users/ScrambleLine.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The built program folder copied without its learners, so the run starts
// with no profile.
class FreshProgram {
public:
    FreshProgram()
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
    QString Path(const QString& relative = {}) const { return dir_.path() + relative; }

    void Start(QProcess& process, const VirtualDisplay& display) const
    {
        QProcessEnvironment env = display.Environment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Path(QStringLiteral("/.runtime")));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(Path());
        process.start(Path(QStringLiteral("/ZalpionyKurs")), {});
        ASSERT_TRUE(process.waitForStarted(5000));
    }

private:
    QTemporaryDir dir_;
};

// Mouse and keyboard on the display, through xdotool; windows are centred
// on the 1024 x 768 screen, so window and screen coordinates are the same.
class Learner {
public:
    explicit Learner(const VirtualDisplay& display)
        : display_(display)
    {
    }
    void Click(int x, int y) const
    {
        Xdo({QStringLiteral("mousemove"), QString::number(x), QString::number(y)});
        QThread::msleep(150);
        Xdo({QStringLiteral("click"), QStringLiteral("1")});
        QThread::msleep(400);
    }
    void Type(const QString& text) const { Xdo({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text}); }
    void Key(const QString& key) const { Xdo({QStringLiteral("key"), key}); }
    void Shot(const QString& name) const
    {
        QThread::msleep(700);
        QDir().mkpath(QStringLiteral(KURS_SCREENSHOT_DIR));
        display_.Screenshot(QStringLiteral(KURS_SCREENSHOT_DIR "/") + name);
    }

private:
    void Xdo(const QStringList& arguments) const
    {
        QProcess xdotool;
        xdotool.setProcessEnvironment(display_.Environment());
        xdotool.start(QStringLiteral("xdotool"), arguments);
        xdotool.waitForFinished(10000);
    }
    const VirtualDisplay& display_;
};

bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 20000)
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

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The course is loaded when the loading log has both its end lines.
bool CourseLoaded(const FreshProgram& program)
{
    return Contents(program.Path(QStringLiteral("/Config/log.txt"))).count("Zako") >= 2;
}

// The close cross of the top bar: 48 pixels high on the contents window,
// 18 on the main menu.
void QuitThroughTheCloseButton(QProcess& process, const Learner& learner, int y)
{
    learner.Click(997, y);
    learner.Key(QStringLiteral("Return")); // "Tak" in "Czy na pewno zamknąć program?"
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished();
        FAIL() << "the program did not end";
    }
    EXPECT_EQ(process.exitCode(), 0);
}

TEST(ProgramEndToEnd, ALearnerCreatesAProfileStudiesAndFindsItAfterARestart)
{
    VirtualDisplay display(1024, 768);
    ASSERT_TRUE(display.IsRunning());
    FreshProgram program;
    const Learner learner(display);

    QProcess first;
    program.Start(first, display);
    ASSERT_FALSE(display.WaitForWindow(QStringLiteral("^Zalpiony kurs$")).isEmpty());
    learner.Shot(QStringLiteral("login-empty.png"));

    learner.Click(240, 700); // "Utwórz nowy profil użytkownika"
    learner.Type(QStringLiteral("Ania"));
    learner.Shot(QStringLiteral("profile-dialog.png"));
    learner.Click(606, 521); // "Utwórz profil"
    ASSERT_TRUE(WaitFor([&] { return QFileInfo(program.Path(QStringLiteral("/Users/1_stat1.xml"))).size() == 94; }));
    const QByteArray list = Contents(program.Path(QStringLiteral("/Users/usr.txt")));
    EXPECT_EQ(UnscrambleLine(list.left(list.indexOf("\r\n"))), QByteArray("1=Ania=K=0==10=nie=tak"));
    learner.Shot(QStringLiteral("language-choice.png"));

    learner.Click(868, 307); // "Angielski"
    ASSERT_TRUE(WaitFor([&] { return CourseLoaded(program); })) << "the course did not load";
    learner.Shot(QStringLiteral("main-menu.png"));
    learner.Click(713, 188); // "Spis treści"
    learner.Shot(QStringLiteral("contents-window.png"));
    QuitThroughTheCloseButton(first, learner, 24);

    // Started again, the profile is on the list: signing in on its row and
    // choosing English loads the course once more.
    QFile::remove(program.Path(QStringLiteral("/Config/log.txt")));
    QProcess second;
    program.Start(second, display);
    ASSERT_FALSE(display.WaitForWindow(QStringLiteral("^Zalpiony kurs$")).isEmpty());
    learner.Shot(QStringLiteral("login-with-profile.png"));
    learner.Click(240, 250); // the profile's row
    learner.Click(868, 307);
    EXPECT_TRUE(WaitFor([&] { return CourseLoaded(program); })) << "the profile was not on the list";
    learner.Shot(QStringLiteral("main-menu-again.png"));
    QuitThroughTheCloseButton(second, learner, 9);
}

} // namespace
