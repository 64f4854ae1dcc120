#include "Drawings.h"
#include "Palette.h"
#include "SkinPainting.h"
#include "SkinWriter.h"

using namespace Skin;

namespace {

struct DialogLook {
    QColor ringTop, ringBottom, border, bodyTop, bodyBottom, bandTop, bandBottom, bandLine, highlight;
};

DialogLook dialogLook(bool white)
{
    if (white)
        return {Palette::Grey100, Palette::Grey200, Palette::Grey300, Palette::White, Palette::Grey50,
                Palette::Grey50, Palette::Grey100, Palette::Cyan, Palette::White};
    return {Palette::Navy700, Palette::Navy, Palette::Navy900, QColor(0x0C, 0x43, 0x78), QColor(0x08, 0x33, 0x5E),
            QColor(0x05, 0x2B, 0x51), QColor(0x07, 0x36, 0x63), Palette::Cyan, withAlpha(Palette::White, 60)};
}

// Dialog frames: corners of 8 pixels, so the title band starts 8 pixels down
// and the caption sits in it.
void drawDialogs(SkinWriter& out)
{
    for (bool white : {false, true}) {
        const DialogLook l = dialogLook(white);
        const QString d = white ? QStringLiteral("_W") : QStringLiteral("_B");
        QImage master = blank(48, 48);
        {
            QPainter p(&master);
            prepare(p);
            const QRectF outer(0.5, 0.5, 47, 47);
            p.setPen(QPen(l.border, 1));
            p.setBrush(vertical(0, 48, l.ringTop, l.ringBottom));
            p.drawRoundedRect(outer, 9, 9);
            p.setPen(Qt::NoPen);
            p.setBrush(vertical(8, 40, l.bodyTop, l.bodyBottom));
            p.drawRect(QRectF(8, 8, 32, 32));
            p.setPen(QPen(l.highlight, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(outer.adjusted(1, 1, -1, -1), 8, 8);
            // A hairline where the ring meets the body gives the frame depth.
            p.setPen(QPen(withAlpha(white ? Palette::Grey300 : Palette::Navy900, 150), 1));
            p.drawRect(QRectF(7.5, 7.5, 33, 33));
        }
        sliceNine(out, master, 8, 8, 8, 8, [&](int k) { return QStringLiteral("DIAL%1%2").arg(k, 2, 10, QLatin1Char('0')).arg(d); });

        QImage band = blank(16, 39);
        {
            QPainter p(&band);
            prepare(p);
            p.fillRect(QRect(0, 0, 16, 39), vertical(0, 39, l.bandTop, l.bandBottom));
            p.fillRect(QRect(0, 0, 16, 1), withAlpha(Palette::White, white ? 255 : 30));
            p.fillRect(QRect(0, 37, 16, 1), withAlpha(l.bandLine, 200));
            p.fillRect(QRect(0, 38, 16, 1), withAlpha(Palette::Navy900, white ? 20 : 90));
        }
        out.picture(QStringLiteral("DIAL_BELKA%1").arg(d), band);
    }

    // Title icons: information, help, settings, learner.
    for (int i = 0; i <= 3; ++i) {
        QImage img = blank(24, 24);
        QPainter p(&img);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Cyan);
        p.drawEllipse(QRectF(1, 1, 22, 22));
        p.setPen(QPen(Palette::White, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        switch (i) {
        case 0:
            p.drawLine(QPointF(12, 11), QPointF(12, 17));
            p.drawPoint(QPointF(12, 7.5));
            break;
        case 1:
            centredText(p, QRectF(1, 1, 22, 22), QStringLiteral("?"), QStringLiteral("Lato"), 16, true, Palette::White);
            break;
        case 2:
            p.drawEllipse(QPointF(12, 12), 3.5, 3.5);
            for (int k = 0; k < 8; ++k) {
                p.save();
                p.translate(12, 12);
                p.rotate(45 * k);
                p.drawLine(QPointF(0, -6), QPointF(0, -8));
                p.restore();
            }
            break;
        default:
            p.drawEllipse(QPointF(12, 9), 3, 3);
            p.drawArc(QRectF(6, 13, 12, 10), 0, 180 * 16);
            break;
        }
        p.end();
        out.picture(QStringLiteral("DIAL_ICO_%1").arg(i), img);
    }
}

QImage messageIcon(const QColor& top, const QColor& bottom, const std::function<void(QPainter&)>& mark)
{
    QImage img = blank(48, 48);
    QPainter p(&img);
    prepare(p);
    const QRectF r(4, 3, 40, 40);
    softShadow(p, rounded(r, 20), 4, QPointF(0, 2), withAlpha(QColor(0, 0, 0), 90));
    p.setPen(QPen(withAlpha(Palette::White, 200), 2));
    p.setBrush(vertical(r.top(), r.bottom(), top, bottom));
    p.drawEllipse(r);
    mark(p);
    return img;
}

void drawMessageIcons(SkinWriter& out)
{
    const QPen ink(Palette::White, 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    out.picture(QStringLiteral("MSG_ICON_ERROR"), messageIcon(Palette::RedLight, Palette::Red, [&](QPainter& p) {
        p.setPen(ink);
        p.drawLine(QPointF(17, 16), QPointF(31, 30));
        p.drawLine(QPointF(31, 16), QPointF(17, 30));
    }));
    out.picture(QStringLiteral("MSG_ICON_QUESTION"), messageIcon(Palette::Cyan, Palette::Blue600, [&](QPainter& p) {
        centredText(p, QRectF(4, 3, 40, 40), QStringLiteral("?"), QStringLiteral("Lato"), 30, true, Palette::White);
    }));
    out.picture(QStringLiteral("MSG_ICON_INFORMATION"), messageIcon(Palette::Cyan, Palette::Blue600, [&](QPainter& p) {
        p.setPen(ink);
        p.drawLine(QPointF(24, 21), QPointF(24, 32));
        p.drawPoint(QPointF(24, 13.5));
    }));
    out.picture(QStringLiteral("MSG_ICON_EXCLAMATION"), messageIcon(Palette::OrangeLight, Palette::Orange, [&](QPainter& p) {
        p.setPen(ink);
        p.drawLine(QPointF(24, 12), QPointF(24, 25));
        p.drawPoint(QPointF(24, 32.5));
    }));
}

// Group frames: RAMKA1 the blue panel (corners of 10), RAMKA6 the white card (corners of 7).
void drawGroupFrames(SkinWriter& out)
{
    {
        QImage master = blank(40, 40);
        QPainter p(&master);
        prepare(p);
        const QRectF r(0.5, 0.5, 39, 39);
        p.setPen(QPen(withAlpha(Palette::Cyan, 150), 1));
        p.setBrush(vertical(0, 40, withAlpha(Palette::Navy700, 215), withAlpha(Palette::Navy, 225)));
        p.drawRoundedRect(r, 10, 10);
        p.setPen(QPen(withAlpha(Palette::White, 40), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 9, 9);
        p.end();
        sliceNine(out, master, 10, 10, 10, 10, [](int k) { return QStringLiteral("RAMKA1_%1").arg(k, 2, 10, QLatin1Char('0')); });
    }
    {
        QImage master = blank(28, 28);
        QPainter p(&master);
        prepare(p);
        const QRectF r(1.5, 1, 25, 25);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Palette::Navy900, 40));
        p.drawRoundedRect(r.translated(0, 1.5), 7, 7);
        p.setPen(QPen(Palette::Grey200, 1));
        p.setBrush(vertical(0, 28, Palette::White, Palette::Grey50));
        p.drawRoundedRect(r, 6, 6);
        p.end();
        sliceNine(out, master, 7, 7, 7, 7, [](int k) { return QStringLiteral("RAMKA6_%1").arg(k, 2, 10, QLatin1Char('0')); });
    }
}

// The speech bubble, 332 wide: a top edge, a middle that stretches with the
// text and a bottom with the tail at its left end pointing down to the point.
void drawBubble(SkinWriter& out)
{
    const int W = 332;
    const QColor fill(0xFF, 0xFD, 0xE8);
    const QColor border(0xE0, 0xC4, 0x5C);
    const QColor shadow = withAlpha(Palette::Navy900, 60);
    {
        QImage top = blank(W, 5);
        QPainter p(&top);
        prepare(p);
        p.setPen(QPen(border, 1));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(0.5, 0.5, W - 4, 12), 5, 5);
        p.end();
        out.picture(QStringLiteral("DYMEK_01"), top);
    }
    {
        QImage mid = blank(W, 4);
        QPainter p(&mid);
        p.fillRect(QRectF(1, 0, W - 5, 4), fill);
        p.fillRect(QRectF(0, 0, 1, 4), border);
        p.fillRect(QRectF(W - 4, 0, 1, 4), border);
        p.fillRect(QRectF(W - 3, 0, 3, 4), shadow);
        p.end();
        out.picture(QStringLiteral("DYMEK_02"), mid);
    }
    {
        QImage bottom = blank(W, 18);
        QPainter p(&bottom);
        prepare(p);
        QPainterPath body;
        body.addRoundedRect(QRectF(0.5, -8, W - 4, 17), 5, 5);
        QPainterPath tail;
        tail.moveTo(10, 7);
        tail.lineTo(1, 17.5);
        tail.lineTo(26, 7);
        tail.closeSubpath();
        const QPainterPath shape = body.united(tail);
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        p.drawPath(shape.translated(3, 1.5).intersected([&] {
            QPainterPath clip;
            clip.addRect(0, 0, W, 18);
            return clip;
        }()));
        p.setPen(QPen(border, 1));
        p.setBrush(fill);
        p.drawPath(shape);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(1, 0, W - 5, 3));
        p.end();
        out.picture(QStringLiteral("DYMEK_03"), bottom);
    }
}

} // namespace

void drawFrames(SkinWriter& out)
{
    drawDialogs(out);
    drawMessageIcons(out);
    drawGroupFrames(out);
    drawBubble(out);
}
