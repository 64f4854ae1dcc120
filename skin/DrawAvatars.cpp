#include "Drawings.h"
#include "Palette.h"
#include "PictureNames.h"
#include "SkinPainting.h"
#include "SkinWriter.h"

#include <QPainterPath>

using namespace Skin;

namespace {

// The six colours a learner can choose for the avatar.
QColor avatarColour(int colour)
{
    static const QColor colours[] = {Palette::Cyan, Palette::GreenLight, Palette::Orange,
                                     QColor(0x8E, 0x5C, 0xD9), Palette::Red, Palette::Navy700};
    return colours[((colour % 6) + 6) % 6];
}

} // namespace

void paintAvatar(QPainter& p, const QRectF& box, char gender, int set, int colour)
{
    p.save();
    prepare(p);
    const double s = box.width() / 60.0;
    p.translate(box.topLeft());
    p.scale(s, s);
    const QColor base = avatarColour(colour);
    const QRectF disc(1, 1, 58, 58);
    QPainterPath clip;
    clip.addEllipse(disc);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(0, 60, Skin::mix(base, Palette::White, 0.55), Skin::mix(base, Palette::White, 0.25)));
    p.drawEllipse(disc);
    p.setClipPath(clip);

    const QColor skin = set == 1 ? QColor(0xF6, 0xCF, 0xAE) : QColor(0xD9, 0xA5, 0x7E);
    const QColor hair = gender == 'K' ? (set == 1 ? QColor(0x8A, 0x4B, 0x21) : QColor(0x2B, 0x22, 0x1E))
                                      : (set == 1 ? QColor(0x4A, 0x32, 0x22) : QColor(0x1E, 0x1A, 0x18));
    // Long hair falls behind the shoulders.
    if (gender == 'K' && set == 1) {
        p.setBrush(hair);
        p.drawRoundedRect(QRectF(15, 16, 30, 34), 12, 12);
    }
    // Shoulders in the chosen colour.
    p.setBrush(vertical(40, 60, base, Skin::mix(base, Palette::Navy900, 0.25)));
    p.drawEllipse(QRectF(8, 42, 44, 36));
    p.setBrush(skin);
    p.drawRect(QRectF(26, 36, 8, 9));
    p.drawEllipse(QRectF(18, 14, 24, 27));
    // Hair.
    p.setBrush(hair);
    if (gender == 'K') {
        QPainterPath fringe;
        fringe.moveTo(17, 28);
        fringe.cubicTo(15, 10, 45, 8, 43, 28);
        fringe.cubicTo(36, 20, 26, 22, 17, 28);
        p.drawPath(fringe);
        if (set == 2)
            p.drawEllipse(QRectF(24, 6, 12, 11));
    } else {
        QPainterPath top;
        top.moveTo(18, 25);
        top.cubicTo(17, 11, 43, 10, 42, 25);
        top.cubicTo(37, 19, 24, 19, 18, 25);
        p.drawPath(top);
        if (set == 2) {
            p.setBrush(withAlpha(hair, 200));
            QPainterPath beard;
            beard.moveTo(19, 31);
            beard.cubicTo(21, 45, 39, 45, 41, 31);
            beard.cubicTo(36, 38, 24, 38, 19, 31);
            p.drawPath(beard);
        }
    }
    // A friendly face.
    p.setBrush(QColor(0x2A, 0x2A, 0x35));
    p.drawEllipse(QPointF(25.5, 28.5), 1.6, 1.9);
    p.drawEllipse(QPointF(34.5, 28.5), 1.6, 1.9);
    p.setPen(QPen(QColor(0xB0, 0x4A, 0x3A), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(26, 30, 8, 5), 200 * 16, 140 * 16);
    p.setClipping(false);
    p.setPen(QPen(withAlpha(Palette::White, 230), 2));
    p.drawEllipse(disc);
    p.restore();
}

void drawAvatars(SkinWriter& out)
{
    for (char gender : {'K', 'M'}) {
        for (int n : PictureNames::AvatarNumbers()) {
            // 1x are the first set, 2x the second; the last digit is the colour.
            const int set = n >= 20 ? 2 : 1;
            const int colour = n == 1 ? 0 : (n % 10) - 1;
            QImage big = blank(60, 60);
            {
                QPainter p(&big);
                paintAvatar(p, QRectF(0, 0, 60, 60), gender, set, colour);
            }
            if (n != 1)
                out.picture(QStringLiteral("C%1%2").arg(QLatin1Char(gender)).arg(n), big);
            QImage small = blank(40, 40);
            {
                QPainter p(&small);
                paintAvatar(p, QRectF(0, 0, 40, 40), gender, set, colour);
            }
            out.picture(QStringLiteral("BELKA_LUDZIK_%1_%2").arg(QLatin1Char(gender)).arg(n), small);
        }
    }

    for (int k = 1; k <= 6; ++k) {
        QImage swatch = blank(24, 24);
        QPainter p(&swatch);
        prepare(p);
        p.setPen(QPen(Palette::White, 2));
        p.setBrush(avatarColour(k - 1));
        p.drawRoundedRect(QRectF(2, 2, 20, 20), 6, 6);
        p.end();
        out.picture(QStringLiteral("COLOR%1").arg(k), swatch);
    }

    // The signed-in profile's panel and the highlight of a profile row.
    auto card = [](int w, int h, const QColor& top, const QColor& bottom, const QColor& border) {
        QImage img = blank(w, h);
        QPainter p(&img);
        prepare(p);
        const QRectF r(3, 2, w - 6, h - 6);
        softShadow(p, rounded(r, 12), 6, QPointF(0, 2), withAlpha(Palette::Navy900, 110));
        p.setPen(QPen(border, 1));
        p.setBrush(vertical(r.top(), r.bottom(), top, bottom));
        p.drawRoundedRect(r, 12, 12);
        return img;
    };
    out.picture(QStringLiteral("BTN_Zalogowany"),
                card(320, 76, Palette::Blue500, Palette::Blue600, withAlpha(Palette::White, 120)));
    out.picture(QStringLiteral("USER_HOVER"),
                card(400, 75, withAlpha(Palette::White, 60), withAlpha(Palette::White, 30), withAlpha(Palette::White, 110)));

    QImage edit = blank(11, 11);
    {
        QPainter p(&edit);
        prepare(p);
        p.setPen(QPen(Palette::White, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(2, 9), QPointF(9, 2));
        p.drawLine(QPointF(1.5, 9.5), QPointF(3.5, 9.5));
    }
    out.picture(QStringLiteral("USER_EDIT"), edit);
    QImage bin = blank(9, 12);
    {
        QPainter p(&bin);
        prepare(p);
        p.setPen(QPen(Palette::White, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(0.5, 2.5), QPointF(8.5, 2.5));
        p.drawRect(QRectF(1.5, 3.5, 6, 7.5));
        p.drawLine(QPointF(3, 1), QPointF(6, 1));
    }
    out.picture(QStringLiteral("USER_DELETE"), bin);
}
