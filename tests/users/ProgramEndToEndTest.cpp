#include "../support/ProgramDriver.h"

#include "users/ScrambleLine.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

TEST(ProgramEndToEnd, ALearnerCreatesAProfileStudiesAndFindsItAfterARestart)
{
    VirtualDisplay display(1024, 768);
    ASSERT_TRUE(display.IsRunning());
    FreshProgram program;
    const Learner learner(display, QStringLiteral(KURS_SCREENSHOT_DIR));

    QProcess first;
    program.Start(first, display);
    ASSERT_FALSE(display.WaitForWindow(QStringLiteral("^Zalpiony kurs$")).isEmpty());
    learner.Shot(QStringLiteral("login-empty.png"));

    learner.Click(240, 700); // "Utwórz nowy profil użytkownika"
    learner.Type(QStringLiteral("Ania"));
    learner.Shot(QStringLiteral("profile-dialog.png"));
    learner.Click(606, 521); // "Utwórz profil"
    ASSERT_TRUE(WaitFor([&] { return QFileInfo(program.Path(QStringLiteral("/Users/1_stat1.xml"))).size() == 94; }));
    const QByteArray list = FileContents(program.Path(QStringLiteral("/Users/usr.txt")));
    EXPECT_EQ(UnscrambleLine(list.left(list.indexOf("\r\n"))), QByteArray("1=Ania=K=0==10=nie=tak"));
    learner.Shot(QStringLiteral("language-choice.png"));

    learner.Click(868, 307); // "Angielski"
    ASSERT_TRUE(WaitFor([&] { return program.CourseLoaded(); })) << "the course did not load";
    learner.Shot(QStringLiteral("main-menu.png"));
    learner.Click(713, 188); // "Spis treści"
    learner.Shot(QStringLiteral("contents-window.png"));
    learner.QuitThroughTheCloseButton(first, 24);

    // Started again, the profile is on the list: signing in on its row and
    // choosing English loads the course once more.
    QFile::remove(program.Path(QStringLiteral("/Config/log.txt")));
    QProcess second;
    program.Start(second, display);
    ASSERT_FALSE(display.WaitForWindow(QStringLiteral("^Zalpiony kurs$")).isEmpty());
    learner.Shot(QStringLiteral("login-with-profile.png"));
    learner.Click(240, 250); // the profile's row
    learner.Click(868, 307);
    EXPECT_TRUE(WaitFor([&] { return program.CourseLoaded(); })) << "the profile was not on the list";
    learner.Shot(QStringLiteral("main-menu-again.png"));
    learner.QuitThroughTheCloseButton(second, 9);
}

} // namespace
