#include "../course/CourseFixture.h"
#include "ModalWindows.h"

#include "exercises/LearnerSettings.h"
#include "exercises/TfrmTlumaczenie.h"
#include "exercises/screens/wpisywanie/TfrmWpisywanie.h"

#include "course/AppState.h"
#include "course/navigation/TfrmNawigacja.h"

#include "controls/TAALabel.h"
#include "controls/TEdProgress.h"
#include "controls/TEdResButton.h"
#include "controls/TWOwnrScrllBar.h"

#include <QLineEdit>
#include <QPointer>
#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QProcess>
#include <QTextBrowser>
#include <QTimer>

namespace {

QByteArray GapDocument(int typ, const QString& tresc, const QString& multimedia = {}, const QString& translation = {})
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><id>1</id>"
                          "<multimedia>%3</multimedia><nazwa id=\"0\">List Kasi</nazwa><grupa>1</grupa>"
                          "<poziom>1</poziom><typ_cw>%1</typ_cw><param1>0</param1><param2>0</param2></config>"
                          "<body><html/><polecenie id=\"0\">Uzupełnij list Kasi.~Kliknij lukę.</polecenie>"
                          "<tresc><![CDATA[%2]]></tresc><tlumaczenie id=\"0\"><![CDATA[%4]]></tlumaczenie></body>"
                          "</cwiczenie>")
        .arg(typ)
        .arg(tresc, multimedia, translation)
        .toUtf8();
}

class GapTyping : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.MakeCurrent();
        App().PrinterPresent = true;
        folder.Write(QStringLiteral("Config/Skroty_1.txt"), "am:'m,\r\n");
        Course().LoadSkroty(folder.Path() + QStringLiteral("/Config/Skroty_1.txt"));
        SetLearnerSettingsSource([this] { return settings; });
    }
    void TearDown() override
    {
        if (screen)
            screen->close();
        SetLearnerSettingsSource({});
    }
    TfrmWpisywanie* Open(int typ, const QString& tresc, const QString& multimedia = {}, const QString& translation = {})
    {
        folder.Write(QStringLiteral("Dane1/l01_wpisywanie.xml"), GapDocument(typ, tresc, multimedia, translation));
        screen = TfrmWpisywanie::Open(App().DanePath(QStringLiteral("l01_wpisywanie.xml")), typ);
        return screen;
    }
    QPoint CentreOf(int token) const { return screen->GapRectOnScreen(token).center(); }
    QString Answer(int gap) const { return screen->Text().Tokens()[screen->Text().GapOrder()[gap]].LearnerAnswer; }
    int Gap(int n) const { return screen->Text().GapOrder()[n]; }
    void Click(TEdResButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center()); }

    ProgramFolder folder;
    LearnerSettings settings;
    ModalWindows modal;
    QPointer<TfrmWpisywanie> screen;
};

TEST_F(GapTyping, EnterMovesFromGapToGapAndTheCheckMarksCorrectsAndScores)
{
    ASSERT_NE(Open(4, QStringLiteral("My name <is> Kasia and <I'm/I am> from <Poland> .")), nullptr);
    QLineEdit* edit = screen->Edit();
    ASSERT_TRUE(edit->isVisible()) << "the field opens on the first gap";
    EXPECT_EQ(screen->CurrentGap(), Gap(0));
    EXPECT_EQ(edit->geometry().topLeft(),
              screen->Obszar()->geometry().topLeft() + screen->GapRectOnScreen(Gap(0)).topLeft() - QPoint(0, 1))
        << "the field lies over its gap";

    QTest::keyClicks(edit, QStringLiteral("is"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(screen->CurrentGap(), Gap(1));
    EXPECT_EQ(Answer(0), QStringLiteral("is"));
    QTest::keyClicks(edit, QStringLiteral("  I   am "));
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(Answer(1), QStringLiteral("I am")) << "trimmed, runs of spaces made one";
    QTest::keyClicks(edit, QStringLiteral("poland"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(screen->CurrentGap(), Gap(0)) << "after the last gap comes the first";
    EXPECT_EQ(edit->text(), QStringLiteral("is"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("is"));

    Click(screen->btnSpr());
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(screen->View(), GapView::Checked);
    EXPECT_FALSE(screen->Editable());
    EXPECT_TRUE(screen->PanelWynik()->isVisible());
    EXPECT_EQ(screen->PanelWynik()->Wynik(), 67) << "poland is wrong while case counts";
    ASSERT_TRUE(screen->btnPopraw()->isVisible());
    int rightMarks = 0, wrongMarks = 0;
    for (const GapDrawItem& item : screen->Layout().Items) {
        rightMarks += item.What == GapDrawItem::MarkRight;
        wrongMarks += item.What == GapDrawItem::MarkWrong;
    }
    EXPECT_EQ(rightMarks, 2);
    EXPECT_EQ(wrongMarks, 1);
    QTest::mouseClick(screen->Obszar(), Qt::LeftButton, {}, CentreOf(Gap(0)));
    EXPECT_FALSE(edit->isVisible()) << "a checked text takes no answers";

    Click(screen->btnPopraw());
    EXPECT_EQ(screen->View(), GapView::Correction);
    EXPECT_FALSE(screen->PanelWynik()->isVisible());
    EXPECT_FALSE(screen->btnPopraw()->isVisible());
    bool corrected = false;
    for (const GapDrawItem& item : screen->Layout().Items)
        corrected |= item.What == GapDrawItem::Answer && item.Text == u"Poland" && item.Token == Gap(2);
    EXPECT_TRUE(corrected) << "the accepted answer stands in the wrong gap";
    QTest::mouseMove(screen->Obszar(), CentreOf(Gap(2)));
    EXPECT_TRUE(App().HintWindowText.endsWith(QStringLiteral(" <B>poland</B>"))) << "hovering shows what the learner wrote";

    Click(screen->btnSpr()); // "Jeszcze raz"
    EXPECT_EQ(screen->View(), GapView::Answering);
    EXPECT_TRUE(screen->Editable());
    EXPECT_EQ(Answer(0), QString());
    EXPECT_TRUE(edit->isVisible());
}

TEST_F(GapTyping, TheLearnersCaseSettingDecidesWhetherLetterCaseCounts)
{
    for (const bool caseSensitive : {true, false}) {
        SCOPED_TRACE(caseSensitive);
        settings.CaseSensitive = caseSensitive;
        ASSERT_NE(Open(4, QStringLiteral("Jonas kommt aus <Berlin>.")), nullptr);
        QTest::keyClicks(screen->Edit(), QStringLiteral("berlin"));
        Click(screen->btnSpr());
        EXPECT_EQ(screen->PanelWynik()->Wynik(), caseSensitive ? 0 : 100);
        screen->close();
    }
}

TEST_F(GapTyping, ClicksOpenTheFieldOnAGapAndAClickBesideStoresTheAnswer)
{
    ASSERT_NE(Open(4, QStringLiteral("I <am> from <Poland>. I live in Gdańsk.<BR><BR><BR>Bye!")), nullptr);
    QTest::mouseClick(screen->Obszar(), Qt::LeftButton, {}, CentreOf(Gap(1)));
    EXPECT_EQ(screen->CurrentGap(), Gap(1));
    QTest::keyClicks(screen->Edit(), QStringLiteral("Poland"));
    QTest::mouseClick(screen->Obszar(), Qt::LeftButton, {}, QPoint(5, screen->Obszar()->height() - 5));
    EXPECT_FALSE(screen->Edit()->isVisible());
    EXPECT_EQ(Answer(1), QStringLiteral("Poland"));
    EXPECT_EQ(screen->CurrentGap(), Gap(1)) << "a click beside the gaps does not move on";

    // An answered gap opens with its answer selected; while it is edited its stored answer is cleared.
    QTest::mouseClick(screen->Obszar(), Qt::LeftButton, {}, CentreOf(Gap(1)));
    EXPECT_EQ(screen->Edit()->selectedText(), QStringLiteral("Poland"));
    EXPECT_EQ(Answer(1), QString());
    QTest::mouseClick(screen, Qt::LeftButton, {}, QPoint(20, 700));
    EXPECT_EQ(Answer(1), QStringLiteral("Poland")) << "a click on the background stores it too";
}

TEST_F(GapTyping, AFieldBelowTheAreaScrollsIntoView)
{
    QString tresc;
    for (int i = 0; i < 40; ++i)
        tresc += QStringLiteral("Line %1 <gap%1><BR>").arg(i);
    ASSERT_NE(Open(4, tresc), nullptr);
    ASSERT_TRUE(screen->ScrollBar()->isVisible());
    const int areaHeight = screen->Obszar()->height();
    for (int n = 1; n < 30; ++n)
        QTest::keyClick(screen->Edit(), Qt::Key_Return);
    EXPECT_EQ(screen->CurrentGap(), Gap(29));
    EXPECT_GT(screen->ScrollBar()->Position(), 0);
    const QRect field = screen->GapRectOnScreen(Gap(29));
    EXPECT_GE(field.top(), 0);
    EXPECT_LE(field.bottom(), areaHeight);
    EXPECT_EQ(screen->ScrollOffset(), screen->ScrollBar()->Position() * screen->Layout().LineHeight);
}

TEST_F(GapTyping, AccentShortcutsWriteTheCourseLanguagesLetters)
{
    App().CourseLanguage = 2;
    App().FormatLanguageFolders();
    folder.Write(QStringLiteral("Dane2/l01_wpisywanie.xml"), GapDocument(4, QStringLiteral("Ich <heiße> Ania.")));
    screen = TfrmWpisywanie::Open(App().DanePath(QStringLiteral("l01_wpisywanie.xml")), 4);
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->btnKlawiaturka()->isVisible());
    QTest::keyClicks(screen->Edit(), QStringLiteral("hei"));
    QTest::keyClick(screen->Edit(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(screen->Edit(), Qt::Key_E);
    QTest::keyClick(screen->Edit(), Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(screen->Edit()->text(), QStringLiteral("heißeÜ"));
}

TEST_F(GapTyping, ChosenAnswersComeFromTheGapsListAndNeverShowMedia)
{
    folder.Write(QStringLiteral("Media1/Teksty/lista.wav"), "RIFF");
    ASSERT_NE(Open(33, QStringLiteral("<Are/Is/Am> you from Poland? - Yes, I <am/is/are>."), QStringLiteral("lista.wav")),
              nullptr);
    EXPECT_FALSE(screen->btnMedia()->isVisible());
    EXPECT_FALSE(screen->btnMedia2()->isVisible());
    EXPECT_FALSE(screen->Edit()->isVisible());

    QTest::mouseClick(screen->Obszar(), Qt::LeftButton, {}, CentreOf(Gap(0)));
    QWidget* list = screen->DropDownList();
    ASSERT_TRUE(list->isVisible());
    QStringList items = screen->DropDownItems();
    EXPECT_EQ(QSet<QString>(items.begin(), items.end()),
              (QSet<QString>{QStringLiteral("Are"), QStringLiteral("Is"), QStringLiteral("Am")}));
    EXPECT_EQ(list->x(), screen->Obszar()->x() + screen->GapRectOnScreen(Gap(0)).x());
    EXPECT_GE(list->width(), 93);
    const int right = static_cast<int>(items.indexOf(QStringLiteral("Are")));
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(20, 1 + right * 20 + 10));
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(Answer(0), QStringLiteral("Are"));

    QTest::mouseClick(screen->Obszar(), Qt::LeftButton, {}, CentreOf(Gap(1)));
    items = screen->DropDownItems();
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(20, 1 + static_cast<int>(items.indexOf(QStringLiteral("is"))) * 20 + 10));
    EXPECT_EQ(Answer(1), QStringLiteral("is"));
    Click(screen->btnSpr());
    EXPECT_EQ(screen->PanelWynik()->Wynik(), 50) << "only the first alternative is right";
}

TEST_F(GapTyping, ATextWithoutGapsScoresNothing)
{
    ASSERT_NE(Open(4, QStringLiteral("Nothing to fill in here.")), nullptr);
    EXPECT_FALSE(screen->Edit()->isVisible());
    Click(screen->btnSpr());
    EXPECT_EQ(screen->PanelWynik()->Wynik(), 0);
}

TEST_F(GapTyping, TranslationOpensInTheTranslationWindowFromAWindows1250Page)
{
    ASSERT_NE(Open(4, QStringLiteral("Hello <Tom>!"), {}, QStringLiteral("Cześć, Tom!<br>Zażółć gęślą jaźń.")), nullptr);
    ASSERT_TRUE(screen->btnTlumaczenie()->isVisible());
    QString caption, shown;
    bool scrollBarShown = true;
    modal.OnModal = [&](QWidget* window) {
        auto* translation = qobject_cast<TfrmTlumaczenie*>(window);
        ASSERT_NE(translation, nullptr);
        caption = translation->Frame()->Caption();
        shown = translation->HTML()->toPlainText();
        scrollBarShown = translation->ScrollBar()->isVisible();
        QTest::mouseClick(translation->btnZamknij(), Qt::LeftButton, {}, translation->btnZamknij()->rect().center());
    };
    Click(screen->btnTlumaczenie());
    EXPECT_EQ(caption, QStringLiteral("Tłumaczenie"));
    EXPECT_TRUE(shown.contains(QStringLiteral("Cześć, Tom!"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Zażółć gęślą jaźń.")));
    EXPECT_FALSE(scrollBarShown) << "a short page needs no scroll bar";
    QFile page(App().DanePath(QStringLiteral("tmp_wpis.html")));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray bytes = page.readAll();
    EXPECT_TRUE(bytes.contains("Cze\x9c\xe6, Tom!")) << "the page is Windows-1250";
    EXPECT_TRUE(bytes.contains("Za\xbf&oacute;\xb3\xe6")) << "ó is written as its entity";
}

TEST_F(GapTyping, MissingFileAndMissingPrinterAreReported)
{
    EXPECT_EQ(TfrmWpisywanie::Open(App().DanePath(QStringLiteral("brak.xml")), 4), nullptr);
    App().PrinterPresent = false;
    ASSERT_NE(Open(4, QStringLiteral("I <am> here.")), nullptr);
    Click(screen->btnDrukuj());
    EXPECT_EQ(modal.Messages, (QStringList{QStringLiteral("Brak pliku ćwiczenia! (4)"),
                                           QStringLiteral("Brak zainstalowanej drukarki.")}));
    EXPECT_EQ(modal.Titles.value(1), QStringLiteral("Uwaga"));
}

QString PdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000))
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

TEST_F(GapTyping, PrintsBlanksBeforeTheCheckAndTheAnswersAfterIt)
{
    ASSERT_NE(Open(4, QStringLiteral("<IMG LEFT> kasia.png </IMG>My name <is> Kasia and I live <in> Gdańsk.")), nullptr);
    const QString before = folder.Path() + QStringLiteral("/before.pdf");
    const QString after = folder.Path() + QStringLiteral("/after.pdf");
    for (const QString& file : {before, after}) {
        if (file == after) {
            QTest::keyClicks(screen->Edit(), QStringLiteral("is"));
            Click(screen->btnSpr());
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        screen->PrintTo(printer);
    }
    const QString blank = PdfText(before);
    EXPECT_TRUE(blank.contains(QStringLiteral("List Kasi"))) << blank.toStdString();
    EXPECT_TRUE(blank.contains(QStringLiteral("Uzupełnij list Kasi.")));
    EXPECT_TRUE(blank.contains(QStringLiteral("My name __________ Kasia and I live __________ Gdańsk.")));
    EXPECT_FALSE(blank.contains(QStringLiteral("kasia.png")));
    const QString answered = PdfText(after);
    EXPECT_TRUE(answered.contains(QStringLiteral("My name is Kasia and I live in Gdańsk."))) << answered.toStdString();
}

// The files of a folder that match `pattern`, with their full paths.
QStringList FilesIn(const QString& folder, const QString& pattern)
{
    QStringList files;
    for (const QString& name : QDir(folder).entryList({pattern}, QDir::Files))
        files.append(folder + u'/' + name);
    return files;
}

// "Drukuj" prints on the default printer: here the PDF queue of the test
// services, made the default of this process through PRINTER. The queue's
// own PDF shows the job went through; the document it received has the text.
TEST_F(GapTyping, ThePrintButtonSendsTheSheetToThePrintQueue)
{
    const QString queue = qEnvironmentVariable("KURS_TEST_PRINTER");
    const QString output = qEnvironmentVariable("KURS_TEST_PRINTER_OUTPUT");
    const QString spool = qEnvironmentVariable("KURS_TEST_PRINTER_SPOOL");
    ASSERT_FALSE(queue.isEmpty() || output.isEmpty() || spool.isEmpty())
        << "scripts/test-services.sh starts the print queue";
    qputenv("PRINTER", queue.toLocal8Bit());
    const QStringList outputBefore = FilesIn(output, QStringLiteral("*.pdf"));
    const QStringList spoolBefore = FilesIn(spool, QStringLiteral("d*"));
    ASSERT_NE(Open(4, QStringLiteral("Ola and Piotr <are> friends.")), nullptr);
    Click(screen->btnDrukuj());
    qunsetenv("PRINTER");
    EXPECT_TRUE(modal.Messages.isEmpty()) << modal.Messages.join(u'|').toStdString();

    QString received;
    bool printed = false;
    QElapsedTimer waited;
    waited.start();
    while (!(printed && !received.isEmpty()) && waited.elapsed() < 60000) {
        QTest::qWait(250);
        for (const QString& file : FilesIn(spool, QStringLiteral("d*"))) {
            if (!spoolBefore.contains(file) && received.isEmpty()) {
                const QString text = PdfText(file);
                if (text.contains(QStringLiteral("Ola and Piotr")))
                    received = text;
            }
        }
        for (const QString& file : FilesIn(output, QStringLiteral("*.pdf")))
            printed = printed || !outputBefore.contains(file);
    }
    EXPECT_TRUE(printed) << "the queue " << queue.toStdString() << " printed nothing";
    ASSERT_FALSE(received.isEmpty()) << "the queue did not receive the sheet";
    EXPECT_TRUE(received.contains(QStringLiteral("Ola and Piotr __________ friends."))) << received.toStdString();
}

// A writing package (kind 9) of two gap-typing pages in a course with navigation.
class GapTypingInWritingPackage : public GapTyping {
protected:
    void SetUp() override
    {
        GapTyping::SetUp();
        folder.Write(QStringLiteral("Config/definitions.xml"), Definitions());
        folder.Write(QStringLiteral("Unity1/lekcja01.xml"), Lesson(1, QStringLiteral("Moja rodzina")));
        folder.Write(QStringLiteral("Dane1/lekcja01_01_pisanie.xml"),
                     Doc{.Typ = 100, .Param1 = 9, .Grupa = 1, .Id = 101, .Name = QStringLiteral("Pisanie: rodzina"),
                         .Body = "<element_paczki>a.xml</element_paczki><element_paczki>b.xml</element_paczki>"}
                         .Xml());
        folder.Write(QStringLiteral("Dane1/Paczki/a.xml"), GapDocument(4, QStringLiteral("My <mum>, my dad, Kasia, and me.")));
        folder.Write(QStringLiteral("Dane1/Paczki/b.xml"), GapDocument(4, QStringLiteral("<His> name is Piotr.")));
        RecordingFeedback feedback;
        Course().LoadHints(folder.Path() + QStringLiteral("/Config/definitions.xml"), 0);
        Course().NewTree();
        Course().LoadLessons(folder.Source(), feedback, nullptr);
        Course().LoadExercises(folder.Source(), feedback, nullptr);
        ASSERT_TRUE(feedback.Errors.isEmpty()) << feedback.Errors.join(u'\n').toStdString();
        navigation = std::make_unique<TfrmNawigacja>(backdrop);
        navigation->NewState();
        navigation->LookUpWord = [this](const QString& word) { lookedUp.append(word); };
        TElement* package = Course().Tree().Root()->Child(1)->Child(1);
        ASSERT_EQ(package->ChildCount, 2);
        navigation->SetCurrentElement(package->Child(1));
        screen = TfrmWpisywanie::Open(App().DanePath(package->Child(1)->FileName), 4);
    }
    void TearDown() override
    {
        GapTyping::TearDown();
        navigation.reset();
    }
    QTimer backdrop;
    std::unique_ptr<TfrmNawigacja> navigation;
    QStringList lookedUp;
};

TEST_F(GapTypingInWritingPackage, UsesTheCompactLayoutWithPageTabs)
{
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->CompactLayout());
    EXPECT_EQ(screen->Obszar()->geometry().topLeft(), QPoint(260, screen->Obszar()->y()));
    EXPECT_EQ(screen->Obszar()->width(), 474);
    EXPECT_GE(screen->Obszar()->y(), 162);
    EXPECT_EQ(screen->Polecenie()->y(), 100);
    EXPECT_EQ(screen->Polecenie()->width(), 474 - 50);
    EXPECT_FALSE(screen->PaczkaPart()->isVisible());
    const int tops[] = {222, 278, 334, 390, 446};
    const TEdResButton* buttons[] = {screen->btnDrukuj(), screen->btnKlawiaturka(), screen->btnTlumaczenie(),
                                     screen->btnPopraw(), screen->btnSpr()};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(buttons[i]->geometry().topLeft(), QPoint(840, tops[i]));
        EXPECT_EQ(buttons[i]->Rozmiar(), roz32);
    }
    EXPECT_NE(screen->findChild<TEdResButton*>(QStringLiteral("btn_nawigacja_2")), nullptr);
    const QString sheet = screen->PrintHtml();
    EXPECT_TRUE(sheet.contains(QStringLiteral("<H2>Pisanie: rodzina</h2>"))) << "the package title heads the sheet";
}

TEST_F(GapTypingInWritingPackage, ARightClickLooksTheWordUpWhenTheSettingIsOn)
{
    ASSERT_NE(screen, nullptr);
    QRect kasia;
    screen->Obszar()->grab(); // the words are registered as they are painted
    for (const auto& entry : screen->WordPositions().Entries())
        if (entry.Text == u"Kasia,")
            kasia = entry.Rect;
    ASSERT_FALSE(kasia.isNull());
    QTest::mouseClick(screen->Obszar(), Qt::RightButton, {}, kasia.center());
    EXPECT_TRUE(lookedUp.isEmpty()) << "the setting is off";
    settings.DictionaryOnRightClick = true;
    QTest::mouseClick(screen->Obszar(), Qt::RightButton, {}, kasia.center());
    EXPECT_EQ(lookedUp, QStringList{QStringLiteral("Kasia")});
}

} // namespace
