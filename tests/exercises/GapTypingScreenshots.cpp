// Renders the gap-typing screens of the demo course in the built program
// folder (before and after checking, the corrections, a drop-down list, the
// compact layout of a writing package) and the translation window, into
// <build>/screenshots/ for a person to look at.
#include "../course/CourseFixture.h"

#include "exercises/TfrmTlumaczenie.h"
#include "exercises/screens/wpisywanie/TfrmWpisywanie.h"

#include "app/Skin.h"

#include "course/AppState.h"
#include "course/navigation/TfrmNawigacja.h"

#include "controls/ResourceLibrary.h"
#include "controls/SkinFonts.h"
#include "controls/TEdResButton.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

class GapTypingScreenshots : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterSkinFonts();
        App().ExeDir = QStringLiteral(KURS_PROGRAM_DIR);
        App().CourseLanguage = 1;
        App().FormatLanguageFolders();
        App().PrinterPresent = true;
        ASSERT_TRUE(Resources().load(App().ExeDir));
        Course().LoadHints(App().ExeDir + QStringLiteral("/Config/definitions.xml"), 0);
        Course().LoadSkroty(App().ExeDir + QStringLiteral("/Config/Skroty_1.txt"));
        QDir().mkpath(QStringLiteral(KURS_SCREENSHOT_DIR));
    }
    void SetUp() override { LoadCourse(1); }
    void LoadCourse(int language)
    {
        App().CourseLanguage = language;
        App().FormatLanguageFolders();
        Course().LoadSkroty(App().ExeDir + QStringLiteral("/Config/Skroty_%1.txt").arg(language));
        RecordingFeedback feedback;
        Course().NewTree();
        const CourseModel::Source source{App().ExeDir, App().UnityDir, App().DaneDir, 0};
        Course().LoadLessons(source, feedback, nullptr);
        Course().LoadExercises(source, feedback, nullptr);
        ASSERT_TRUE(feedback.Errors.isEmpty()) << feedback.Errors.join(u'\n').toStdString();
        navigation = std::make_unique<TfrmNawigacja>(backdrop);
        navigation->NewState();
    }
    void TearDown() override
    {
        if (screen)
            screen->close();
        navigation.reset();
    }
    TfrmWpisywanie* OpenElement(const QString& fileName)
    {
        for (TElement* element : Course().FlatList()) {
            if (element->FileName.compare(fileName, Qt::CaseInsensitive) == 0) {
                navigation->SetCurrentElement(element);
                screen = TfrmWpisywanie::Open(App().DanePath(element->FileName), element->TypCw);
                return screen;
            }
        }
        ADD_FAILURE() << "no element " << fileName.toStdString();
        return nullptr;
    }
    static void Save(QWidget* window, const char* name)
    {
        ASSERT_TRUE(window->grab().toImage().save(QStringLiteral(KURS_SCREENSHOT_DIR "/") + QLatin1String(name)));
    }
    static void Type(TfrmWpisywanie* s, const QStringList& answers)
    {
        for (const QString& answer : answers) {
            QTest::keyClicks(s->Edit(), answer);
            QTest::keyClick(s->Edit(), Qt::Key_Return);
        }
    }

    QTimer backdrop;
    std::unique_ptr<TfrmNawigacja> navigation;
    QPointer<TfrmWpisywanie> screen;
};

TEST_F(GapTypingScreenshots, TypedAnswersBeforeAndAfterTheCheck)
{
    ASSERT_NE(OpenElement(QStringLiteral("Paczki\\l01_wpisywanie.xml")), nullptr);
    Type(screen, {QStringLiteral("is"), QStringLiteral("I'm"), QStringLiteral("in"), QStringLiteral("year")});
    Save(screen, "gaptyping-answering.png");
    screen->btnSprClick();
    Save(screen, "gaptyping-checked.png");
    screen->btnPoprawClick();
    Save(screen, "gaptyping-corrected.png");
}

TEST_F(GapTypingScreenshots, ChosenAnswersWithTheListOpen)
{
    ASSERT_NE(OpenElement(QStringLiteral("Paczki\\l03_wybor.xml")), nullptr);
    const int first = screen->Text().GapOrder().front();
    QTest::mouseClick(screen->Obszar(), Qt::LeftButton, {}, screen->GapRectOnScreen(first).center());
    QTest::mouseClick(screen->DropDownList(), Qt::LeftButton, {}, QPoint(20, 11));
    const int second = screen->Text().GapOrder()[1];
    QTest::mouseClick(screen->Obszar(), Qt::LeftButton, {}, screen->GapRectOnScreen(second).center());
    Save(screen, "gaptyping-chosen.png");
}

TEST_F(GapTypingScreenshots, CompactLayoutOfAWritingPackageAndTheTopPicture)
{
    ASSERT_NE(OpenElement(QStringLiteral("Paczki\\l05_pisanie_wpis.xml")), nullptr);
    EXPECT_TRUE(screen->CompactLayout());
    Type(screen, {QStringLiteral("having"), QStringLiteral("is")});
    Save(screen, "gaptyping-compact.png");
    screen->close();
    ASSERT_NE(OpenElement(QStringLiteral("Paczki\\l04_wpisywanie.xml")), nullptr);
    Save(screen, "gaptyping-picture.png");
}

TEST_F(GapTypingScreenshots, GermanTextWithItsPictureAndTheKeyboard)
{
    navigation.reset();
    LoadCourse(2);
    ASSERT_NE(OpenElement(QStringLiteral("Paczki\\l01_wpisywanie.xml")), nullptr);
    QTest::keyClicks(screen->Edit(), QStringLiteral("hei"));
    QTest::keyClick(screen->Edit(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClicks(screen->Edit(), QStringLiteral("e"));
    QTest::mouseClick(screen->btnKlawiaturka(), Qt::LeftButton, {}, screen->btnKlawiaturka()->rect().center());
    Save(screen, "gaptyping-german.png");
    screen->close();
    navigation.reset();
    LoadCourse(1);
}

TEST_F(GapTypingScreenshots, TranslationWindow)
{
    ASSERT_NE(OpenElement(QStringLiteral("Paczki\\l01_wpisywanie.xml")), nullptr);
    QTimer::singleShot(300, [] {
        TfrmTlumaczenie* window = TfrmTlumaczenie::Instance();
        Save(window, "translation.png");
        window->done(0);
    });
    screen->btnTlumaczenieClick();
}

} // namespace
