#include "Drawings.h"
#include "Palette.h"
#include "PictureNames.h"
#include "SkinPainting.h"
#include "SkinWriter.h"

#include <QPainterPath>

#include <cmath>

using namespace Skin;

namespace {

// Pictograms are drawn in a 16 x 16 box in white strokes.
enum class Pictogram {
    Sheet, Cards, Speaker, Pencil, Dictation, Microphone, Bubbles, BubbleQuestion, BubbleGap, BubbleOrder, Lines,
    Checklist, TrueFalse, Picture, PictureSpeaker, PictureDrag, PicturePencil, Book, LetterGrid, Bulb, CardsTest,
    GrammarTest, Pairs, Opposites, Tiles, Film, Grammar, CardsPlus, Quote, Folder, Ear
};

const QColor Purple(0x8E, 0x5C, 0xD9);
const QColor Teal(0x10, 0x9E, 0x9A);
const QColor Rose(0xE0, 0x4F, 0x6A);

struct TypeIcon {
    QColor colour;
    Pictogram pictogram;
};

TypeIcon typeIcon(int n)
{
    switch (n) {
    case 2: return {Palette::Blue500, Pictogram::Pairs};
    case 3: return {Palette::Orange, Pictogram::Checklist};
    case 4:
    case 33: return {Teal, Pictogram::Pencil};
    case 5: return {Teal, Pictogram::Tiles};
    case 7: return {Palette::Blue500, Pictogram::Opposites};
    case 11: return {Palette::Cyan, Pictogram::Bubbles};
    case 14: return {Palette::Cyan, Pictogram::BubbleQuestion};
    case 18: return {Palette::Cyan, Pictogram::BubbleGap};
    case 26: return {Palette::Cyan, Pictogram::BubbleOrder};
    case 31: return {Palette::Green, Pictogram::TrueFalse};
    case 41: return {Purple, Pictogram::Picture};
    case 42: return {Purple, Pictogram::PictureSpeaker};
    case 44: return {Purple, Pictogram::PictureDrag};
    case 48: return {Purple, Pictogram::PicturePencil};
    case 51: return {Palette::Green, Pictogram::Book};
    case 53: return {Palette::Orange, Pictogram::LetterGrid};
    case 54: return {Palette::Gold, Pictogram::Bulb};
    case 55: return {Palette::Orange, Pictogram::CardsTest};
    case 56: return {Palette::Orange, Pictogram::GrammarTest};
    case 61: return {Palette::Blue500, Pictogram::Cards};
    case 62: return {Palette::Blue500, Pictogram::Speaker};
    case 64: return {Palette::Blue500, Pictogram::Pencil};
    case 68: return {Palette::Blue500, Pictogram::Dictation};
    // Kinds of package: Typ_100 + kind.
    case 101: return {Palette::Green, Pictogram::Ear};
    case 102: return {Palette::Cyan, Pictogram::Bubbles};
    case 103: return {Teal, Pictogram::Lines};
    case 104: return {Purple, Pictogram::Picture};
    case 105:
    case 106: return {Palette::Navy700, Pictogram::Grammar};
    case 107: return {Palette::Blue500, Pictogram::Cards};
    case 108: return {Rose, Pictogram::Film};
    case 109: return {Teal, Pictogram::Pencil};
    case 110: return {Palette::Gold, Pictogram::Bulb};
    case 111: return {Palette::Blue500, Pictogram::CardsPlus};
    case 112: return {Palette::Blue500, Pictogram::Quote};
    case 113: return {Palette::Orange, Pictogram::LetterGrid};
    case 114:
    case 115: return {Palette::Orange, Pictogram::Checklist};
    case 116: return {Palette::Green, Pictogram::Book};
    case 100: return {Palette::Navy700, Pictogram::Folder};
    default: return {Palette::Grey500, Pictogram::Sheet};
    }
}

QPen ink(double width = 1.6)
{
    return QPen(Palette::White, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void card(QPainter& p, const QRectF& r, double rotate)
{
    p.save();
    p.translate(r.center());
    p.rotate(rotate);
    p.translate(-r.center());
    p.drawRoundedRect(r, 1.5, 1.5);
    p.restore();
}

void speaker(QPainter& p, double x, double y, double s)
{
    QPolygonF body({QPointF(x, y + 5 * s), QPointF(x + 3 * s, y + 5 * s), QPointF(x + 7 * s, y + 1.5 * s),
                    QPointF(x + 7 * s, y + 14.5 * s), QPointF(x + 3 * s, y + 11 * s), QPointF(x, y + 11 * s)});
    p.setBrush(Palette::White);
    p.drawPolygon(body);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(x + 5 * s, y + 4.5 * s, 6 * s, 7 * s), -60 * 16, 120 * 16);
    p.drawArc(QRectF(x + 5 * s, y + 1.5 * s, 10 * s, 13 * s), -55 * 16, 110 * 16);
}

void pencil(QPainter& p, double x, double y, double s)
{
    p.save();
    p.translate(x, y);
    p.scale(s, s);
    QPolygonF body({QPointF(3, 13), QPointF(11.5, 4.5), QPointF(14, 7), QPointF(5.5, 15.5), QPointF(2.5, 16)});
    p.setBrush(Palette::White);
    p.drawPolygon(body);
    p.restore();
}

void bubble(QPainter& p, const QRectF& r, bool tailLeft, bool filled)
{
    QPainterPath path;
    path.addRoundedRect(r, 3, 3);
    QPolygonF tail = tailLeft ? QPolygonF({QPointF(r.left() + 2, r.bottom() - 1), QPointF(r.left() + 1, r.bottom() + 3.5),
                                           QPointF(r.left() + 6, r.bottom() - 1)})
                              : QPolygonF({QPointF(r.right() - 2, r.bottom() - 1), QPointF(r.right() - 1, r.bottom() + 3.5),
                                           QPointF(r.right() - 6, r.bottom() - 1)});
    QPainterPath t;
    t.addPolygon(tail);
    path = path.united(t);
    p.setBrush(filled ? QBrush(Palette::White) : QBrush(Qt::NoBrush));
    p.drawPath(path);
}

void picture(QPainter& p, const QRectF& r)
{
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, 2, 2);
    QPolygonF hills({QPointF(r.left() + 1, r.bottom() - 1), QPointF(r.left() + r.width() * 0.4, r.top() + r.height() * 0.45),
                     QPointF(r.left() + r.width() * 0.6, r.top() + r.height() * 0.7),
                     QPointF(r.left() + r.width() * 0.75, r.top() + r.height() * 0.55), QPointF(r.right() - 1, r.bottom() - 1)});
    p.setBrush(Palette::White);
    p.drawPolygon(hills);
    p.drawEllipse(QPointF(r.left() + r.width() * 0.72, r.top() + r.height() * 0.28), 1.3, 1.3);
}

void drawPictogram(QPainter& p, Pictogram pg, const QColor& colour)
{
    p.setPen(ink());
    p.setBrush(Qt::NoBrush);
    switch (pg) {
    case Pictogram::Sheet:
        p.drawRoundedRect(QRectF(3.5, 1.5, 9, 13), 1.5, 1.5);
        p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 5.5));
        p.drawLine(QPointF(5.5, 8.5), QPointF(10.5, 8.5));
        p.drawLine(QPointF(5.5, 11.5), QPointF(8.5, 11.5));
        break;
    case Pictogram::Cards:
    case Pictogram::CardsPlus:
    case Pictogram::CardsTest:
        p.setBrush(withAlpha(Palette::White, 90));
        card(p, QRectF(1.5, 3.5, 8, 11), -12);
        p.setBrush(Palette::White);
        card(p, QRectF(6.5, 2, 8, 11), 8);
        p.setPen(QPen(colour, 1.4, Qt::SolidLine, Qt::RoundCap));
        if (pg == Pictogram::Cards) {
            centredText(p, QRectF(6.5, 2, 8, 11), QStringLiteral("A"), QStringLiteral("Lato"), 8, true, colour);
        } else if (pg == Pictogram::CardsPlus) {
            p.drawLine(QPointF(10.5, 5.5), QPointF(10.5, 10));
            p.drawLine(QPointF(8.3, 7.7), QPointF(12.7, 7.7));
        } else {
            p.drawPolyline(QPolygonF({QPointF(8.2, 7.8), QPointF(10, 9.8), QPointF(13, 5.6)}));
        }
        break;
    case Pictogram::Speaker:
        speaker(p, 1, 0, 1.0);
        break;
    case Pictogram::Ear: {
        QPainterPath ear;
        ear.moveTo(4.5, 6.5);
        ear.cubicTo(4.5, 1, 13, 1, 12.5, 7);
        ear.cubicTo(12.3, 10, 9, 10, 9, 13);
        ear.cubicTo(9, 15.5, 6, 15.5, 5.5, 13.5);
        p.drawPath(ear);
        p.drawArc(QRectF(7, 5, 3.5, 4), 0, 180 * 16);
        break;
    }
    case Pictogram::Pencil:
        pencil(p, 0, 0, 1.0);
        p.drawLine(QPointF(9, 15.5), QPointF(15, 15.5));
        break;
    case Pictogram::Dictation:
        speaker(p, 0, -1, 0.7);
        pencil(p, 6, 5, 0.68);
        break;
    case Pictogram::Microphone:
        p.setBrush(Palette::White);
        p.drawRoundedRect(QRectF(5.5, 1.5, 5, 8.5), 2.5, 2.5);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3.5, 4, 9, 9), 200 * 16, 140 * 16);
        p.drawLine(QPointF(8, 13), QPointF(8, 15));
        break;
    case Pictogram::Bubbles:
        bubble(p, QRectF(1, 2, 9, 6.5), true, true);
        bubble(p, QRectF(6, 8, 9, 6), false, false);
        break;
    case Pictogram::BubbleQuestion:
        bubble(p, QRectF(1.5, 2, 13, 10), true, true);
        centredText(p, QRectF(1.5, 2, 13, 10), QStringLiteral("?"), QStringLiteral("Lato"), 10, true, colour);
        break;
    case Pictogram::BubbleGap:
        bubble(p, QRectF(1.5, 2, 13, 10), true, false);
        p.drawLine(QPointF(4.5, 7), QPointF(6.5, 7));
        p.setPen(QPen(Palette::White, 1.6, Qt::DotLine, Qt::RoundCap));
        p.drawLine(QPointF(8.5, 7), QPointF(12, 7));
        break;
    case Pictogram::BubbleOrder:
        bubble(p, QRectF(1, 1.5, 10, 5.5), true, true);
        bubble(p, QRectF(1, 9, 10, 5.5), true, false);
        p.drawLine(QPointF(13.5, 3), QPointF(13.5, 13));
        p.drawPolyline(QPolygonF({QPointF(12, 4.5), QPointF(13.5, 3), QPointF(15, 4.5)}));
        p.drawPolyline(QPolygonF({QPointF(12, 11.5), QPointF(13.5, 13), QPointF(15, 11.5)}));
        break;
    case Pictogram::Lines:
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(2.5, 3.5 + i * 3.2), QPointF(i % 2 ? 10.5 : 13.5, 3.5 + i * 3.2));
        break;
    case Pictogram::Checklist:
        for (int i = 0; i < 3; ++i) {
            const double y = 3 + i * 4.5;
            p.drawRect(QRectF(1.8, y - 1.6, 3.2, 3.2));
            p.drawLine(QPointF(7.5, y), QPointF(14, y));
        }
        p.setPen(QPen(Palette::White, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(1.5, 7.2), QPointF(3.3, 9.2), QPointF(6.5, 4.8)}));
        break;
    case Pictogram::TrueFalse:
        p.setPen(QPen(Palette::White, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(1.5, 8.5), QPointF(4, 11), QPointF(8, 5)}));
        p.drawLine(QPointF(10, 5.5), QPointF(14.5, 10.5));
        p.drawLine(QPointF(14.5, 5.5), QPointF(10, 10.5));
        break;
    case Pictogram::Picture:
        picture(p, QRectF(1.5, 2.5, 13, 11));
        break;
    case Pictogram::PictureSpeaker:
        picture(p, QRectF(1, 1.5, 10, 9));
        p.setPen(ink(1.3));
        speaker(p, 8, 7, 0.55);
        break;
    case Pictogram::PictureDrag:
        picture(p, QRectF(1, 1.5, 10, 9));
        p.setBrush(Palette::White);
        p.drawRoundedRect(QRectF(7.5, 10, 8, 4.5), 1.5, 1.5);
        break;
    case Pictogram::PicturePencil:
        picture(p, QRectF(1, 1.5, 10, 9));
        pencil(p, 6.5, 5.5, 0.62);
        break;
    case Pictogram::Book:
        p.drawLine(QPointF(8, 3.5), QPointF(8, 14));
        p.drawPolyline(QPolygonF({QPointF(8, 3.5), QPointF(5, 2.5), QPointF(1.5, 3), QPointF(1.5, 13.5), QPointF(5, 13),
                                  QPointF(8, 14), QPointF(11, 13), QPointF(14.5, 13.5), QPointF(14.5, 3), QPointF(11, 2.5),
                                  QPointF(8, 3.5)}));
        p.setPen(ink(1.0));
        p.drawLine(QPointF(3.5, 6), QPointF(6, 6.5));
        p.drawLine(QPointF(3.5, 9), QPointF(6, 9.5));
        p.drawLine(QPointF(10, 6.5), QPointF(12.5, 6));
        p.drawLine(QPointF(10, 9.5), QPointF(12.5, 9));
        break;
    case Pictogram::LetterGrid:
        p.setPen(ink(1.0));
        for (int i = 0; i <= 3; ++i) {
            p.drawLine(QPointF(1.5 + i * 4.3, 1.5), QPointF(1.5 + i * 4.3, 14.5));
            p.drawLine(QPointF(1.5, 1.5 + i * 4.3), QPointF(14.5, 1.5 + i * 4.3));
        }
        p.fillRect(QRectF(5.8, 5.8, 4.3, 4.3), Palette::White);
        break;
    case Pictogram::Bulb:
        p.setBrush(Palette::White);
        p.drawEllipse(QRectF(3.5, 1, 9, 9));
        p.drawRect(QRectF(6, 9, 4, 3));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(6.3, 14), QPointF(9.7, 14));
        break;
    case Pictogram::GrammarTest:
        centredText(p, QRectF(0, 0, 11, 13), QStringLiteral("Aa"), QStringLiteral("Noto Serif"), 9, true, Palette::White);
        p.setPen(QPen(Palette::White, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(9, 11.5), QPointF(11, 13.5), QPointF(15, 8.5)}));
        break;
    case Pictogram::Grammar:
        centredText(p, QRectF(0, 0, 16, 16), QStringLiteral("Aa"), QStringLiteral("Noto Serif"), 11, true, Palette::White);
        break;
    case Pictogram::Pairs:
        p.setBrush(Palette::White);
        for (int i = 0; i < 2; ++i) {
            p.drawEllipse(QPointF(3, 4 + i * 8), 1.8, 1.8);
            p.drawEllipse(QPointF(13, 4 + i * 8), 1.8, 1.8);
        }
        p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
        p.drawLine(QPointF(4.5, 11.5), QPointF(11.5, 4.5));
        break;
    case Pictogram::Opposites:
        p.drawLine(QPointF(2, 5), QPointF(14, 5));
        p.drawPolyline(QPolygonF({QPointF(11, 2.5), QPointF(14, 5), QPointF(11, 7.5)}));
        p.drawLine(QPointF(2, 11), QPointF(14, 11));
        p.drawPolyline(QPolygonF({QPointF(5, 8.5), QPointF(2, 11), QPointF(5, 13.5)}));
        break;
    case Pictogram::Tiles:
        p.drawLine(QPointF(1.5, 12.5), QPointF(5, 12.5));
        p.drawLine(QPointF(11, 12.5), QPointF(14.5, 12.5));
        p.setPen(QPen(Palette::White, 1.3, Qt::DashLine));
        p.drawRect(QRectF(5.5, 10, 5, 4));
        p.setPen(ink());
        p.setBrush(Palette::White);
        p.drawRoundedRect(QRectF(5, 1.5, 7.5, 5), 1.5, 1.5);
        p.drawLine(QPointF(8.5, 7), QPointF(8.5, 8.5));
        break;
    case Pictogram::Film:
        p.drawRoundedRect(QRectF(1.5, 3, 13, 10), 1.5, 1.5);
        for (int i = 0; i < 4; ++i) {
            p.drawPoint(QPointF(3.5 + i * 3, 4.8));
            p.drawPoint(QPointF(3.5 + i * 3, 11.2));
        }
        p.setBrush(Palette::White);
        p.drawPolygon(QPolygonF({QPointF(6.5, 6.3), QPointF(10.5, 8), QPointF(6.5, 9.7)}));
        break;
    case Pictogram::Quote:
        bubble(p, QRectF(1.5, 2, 13, 10), true, false);
        centredText(p, QRectF(1.5, 2, 13, 11), QStringLiteral("\u201D"), QStringLiteral("Noto Serif"), 13, true, Palette::White);
        break;
    case Pictogram::Folder:
        p.setBrush(Palette::White);
        p.drawPolygon(QPolygonF({QPointF(1.5, 4), QPointF(6, 4), QPointF(7.5, 5.5), QPointF(14.5, 5.5),
                                 QPointF(14.5, 13.5), QPointF(1.5, 13.5)}));
        break;
    }
}

QImage typeIconImage(int n, int size)
{
    QImage img = blank(size, size);
    QPainter p(&img);
    paintTypeIcon(p, QRectF(0, 0, size, size), n);
    return img;
}

// A white glyph for the skinned buttons, drawn in a square box.
QImage glyph(int size, const std::function<void(QPainter&)>& paint, const QColor& colour = Palette::White)
{
    QImage img = blank(size, size);
    QPainter p(&img);
    prepare(p);
    p.scale(size / 16.0, size / 16.0);
    p.setPen(QPen(colour, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    paint(p);
    return img;
}

void drawGlyphs(SkinWriter& out)
{
    auto pictogram = [](Pictogram pg) { return [pg](QPainter& p) { drawPictogram(p, pg, Palette::Blue600); }; };
    out.picture(QStringLiteral("glyphWroc"), glyph(18, [](QPainter& p) {
        p.drawRoundedRect(QRectF(2, 2, 5, 5), 1, 1);
        p.drawRoundedRect(QRectF(9, 2, 5, 5), 1, 1);
        p.drawRoundedRect(QRectF(2, 9, 5, 5), 1, 1);
        p.drawRoundedRect(QRectF(9, 9, 5, 5), 1, 1);
    }));
    out.picture(QStringLiteral("glyphMenu"), glyph(18, [](QPainter& p) {
        p.drawLine(QPointF(2.5, 4), QPointF(13.5, 4));
        p.drawLine(QPointF(2.5, 8), QPointF(13.5, 8));
        p.drawLine(QPointF(2.5, 12), QPointF(13.5, 12));
    }));
    out.picture(QStringLiteral("glyphSpisTresci"), glyph(18, [](QPainter& p) {
        for (int i = 0; i < 3; ++i) {
            p.drawPoint(QPointF(3, 4 + i * 4));
            p.drawLine(QPointF(6, 4 + i * 4), QPointF(13.5, 4 + i * 4));
        }
    }));
    out.picture(QStringLiteral("glyphTlumaczenie"), glyph(18, pictogram(Pictogram::Book)));
    out.picture(QStringLiteral("glyphSlownik"), glyph(18, pictogram(Pictogram::Book)));
    out.picture(QStringLiteral("glyphHelp"), glyph(18, [](QPainter& p) {
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        centredText(p, QRectF(1.5, 1.5, 13, 13), QStringLiteral("?"), QStringLiteral("Lato"), 10, true, Palette::White);
    }));
    const QColor idle = withAlpha(Palette::White, 200);
    for (int k = 0; k < 3; ++k) {
        const QColor c = k == 0 ? idle : Palette::White;
        const QString tail = k == 0 ? QString() : k == 1 ? QStringLiteral("Hot") : QStringLiteral("Down");
        const double dy = k == 2 ? 1 : 0;
        out.picture(QStringLiteral("glyphMinimize") + tail, glyph(16, [dy](QPainter& p) {
            p.drawLine(QPointF(4, 11 + dy), QPointF(12, 11 + dy));
        }, c));
        out.picture(QStringLiteral("glyphZamknij") + tail, glyph(16, [dy, k](QPainter& p) {
            if (k > 0) {
                p.save();
                p.setPen(Qt::NoPen);
                p.setBrush(k == 1 ? Palette::Red : QColor(0xA8, 0x26, 0x26));
                p.drawRoundedRect(QRectF(0.5, 0.5 + dy, 15, 15), 4, 4);
                p.restore();
            }
            p.drawLine(QPointF(5, 5 + dy), QPointF(11, 11 + dy));
            p.drawLine(QPointF(11, 5 + dy), QPointF(5, 11 + dy));
        }, c));
    }
    out.picture(QStringLiteral("glyphSprawdz"), glyph(22, [](QPainter& p) {
        p.setPen(QPen(Palette::White, 2.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4.5)}));
    }));
    out.picture(QStringLiteral("glyphJeszczeRaz"), glyph(22, [](QPainter& p) {
        p.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 280 * 16);
        p.setBrush(Palette::White);
        p.drawPolygon(QPolygonF({QPointF(10.5, 0.8), QPointF(13.8, 3.8), QPointF(9.6, 5.2)}));
    }));
    out.picture(QStringLiteral("glyphRecord"), glyph(22, [](QPainter& p) { drawPictogram(p, Pictogram::Microphone, Palette::Red); }));
    out.picture(QStringLiteral("glyphWhileRecording"), glyph(22, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Red);
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setBrush(Palette::White);
        p.drawEllipse(QRectF(5, 5, 6, 6));
    }));
    out.picture(QStringLiteral("glyphPlay"), glyph(22, [](QPainter& p) {
        p.setBrush(Palette::White);
        p.drawPolygon(QPolygonF({QPointF(5, 3), QPointF(13, 8), QPointF(5, 13)}));
    }));
    out.picture(QStringLiteral("glyphPause"), glyph(18, [](QPainter& p) {
        p.setBrush(Palette::White);
        p.drawRoundedRect(QRectF(4, 3, 2.8, 10), 1, 1);
        p.drawRoundedRect(QRectF(9.2, 3, 2.8, 10), 1, 1);
    }));
    out.picture(QStringLiteral("glyphStop"), glyph(18, [](QPainter& p) {
        p.setBrush(Palette::White);
        p.drawRoundedRect(QRectF(4, 4, 8, 8), 1.5, 1.5);
    }));
    out.picture(QStringLiteral("glyphDrukuj"), glyph(22, [](QPainter& p) {
        p.drawRect(QRectF(4.5, 1.5, 7, 4));
        p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5);
        p.setBrush(Palette::White);
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
    }));
    out.picture(QStringLiteral("glyphKlawiatura"), glyph(22, [](QPainter& p) {
        p.drawRoundedRect(QRectF(1, 3.5, 14, 9), 2, 2);
        p.setPen(QPen(Palette::White, 1.3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i)
            p.drawPoint(QPointF(4 + i * 2.7, 6.5));
        p.drawLine(QPointF(5, 9.8), QPointF(11, 9.8));
    }));
    out.picture(QStringLiteral("glyphUstawienia"), glyph(18, [](QPainter& p) {
        p.drawEllipse(QPointF(8, 8), 2.5, 2.5);
        for (int k = 0; k < 8; ++k) {
            p.save();
            p.translate(8, 8);
            p.rotate(45 * k);
            p.drawLine(QPointF(0, -4.6), QPointF(0, -6.6));
            p.restore();
        }
        p.drawEllipse(QPointF(8, 8), 4.6, 4.6);
    }));
    out.picture(QStringLiteral("glyphWyloguj"), glyph(18, [](QPainter& p) {
        p.drawPolyline(QPolygonF({QPointF(9, 2.5), QPointF(3, 2.5), QPointF(3, 13.5), QPointF(9, 13.5)}));
        p.drawLine(QPointF(7, 8), QPointF(14.5, 8));
        p.drawPolyline(QPolygonF({QPointF(12, 5.5), QPointF(14.5, 8), QPointF(12, 10.5)}));
    }));
    out.picture(QStringLiteral("glyphPostepy"), glyph(32, [](QPainter& p) {
        p.setBrush(Palette::White);
        p.drawRect(QRectF(2, 9, 3, 5));
        p.drawRect(QRectF(6.5, 6, 3, 8));
        p.drawRect(QRectF(11, 2.5, 3, 11.5));
    }));
    out.picture(QStringLiteral("glyphFiszki"), glyph(28, pictogram(Pictogram::Cards)));
    out.picture(QStringLiteral("glyphTrenerWymowy"), glyph(28, [](QPainter& p) { drawPictogram(p, Pictogram::Microphone, Palette::Blue600); }));
    out.picture(QStringLiteral("glyphStart"), glyph(32, [](QPainter& p) {
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setBrush(Palette::White);
        p.drawPolygon(QPolygonF({QPointF(6.3, 4.8), QPointF(11.3, 8), QPointF(6.3, 11.2)}));
    }));
    out.picture(QStringLiteral("btn_speakers"), glyph(24, [](QPainter& p) { speaker(p, 1, 0, 1.0); }));
    out.picture(QStringLiteral("btn_movie"), glyph(24, pictogram(Pictogram::Film)));
}

QImage mark(int size, const QColor& top, const QColor& bottom, const std::function<void(QPainter&)>& paint)
{
    QImage img = blank(size, size);
    QPainter p(&img);
    prepare(p);
    const double s = size / 24.0;
    p.scale(s, s);
    p.setPen(QPen(withAlpha(Palette::White, 230), 1.5));
    p.setBrush(vertical(1, 23, top, bottom));
    p.drawEllipse(QRectF(1.5, 1.5, 21, 21));
    p.setPen(QPen(Palette::White, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    paint(p);
    return img;
}

void tick(QPainter& p) { p.drawPolyline(QPolygonF({QPointF(7, 12.5), QPointF(10.5, 16), QPointF(17, 8.5)})); }
void cross(QPainter& p)
{
    p.drawLine(QPointF(8, 8), QPointF(16, 16));
    p.drawLine(QPointF(16, 8), QPointF(8, 16));
}

void drawMarks(SkinWriter& out)
{
    out.picture(QStringLiteral("IMG_OK"), mark(24, Palette::GreenLight, Palette::Green, tick));
    out.picture(QStringLiteral("IMG_Zle"), mark(24, Palette::RedLight, Palette::Red, cross));
    out.picture(QStringLiteral("IMG_Info"), mark(24, Palette::Cyan, Palette::Blue600, [](QPainter& p) {
        p.drawLine(QPointF(12, 11), QPointF(12, 17));
        p.drawPoint(QPointF(12, 7));
    }));
    out.picture(QStringLiteral("ODP_IconOK"), mark(22, Palette::GreenLight, Palette::Green, tick));
    out.picture(QStringLiteral("ODP_IconWrong"), mark(22, Palette::RedLight, Palette::Red, cross));
    {
        QImage img = blank(22, 22);
        QPainter p(&img);
        prepare(p);
        p.setPen(QPen(Palette::Grey300, 1.6));
        p.setBrush(vertical(2, 20, Palette::White, Palette::Grey100));
        p.drawEllipse(QRectF(2, 2, 18, 18));
        p.end();
        out.picture(QStringLiteral("ODP_Icon"), img);
    }
    // Radio marks of the test pages.
    for (int on = 0; on < 2; ++on) {
        QImage img = blank(20, 20);
        QPainter p(&img);
        prepare(p);
        p.setPen(QPen(on ? Palette::Blue600 : Palette::Grey300, 1.6));
        p.setBrush(Palette::White);
        p.drawEllipse(QRectF(2, 2, 16, 16));
        if (on) {
            p.setPen(Qt::NoPen);
            p.setBrush(Palette::Blue500);
            p.drawEllipse(QRectF(6, 6, 8, 8));
        }
        p.end();
        out.picture(QStringLiteral("Stan_%1").arg(on), img);
    }
    // Check boxes and radio boxes, normal and under the mouse.
    for (int radio = 0; radio < 2; ++radio) {
        for (int hot = 0; hot < 2; ++hot) {
            for (int checked = 0; checked < 2; ++checked) {
                QImage img = blank(22, 22);
                QPainter p(&img);
                prepare(p);
                const QColor ring = hot ? Palette::Cyan : (checked ? Palette::Blue600 : Palette::Grey300);
                p.setPen(QPen(ring, hot ? 2 : 1.5));
                p.setBrush(checked ? QBrush(vertical(3, 19, Palette::Blue500, Palette::Blue600)) : QBrush(Palette::White));
                if (radio)
                    p.drawEllipse(QRectF(3, 3, 16, 16));
                else
                    p.drawRoundedRect(QRectF(3, 3, 16, 16), 4, 4);
                if (checked) {
                    if (radio) {
                        p.setPen(Qt::NoPen);
                        p.setBrush(Palette::White);
                        p.drawEllipse(QRectF(8, 8, 6, 6));
                    } else {
                        p.setPen(QPen(Palette::White, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                        p.drawPolyline(QPolygonF({QPointF(7, 11), QPointF(9.8, 13.8), QPointF(15, 8)}));
                    }
                }
                p.end();
                const QString name = QStringLiteral("Gfx%1%2%3").arg(hot ? QStringLiteral("Hot") : QString(),
                                                                     radio ? QStringLiteral("Radio") : QString(),
                                                                     checked ? QStringLiteral("Checked") : QStringLiteral("UnChecked"));
                out.picture(name, img);
            }
        }
    }
    {
        QImage img = blank(48, 48);
        QPainter p(&img);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Grey200);
        p.drawRoundedRect(QRectF(2, 2, 44, 44), 10, 10);
        p.setBrush(Palette::Grey500);
        p.drawRoundedRect(QRectF(10, 26, 6, 12), 1.5, 1.5);
        p.drawRoundedRect(QRectF(21, 18, 6, 20), 1.5, 1.5);
        p.drawRoundedRect(QRectF(32, 10, 6, 28), 1.5, 1.5);
        p.end();
        out.picture(QStringLiteral("STAT_ICO_GRAY"), img);
    }
}

void drawSpeakers(SkinWriter& out)
{
    static const QColor colours[] = {Palette::Blue500, Palette::Orange, Palette::GreenLight, QColor(0x8E, 0x5C, 0xD9), Rose};
    for (int k = 1; k <= 5; ++k) {
        QImage img = blank(28, 28);
        QPainter p(&img);
        paintAvatar(p, QRectF(1, 1, 26, 26), k % 2 ? 'M' : 'K', k > 2 ? 2 : 1, 0);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Palette::White, 1.5));
        p.setBrush(colours[k - 1]);
        p.drawEllipse(QRectF(17, 17, 10, 10));
        centredText(p, QRectF(17, 17, 10, 10), QString::number(k), QStringLiteral("Lato"), 8, true, Palette::White);
        p.end();
        out.picture(QStringLiteral("IMG_Osoba_%1").arg(k), img);
    }
    {
        QImage img = blank(28, 28);
        QPainter p(&img);
        prepare(p);
        p.setPen(QPen(Palette::White, 1.5));
        p.setBrush(Palette::Grey300);
        p.drawEllipse(QRectF(1.5, 1.5, 25, 25));
        centredText(p, QRectF(1.5, 1.5, 25, 25), QStringLiteral("?"), QStringLiteral("Lato"), 16, true, Palette::White);
        p.end();
        out.picture(QStringLiteral("IMG_Osoba_X"), img);
    }
    auto micIcon = [](bool recording) {
        QImage img = blank(24, 24);
        QPainter p(&img);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(recording ? Palette::Red : withAlpha(Palette::White, 50));
        p.drawEllipse(QRectF(1, 1, 22, 22));
        p.translate(4, 4);
        drawPictogram(p, Pictogram::Microphone, Palette::Red);
        return img;
    };
    out.picture(QStringLiteral("IMG_Mic"), micIcon(false));
    out.picture(QStringLiteral("IMG_Mic_Stop"), micIcon(true));
    {
        QImage img = blank(24, 24);
        QPainter p(&img);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Green);
        p.drawEllipse(QRectF(1, 1, 22, 22));
        p.translate(4, 4);
        p.setPen(QPen(Palette::White, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        speaker(p, 1, 0, 0.95);
        p.end();
        out.picture(QStringLiteral("IMG_Chlopek"), img);
    }
}

} // namespace

void paintTypeIcon(QPainter& p, const QRectF& box, int number)
{
    const TypeIcon icon = typeIcon(number);
    p.save();
    prepare(p);
    p.translate(box.topLeft());
    const double s = box.width() / 24.0;
    p.scale(s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Palette::Navy900, 60));
    p.drawRoundedRect(QRectF(1, 2, 22, 22), 6, 6);
    p.setBrush(vertical(0, 22, Skin::mix(icon.colour, Palette::White, 0.18), icon.colour));
    p.drawRoundedRect(QRectF(1, 0.5, 22, 22), 6, 6);
    p.translate(4, 3.5);
    drawPictogram(p, icon.pictogram, icon.colour);
    p.restore();
}

void drawIcons(SkinWriter& out)
{
    for (int n : PictureNames::TypeIconNumbers())
        out.picture(QStringLiteral("Typ_%1").arg(n), typeIconImage(n, 24));
    drawGlyphs(out);
    drawMarks(out);
    drawSpeakers(out);
}
