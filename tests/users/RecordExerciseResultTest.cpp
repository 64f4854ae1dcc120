#include "WindowTestSupport.h"

#include "users/RecordExerciseResult.h"
#include "users/ResultsStore.h"
#include "users/UserFiles.h"

#include "app/TfrmProgress.h"

#include "controls/TEdProgress.h"

#include <QDomDocument>

namespace {

// A course of one lesson with a gap-typing exercise and a reading text, the
// learner 1's results in English, and an exercise screen with its result panel.
class Recording : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        folder.Write(QStringLiteral("Unity1/lekcja01.xml"), Lesson(1, QStringLiteral("Lekcja 1")));
        folder.Write(QStringLiteral("Dane1/l01_a_wpis.xml"), Doc{.Typ = 4, .Grupa = 1, .Id = 1}.Xml());
        folder.Write(QStringLiteral("Dane1/l01_b_tekst.xml"), Doc{.Typ = 51, .Grupa = 1, .Id = 1}.Xml());
        folder.Write(QStringLiteral("Users/1_stat1.xml"), UserFiles::FreshResultsFile());
        App().CourseLanguage = 1;
        App().FormatLanguageFolders();
        RecordingFeedback feedback;
        Course().NewTree();
        const CourseModel::Source source{folder.Path(), App().UnityDir, App().DaneDir, 0};
        Course().LoadLessons(source, feedback, nullptr);
        Course().LoadExercises(source, feedback, nullptr);
        ASSERT_EQ(Course().FlatList().size(), 3u);
        lesson = Course().FlatList()[0];
        typing = Course().FlatList()[1];
        reading = Course().FlatList()[2];
        LoadAllResults(1);
        ResultRecording::SetCurrentElementSource([this] { return current; });

        panel = new TEdProgress(&screen);
        panel->setObjectName(QStringLiteral("Panel_Wynik"));
        panel->hide();
    }

    void TearDown() override
    {
        ResultRecording::SetCurrentElementSource({});
        WindowFixture::TearDown();
    }

    QByteArray ResultsFile() const { return ReadAll(UsersPath(QStringLiteral("1_stat1.xml"))); }

    QStringList StoredNames() const
    {
        QDomDocument document;
        EXPECT_TRUE(document.setContent(ResultsFile()));
        QStringList names;
        for (QDomElement plik = document.documentElement().firstChildElement(QStringLiteral("plik")); !plik.isNull();
             plik = plik.nextSiblingElement(QStringLiteral("plik")))
            names << plik.attribute(QStringLiteral("nazwa"));
        return names;
    }

    static QByteArray ReadAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TElement* lesson = nullptr;
    TElement* typing = nullptr;
    TElement* reading = nullptr;
    TElement* current = nullptr;
    QWidget screen;
    TEdProgress* panel = nullptr;
};

TEST_F(Recording, AShowingPanelStoresItsScoreAndAHiddenOneOnlyTheVisit)
{
    current = typing;
    RecordExerciseResult(&screen);
    EXPECT_EQ(StoredNames(), QStringList{QStringLiteral("LastLesson")});
    EXPECT_FALSE(typing->HasResult);

    panel->setWynik(80);
    panel->show();
    RecordExerciseResult(&screen);
    EXPECT_EQ(typing->Score, 80);
    EXPECT_EQ(lesson->Score, 80) << "the reading text has no score";
    EXPECT_EQ(StoredNames(),
              (QStringList{QStringLiteral("LastLesson"), QStringLiteral("l01_a_wpis.xml"), QStringLiteral("lekcja01.xml")}));
    EXPECT_GT(QFileInfo(UsersPath(QStringLiteral("1_stat1.xml"))).size(), ResultsStore::FreshFileSize);
}

TEST_F(Recording, AScoreAbove100NeverReachesTheFile)
{
    current = typing;
    panel->setWynik(70);
    panel->setWynik(150);
    panel->show();
    RecordExerciseResult(&screen);
    EXPECT_EQ(typing->Score, 70);
    EXPECT_TRUE(ResultsFile().contains("<postep>70</postep>"));
    EXPECT_FALSE(ResultsFile().contains("150"));
}

TEST_F(Recording, APresentationTypeWritesOnlyTheVisitEvenWithAPanel)
{
    current = reading;
    panel->setWynik(90);
    panel->show();
    RecordExerciseResult(&screen);
    EXPECT_EQ(StoredNames(), QStringList{QStringLiteral("LastLesson")});
    EXPECT_EQ(reading->Score, -1);
    EXPECT_TRUE(ResultsFile().contains("<czas>l01_b_tekst.xml=51</czas>"));
}

TEST_F(Recording, LookUpWindowsCloseFirstAndWithoutACurrentElementNothingIsWritten)
{
    QWidget dictionary;
    dictionary.show();
    ResultRecording::CloseBeforeRecording(&dictionary);
    const QByteArray before = ResultsFile();
    current = nullptr;
    RecordExerciseResult(&screen);
    EXPECT_FALSE(dictionary.isVisible());
    EXPECT_EQ(ResultsFile(), before);
}

TEST_F(Recording, LoadingAttachesStoredResultsWithTheProgressWindow)
{
    current = typing;
    panel->setWynik(65);
    panel->show();
    RecordExerciseResult(&screen);

    TfrmProgress progress;
    SetProgressWindow(&progress);
    QWidget login;
    progress.RegisterDisabledWindow(true, &login);
    for (TElement* e : Course().FlatList())
        e->Score = 999;
    LoadAllResults(1);
    SetProgressWindow(nullptr);
    EXPECT_EQ(progress.caption(), QStringLiteral("Wczytuję statystyki..."));
    EXPECT_EQ(progress.barWidth(), TfrmProgress::BarFullWidth);
    EXPECT_FALSE(progress.isVisible());
    EXPECT_TRUE(login.isEnabled());
    EXPECT_EQ(typing->Score, 65);
    EXPECT_EQ(lesson->Score, 65);
    EXPECT_EQ(reading->Score, -1);
}

TEST_F(Recording, ADamagedResultsFileStopsTheProgramWithTheMessageAndStaysOnDisk)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const QByteArray damaged("<?xml version=\"1.0\"?><cwiczenia><plik nazwa=\"x\">");
    folder.Write(QStringLiteral("Users/1_stat1.xml"), damaged);
    EXPECT_EXIT(
        {
            QTimer::singleShot(0, [this] {
                if (QApplication::activeModalWidget() == &box
                    && box.lblTresc()->Caption() == ResultsFileErrorMessage() && box.Frame()->Caption() == u"Błąd")
                    std::fprintf(stderr, "message shown\n");
                QTest::keyClick(&box, Qt::Key_Return);
            });
            LoadAllResults(1);
        },
        ::testing::ExitedWithCode(0), "message shown");
    EXPECT_EQ(ResultsFile(), damaged);
}

} // namespace
