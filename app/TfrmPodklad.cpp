#include "TfrmPodklad.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QRadialGradient>

namespace {
QPointer<TfrmPodklad> theBackdrop;
}

TfrmPodklad* BackdropWindow()
{
    return theBackdrop;
}

TfrmPodklad::TfrmPodklad(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window)
{
    theBackdrop = this;
    setObjectName(QStringLiteral("frmPodklad"));
    setWindowTitle(QStringLiteral("Kurs językowy"));
    timer_.setSingleShot(true);
    timer_.setInterval(10);
}

void TfrmPodklad::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor::fromRgb(0x0B, 0x3D, 0x6E));
    sky.setColorAt(1, QColor::fromRgb(0x04, 0x1E, 0x3A));
    p.fillRect(rect(), sky);
    QRadialGradient glow(width() / 2.0, height() * 0.35, width() * 0.6);
    glow.setColorAt(0, QColor(0x02, 0xAD, 0xE4, 70));
    glow.setColorAt(1, QColor(0x02, 0xAD, 0xE4, 0));
    p.fillRect(rect(), glow);
}
