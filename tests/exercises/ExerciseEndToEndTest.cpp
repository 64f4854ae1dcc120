#include "../support/ProgramDriver.h"

#include <QDate>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

// Screen positions on the 1024 x 768 display.
constexpr int ContentsButtonX = 713, ContentsButtonY = 188; // main menu "Spis treści"
constexpr int ExpandAllX = 283, ExpandAllY = 739;           // "Rozwiń całe drzewo"
constexpr int GapRowY = 581;                                 // lesson 1, "Wpisywanie", with the tree expanded
constexpr int CheckX = 927, CheckY = 500;                    // "Sprawdź"
constexpr int ListenX = 927, ListenY = 220;                  // "Słuchaj"
constexpr int TranslateX = 927, TranslateY = 388;            // "Tłumacz"
constexpr int NextX = 131, NextY = 23;                       // the navigation bar's next arrow

// The row's score bar (the column "Wykonano") is green where it is filled.
bool ScoreBarFilledAt(const QString& screenshot, int y)
{
    const QImage image(screenshot);
    const QColor pixel = image.pixelColor(620, y);
    return pixel.green() > pixel.red() + 40 && pixel.green() > pixel.blue();
}

void OpenTheGapExercise(const Learner& learner)
{
    learner.Click(ContentsButtonX, ContentsButtonY);
    learner.Click(ExpandAllX, ExpandAllY);
    learner.Click(350, GapRowY);
}

TEST(ExerciseEndToEnd, AGapExerciseIsAnsweredCheckedAndItsScoreStaysAfterARestart)
{
    VirtualDisplay display(1024, 768);
    ASSERT_TRUE(display.IsRunning());
    FreshProgram program;
    const QString shots = QStringLiteral(KURS_SCREENSHOT_DIR);
    const Learner learner(display, shots);

    QProcess first;
    program.Start(first, display);
    ASSERT_TRUE(learner.CreateProfileAndStart(program, QStringLiteral("Ola")));
    OpenTheGapExercise(learner);
    learner.Shot(QStringLiteral("gap-opened.png"));

    // The first gap has the keyboard; Enter moves on. Six right, the last wrong.
    for (const char* answer : {"is", "I'm", "in", "years", "My", "your"}) {
        learner.Type(QString::fromLatin1(answer));
        learner.Key(QStringLiteral("Return"));
    }
    learner.Type(QStringLiteral("to"));
    learner.Shot(QStringLiteral("gap-answered.png"));
    learner.Click(CheckX, CheckY);
    learner.Shot(QStringLiteral("gap-checked.png"));

    learner.Click(ListenX, ListenY);
    learner.Shot(QStringLiteral("gap-media-window.png"));
    learner.Click(TranslateX, TranslateY);
    learner.Shot(QStringLiteral("gap-translation.png"));
    learner.Key(QStringLiteral("Escape"));

    // The next element is a screen of a later kind: its message, then the
    // contents window, with the result recorded on the way.
    learner.Click(NextX, NextY);
    EXPECT_FALSE(display.WaitForWindow(QStringLiteral("^Uwaga!$"), 5000).isEmpty());
    learner.Key(QStringLiteral("Return"));
    learner.Shot(QStringLiteral("gap-score-in-contents.png"));
    EXPECT_TRUE(ScoreBarFilledAt(shots + QStringLiteral("/gap-score-in-contents.png"), GapRowY));

    const QByteArray results = FileContents(program.Path(QStringLiteral("/Users/1_stat1.xml")));
    const QByteArray today = QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")).toLatin1();
    const QByteArray stored = "<plik nazwa=\"Paczki\\l01_wpisywanie.xml\">\n  <dane id=\"4\">\n   <data>" + today +
                              "</data>\n   <postep>86</postep>";
    EXPECT_NE(results.indexOf(stored), -1) << results.constData();
    learner.QuitThroughTheCloseButton(first, 24);

    // After a restart the row shows the score again.
    QFile::remove(program.Path(QStringLiteral("/Config/log.txt")));
    QProcess second;
    program.Start(second, display);
    ASSERT_FALSE(display.WaitForWindow(QStringLiteral("^Zalpiony kurs$")).isEmpty());
    learner.Click(240, 250); // the profile's row
    learner.Click(868, 307); // the course language
    ASSERT_TRUE(WaitFor([&] { return program.CourseLoaded(); }));
    learner.Click(ContentsButtonX, ContentsButtonY);
    learner.Click(ExpandAllX, ExpandAllY);
    learner.Shot(QStringLiteral("gap-score-after-restart.png"));
    EXPECT_TRUE(ScoreBarFilledAt(shots + QStringLiteral("/gap-score-after-restart.png"), GapRowY));
    learner.QuitThroughTheCloseButton(second, 24);
}

} // namespace
