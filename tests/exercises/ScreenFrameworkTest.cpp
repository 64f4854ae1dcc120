#include "../course/CourseFixture.h"

#include "exercises/TExerciseScreen.h"
#include "exercises/ExerciseDocument.h"
#include "exercises/MediaButtonSetup.h"

#include "app/TfrmMsgBox.h"

#include "course/AppState.h"

#include "controls/TAALabel.h"
#include "controls/TEdProgress.h"
#include "controls/TEdResButton.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

// A screen whose body says how many items the learner got right and wrong.
class CountingScreen : public TExerciseScreen {
public:
    CountingScreen() : TExerciseScreen(QStringLiteral("frmTest"), Traits{.MissingFileCode = 4}) {}
    int Loads = 0;
    int Releases = 0;
    QString Text;

protected:
    void LoadExercise(const ExerciseDocument& document) override
    {
        ++Loads;
        Text = document.Body().ChildText(QStringLiteral("tresc"));
        correct_ = document.Body().ChildInt(QStringLiteral("dobrze"));
        wrong_ = document.Body().ChildInt(QStringLiteral("zle"));
        SetInstruction(document.Instruction(0));
        SetUpMediaButtons(document.Header().Multimedia);
    }
    void StartExercise() override {}
    void EvaluateAnswers(int& correct, int& wrong) override
    {
        correct = correct_;
        wrong = wrong_;
    }
    void ReleaseExercise() override { ++Releases; }

private:
    int correct_ = 0;
    int wrong_ = 0;
};

QByteArray Exercise(int correct, int wrong, const QString& text = QStringLiteral("pierwszy"),
                    const QString& multimedia = {})
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>4</typ_cw>"
                          "<multimedia>%4</multimedia></config><body><polecenie id=\"0\">Wpisz~słowa</polecenie>"
                          "<tresc>%3</tresc><dobrze>%1</dobrze><zle>%2</zle></body></cwiczenie>")
        .arg(correct)
        .arg(wrong)
        .arg(text, multimedia)
        .toUtf8();
}

class ScreenFramework : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.MakeCurrent();
    }
    QString Path() const { return folder.Path() + QStringLiteral("/Dane1/cw.xml"); }
    ProgramFolder folder;
};

TEST_F(ScreenFramework, CheckCycleScoresRoundingHalvesToEvenAndAgainRereadsTheFile)
{
    struct Case {
        int Correct, Wrong, Score;
        bool CorrectionShown;
    };
    for (const Case c : {Case{1, 7, 12, true}, Case{3, 5, 38, true}, Case{0, 0, 0, true}, Case{4, 0, 100, false}}) {
        SCOPED_TRACE(c.Score);
        folder.Write(QStringLiteral("Dane1/cw.xml"), Exercise(c.Correct, c.Wrong));
        auto* screen = new CountingScreen;
        screen->OpenExerciseScreen(Path(), 0);
        EXPECT_FALSE(screen->PanelWynik()->isVisible());
        EXPECT_EQ(screen->Polecenie()->Caption(), QStringLiteral("Wpisz\n\rsłowa"));
        screen->btnSprClick();
        EXPECT_TRUE(screen->PanelWynik()->isVisible());
        EXPECT_EQ(screen->PanelWynik()->Wynik(), c.Score);
        EXPECT_EQ(screen->btnSpr()->Tag(), 1);
        EXPECT_EQ(screen->btnPopraw()->isVisible(), c.CorrectionShown);
        screen->close();
    }

    folder.Write(QStringLiteral("Dane1/cw.xml"), Exercise(1, 1));
    auto* screen = new CountingScreen;
    screen->OpenExerciseScreen(Path(), 0);
    screen->btnSprClick();
    folder.Write(QStringLiteral("Dane1/cw.xml"), Exercise(1, 1, QStringLiteral("zmieniony")));
    screen->btnSprClick(); // "Jeszcze raz"
    EXPECT_EQ(screen->Text, QStringLiteral("zmieniony"));
    EXPECT_EQ(screen->Loads, 2);
    EXPECT_EQ(screen->Releases, 1);
    EXPECT_EQ(screen->btnSpr()->Tag(), 0);
    EXPECT_FALSE(screen->PanelWynik()->isVisible());
    screen->close();
}

TEST_F(ScreenFramework, MissingAndDamagedFilesAreReported)
{
    TfrmMsgBox box;
    SetMsgBoxWindow(&box);
    QStringList shown;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() == &box) {
            shown.append(box.lblTresc()->Caption());
            QTest::keyClick(&box, Qt::Key_Return);
        }
    });
    answer.start(10);
    EXPECT_FALSE(TExerciseScreen::CheckFileExists(Path(), 4));
    folder.Write(QStringLiteral("Dane1/cw.xml"), "<cwiczenie><config><typ_cw>4</typ_cw></config><body><dobrze>x</dobrze></body></cwiczenie>");
    auto* screen = new CountingScreen;
    screen->OpenExerciseScreen(Path(), 0);
    EXPECT_TRUE(screen->isVisible()) << "the screen stays open with what was read";
    screen->close();
    answer.stop();
    SetMsgBoxWindow(nullptr);
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Brak pliku ćwiczenia! (4)"),
                                  QStringLiteral("Błąd podczas wczytywania pliku ćwiczenia! (cw.xml)")}));
}

TEST_F(ScreenFramework, MediaButtonsFollowTheFilesThatExist)
{
    const QString teksty = folder.Path() + QStringLiteral("/Media1/Teksty");
    const QString paczki = folder.Path() + QStringLiteral("/Dane1/Paczki");
    folder.Write(QStringLiteral("Media1/Teksty/l01.mp3"), "x");
    folder.Write(QStringLiteral("Media1/Teksty/film.mpg"), "x");
    folder.Write(QStringLiteral("Media1/Teksty/hello.wav"), "x");
    folder.Write(QStringLiteral("Dane1/Paczki/tekst1.xml"), "x");
    using Look = MediaButtonSetup::Look;
    const std::tuple<const char*, Look, const char*, const char*, int> cases[] = {
        {"l01.wav", Look::Sound, "l01.mp3", "Słuchaj", 2},
        {"hello.wav", Look::Sound, "hello.wav", "Słuchaj", 2},
        {"film.swf", Look::Film, "film.mpg", "Zobacz", 1},
        {"none.wav", Look::Hidden, "none.mp3", "", 0},
        {"", Look::Hidden, "", "", 0},
        {"tekst1.xml", Look::Text, "tekst1.xml", "Tekst", 0},
        {"tekst2.xml", Look::Text, "tekst2.xml", "", 0},
    };
    for (const auto& [value, look, resolved, caption, tag] : cases) {
        SCOPED_TRACE(value);
        const MediaButtonSetup setup = MediaButtonSetup::For(QString::fromUtf8(value), teksty, paczki);
        EXPECT_EQ(setup.Shows, look);
        EXPECT_EQ(setup.Value, QString::fromUtf8(resolved));
        EXPECT_EQ(setup.Caption, QString::fromUtf8(caption));
        EXPECT_EQ(setup.Tag, tag);
    }

    folder.Write(QStringLiteral("Dane1/cw.xml"), Exercise(1, 0, QStringLiteral("a"), QStringLiteral("l01.wav")));
    auto* screen = new CountingScreen;
    screen->OpenExerciseScreen(Path(), 0);
    EXPECT_TRUE(screen->btnMedia()->isVisible());
    EXPECT_TRUE(screen->btnMedia2()->isVisible());
    EXPECT_EQ(screen->MediaItem(), QStringLiteral("l01.mp3"));
    EXPECT_EQ(screen->Polecenie()->x(), screen->btnMedia2()->geometry().right() + 10);
    screen->close();

    folder.Write(QStringLiteral("Dane1/cw.xml"), Exercise(1, 0));
    screen = new CountingScreen;
    screen->OpenExerciseScreen(Path(), 0);
    EXPECT_FALSE(screen->btnMedia()->isVisible());
    EXPECT_FALSE(screen->btnMedia2()->isVisible());
    EXPECT_EQ(screen->Polecenie()->x(), 40);
    screen->close();
}

} // namespace
