#include "Drawings.h"
#include "Palette.h"
#include "SkinPainting.h"
#include "SkinWriter.h"

#include <QPainterPath>

using namespace Skin;

namespace {

// A horizontal strip cut into a left end, a middle and a right end.
void strip(SkinWriter& out, int w, int h, int ends, double radius, const QColor& top, const QColor& bottom,
           const QColor& border, const QStringList& names, bool dashed = false)
{
    QImage img = blank(w, h);
    QPainter p(&img);
    prepare(p);
    const QRectF r(0.5, 0.5, w - 1, h - 2);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Palette::Navy900, 50));
    p.drawRoundedRect(r.translated(0, 1), radius, radius);
    QPen pen(border, 1);
    if (dashed)
        pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    p.setBrush(vertical(r.top(), r.bottom(), top, bottom));
    p.drawRoundedRect(r, radius, radius);
    p.end();
    sliceThree(out, img, ends, ends, [&](int k) { return names.at(k - 1); });
}

void scoreBars(SkinWriter& out, const QString& base, int height)
{
    for (int v = 0; v <= 100; v += 5) {
        // The colour of a phone or word score: red through amber to green.
        const QColor c = v < 50 ? Skin::mix(Palette::Red, Palette::Orange, v / 50.0)
                                : Skin::mix(Palette::Orange, Palette::Green, (v - 50) / 50.0);
        QImage img = blank(8, height);
        QPainter p(&img);
        p.fillRect(QRect(0, 0, 8, height), vertical(0, height, Skin::mix(c, Palette::White, 0.25), c));
        p.fillRect(QRect(0, 0, 8, 1), withAlpha(Palette::White, 90));
        p.end();
        out.picture(QStringLiteral("%1%2").arg(base).arg(v, 3, 10, QLatin1Char('0')), img);
    }
    for (int side = 0; side < 2; ++side) {
        QImage cap = blank(4, height);
        QPainter p(&cap);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Palette::Navy900, 70));
        p.drawRoundedRect(QRectF(side ? -4 : 0, 0, 8, height), 3, 3);
        p.end();
        out.picture(base + (side ? QStringLiteral("P") : QStringLiteral("L")), cap);
    }
}

} // namespace

void drawScreenPictures(SkinWriter& out)
{
    // Gap boxes and word tiles of the sentence screens.
    strip(out, 30, 22, 6, 5, Palette::White, Palette::Grey50, Palette::Cyan,
          {QStringLiteral("IMG_Miejsce1"), QStringLiteral("IMG_miejsce2"), QStringLiteral("IMG_miejsce3")}, true);
    strip(out, 30, 25, 6, 6, Palette::Blue500, Palette::Blue600, QColor(0x08, 0x52, 0x96),
          {QStringLiteral("IMG_Kostka1"), QStringLiteral("IMG_Kostka2"), QStringLiteral("IMG_Kostka3")});
    // The note with a word's translation.
    strip(out, 30, 24, 4, 5, QColor(0xFF, 0xF6, 0xC2), QColor(0xFF, 0xEA, 0x8A), QColor(0xE0, 0xC4, 0x5C),
          {QStringLiteral("imgPL_1"), QStringLiteral("imgPL_2"), QStringLiteral("imgPL_3")});
    // Cubes of the picture presentation.
    strip(out, 30, 26, 6, 6, Palette::Cyan, Palette::Blue600, Palette::Navy700,
          {QStringLiteral("PREZ_KOSTKA1_01_VAR"), QStringLiteral("PREZ_KOSTKA1_02_VAR"), QStringLiteral("PREZ_KOSTKA1_03_VAR")});
    {
        QImage img = blank(54, 34);
        QPainter p(&img);
        prepare(p);
        const QRectF r(0.5, 0.5, 53, 32);
        p.setPen(QPen(Palette::Cyan, 1.2));
        p.setBrush(vertical(0, 34, Palette::White, Palette::Grey50));
        p.drawRoundedRect(r, 6, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Green);
        p.drawEllipse(QRectF(5, 8, 16, 16));
        p.setPen(QPen(Palette::White, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(9, 16), QPointF(12, 19), QPointF(17, 13)}));
        p.end();
        out.picture(QStringLiteral("PREZ_RAMKA_WPISANY_01"), img.copy(0, 0, 24, 34));
        out.picture(QStringLiteral("PREZ_RAMKA_WPISANY_02"), img.copy(24, 0, 24, 34));
        out.picture(QStringLiteral("PREZ_RAMKA_WPISANY_03"), img.copy(48, 0, 6, 34));
    }
    auto question = [&](int w, int h, bool pencil) {
        QImage img = blank(w, h);
        QPainter p(&img);
        prepare(p);
        const QRectF r(1, 1, w - 2, h - 3);
        softShadow(p, rounded(r, 8), 4, QPointF(0, 1.5), withAlpha(Palette::Navy900, 90));
        p.setPen(QPen(Palette::White, 1.5));
        p.setBrush(vertical(r.top(), r.bottom(), Palette::OrangeLight, Palette::Orange));
        p.drawRoundedRect(r, 8, 8);
        centredText(p, r, pencil ? QStringLiteral("? ✎") : QStringLiteral("?"), QStringLiteral("Lato"), 18, true, Palette::White);
        return img;
    };
    out.picture(QStringLiteral("PREZ_ZNAK_ZAPYTANIA"), question(133, 32, false));
    out.picture(QStringLiteral("PREZ_ZNAK_ZAP_WPISAC"), question(115, 33, true));
    {
        QImage img = blank(39, 39);
        QPainter p(&img);
        prepare(p);
        const QRectF r(4, 4, 31, 31);
        softShadow(p, rounded(r, 15.5), 4, QPointF(0, 1.5), withAlpha(Palette::Navy900, 110));
        p.setPen(QPen(Palette::White, 2.5));
        p.setBrush(vertical(4, 35, Palette::Cyan, Palette::Blue600));
        p.drawEllipse(r);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::White);
        p.drawEllipse(QRectF(15, 15, 9, 9));
        p.end();
        out.picture(QStringLiteral("PREZ_KOSTKA1_04"), img);
    }
    // The frame of a hidden dialogue line and the drop marker of the arrangement.
    {
        QImage img = blank(220, 22);
        QPainter p(&img);
        prepare(p);
        QPen pen(Palette::CyanLight, 1.4, Qt::DashLine);
        p.setPen(pen);
        p.setBrush(withAlpha(Palette::White, 40));
        p.drawRoundedRect(QRectF(1, 1, 218, 20), 6, 6);
        centredText(p, QRectF(1, 1, 218, 20), QStringLiteral("• • •"), QStringLiteral("Lato"), 12, true, Palette::White);
        p.end();
        out.picture(QStringLiteral("IMG_Ramka"), img);
    }
    {
        QImage img = blank(400, 6);
        QPainter p(&img);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Cyan);
        p.drawRoundedRect(QRectF(0, 1, 400, 4), 2, 2);
        p.end();
        out.picture(QStringLiteral("IMG_KwestiaDrop"), img);
    }
    // Pronunciation chart.
    {
        QImage img = blank(12, 12);
        QPainter p(&img);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Blue500);
        p.drawPolygon(QPolygonF({QPointF(1, 1), QPointF(11, 1), QPointF(6, 11)}));
        p.end();
        out.picture(QStringLiteral("imgWordArrow"), img);
        QImage m = blank(9, 9);
        QPainter q(&m);
        prepare(q);
        q.setPen(Qt::NoPen);
        q.setBrush(Palette::Orange);
        q.drawEllipse(QRectF(1, 1, 7, 7));
        q.end();
        out.picture(QStringLiteral("imgPhonemeMarker"), m);
    }
    for (int active = 0; active < 2; ++active) {
        QImage img = blank(804, 132);
        QPainter p(&img);
        prepare(p);
        p.setPen(QPen(active ? Palette::Cyan : Palette::Grey300, 1.2));
        p.setBrush(active ? withAlpha(Palette::White, 235) : withAlpha(Palette::Grey50, 220));
        p.drawRoundedRect(QRectF(1, 1, 802, 130), 8, 8);
        p.setPen(QPen(withAlpha(Palette::Navy, 30), 1, Qt::DotLine));
        p.drawLine(QPointF(4, 66), QPointF(800, 66));
        p.end();
        out.picture(active ? QStringLiteral("imgWaveActive") : QStringLiteral("imgWaveInactive"), img);
    }
    for (int big = 0; big < 2; ++big) {
        QImage img(1024, 718, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&img);
        prepare(p);
        p.fillRect(img.rect(), vertical(0, 718, QColor(0xEE, 0xF4, 0xF9), QColor(0xDC, 0xE6, 0xEF)));
        const QRectF panel(40, 40, 850, big ? 480 : 240);
        softShadow(p, rounded(panel, 14), 10, QPointF(0, 3), withAlpha(Palette::Navy900, 60));
        p.setPen(QPen(Palette::Grey200, 1));
        p.setBrush(Palette::White);
        p.drawRoundedRect(panel, 14, 14);
        p.end();
        out.picture(big ? QStringLiteral("imgBackgroundBig") : QStringLiteral("imgBackgroundSmall"), img);
    }
    scoreBars(out, QStringLiteral("imgPSzer"), 16);
    scoreBars(out, QStringLiteral("imgPWaski"), 8);
    // The media window's seek bar.
    {
        QImage track = blank(227, 6);
        QPainter p(&track);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Palette::White, 60));
        p.drawRoundedRect(QRectF(0, 0, 227, 6), 3, 3);
        p.end();
        out.picture(QStringLiteral("Pasek_Tlo"), track);
        QImage knob = blank(6, 12);
        QPainter q(&knob);
        prepare(q);
        q.setPen(Qt::NoPen);
        q.setBrush(Palette::White);
        q.drawRoundedRect(QRectF(0, 0, 6, 12), 3, 3);
        q.end();
        out.picture(QStringLiteral("Suwak"), knob);
    }
}
