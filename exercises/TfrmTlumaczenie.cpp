#include "TfrmTlumaczenie.h"

#include "app/Skin.h"
#include "app/SkinnedWindowParts.h"

#include "course/AppState.h"
#include "course/TextCodec.h"

#include "controls/ResourceLibrary.h"
#include "controls/SkinFonts.h"
#include "controls/TEdDialogWindow.h"
#include "controls/TEdResButton.h"
#include "controls/TWOwnrScrllBar.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QStringDecoder>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextFrame>

#include <algorithm>

namespace {

constexpr int kWheelStep = 20;

QPointer<TfrmTlumaczenie> theWindow;

// The part of the window's background under the title band, drawn with the
// rounded corners of the frame's body.
class Backdrop : public QWidget {
public:
    explicit Backdrop(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
    QImage Picture;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (Picture.isNull())
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath clip;
        clip.addRoundedRect(QRectF(rect()), 6, 6);
        p.setClipPath(clip);
        // The picture's coordinates are the window's shifted up by 50.
        p.drawImage(QPoint(0, 0), Picture, QRect(x(), y() - 50, width(), height()));
        p.setClipping(false);
        p.setPen(QPen(QColor(0xB8, 0xC4, 0xD0), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    }
};

TEdResButton* DialogButton(QWidget* parent, const QString& name, const QString& caption, int grafika, QRect geometry)
{
    TEdResButton* button = AddDialogButton(parent, name, caption, geometry.x(), geometry.y(), geometry.width(),
                                           geometry.height(), SkinFontPx(QStringLiteral("Trebuchet MS"), 16));
    button->setGrafikaIndex(grafika);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

TfrmTlumaczenie::TfrmTlumaczenie(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    PrepareSkinnedDialog(this, FormWidth, FormHeight, QStringLiteral("frmTlumaczenie"));
    setWindowTitle(QStringLiteral("Zalpiony kurs"));
    setModal(true);

    frame_ = new TEdDialogWindow(this);
    frame_->setObjectName(QStringLiteral("EdDialogWindow1"));
    frame_->setGeometry(rect());
    frame_->setDialogStyle(dsWhite);
    frame_->setBelkaSize(bs60);
    frame_->setIconIndex(0);

    auto* backdrop = new Backdrop(this);
    backdrop->setObjectName(QStringLiteral("IMG_Tlo"));
    backdrop->setGeometry(14, 70, FormWidth - 28, 454);
    backdrop_ = backdrop;

    viewer_ = new QTextBrowser(this);
    viewer_->setObjectName(QStringLiteral("HTML"));
    viewer_->setGeometry(ViewerRect());
    viewer_->setFrameShape(QFrame::NoFrame);
    viewer_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewer_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewer_->setOpenLinks(false);
    viewer_->setStyleSheet(QStringLiteral("QTextBrowser { background: transparent; color: #222222; }"));
    viewer_->viewport()->setAutoFillBackground(false);
    viewer_->setFont(SkinFontPx(QStringLiteral("Georgia"), 15));
    viewer_->installEventFilter(this);
    viewer_->viewport()->installEventFilter(this);

    scrollBar_ = new TWOwnrScrllBar(this);
    scrollBar_->setObjectName(QStringLiteral("ScrollBar"));
    const QRect v = ViewerRect();
    scrollBar_->setGeometry(v.right() + 9, v.top(), 21, v.height());
    scrollBar_->setDrawStyle(TWOwnrScrllBar::osbOwnerDraw);
    scrollBar_->setCtrl3D(false);
    scrollBar_->setMin(0);
    scrollBar_->setMax(1);
    scrollBar_->setPosition(0);
    scrollBar_->setSmallChange(kWheelStep);
    scrollBar_->setLargeChange(v.height() - kWheelStep);
    scrollBar_->hide();
    connect(scrollBar_, &TWOwnrScrllBar::changed, this,
            [this] { viewer_->verticalScrollBar()->setValue(scrollBar_->Position()); });
    connect(viewer_->verticalScrollBar(), &QScrollBar::rangeChanged, this, &TfrmTlumaczenie::FitScrollBar);

    btnTak_ = DialogButton(this, QStringLiteral("btnTak"), QStringLiteral("Tak"), 2, QRect(220, 542, 120, 32));
    connect(btnTak_, &TEdResButton::clicked, this, [this] { done(1); });
    btnZamknij_ = DialogButton(this, QStringLiteral("btnZamknij"), QStringLiteral("Zamknij"), 1, QRect(352, 542, 124, 32));
    connect(btnZamknij_, &TEdResButton::clicked, this, [this] { done(0); });
    close_ = DialogButton(this, QStringLiteral("btnClose"), QStringLiteral("✕"), 1, QRect(FormWidth - 50, 12, 36, 36));
    close_->setRozmiar(roz32);
    close_->setFlat(true);
    close_->setFont(SkinFontPx(QStringLiteral("Tahoma"), 14, true));
    close_->setFontColor(QColor(0x06, 0x36, 0x63));
    connect(close_, &TEdResButton::clicked, this, [this] { done(0); });

    SkinWindow(this);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

TfrmTlumaczenie* TfrmTlumaczenie::Instance()
{
    if (!theWindow)
        theWindow = new TfrmTlumaczenie;
    return theWindow;
}

void TfrmTlumaczenie::LoadBackground()
{
    const AppState& app = App();
    background_ = QImage(app.ContentPath(QStringLiteral("/Gfx"), QStringLiteral("pisanie_tlumaczenie.png")));
    if (!background_.isNull())
        background_ = background_.scaled(1024, 718, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    static_cast<Backdrop*>(backdrop_)->Picture = background_;
    backdrop_->update();
    if (background_.isNull())
        return;
    // Pages draw the part behind the viewer through their style sheet.
    const QImage behindViewer = background_.copy(ViewerRect().translated(0, -50));
    QSaveFile file(app.DanePath(QStringLiteral("TmpBkg.bmp")));
    if (file.open(QIODevice::WriteOnly) && behindViewer.save(&file, "BMP"))
        file.commit();
    scrollBar_->setIMG_BKG(background_.copy(scrollBar_->geometry().translated(0, -50)));
}

void TfrmTlumaczenie::FitScrollBar()
{
    const int maximum = viewer_->verticalScrollBar()->maximum();
    if (maximum < 1) {
        scrollBar_->hide();
        return;
    }
    scrollBar_->setMax(maximum);
    scrollBar_->setPosition(std::clamp(viewer_->verticalScrollBar()->value(), 0, maximum));
    scrollBar_->show();
}

int TfrmTlumaczenie::ShowTranslation(const QString& caption, const QString& page)
{
    viewer_->clear();
    frame_->setCaption(caption);
    LoadBackground();
    if (Resources().isLoaded())
        scrollBar_->UseLibraryPictures(Resources());
    LoadTextPage(*viewer_, page);
    // The window already shows the picture the page's style sheet puts behind it.
    QTextFrameFormat root = viewer_->document()->rootFrame()->frameFormat();
    root.clearBackground();
    viewer_->document()->rootFrame()->setFrameFormat(root);
    viewer_->document()->adjustSize();
    viewer_->verticalScrollBar()->setValue(0);
    scrollBar_->setMin(0);
    FitScrollBar();
    if (scrollBar_->isVisible())
        scrollBar_->setPosition(0);
    return exec();
}

void TfrmTlumaczenie::done(int result)
{
    // The background is read again on every showing.
    background_ = QImage();
    static_cast<Backdrop*>(backdrop_)->Picture = QImage();
    QDialog::done(result);
}

void TfrmTlumaczenie::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        done(0);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmTlumaczenie::wheelEvent(QWheelEvent* event)
{
    if (scrollBar_->isVisible()) {
        const int step = event->angleDelta().y() < 0 ? kWheelStep : -kWheelStep;
        scrollBar_->setPosition(std::clamp(scrollBar_->Position() + step, scrollBar_->Min(), scrollBar_->Max()));
    }
    event->accept();
}

bool TfrmTlumaczenie::eventFilter(QObject* watched, QEvent* event)
{
    // The page follows the window's scroll bar: the wheel and keys go to the window.
    if (watched == viewer_ || watched == viewer_->viewport()) {
        if (event->type() == QEvent::Wheel) {
            wheelEvent(static_cast<QWheelEvent*>(event));
            return true;
        }
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int ShowTranslation(const QString& caption, const QString& page)
{
    return TfrmTlumaczenie::Instance()->ShowTranslation(caption, page);
}

void LoadTextPage(QTextBrowser& viewer, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        viewer.clear();
        return;
    }
    const QByteArray bytes = file.readAll();
    QString html;
    const QByteArray head = bytes.left(1024).toLower();
    if (head.contains("windows-1250") || head.contains("cp1250")) {
        html = DecodeWindows1250(bytes);
    } else {
        QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
        html = decoder.isValid() ? decoder.decode(bytes) : QString::fromUtf8(bytes);
    }
    const QString folder = QFileInfo(path).absolutePath();
    viewer.setSearchPaths({folder});
    viewer.document()->setBaseUrl(QUrl::fromLocalFile(folder + u'/'));
    // Text pages leave their META and LINK tags open, which the viewer would
    // read as holding the rest of the page.
    static const QRegularExpression openHeadTag(QStringLiteral("<(meta|link)\\b([^>]*?)\\s*/?>"),
                                                QRegularExpression::CaseInsensitiveOption);
    html.replace(openHeadTag, QStringLiteral("<\\1\\2 />"));
    viewer.setHtml(html);
}
