#include "TfrmMedia.h"

#include "MediaRules.h"

#include "exercises/ExerciseDocument.h"
#include "exercises/ScreenRules.h"
#include "exercises/TfrmTlumaczenie.h"
#include "exercises/screens/wpisywanie/GapTextDocument.h"

#include "app/Skin.h"
#include "app/TfrmMsgBox.h"

#include "course/AppState.h"

#include "controls/SkinFonts.h"
#include "controls/TAALabel.h"
#include "controls/TEdResButton.h"

#include <QAudioOutput>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVideoWidget>

#include <algorithm>

namespace {

constexpr int kKnobWidth = 6;
constexpr int kTrackHeight = 6;

// The window's background: a navy panel with a lighter top edge and, for
// films, the frame around the picture.
QImage Background(QSize size, bool withPicture)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0.0, QColor(0x14, 0x4E, 0x86));
    fill.setColorAt(withPicture ? 0.12 : 0.45, QColor(0x0B, 0x3A, 0x66));
    fill.setColorAt(1.0, QColor(0x06, 0x26, 0x47));
    p.fillRect(image.rect(), fill);
    p.setPen(QPen(QColor(0x4F, 0x8D, 0xC6), 1));
    p.drawRect(QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawLine(1, 1, size.width() - 2, 1);
    if (withPicture) {
        p.setPen(QPen(QColor(0x02, 0xAD, 0xE4, 160), 1));
        p.setBrush(Qt::black);
        p.drawRoundedRect(QRectF(9.5, 20.5, 339, 291), 3, 3);
    }
    return image;
}

} // namespace

// A part of the window that paints itself through the window and forwards its mouse.
class TMediaPart : public QWidget {
public:
    explicit TMediaPart(QWidget* parent, const QString& name)
        : QWidget(parent)
    {
        setObjectName(name);
    }
    std::function<void(QPainter&)> OnPaint;
    std::function<void(QMouseEvent*)> OnPress, OnMove, OnRelease;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (OnPaint) {
            QPainter p(this);
            OnPaint(p);
        }
    }
    void mousePressEvent(QMouseEvent* e) override { OnPress ? OnPress(e) : e->ignore(); }
    void mouseMoveEvent(QMouseEvent* e) override { OnMove ? OnMove(e) : e->ignore(); }
    void mouseReleaseEvent(QMouseEvent* e) override { OnRelease ? OnRelease(e) : e->ignore(); }
};

TfrmMedia::TfrmMedia(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmMedia"));
    setWindowTitle(QStringLiteral("Zalpiony kurs"));
    resize(860, 623);
    filmBackground_ = Background(QSize(360, 363), true);
    soundBackground_ = Background(QSize(360, 74), false);
    knobPicture_ = SkinPicture(QStringLiteral("Suwak"));
    trackPicture_ = SkinPicture(QStringLiteral("Pasek_Tlo"));
    CreateComponents();
    ApplyLayout();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + 60);
    }

    timer_.setInterval(250);
    connect(&timer_, &QTimer::timeout, this, &TfrmMedia::UpdatePosition);
    zegarPauza_.setSingleShot(true);
    zegarPauza_.setTimerType(Qt::PreciseTimer);
    connect(&zegarPauza_, &QTimer::timeout, this, &TfrmMedia::PauseEnded);
}

TfrmMedia::~TfrmMedia()
{
    if (ExerciseMedia* media = Media(); media == this)
        SetMedia(nullptr);
}

void TfrmMedia::CreateComponents()
{
    player_ = new QMediaPlayer(this);
    player_->setObjectName(QStringLiteral("Player"));
    audio_ = new QAudioOutput(this);
    player_->setAudioOutput(audio_);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, &TfrmMedia::MediaStatusChanged);

    displayArea_ = new QWidget(this);
    displayArea_->setObjectName(QStringLiteral("DisplayArea_MPG"));
    displayArea_->setGeometry(11, 22, 336, 288);
    displayArea_->setStyleSheet(QStringLiteral("background: black;"));
    video_ = new QVideoWidget(displayArea_);
    video_->setGeometry(displayArea_->rect());
    video_->setAspectRatioMode(Qt::KeepAspectRatio);
    player_->setVideoOutput(video_);

    animationArea_ = new QWidget(this);
    animationArea_->setObjectName(QStringLiteral("DisplayArea_SWF"));
    animationArea_->setGeometry(11, 22, 336, 287);
    animationArea_->setStyleSheet(QStringLiteral("background: black;"));
    animationArea_->hide();

    auto button = [this](const QString& name, const QString& glyph, int size) {
        auto* b = new TEdResButton(this);
        b->setObjectName(name);
        b->setRozmiar(roz32);
        b->setSkladowe(el3);
        b->setShowCaption(false);
        b->setCaption(QString());
        b->setGlyph(SkinPicture(glyph));
        b->resize(size, size);
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    btnPlay_ = button(QStringLiteral("btnPlay"), QStringLiteral("glyphPlay"), 38);
    btnPlay_->setGrafikaIndex(2);
    connect(btnPlay_, &TEdResButton::clicked, this, &TfrmMedia::btnPlayClick);
    btnPause_ = button(QStringLiteral("btnPause"), QStringLiteral("glyphPause"), 28);
    connect(btnPause_, &TEdResButton::clicked, this, &TfrmMedia::btnPauseClick);
    btnStop_ = button(QStringLiteral("btnStop"), QStringLiteral("glyphStop"), 28);
    connect(btnStop_, &TEdResButton::clicked, this, &TfrmMedia::btnStopClick);

    btnClose_ = new TEdResButton(this);
    btnClose_->setObjectName(QStringLiteral("btnClose"));
    btnClose_->setRozmiar(rozUndefined);
    btnClose_->setFlat(true);
    btnClose_->setShowCaption(false);
    btnClose_->setCaption(QString());
    btnClose_->setGlyph(SkinPicture(QStringLiteral("glyphZamknij")));
    btnClose_->setGlyphHot(SkinPicture(QStringLiteral("glyphZamknijHot")));
    btnClose_->setGlyphDown(SkinPicture(QStringLiteral("glyphZamknijDown")));
    btnClose_->setGeometry(313, 1, 34, 18);
    btnClose_->setCursor(Qt::PointingHandCursor);
    connect(btnClose_, &TEdResButton::clicked, this, &TfrmMedia::CloseMedia);

    track_ = new TMediaPart(this, QStringLiteral("Pasek_Tlo"));
    track_->resize(MediaRules::TrackWidth, kTrackHeight);
    track_->setCursor(Qt::PointingHandCursor);
    track_->OnPaint = [this](QPainter& p) {
        if (!trackPicture_.isNull())
            p.drawImage(track_->rect(), trackPicture_);
        else
            p.fillRect(track_->rect(), QColor(0x03, 0x1C, 0x36));
    };
    track_->OnPress = [this](QMouseEvent* e) { PressTrackAt(e->pos().x()); };

    filled_ = new TMediaPart(this, QStringLiteral("Pasek"));
    filled_->resize(0, kTrackHeight);
    filled_->setCursor(Qt::PointingHandCursor);
    filled_->OnPaint = [this](QPainter& p) { PaintFilled(p); };
    filled_->OnPress = [this](QMouseEvent* e) { PressTrackAt(e->pos().x()); };

    knob_ = new TMediaPart(this, QStringLiteral("Suwak"));
    knob_->resize(kKnobWidth, 12);
    knob_->setCursor(Qt::PointingHandCursor);
    knob_->OnPaint = [this](QPainter& p) {
        if (!knobPicture_.isNull())
            p.drawImage(0, 0, knobPicture_);
        else
            p.fillRect(knob_->rect(), Qt::white);
    };
    knob_->OnPress = [this](QMouseEvent* e) {
        draggingKnob_ = true;
        knobGrabX_ = e->pos().x();
        timer_.stop();
    };
    knob_->OnMove = [this](QMouseEvent* e) {
        if (draggingKnob_)
            PlaceKnob(MediaRules::ClampKnob(knob_->x() + e->pos().x() - knobGrabX_, TrackLeft(), kKnobWidth));
    };
    knob_->OnRelease = [this](QMouseEvent*) {
        if (draggingKnob_) {
            draggingKnob_ = false;
            ReleaseKnobAt(knob_->x());
        }
    };

    lblCzas_ = new TAALabel(this);
    lblCzas_->setObjectName(QStringLiteral("lbl_Czas"));
    lblCzas_->setGeometry(288, 343, 58, 14);
    lblCzas_->setAlignment(TAALabel::taRightJustify);
    lblCzas_->setFont(SkinFont(QStringLiteral("Tahoma"), 8));
    lblCzas_->setFontColor(Qt::white);
    lblCzas_->setCaption(QStringLiteral("12:00"));
    lblCzas_->hide();

    SkinWindow(this);
}

QWidget* TfrmMedia::DisplayArea() const { return displayArea_; }
QWidget* TfrmMedia::Knob() const { return knob_; }
QWidget* TfrmMedia::Track() const { return track_; }
QWidget* TfrmMedia::Filled() const { return filled_; }

int TfrmMedia::TrackLeft() const
{
    return track_->x();
}

void TfrmMedia::ApplyLayout()
{
    const MediaRules::Layout layout = MediaRules::LayoutOf(kind_);
    setFixedSize(layout.Client);
    btnPlay_->move(layout.Play);
    btnPause_->move(layout.Pause);
    btnStop_->move(layout.Stop);
    track_->move(layout.Bar);
    filled_->move(layout.Bar);
    // The knob stands on the middle of the track.
    knob_->move(layout.Knob.x(), layout.Bar.y() + kTrackHeight / 2 - knob_->height() / 2);
    displayArea_->setVisible(kind_ == MediaRules::Film);
    animationArea_->setVisible(kind_ == MediaRules::Animation);
    knob_->raise();
    update();
}

void TfrmMedia::PlaceKnob(int left)
{
    knob_->move(left, knob_->y());
    filled_->resize(MediaRules::FilledWidth(left, TrackLeft()), kTrackHeight);
    filled_->update();
}

void TfrmMedia::PaintFilled(QPainter& p)
{
    const QRect r = filled_->rect();
    if (r.width() <= 0)
        return;
    // The track under the filled part, then its left cap, stretched middle and right cap.
    if (!trackPicture_.isNull())
        p.drawImage(QPoint(0, 0), trackPicture_, QRect(0, 0, r.width(), kTrackHeight));
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, kTrackHeight);
    fill.setColorAt(0.0, QColor(0x6F, 0xD3, 0xFF));
    fill.setColorAt(1.0, QColor(0x02, 0x8D, 0xD8));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0, 0, r.width(), kTrackHeight), 3, 3);
}

void TfrmMedia::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const bool film = MediaRules::IsFilmKind(kind_);
    p.drawImage(0, 0, film ? filmBackground_ : soundBackground_);
    const QString name = QFileInfo(player_->source().toLocalFile()).fileName();
    if (!film && !name.isEmpty()) {
        p.setFont(SkinFont(QStringLiteral("Tahoma"), 8));
        p.setPen(QColor(0xC9, 0xDB, 0xEC));
        p.drawText(QRect(12, 4, 290, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(name, Qt::ElideMiddle, 290));
    }
}

void TfrmMedia::PlayMedia(const QString& path, bool showWindow)
{
    if (inPause_)
        return;
    if (playing_)
        Stop();
    const QString file = MediaRules::AfterFallbacks(path);
    const QString name = QFileInfo(file).fileName();
    if (!QFileInfo::exists(file)) {
        ShowErrorBox(QStringLiteral("Brak pliku dźwiękowego: ") + name, QStringLiteral("Błąd"));
        return;
    }
    if (MediaRules::KindOf(file, 0) == MediaRules::Animation) {
        ShowMsgBox(QStringLiteral("Animacji Flash (%1) nie można odtworzyć: ten komputer nie ma odtwarzacza "
                                  "plików .swf.")
                       .arg(name),
                   QStringLiteral("Uwaga"), TfrmMsgBox::Information);
        return;
    }
    kind_ = MediaRules::KindOf(file, kind_);
    ApplyLayout();
    lblCzas_->hide();
    player_->stop();
    player_->setSource(QUrl::fromLocalFile(file));
    Play();
    playing_ = true;
    inPause_ = false;
    if (showWindow) {
        show();
        raise();
    }
}

void TfrmMedia::Play()
{
    if (player_->playbackState() == QMediaPlayer::PausedState) {
        player_->play();
    } else {
        if (kind_ == MediaRules::Film)
            displayArea_->show();
        player_->setPosition(0);
        player_->play();
    }
    timer_.start();
}

void TfrmMedia::Stop()
{
    if (!playing_)
        return;
    player_->stop();
    player_->setPosition(0);
    PlaceKnob(TrackLeft());
    filled_->resize(0, kTrackHeight);
    timer_.stop();
}

void TfrmMedia::btnPlayClick()
{
    if (!player_->source().isEmpty())
        Play();
}

void TfrmMedia::btnPauseClick()
{
    if (player_->playbackState() == QMediaPlayer::PlayingState)
        player_->pause();
    else if (player_->playbackState() == QMediaPlayer::PausedState)
        player_->play();
}

void TfrmMedia::btnStopClick()
{
    Stop();
}

void TfrmMedia::UpdatePosition()
{
    if (draggingKnob_)
        return;
    PlaceKnob(MediaRules::KnobLeft(TrackLeft(), kKnobWidth, player_->position(), player_->duration()));
}

void TfrmMedia::ReleaseKnobAt(int knobLeft)
{
    PlaceKnob(MediaRules::ClampKnob(knobLeft, TrackLeft(), kKnobWidth));
    const qint64 target = MediaRules::PositionOfKnob(player_->duration(), knob_->x(), TrackLeft(), kKnobWidth);
    if (player_->playbackState() != QMediaPlayer::PlayingState)
        player_->play();
    player_->setPosition(target);
    timer_.start();
}

void TfrmMedia::PressTrackAt(int x)
{
    PlaceKnob(MediaRules::ClampKnob(TrackLeft() + x, TrackLeft(), kKnobWidth));
    const qint64 target = MediaRules::PositionOfPress(x, player_->duration());
    if (player_->playbackState() != QMediaPlayer::PlayingState)
        player_->play();
    player_->setPosition(target);
    timer_.start();
}

void TfrmMedia::MediaStatusChanged()
{
    switch (player_->mediaStatus()) {
    case QMediaPlayer::EndOfMedia:
        Stop();
        if (listMode_ && listNotify_)
            ContinueList();
        break;
    case QMediaPlayer::InvalidMedia:
        timer_.stop();
        ShowErrorBox(QStringLiteral("Nie można odtworzyć pliku: ") + QFileInfo(player_->source().toLocalFile()).fileName(),
                     QStringLiteral("Błąd"));
        break;
    default:
        break;
    }
}

void TfrmMedia::PlayMediaList(const QStringList& files, const QStringList& pauses)
{
    listMode_ = true;
    CurrentListItem = 0;
    inPause_ = false;
    pauseDone_ = false;
    files_ = files;
    pauses_ = pauses;
    listNotify_ = true;
    if (files_.isEmpty()) {
        ContinueList();
        return;
    }
    PlayMedia(files_.takeFirst(), false);
}

void TfrmMedia::ContinueList()
{
    if (files_.isEmpty()) {
        StopMediaList();
        if (OnListFinished)
            OnListFinished();
        return;
    }
    if (pauseDone_) {
        pauseDone_ = false;
        ++CurrentListItem;
        if (OnListItem)
            OnListItem();
        if (listMode_)
            PlayMedia(files_.takeFirst(), false);
        return;
    }
    inPause_ = true;
    zegarPauza_.start(pauses_.isEmpty() ? 0 : std::max(0, pauses_.first().trimmed().toInt()));
}

void TfrmMedia::PauseEnded()
{
    if (!pauses_.isEmpty())
        pauses_.removeFirst();
    inPause_ = false;
    zegarPauza_.stop();
    pauseDone_ = true;
    ContinueList();
}

void TfrmMedia::ClearList()
{
    zegarPauza_.stop();
    listNotify_ = false;
    OnListItem = nullptr;
    listMode_ = false;
}

void TfrmMedia::StopMediaList()
{
    ClearList();
    CloseMedia();
}

void TfrmMedia::Close(bool hideWindow)
{
    if (listMode_)
        ClearList();
    Stop();
    player_->stop();
    player_->setSource(QUrl());
    playing_ = false;
    inPause_ = false;
    pauseDone_ = false;
    zegarPauza_.stop();
    if (hideWindow)
        hide();
}

void TfrmMedia::CloseMedia()
{
    Close(true);
}

void TfrmMedia::closeEvent(QCloseEvent* event)
{
    Close(false);
    QWidget::closeEvent(event);
}

int TfrmMedia::ShowTextPackage(const QString& name, bool translated)
{
    const AppState& app = App();
    GapTextDocument package;
    try {
        package = GapTextDocument::Open(app.DanePath(QStringLiteral("Paczki/") + name), app.InstructionLanguage, 0);
    } catch (const std::exception&) {
        ShowErrorBox(QStringLiteral("Błąd podczas wczytywania pliku ćwiczenia! (%1)").arg(QFileInfo(name).fileName()),
                     QStringLiteral("Błąd"));
        return 0;
    }
    TfrmTlumaczenie window;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        const int half = window.width() / 2;
        const int left = (area.width() - window.width()) / 2 + (translated ? half : -half);
        window.move(area.x() + left, area.y() + (area.height() - window.height()) / 2);
    }
    const QString page = app.DanePath(translated ? QStringLiteral("tmp_wpis_pl.html") : QStringLiteral("tmp_wpis.html"));
    if (!WriteTextPage(page, translated ? package.Translation : TrimText(package.Tresc))) {
        ShowErrorBox(QStringLiteral("Nie można zapisać strony tekstu (%1).").arg(QFileInfo(page).fileName()),
                     QStringLiteral("Błąd"));
        return 0;
    }
    return window.ShowTranslation(QStringLiteral("Tekst"), page);
}

void TfrmMedia::ShowTextPackage(const QString& path)
{
    // The text first; "Tak" asks for its translation beside it.
    const QString name = QFileInfo(path).fileName();
    if (ShowTextPackage(name, false) == 1)
        ShowTextPackage(name, true);
}

void TfrmMedia::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        draggingWindow_ = true;
        grabPoint_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
}

void TfrmMedia::mouseMoveEvent(QMouseEvent* event)
{
    if (draggingWindow_ && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - grabPoint_);
}

void TfrmMedia::mouseReleaseEvent(QMouseEvent*)
{
    draggingWindow_ = false;
}

TfrmMedia* CreateMediaWindow()
{
    auto* window = new TfrmMedia;
    SetMedia(window);
    return window;
}
