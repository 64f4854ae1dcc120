#include "../users/WindowTestSupport.h"

#include "course/mainmenu/MainMenuChoices.h"
#include "course/mainmenu/TfrmMainMenu.h"

#include "users/RecordExerciseResult.h"
#include "users/ResultsStore.h"
#include "users/UserFiles.h"

#include "app/Screens.h"

#include "course/TDrzewo.h"

#include "controls/TEdBelka.h"
#include "controls/TEdResButton.h"

#include <QImage>
#include <QSignalSpy>

namespace {

using namespace MainMenuChoices;

TEST(MainMenuChoices, TheStartButtonFollowsTheResultsFileSize)
{
    const struct {
        qint64 Size;
        StartTag Expected;
    } cases[] = {{-1, StartTagStart}, {0, StartTagStart}, {94, StartTagStart}, {95, StartTagContinue},
                 {4000, StartTagContinue}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Size);
        EXPECT_EQ(StartTagOf(c.Size), c.Expected);
    }
    EXPECT_EQ(StartCaption(StartTagStart), QStringLiteral("Rozpocznij naukę"));
    EXPECT_EQ(StartCaption(StartTagContinue), QStringLiteral("Kontynuuj naukę"));
}

// Lesson 1 with a standalone exercise, a package of two elements sharing the
// package's file name and a package element of kind 6; lesson 2 empty.
class CourseChoices : public ::testing::Test {
protected:
    void SetUp() override
    {
        lesson = Add(nullptr, 0, QStringLiteral("lekcja01.xml"), 99, false);
        standalone = Add(lesson, 4, QStringLiteral("l01_wpis.xml"), 0, false);
        package = Add(lesson, 0, QStringLiteral("lekcja01_1.xml"), 7, false);
        folderElement = Add(package, 51, QStringLiteral("lekcja01_1.xml"), 6, true);
        first = Add(package, 62, QStringLiteral("lekcja01_1.xml"), 0, true);
        second = Add(package, 64, QStringLiteral("lekcja01_1.xml"), 0, true);
        test = Add(nullptr, 0, QStringLiteral("powtorka01.xml"), 98, false);
    }

    TElement* Add(TElement* parent, int type, const QString& fileName, int kind, bool inPackage)
    {
        TElement* e = tree.Append(parent);
        e->TypCw = type;
        e->FileName = fileName;
        e->Kind = kind;
        e->ElementPaczki = inPackage;
        flat.push_back(e);
        return e;
    }

    TDrzewo tree;
    std::vector<TElement*> flat;
    TElement *lesson, *standalone, *package, *folderElement, *first, *second, *test;
};

TEST_F(CourseChoices, StartOpensTheFirstPackageElementOutsideGrammarFolders)
{
    EXPECT_EQ(StartElement(flat), first);
    EXPECT_EQ(StartElement({lesson, standalone}), nullptr);
}

TEST_F(CourseChoices, ContinueFindsTheStoredFileNameAndType)
{
    const struct {
        const char* LastVisit;
        TElement* Expected;
    } cases[] = {{"lekcja01_1.xml=64", second}, {"lekcja01_1.xml=62", first}, {"l01_wpis.xml=4", standalone},
                 {"l01_wpis.xml=5", nullptr},   {"usunieta.xml=4", nullptr},  {"lekcja01_1.xml=", nullptr},
                 {"", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.LastVisit);
        EXPECT_EQ(ContinueElement(flat, QString::fromLatin1(c.LastVisit)), c.Expected);
    }
}

TEST_F(CourseChoices, ProgressNeedsAResultOnALesson)
{
    EXPECT_FALSE(AnyLessonHasResult(flat));
    standalone->HasResult = true;
    EXPECT_FALSE(AnyLessonHasResult(flat)) << "an exercise's own result is not enough";
    test->HasResult = true;
    EXPECT_TRUE(AnyLessonHasResult(flat));
}

// The main menu over a small English course for learner 1.
class MainMenu : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        folder.Write(QStringLiteral("Unity1/lekcja01.xml"), Lesson(1, QStringLiteral("Lekcja 1")));
        folder.Write(QStringLiteral("Dane1/lekcja01_1.xml"),
                     Doc{.Typ = 100, .Param1 = 1, .Grupa = 1, .Id = 101,
                         .Body = QStringLiteral("<element_paczki>l01_wpis.xml</element_paczki>")}
                         .Xml());
        folder.Write(QStringLiteral("Dane1/Paczki/l01_wpis.xml"), PackageElement(4));
        folder.Write(QStringLiteral("Users/1_stat1.xml"), UserFiles::FreshResultsFile());
        QImage logo(237, 76, QImage::Format_RGB32);
        logo.fill(QColor(10, 200, 30));
        QDir().mkpath(folder.Path() + QStringLiteral("/Gfx/Loga"));
        ASSERT_TRUE(logo.save(folder.Path() + QStringLiteral("/Gfx/Loga/logo_5.png")));

        App().CourseLanguage = 1;
        App().EditionLanguage = 5;
        App().FormatLanguageFolders();
        Course().NewTree();
        RecordingFeedback feedback;
        const CourseModel::Source source{folder.Path(), App().UnityDir, App().DaneDir, 0};
        Course().LoadLessons(source, feedback, nullptr);
        Course().LoadExercises(source, feedback, nullptr);
        ASSERT_EQ(Course().FlatList().size(), 3u);
        element = Course().FlatList()[2];
        Results().ResetLastLesson();
        LoadAllResults(1);

        user.Id = 1;
        user.Name = QStringLiteral("Ania");
        user.Gender = QStringLiteral("K");
        user.Avatar = 12;
        Screens::Register(Screens::CurrentElement, [] {});
        Screens::Register(Screens::Login, [this] { ++loginShown; });
        menu = std::make_unique<TfrmMainMenu>(user);
    }

    void TearDown() override
    {
        Screens::Register(Screens::Login, {});
        WindowFixture::TearDown();
    }

    TUser user;
    TElement* element = nullptr;
    std::unique_ptr<TfrmMainMenu> menu;
    int loginShown = 0;
};

TEST_F(MainMenu, AFreshResultsFileStartsTheCourseAndAStoredResultContinuesIt)
{
    menu->show();
    EXPECT_EQ(menu->btnStartLastLesson()->Caption(), QStringLiteral("Rozpocznij naukę"));
    EXPECT_EQ(menu->btnStartLastLesson()->Tag(), StartTagStart);
    EXPECT_TRUE(menu->lblLastDate()->Caption().isEmpty());
    EXPECT_FALSE(menu->btnPostepy()->isEnabled());
    EXPECT_EQ(menu->Belka()->Zalogowany(), QStringLiteral("Ania"));
    EXPECT_EQ(menu->Belka()->StylBelki(), 1);
    // The logo is the edition's, not the studied language's.
    ASSERT_FALSE(menu->imgLogo().isNull());
    EXPECT_EQ(menu->imgLogo().pixelColor(5, 5), QColor(10, 200, 30));
    menu->hide();

    // One byte over the fresh size already counts as results.
    QByteArray bigger = UserFiles::FreshResultsFile();
    bigger.append(' ');
    folder.Write(QStringLiteral("Users/1_stat1.xml"), bigger);
    menu->show();
    EXPECT_EQ(menu->btnStartLastLesson()->Caption(), QStringLiteral("Kontynuuj naukę"));
    menu->hide();

    // After the first checked exercise: continue, with today's date.
    folder.Write(QStringLiteral("Users/1_stat1.xml"), UserFiles::FreshResultsFile());
    LoadAllResults(1);
    Results().Record(*element, 75);
    menu->show();
    EXPECT_EQ(menu->btnStartLastLesson()->Caption(), QStringLiteral("Kontynuuj naukę"));
    EXPECT_EQ(menu->lblLastDate()->Caption(),
              QStringLiteral("Ostatnio: ") + QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")));
    EXPECT_TRUE(menu->btnPostepy()->isEnabled());
}

TEST_F(MainMenu, StartAndContinueChooseTheElementToOpen)
{
    QSignalSpy chosen(menu.get(), &TfrmMainMenu::currentElementChosen);
    menu->show();
    menu->btnStartLastLessonClick();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).value<TElement*>(), element);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(App().ScreenState, Screens::CurrentElement);

    Results().Record(*element, 40);
    menu->show();
    ASSERT_EQ(menu->btnStartLastLesson()->Tag(), StartTagContinue);
    menu->btnStartLastLessonClick();
    ASSERT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen.at(1).at(0).value<TElement*>(), element);
}

TEST_F(MainMenu, ContinueToAMissingDocumentSaysSoAndStaysOnTheMenu)
{
    Results().Record(*element, 40);
    QFile::remove(folder.Path() + QStringLiteral("/Dane1/Paczki/l01_wpis.xml"));
    QSignalSpy chosen(menu.get(), &TfrmMainMenu::currentElementChosen);
    menu->show();
    AnswerMessage();
    menu->btnStartLastLessonClick();
    EXPECT_EQ(Messages, QStringList{QStringLiteral("Lekcja nie została zainstalowana.")});
    EXPECT_EQ(Titles, QStringList{QStringLiteral("Błąd")});
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(MainMenu, SignOutGoesBackToTheProfileList)
{
    menu->show();
    App().ScreenState = Screens::MainMenu;
    QTest::mouseClick(menu->btnWyloguj(), Qt::LeftButton);
    EXPECT_EQ(App().ScreenState, Screens::Login);
    EXPECT_EQ(loginShown, 1);
    EXPECT_FALSE(menu->isVisible());
}

} // namespace
