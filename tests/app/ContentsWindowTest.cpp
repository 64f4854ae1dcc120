#include "../course/CourseFixture.h"

#include "app/TfrmMain.h"
#include "app/TfrmMsgBox.h"

#include "course/AppState.h"
#include "course/FieldOf.h"
#include "course/TextCodec.h"

#include "controls/TEdListBox.h"
#include "controls/TWOwnrScrllBar.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// The contents window over a small course in a temporary program folder.
class ContentsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.Write(QStringLiteral("Config/definitions.xml"), Definitions());
        folder.Write(QStringLiteral("Config/Skroty_1.txt"), "am:'m,\r\n");
        App() = AppState{};
        App().ExeDir = folder.Path();
        App().CourseLanguage = 1;
        Course().LoadHints(folder.Path() + QStringLiteral("/Config/definitions.xml"), 0);
    }

    void WriteLessons(int count)
    {
        for (int l = 1; l <= count; ++l)
            folder.Write(QStringLiteral("Unity1/l%1.xml").arg(l, 2, 10, QLatin1Char('0')),
                         Lesson(l, QStringLiteral("Lekcja %1").arg(l)));
    }

    void Open()
    {
        window = std::make_unique<TfrmMain>();
        TUser user;
        user.Name = QStringLiteral("Ania");
        user.Gender = QStringLiteral("K");
        user.Avatar = 21;
        window->SetUser(user);
        window->show();
        window->Inicjalizacja();
    }

    int VisibleRows() const { return window->DrzewoCwiczen()->count(); }

    ProgramFolder folder;
    std::unique_ptr<TfrmMain> window;
};

TEST_F(ContentsWindow, InitialisationLoadsTheCourseWritesTheLogAndShowsLessonRows)
{
    WriteLessons(2);
    folder.Write(QStringLiteral("Dane1/l01_a.xml"), Doc{.Typ = 4, .Grupa = 1, .Id = 1}.Xml());
    folder.Write(QStringLiteral("Dane1/l01_b.xml"), "<cwiczenie><config><typ_cw>x</typ_cw></config></cwiczenie>");
    // The loader's error box must not block the test.
    TfrmMsgBox box;
    SetMsgBoxWindow(&box);
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&box] {
        if (QApplication::activeModalWidget() == &box)
            QTest::keyClick(&box, Qt::Key_Return);
    });
    answer.start(10);
    Open();
    answer.stop();
    SetMsgBoxWindow(nullptr);

    EXPECT_EQ(VisibleRows(), 2);
    EXPECT_EQ(window->DrzewoCwiczen()->item(0)->text(), QStringLiteral("0=0=Lekcja 1"));
    EXPECT_EQ(App().DaneDir, QStringLiteral("/Dane1"));
    EXPECT_TRUE(Course().Skroty().IsLoaded());

    QFile log(folder.Path() + QStringLiteral("/Config/log.txt"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(DecodeWindows1250(log.readAll()),
              QStringLiteral("Wczytywanie lekcji ...\r\nZakończono.\r\nWczytywanie ćwiczeń ...\r\n"
                             "  Błąd wczytywania pliku: l01_b.xml\r\nZakończono.\r\n"));
}

TEST_F(ContentsWindow, ScrollBarAppearsAtTwentyFourRowsWithMaximumOne)
{
    WriteLessons(23);
    folder.Write(QStringLiteral("Dane1/l01_a.xml"), Doc{.Typ = 4, .Grupa = 1, .Id = 1}.Xml());
    Open();
    EXPECT_EQ(VisibleRows(), 23);
    EXPECT_FALSE(window->SB()->isVisibleTo(window.get()));

    window->ClickRow(0, 100); // expand lesson 1
    EXPECT_EQ(VisibleRows(), 24);
    EXPECT_TRUE(window->SB()->isVisibleTo(window.get()));
    EXPECT_EQ(window->SB()->Max(), 1);
    window->SB()->setPosition(1);
    EXPECT_EQ(window->DrzewoCwiczen()->TopIndex(), 1);

    window->ClickRow(0, 100); // collapse again
    EXPECT_FALSE(window->SB()->isVisibleTo(window.get()));
    EXPECT_EQ(window->DrzewoCwiczen()->TopIndex(), 0);
}

TEST_F(ContentsWindow, ClickZonesOpenToggleOrDoNothing)
{
    WriteLessons(1);
    folder.Write(QStringLiteral("Dane1/l01_a.xml"), Doc{.Typ = 4, .Grupa = 1, .Id = 1}.Xml());
    folder.Write(QStringLiteral("Dane1/l01_p.xml"),
                 Doc{.Typ = 100, .Param1 = 1, .Grupa = 1, .Id = 1,
                     .Body = "<element_paczki>a.xml</element_paczki><element_paczki>b.xml</element_paczki>"}
                     .Xml());
    folder.Write(QStringLiteral("Dane1/l01_q.xml"),
                 Doc{.Typ = 100, .Param1 = 6, .Grupa = 1, .Id = 1, .Body = "<element_paczki>a.xml</element_paczki>"}
                     .Xml());
    folder.Write(QStringLiteral("Dane1/Paczki/a.xml"), PackageElement(4));
    folder.Write(QStringLiteral("Dane1/Paczki/b.xml"), PackageElement(1));
    Open();
    QSignalSpy opened(window.get(), &TfrmMain::elementOpened);

    window->ClickRow(0, 5); // left of the lesson zone
    EXPECT_EQ(VisibleRows(), 1);
    window->ClickRow(0, 10);
    ASSERT_EQ(VisibleRows(), 4); // exercise, package, kind-6 package

    window->ClickRow(1, 40); // the exercise's icon
    EXPECT_EQ(opened.count(), 0);
    window->ClickRow(1, 200);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(FieldOf(3, opened.takeFirst().at(0).value<TElement*>()->Name, u'='), QStringLiteral("Ćwiczenie"));
    EXPECT_EQ(App().ScreenState, 5);

    // A kind-1 package opens its first child on a name click and its second from the icon strip.
    window->ClickRow(2, 200);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.takeFirst().at(0).value<TElement*>()->FileName, QStringLiteral("Paczki\\a.xml"));
    window->ClickRow(2, 780 - 29 * 2 + 29 + 3);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.takeFirst().at(0).value<TElement*>()->FileName, QStringLiteral("Paczki\\b.xml"));
    EXPECT_TRUE(window->HandCursorAt(2, 785));
    EXPECT_FALSE(window->HandCursorAt(2, 500));

    // A kind-6 package toggles on a name click.
    window->ClickRow(3, 200);
    EXPECT_EQ(VisibleRows(), 5);
    EXPECT_EQ(opened.count(), 0);

    window->ExpandAll();
    EXPECT_EQ(VisibleRows(), 1 + 3 + 2 + 1);
    window->CollapseAll();
    EXPECT_EQ(VisibleRows(), 1);
}

TEST_F(ContentsWindow, MouseReleaseOnARowActsAndWheelMovesTheBar)
{
    WriteLessons(30);
    folder.Write(QStringLiteral("Dane1/l01_a.xml"), Doc{.Typ = 4, .Grupa = 1, .Id = 1}.Xml());
    Open();
    QWidget* viewport = window->DrzewoCwiczen()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(100, 12));
    EXPECT_EQ(VisibleRows(), 31);
    EXPECT_EQ(window->SB()->Max(), 8);

    QWheelEvent down(QPointF(100, 30), viewport->mapToGlobal(QPointF(100, 30)), {}, QPoint(0, -120), Qt::NoButton,
                     {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &down);
    EXPECT_EQ(window->SB()->Position(), 1);
    EXPECT_EQ(window->DrzewoCwiczen()->TopIndex(), 1);
}

} // namespace
