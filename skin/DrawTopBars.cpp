#include "Drawings.h"
#include "Palette.h"
#include "SkinPainting.h"
#include "SkinWriter.h"

#include <QPainterPath>

using namespace Skin;

namespace {

struct LanguageLook {
    QColor top, bottom;          // the bar
    QColor stripe[3];            // the language's colours, left to right
};

// Each course language has its own bar: a deep tone of its flag and a thin
// band of the flag's colours along the bottom edge.
LanguageLook languageLook(int language)
{
    switch (language) {
    case 1: return {QColor(0x12, 0x35, 0x66), QColor(0x09, 0x1F, 0x40), {QColor(0x01, 0x21, 0x69), Palette::White, QColor(0xC8, 0x10, 0x2E)}};
    case 2: return {QColor(0x30, 0x33, 0x3A), QColor(0x1A, 0x1C, 0x20), {QColor(0x10, 0x10, 0x10), QColor(0xDD, 0x00, 0x00), QColor(0xFF, 0xCE, 0x00)}};
    case 3: return {QColor(0x10, 0x45, 0x33), QColor(0x08, 0x2A, 0x1E), {QColor(0x00, 0x92, 0x46), Palette::White, QColor(0xCE, 0x2B, 0x37)}};
    case 4: return {QColor(0x5A, 0x14, 0x22), QColor(0x36, 0x0A, 0x14), {QColor(0xAA, 0x15, 0x1B), QColor(0xF1, 0xBF, 0x00), QColor(0xAA, 0x15, 0x1B)}};
    case 5: return {QColor(0x17, 0x3C, 0x8A), QColor(0x0C, 0x24, 0x59), {QColor(0x00, 0x55, 0xA4), Palette::White, QColor(0xEF, 0x41, 0x35)}};
    default: return {Palette::Navy700, Palette::Navy900, {Palette::Cyan, Palette::Blue500, Palette::Green}};
    }
}

void paintBarBase(QPainter& p, int w, const LanguageLook& l)
{
    p.fillRect(QRect(0, 0, w, 50), vertical(0, 50, l.top, l.bottom));
    // A soft sheen across the upper half.
    p.fillRect(QRect(0, 0, w, 24), vertical(0, 24, withAlpha(Palette::White, 26), withAlpha(Palette::White, 0)));
    p.fillRect(QRect(0, 0, w, 1), withAlpha(Palette::White, 40));
    // The language band near the bottom, framed by the bar's own dark edge
    // so that a white band still reads against a light window.
    const double third = w / 3.0;
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(i * third, 45, third + 1, 3), l.stripe[i]);
    p.fillRect(QRect(0, 44, w, 1), withAlpha(QColor(0, 0, 0), 60));
    p.fillRect(QRect(0, 48, w, 2), l.bottom.darker(130));
}

void drawSignedInBar(SkinWriter& out)
{
    QImage body = blank(8, 50);
    {
        QPainter p(&body);
        paintBarBase(p, 8, languageLook(0));
    }
    out.picture(QStringLiteral("BELKA_BODY"), body);

    // The learner's zone at the left is a shade lighter and ends in a wave.
    const QColor zoneTop = Skin::mix(Palette::Navy700, Palette::White, 0.10);
    const QColor zoneBottom = Skin::mix(Palette::Navy, Palette::White, 0.06);
    QImage zone = blank(4, 50);
    {
        QPainter p(&zone);
        p.fillRect(QRect(0, 0, 4, 45), vertical(0, 45, zoneTop, zoneBottom));
        p.fillRect(QRect(0, 0, 4, 24), vertical(0, 24, withAlpha(Palette::White, 26), withAlpha(Palette::White, 0)));
        p.fillRect(QRect(0, 44, 4, 1), withAlpha(QColor(0, 0, 0), 60));
        p.fillRect(QRect(0, 45, 4, 3), Palette::Cyan);
        p.fillRect(QRect(0, 48, 4, 2), Palette::Navy900.darker(130));
    }
    out.picture(QStringLiteral("BELKA_BODY2"), zone);

    QImage wave(40, 50, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&wave);
        prepare(p);
        paintBarBase(p, 40, languageLook(0));
        QPainterPath path;
        path.moveTo(0, 0);
        path.lineTo(8, 0);
        path.cubicTo(28, 12, 6, 34, 26, 45);
        path.lineTo(0, 45);
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(0, 45, zoneTop, zoneBottom));
        p.drawPath(path);
        p.fillRect(QRect(0, 0, 40, 24), vertical(0, 24, withAlpha(Palette::White, 18), withAlpha(Palette::White, 0)));
        p.setPen(QPen(withAlpha(Palette::Cyan, 170), 1.2));
        p.setBrush(Qt::NoBrush);
        QPainterPath edge;
        edge.moveTo(8, 0);
        edge.cubicTo(28, 12, 6, 34, 26, 45);
        p.drawPath(edge);
        p.fillRect(QRect(0, 45, 40, 3), Palette::Cyan);
        p.fillRect(QRect(0, 48, 40, 2), Palette::Navy900.darker(130));
    }
    out.picture(QStringLiteral("BELKA_FALA"), wave);
}

void drawLanguageBars(SkinWriter& out)
{
    for (int style = 0; style <= 5; ++style) {
        const LanguageLook l = languageLook(style);
        for (bool nowy : {false, true}) {
            QImage bar(1024, 50, QImage::Format_ARGB32_Premultiplied);
            QPainter p(&bar);
            prepare(p);
            paintBarBase(p, 1024, l);
            if (nowy) {
                // The learner's zone behind the avatar and the name.
                QPainterPath zone;
                zone.addRoundedRect(QRectF(106, 4, 300, 39), 8, 8);
                p.setPen(Qt::NoPen);
                p.setBrush(withAlpha(Palette::White, 16));
                p.drawPath(zone);
                paintLanguageBadge(p, QRectF(30, 7, 50, 34), style);
            } else {
                paintLanguageBadge(p, QRectF(16, 9, 46, 30), style);
                // A divider between the arrows and the page names.
                p.fillRect(QRectF(200, 10, 1, 28), withAlpha(Palette::White, 40));
            }
            p.end();
            out.picture(nowy ? QStringLiteral("BELKA_BODY_NEW_STYLE_%1").arg(style)
                             : QStringLiteral("BELKA_BODY_STYLE_%1").arg(style),
                        bar);
        }
    }
}

} // namespace

void paintLanguageBadge(QPainter& p, const QRectF& box, int language)
{
    p.save();
    prepare(p);
    const QPainterPath shape = rounded(box, 6);
    softShadow(p, shape, 4, QPointF(0, 1.5), withAlpha(QColor(0, 0, 0), 110));
    p.setClipPath(shape);
    const double x = box.left(), y = box.top(), w = box.width(), h = box.height();
    switch (language) {
    case 1: {
        // A simplified Union Flag.
        p.fillRect(box, QColor(0x01, 0x21, 0x69));
        p.setPen(QPen(Palette::White, h * 0.22));
        p.drawLine(box.topLeft(), box.bottomRight());
        p.drawLine(box.bottomLeft(), box.topRight());
        p.setPen(QPen(QColor(0xC8, 0x10, 0x2E), h * 0.08));
        p.drawLine(box.topLeft(), box.bottomRight());
        p.drawLine(box.bottomLeft(), box.topRight());
        p.fillRect(QRectF(x + w * 0.40, y, w * 0.20, h), Palette::White);
        p.fillRect(QRectF(x, y + h * 0.36, w, h * 0.28), Palette::White);
        p.fillRect(QRectF(x + w * 0.45, y, w * 0.10, h), QColor(0xC8, 0x10, 0x2E));
        p.fillRect(QRectF(x, y + h * 0.42, w, h * 0.16), QColor(0xC8, 0x10, 0x2E));
        break;
    }
    case 2:
        p.fillRect(QRectF(x, y, w, h / 3 + 1), QColor(0x10, 0x10, 0x10));
        p.fillRect(QRectF(x, y + h / 3, w, h / 3 + 1), QColor(0xDD, 0x00, 0x00));
        p.fillRect(QRectF(x, y + 2 * h / 3, w, h / 3 + 1), QColor(0xFF, 0xCE, 0x00));
        break;
    case 3:
        p.fillRect(QRectF(x, y, w / 3 + 1, h), QColor(0x00, 0x92, 0x46));
        p.fillRect(QRectF(x + w / 3, y, w / 3 + 1, h), Palette::White);
        p.fillRect(QRectF(x + 2 * w / 3, y, w / 3 + 1, h), QColor(0xCE, 0x2B, 0x37));
        break;
    case 4:
        p.fillRect(QRectF(x, y, w, h / 4 + 1), QColor(0xAA, 0x15, 0x1B));
        p.fillRect(QRectF(x, y + h / 4, w, h / 2 + 1), QColor(0xF1, 0xBF, 0x00));
        p.fillRect(QRectF(x, y + 3 * h / 4, w, h / 4 + 1), QColor(0xAA, 0x15, 0x1B));
        break;
    case 5:
        p.fillRect(QRectF(x, y, w / 3 + 1, h), QColor(0x00, 0x55, 0xA4));
        p.fillRect(QRectF(x + w / 3, y, w / 3 + 1, h), Palette::White);
        p.fillRect(QRectF(x + 2 * w / 3, y, w / 3 + 1, h), QColor(0xEF, 0x41, 0x35));
        break;
    default: {
        // The program's own mark: two speech bubbles.
        p.fillRect(box, vertical(y, y + h, Palette::Cyan, Palette::Blue600));
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::White);
        const QRectF b1(x + w * 0.16, y + h * 0.18, w * 0.46, h * 0.40);
        p.drawRoundedRect(b1, h * 0.12, h * 0.12);
        p.drawPolygon(QPolygonF({QPointF(b1.left() + 4, b1.bottom() - 1), QPointF(b1.left() + 3, b1.bottom() + 5),
                                 QPointF(b1.left() + 10, b1.bottom() - 1)}));
        p.setBrush(withAlpha(Palette::Navy900, 150));
        const QRectF b2(x + w * 0.42, y + h * 0.44, w * 0.42, h * 0.36);
        p.drawRoundedRect(b2, h * 0.12, h * 0.12);
        break;
    }
    }
    p.setClipping(false);
    if (language >= 1 && language <= 5) {
        // The two-letter code on a dark chip at the bottom right.
        static const char* const codes[] = {"", "EN", "DE", "IT", "ES", "FR"};
        const QRectF chip(box.right() - 22, box.bottom() - 13, 24, 15);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Palette::Navy900, 225));
        p.drawRoundedRect(chip, 4, 4);
        centredText(p, chip, QLatin1String(codes[language]), QStringLiteral("Lato"), 10, true, Palette::White);
    }
    p.setPen(QPen(withAlpha(Palette::White, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.restore();
}

void drawTopBars(SkinWriter& out)
{
    drawSignedInBar(out);
    drawLanguageBars(out);
}
