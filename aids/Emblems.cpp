#include "Emblems.h"

#include "controls/SkinFonts.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace Emblems {

namespace {

constexpr int kSize = 128;

QImage Blank()
{
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A blue disc with a white rim and a soft shadow.
void Disc(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QRectF(10, 14, 110, 110));
    QRadialGradient disc(QPointF(48, 40), 90);
    disc.setColorAt(0, QColor::fromRgb(0x4F, 0xC9, 0xF2));
    disc.setColorAt(1, QColor::fromRgb(0x05, 0x5E, 0xA8));
    p.setBrush(disc);
    p.setPen(QPen(Qt::white, 5));
    p.drawEllipse(QRectF(8, 8, 108, 108));
}

} // namespace

QImage Help()
{
    QImage image = Blank();
    QPainter p(&image);
    Disc(p);
    p.setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 78, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(8, 4, 108, 108), Qt::AlignCenter, QStringLiteral("?"));
    return image;
}

QImage Settings()
{
    QImage image = Blank();
    QPainter p(&image);
    Disc(p);
    // A gear: ten teeth round a ring, with a hole in the middle.
    const QPointF centre(62, 62);
    QPainterPath gear;
    gear.addEllipse(centre, 30, 30);
    for (int tooth = 0; tooth < 10; ++tooth) {
        QPainterPath t;
        t.addRoundedRect(QRectF(-7, -42, 14, 18), 3, 3);
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(tooth * 36.0);
        gear = gear.united(turn.map(t));
    }
    QPainterPath hole;
    hole.addEllipse(centre, 12, 12);
    gear = gear.subtracted(hole);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawPath(gear.translated(0, 2));
    p.setBrush(Qt::white);
    p.drawPath(gear);
    return image;
}

} // namespace Emblems
