#include "../users/WindowTestSupport.h"

#include "aids/TfrmPomoc.h"

#include "controls/TEdResButton.h"

#include <QDesktopServices>
#include <QPointer>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBrowser>

namespace {

// Catches the addresses that the desktop would open.
class DesktopBrowser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Opened;
public slots:
    void open(const QUrl& url) { Opened << url; }
};

QByteArray PageWithLinks(const QString& title, const QStringList& links)
{
    QString body = QStringLiteral("<h1>%1</h1>").arg(title);
    for (const QString& link : links)
        body += QStringLiteral("<p><a href=\"%1\">%1</a></p>").arg(link);
    return QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>").arg(title, body).toUtf8();
}

// Help pages in a program folder and the window that asks for help.
class HelpWindow : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        folder.Write(QStringLiteral("Pomoc/index.html"),
                     PageWithLinks(QStringLiteral("Spis"), {QStringLiteral("a.html"), QStringLiteral("http://example.org/x")}));
        folder.Write(QStringLiteral("Pomoc/a.html"), PageWithLinks(QStringLiteral("A"), {QStringLiteral("b.html")}));
        folder.Write(QStringLiteral("Pomoc/b.html"), PageWithLinks(QStringLiteral("B"), {}));
        QString longPage = QStringLiteral("<html><body><h1>Długa</h1>");
        for (int i = 0; i < 200; ++i)
            longPage += QStringLiteral("<p>Akapit %1</p>").arg(i);
        longPage += QStringLiteral("<h2><a name=\"61\"></a>Lista słówek</h2><p>Koniec</p></body></html>");
        folder.Write(QStringLiteral("Pomoc/Slowka.html"), longPage.toUtf8());
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
        owner.resize(200, 100);
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        WindowFixture::TearDown();
    }

    // Clicks a link as the page has it (the viewer reports it resolved).
    void ClickLink(TfrmPomoc* help, const QString& link)
    {
        const QUrl url = HelpTargets::IsWebAddress(link)
                             ? QUrl(link)
                             : QUrl::fromLocalFile(folder.Path() + QStringLiteral("/Pomoc/") + link);
        emit help->HTML()->anchorClicked(url);
    }

    QString Title(TfrmPomoc* help) const { return help->HTML()->documentTitle(); }

    DesktopBrowser browser;
    QWidget owner;
};

TEST_F(HelpWindow, BackShowsOnlyWithAPageToGoBackTo)
{
    QPointer<TfrmPomoc> help = OpenHelp(QStringLiteral("\\Pomoc\\index.html"), &owner);
    ASSERT_TRUE(help);
    EXPECT_EQ(Title(help), QStringLiteral("Spis"));
    EXPECT_FALSE(help->k_wroc()->isVisible());
    help->Back();
    EXPECT_EQ(help->History().Entries().size(), 1);

    ClickLink(help, QStringLiteral("a.html"));
    ClickLink(help, QStringLiteral("b.html"));
    EXPECT_EQ(Title(help), QStringLiteral("B"));
    EXPECT_TRUE(help->k_wroc()->isVisible());
    QTest::mouseClick(help->k_wroc(), Qt::LeftButton);
    EXPECT_EQ(Title(help), QStringLiteral("A"));
    EXPECT_TRUE(help->k_wroc()->isVisible());
    QTest::mouseClick(help->k_wroc(), Qt::LeftButton);
    EXPECT_EQ(Title(help), QStringLiteral("Spis"));
    EXPECT_FALSE(help->k_wroc()->isVisible());
    help->close();
}

TEST_F(HelpWindow, ContentsAddsAPageOnlyWhenAnotherPageIsShown)
{
    QPointer<TfrmPomoc> help = OpenHelp(QStringLiteral("\\Pomoc\\index.html"), &owner);
    QTest::mouseClick(help->btn_spis(), Qt::LeftButton);
    EXPECT_EQ(help->History().Entries().size(), 1);
    EXPECT_FALSE(help->k_wroc()->isVisible());

    ClickLink(help, QStringLiteral("a.html"));
    QTest::mouseClick(help->btn_spis(), Qt::LeftButton);
    EXPECT_EQ(help->History().Entries().size(), 3);
    EXPECT_EQ(Title(help), QStringLiteral("Spis"));
    help->Back();
    EXPECT_EQ(Title(help), QStringLiteral("A"));
    help->close();
}

TEST_F(HelpWindow, AWebLinkOpensOutsideAndLeavesThePageAndHistory)
{
    QPointer<TfrmPomoc> help = OpenHelp(QStringLiteral("\\Pomoc\\index.html"), &owner);
    ClickLink(help, QStringLiteral("http://example.org/x"));
    EXPECT_EQ(browser.Opened, QList<QUrl>{QUrl(QStringLiteral("http://example.org/x"))});
    EXPECT_EQ(Title(help), QStringLiteral("Spis"));
    EXPECT_EQ(help->History().Entries().size(), 1);
    help->close();

    // A web address given to help opens outside without a help window.
    EXPECT_EQ(OpenHelp(QStringLiteral("http://example.org/pomoc"), &owner), nullptr);
    EXPECT_EQ(browser.Opened.size(), 2);
}

TEST_F(HelpWindow, AnAnchorOpensThePageAtItsPlaceWhateverTheLetterCase)
{
    QPointer<TfrmPomoc> help = OpenHelp(QStringLiteral("\\Pomoc\\slowka.html#61"), &owner);
    QApplication::processEvents();
    EXPECT_EQ(Title(help), QString());
    EXPECT_TRUE(help->HTML()->toPlainText().contains(QStringLiteral("Lista słówek")));
    EXPECT_GT(help->HTML()->verticalScrollBar()->value(), 0);
    help->close();

    help = OpenHelp(QStringLiteral("\\Pomoc\\slowka.html"), &owner);
    QApplication::processEvents();
    EXPECT_EQ(help->HTML()->verticalScrollBar()->value(), 0);
    // Keys stop at the window: Page Down does not scroll the page.
    QTest::keyClick(help->HTML(), Qt::Key_PageDown);
    EXPECT_EQ(help->HTML()->verticalScrollBar()->value(), 0);
    help->close();
}

TEST_F(HelpWindow, EscClosesTheWindowAndBringsTheOwnerBack)
{
    QPointer<TfrmPomoc> help = OpenHelp(QStringLiteral("\\Pomoc\\index.html"), &owner);
    owner.hide();
    QTest::keyClick(help->HTML(), Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull());
    EXPECT_TRUE(owner.isVisible());
}

TEST_F(HelpWindow, PrintingNeedsAPrinterAndPrintsThePage)
{
    QPointer<TfrmPomoc> help = OpenHelp(QStringLiteral("\\Pomoc\\a.html"), &owner);
    App().PrinterPresent = false;
    AnswerMessage();
    QTest::mouseClick(help->k_drukuj(), Qt::LeftButton);
    EXPECT_EQ(Messages, QStringList{QStringLiteral("Brak zainstalowanej drukarki.")});
    EXPECT_EQ(Titles, QStringList{QStringLiteral("Uwaga")});

    const QString pdf = folder.Path() + QStringLiteral("/pomoc.pdf");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    help->PrintTo(printer);
    EXPECT_EQ(printer.fromPage(), 1);
    EXPECT_EQ(printer.toPage(), 999);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/Type /Page"));
    help->close();
}

} // namespace

#include "HelpWindowTest.moc"
