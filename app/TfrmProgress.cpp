#include "TfrmProgress.h"

#include "course/Rounding.h"

#include "controls/SkinFonts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {
QPointer<TfrmProgress> theProgress;
const QColor kBackground = QColor::fromRgb(0x02, 0x52, 0x88);
} // namespace

TfrmProgress* ProgressWindow()
{
    return theProgress;
}

void SetProgressWindow(TfrmProgress* window)
{
    theProgress = window;
}

TfrmProgress::TfrmProgress(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint)
    , label1_(new QLabel(this))
{
    setObjectName(QStringLiteral("frmProgress"));
    setFixedSize(220, 50);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(11, 8, 201, 18);
    label1_->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 12));
    label1_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label1_->setText(QStringLiteral("Proszę czekać..."));
}

void TfrmProgress::RegisterDisabledWindow(bool forLoadingMode, QWidget* window)
{
    (forLoadingMode ? loadingWindows_ : reportWindows_).emplace_back(window);
}

QString TfrmProgress::caption() const
{
    return label1_->text();
}

void TfrmProgress::StartProgress(int mode, int maximum, const QString& caption)
{
    mode_ = mode;
    maximum_ = maximum;
    SetWindowsEnabled(false);
    label1_->setText(caption);
    barWidth_ = 0;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->availableGeometry();
        move(desktop.center() - rect().center());
    }
    show();
    raise();
    QCoreApplication::processEvents();
}

void TfrmProgress::StepProgress(int position)
{
    if (maximum_ <= 0)
        return;
    barWidth_ = RoundHalfEven(static_cast<double>(position) / maximum_ * BarFullWidth);
    repaint(11, 29, width() - 11, 10);
}

void TfrmProgress::SetWindowsEnabled(bool enabled)
{
    for (const QPointer<QWidget>& window : mode_ == ModeLoading ? loadingWindows_ : reportWindows_)
        if (window)
            window->setEnabled(enabled);
}

void TfrmProgress::hideEvent(QHideEvent* event)
{
    SetWindowsEnabled(true);
    QWidget::hideEvent(event);
}

void TfrmProgress::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, kBackground.lighter(125));
    background.setColorAt(1, kBackground);
    p.fillRect(rect(), background);
    p.setPen(QColor(255, 255, 255, 60));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    // Track and bar.
    const QRectF track(11, 29, BarFullWidth, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(track, 4, 4);
    if (barWidth_ > 0) {
        QLinearGradient bar(0, 29, 0, 39);
        bar.setColorAt(0, QColor::fromRgb(0x7F, 0xE0, 0x8F));
        bar.setColorAt(1, QColor::fromRgb(0x00, 0x9A, 0x2B));
        p.setBrush(bar);
        p.drawRoundedRect(QRectF(11, 29, barWidth_, 10), 4, 4);
    }
}

void StartProgress(int mode, int maximum, const QString& caption)
{
    if (theProgress)
        theProgress->StartProgress(mode, maximum, caption);
}

void StepProgress(int position)
{
    if (theProgress)
        theProgress->StepProgress(position);
}

void CloseProgress()
{
    if (theProgress)
        theProgress->close();
}
