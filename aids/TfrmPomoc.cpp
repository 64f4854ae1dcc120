#include "TfrmPomoc.h"

#include "Emblems.h"

#include "app/Screens.h"
#include "app/BarButton.h"
#include "app/Skin.h"
#include "app/TfrmMsgBox.h"

#include "course/AppState.h"

#include "controls/SkinFonts.h"
#include "controls/TEdBelka.h"
#include "controls/TEdGroupFrame.h"
#include "controls/ResourceLibrary.h"
#include "controls/TEdResButton.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>

namespace {

void SetHint(TEdResButton* button, const QString& text)
{
    button->setToolTip(QStringLiteral(" "));
    QObject::connect(button, &TEdResButton::mouseEntered, button, [text] { App().HintWindowText = text; });
    QObject::connect(button, &TEdResButton::mouseLeft, button, [] { App().HintWindowText.clear(); });
}

} // namespace

TfrmPomoc::TfrmPomoc(QWidget* owner)
    // A window of its own, but owned by the asking window, so that help
    // opened from a modal dialog takes input while the dialog waits.
    : QWidget(owner, Qt::FramelessWindowHint | Qt::Window)
    , owner_(owner)
{
    setObjectName(QStringLiteral("frmPomoc"));
    setWindowTitle(QStringLiteral("Zalpiony kurs"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(1024, 768);
    background_ = QImage(App().ContentPath(QStringLiteral("\\gfx"), QStringLiteral("bg.png")));
    emblem_ = Emblems::Help();
    CreateControls();
    SkinWindow(this);
    back_->hide();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

TEdResButton* TfrmPomoc::AddSideButton(const QString& name, const QString& caption, const QString& glyph, int y,
                                       const QString& hint)
{
    auto* button = new TEdResButton(this);
    button->setObjectName(name);
    button->setRozmiar(roz50);
    button->setSkladowe(el3);
    button->setGeometry(915, y, 101, 50);
    button->setCaption(caption);
    button->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 13, true));
    button->setFontColor(Qt::white);
    button->setAlignment(taLeftJustify);
    if (Resources().hasPicture(glyph))
        button->setGlyph(Resources().picture(glyph));
    button->setCursor(Qt::PointingHandCursor);
    SetHint(button, hint);
    return button;
}

void TfrmPomoc::CreateControls()
{
    belka_ = new TEdBelka(this);
    belka_->setObjectName(QStringLiteral("Belka"));
    belka_->setTekstBelki(QStringLiteral("Jesteś zalogowany jako:"));
    belka_->setPokazZalogowanie(false);

    auto* wroc = AddBarButton(this, QStringLiteral("EdResButton4"), QStringLiteral("Wróć"), 328, 164,
                              QStringLiteral("glyphWroc"), 0);
    auto* minimise = AddBarButton(this, QStringLiteral("EdResButton3"), QString(), 946, 34,
                                  QStringLiteral("glyphMinimize"), 0);
    auto* quit = AddBarButton(this, QStringLiteral("EdResButton1"), QString(), 980, 34, QStringLiteral("glyphZamknij"), 0);
    connect(wroc, &TEdResButton::clicked, this, &QWidget::close);
    connect(minimise, &TEdResButton::clicked, this, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->showMinimized();
    });
    connect(quit, &TEdResButton::clicked, this, [] { ConfirmExit(); });

    auto* frame = new TEdGroupFrame(this);
    frame->setObjectName(QStringLiteral("EdGroupFrame4"));
    frame->setFrameType(ftFrame_Blue);
    frame->setGeometry(142, 62, 767, 695);

    html_ = new QTextBrowser(this);
    html_->setObjectName(QStringLiteral("HTML"));
    html_->setGeometry(152, 74, 745, 671);
    html_->setOpenLinks(false);
    html_->setOpenExternalLinks(false);
    html_->setFrameShape(QFrame::NoFrame);
    html_->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    html_->setStyleSheet(QStringLiteral(
        "QTextBrowser { background: white; }"
        "QScrollBar:vertical { background: #E6F0F8; width: 12px; margin: 0; border-radius: 6px; }"
        "QScrollBar::handle:vertical { background: #7FB3DD; min-height: 40px; border-radius: 6px; }"
        "QScrollBar::handle:vertical:hover { background: #0277C4; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    html_->installEventFilter(this);
    html_->viewport()->installEventFilter(this);
    connect(html_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        const QString page = HelpTargets::Resolve(App().ExeDir, history_.Current()).FilePath;
        LinkClicked(HelpTargets::LinkTextOf(link, QFileInfo(page).absolutePath()));
    });
    connect(html_, &QTextBrowser::historyChanged, this, &TfrmPomoc::UpdateBackButton);

    back_ = AddSideButton(QStringLiteral("k_wroc"), QStringLiteral("Wstecz"), QStringLiteral("glyphWroc"), 74,
                          QStringLiteral("Wróć do poprzedniej strony"));
    print_ = AddSideButton(QStringLiteral("k_drukuj"), QStringLiteral("Drukuj"), QStringLiteral("glyphDrukuj"), 130,
                           QStringLiteral("Drukuj tę stronę"));
    contents_ = AddSideButton(QStringLiteral("btn_spis"), QStringLiteral("Spis treści"),
                              QStringLiteral("glyphSpisTresci"), 186, QStringLiteral("Spis treści pomocy"));
    connect(back_, &TEdResButton::clicked, this, &TfrmPomoc::Back);
    connect(print_, &TEdResButton::clicked, this, &TfrmPomoc::Print);
    connect(contents_, &TEdResButton::clicked, this, &TfrmPomoc::Contents);
}

void TfrmPomoc::Load(const QString& target)
{
    const HelpTargets::Location location = HelpTargets::Resolve(App().ExeDir, target);
    QUrl url = QUrl::fromLocalFile(location.FilePath);
    html_->clear();
    html_->setSource(url);
    ShowStart();
    html_->viewport()->update();
}

void TfrmPomoc::ShowStart()
{
    // The page opens at its anchor when the address names one, else at the top.
    const QString anchor = HelpTargets::Resolve(App().ExeDir, history_.Current()).Anchor;
    html_->verticalScrollBar()->setValue(0);
    if (!anchor.isEmpty())
        html_->scrollToAnchor(anchor);
}

void TfrmPomoc::Open(const QString& target)
{
    history_.Start(target);
    Load(target);
    UpdateBackButton();
    show();
    raise();
    activateWindow();
    ShowStart();
}

void TfrmPomoc::UpdateBackButton()
{
    back_->setVisible(history_.BackVisible());
}

void TfrmPomoc::LinkClicked(const QString& link)
{
    if (HelpTargets::IsWebAddress(link)) {
        QDesktopServices::openUrl(QUrl(link));
    } else {
        const QString target = HelpTargets::TargetOfLink(App().ExeDir, history_.Current(), link);
        history_.Push(target);
        Load(target);
    }
    UpdateBackButton();
}

void TfrmPomoc::Back()
{
    if (history_.Back())
        Load(history_.Current());
    UpdateBackButton();
}

void TfrmPomoc::Contents()
{
    const QString target = HelpTargets::ContentsTarget(App().ExeDir);
    if (history_.Current() == target)
        return;
    history_.Push(target);
    Load(target);
    UpdateBackButton();
}

void TfrmPomoc::Print()
{
    if (!App().PrinterPresent) {
        ShowMsgBox(QStringLiteral("Brak zainstalowanej drukarki."), QStringLiteral("Uwaga"), TfrmMsgBox::Information);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    PrintTo(printer);
}

void TfrmPomoc::PrintTo(QPrinter& printer)
{
    printer.setDocName(html_->documentTitle().isEmpty() ? QStringLiteral("Pomoc") : html_->documentTitle());
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(1, 999);
    html_->document()->print(&printer);
}

void TfrmPomoc::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!background_.isNull())
        p.drawImage(0, TEdBelka::Height, background_);
    else
        p.fillRect(rect().adjusted(0, TEdBelka::Height, 0, 0), QColor::fromRgb(0xE6, 0xEF, 0xF8));
    p.drawImage(8, 62, emblem_);
}

bool TfrmPomoc::eventFilter(QObject* watched, QEvent* event)
{
    // Keys reach the window before the page, and none goes on to the page.
    if (event->type() == QEvent::KeyPress && (watched == html_ || watched == html_->viewport())) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride && (watched == html_ || watched == html_->viewport())) {
        event->accept();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmPomoc::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    event->accept();
}

void TfrmPomoc::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (childAt(event->position().toPoint()) == nullptr)
        ConfirmExit();
}

void TfrmPomoc::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        ShowStart();
        html_->viewport()->update();
    }
    QWidget::changeEvent(event);
}

void TfrmPomoc::closeEvent(QCloseEvent* event)
{
    App().HintWindowText.clear();
    if (owner_) {
        owner_->show();
        owner_->raise();
        owner_->activateWindow();
    }
    QWidget::closeEvent(event);
}

TfrmPomoc* OpenHelp(const QString& page, QWidget* owner)
{
    const QString target = HelpTargets::TargetOfPage(App().ExeDir, page);
    if (HelpTargets::IsWebAddress(target)) {
        QDesktopServices::openUrl(QUrl(target));
        return nullptr;
    }
    auto* window = new TfrmPomoc(owner);
    window->Open(target);
    return window;
}
