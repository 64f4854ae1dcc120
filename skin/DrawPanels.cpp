#include "Drawings.h"
#include "Palette.h"
#include "SkinPainting.h"
#include "SkinWriter.h"

#include <QPainterPath>

using namespace Skin;

namespace {

const QColor Olive(0x4E, 0x55, 0x00);

QImage card(int w, int h, double radius, const QColor& top, const QColor& bottom, const QColor& border, bool shadow)
{
    QImage img = blank(w, h);
    QPainter p(&img);
    prepare(p);
    const QRectF r = shadow ? QRectF(3, 2, w - 6, h - 7) : QRectF(0.5, 0.5, w - 1, h - 1);
    if (shadow)
        softShadow(p, rounded(r, radius), 6, QPointF(0, 2), withAlpha(Palette::Navy900, 80));
    p.setPen(border.alpha() ? QPen(border, 1) : QPen(Qt::NoPen));
    p.setBrush(vertical(r.top(), r.bottom(), top, bottom));
    p.drawRoundedRect(r, radius, radius);
    return img;
}

// The result panel: a white card with a green edge; the bar picture is a
// ring that fills with the score in steps of five.
void drawResultPanel(SkinWriter& out)
{
    QImage bg = card(259, 90, 12, Palette::White, Palette::Grey50, Palette::Grey200, true);
    {
        QPainter p(&bg);
        prepare(p);
        QPainterPath clip = rounded(QRectF(3, 2, 253, 83), 12);
        p.setClipPath(clip);
        p.fillRect(QRectF(3, 2, 6, 83), vertical(2, 85, Palette::GreenLight, Palette::Green));
    }
    out.picture(QStringLiteral("WYKRES_BG"), bg);

    auto ring = [](int value) {
        QImage img = blank(68, 80);
        QPainter p(&img);
        prepare(p);
        const QRectF r(8, 8, 52, 52);
        p.setPen(QPen(Palette::Grey100, 9, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(r);
        if (value > 0) {
            QConicalGradient g(r.center(), 90);
            g.setColorAt(0, Palette::GreenLight);
            g.setColorAt(1, Palette::Green);
            p.setPen(QPen(QBrush(g), 9, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(r, 90 * 16, -static_cast<int>(360 * 16 * value / 100.0));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(value == 100 ? Palette::Green : Palette::Grey50);
        p.drawEllipse(r.adjusted(9, 9, -9, -9));
        if (value == 100) {
            p.setPen(QPen(Palette::White, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({QPointF(26, 34.5), QPointF(32, 40.5), QPointF(42, 28)}));
        } else {
            // A star that turns gold as the score grows.
            const QColor star = Skin::mix(Palette::Grey300, Palette::Gold, value / 100.0);
            QPolygonF poly;
            for (int k = 0; k < 10; ++k) {
                const double a = -M_PI / 2 + k * M_PI / 5;
                const double rad = k % 2 ? 4.5 : 10;
                poly << QPointF(34 + rad * std::cos(a), 35 + rad * std::sin(a));
            }
            p.setBrush(star);
            p.drawPolygon(poly);
        }
        return img;
    };
    out.picture(QStringLiteral("WYKRES_00"), ring(0));
    out.picture(QStringLiteral("WYKRES_05"), ring(5));
    for (int v = 10; v <= 95; v += 5)
        out.picture(QStringLiteral("WYKRES_%1").arg(v), ring(v));
    out.picture(QStringLiteral("WYKRES_100"), ring(100));
}

void drawNotebook(SkinWriter& out)
{
    QImage sep = blank(155, 6);
    {
        QPainter p(&sep);
        QLinearGradient g(0, 0, 155, 0);
        g.setColorAt(0, withAlpha(Olive, 0));
        g.setColorAt(0.15, withAlpha(Olive, 140));
        g.setColorAt(0.85, withAlpha(Olive, 140));
        g.setColorAt(1, withAlpha(Olive, 0));
        p.fillRect(QRectF(0, 2, 155, 1.5), g);
    }
    out.picture(QStringLiteral("ZESZYT_SEP"), sep);
    auto badge = [](const QColor& colour, const std::function<void(QPainter&)>& mark) {
        QImage img = blank(22, 22);
        QPainter p(&img);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(1, 1, 20, 20), 6, 6);
        p.setPen(QPen(Palette::White, 2.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        mark(p);
        return img;
    };
    out.picture(QStringLiteral("ZESZYT_OK"), badge(Palette::Green, [](QPainter& p) {
        p.drawPolyline(QPolygonF({QPointF(6, 11), QPointF(9.5, 14.5), QPointF(16, 7.5)}));
    }));
    out.picture(QStringLiteral("ZESZYT_BAD"), badge(Palette::Red, [](QPainter& p) {
        p.drawLine(QPointF(7, 7), QPointF(15, 15));
        p.drawLine(QPointF(15, 7), QPointF(7, 15));
    }));
    out.picture(QStringLiteral("ZESZYT_XFA"), badge(Palette::Blue500, [](QPainter& p) {
        centredText(p, QRectF(1, 1, 20, 20), QStringLiteral("%"), QStringLiteral("Lato"), 13, true, Palette::White);
    }));
}

void drawScrollBar(SkinWriter& out)
{
    const int W = 21;
    auto button = [W](bool up) {
        QImage img = blank(W, 18);
        QPainter p(&img);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(1, 17, Palette::Blue500, Palette::Blue600));
        p.drawEllipse(QRectF(2, 0.5, 17, 17));
        p.setPen(QPen(Palette::White, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (up)
            p.drawPolyline(QPolygonF({QPointF(7, 10.5), QPointF(10.5, 7), QPointF(14, 10.5)}));
        else
            p.drawPolyline(QPolygonF({QPointF(7, 7.5), QPointF(10.5, 11), QPointF(14, 7.5)}));
        return img;
    };
    out.picture(QStringLiteral("IMG_UP"), button(true));
    out.picture(QStringLiteral("IMG_DOWN"), button(false));

    // The track: a slim groove with rounded ends at its start and end.
    out.picture(QStringLiteral("IMG_RYNNA1"), [W] {
        QImage img = blank(W, 8);
        QPainter p(&img);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Palette::Navy, 40));
        p.drawRoundedRect(QRectF(7.5, 3, 6, 11), 3, 3);
        return img;
    }());
    out.picture(QStringLiteral("IMG_RYNNA2"), [W] {
        QImage img = blank(W, 8);
        QPainter p(&img);
        p.fillRect(QRectF(7.5, 0, 6, 8), withAlpha(Palette::Navy, 40));
        return img;
    }());
    out.picture(QStringLiteral("IMG_RYNNA3"), [W] {
        QImage img = blank(W, 8);
        QPainter p(&img);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Palette::Navy, 40));
        p.drawRoundedRect(QRectF(7.5, -6, 6, 11), 3, 3);
        return img;
    }());

    QImage thumb = blank(19, 40);
    {
        QPainter p(&thumb);
        prepare(p);
        p.setPen(QPen(Palette::Navy700, 1));
        QLinearGradient g(5, 0, 14, 0);
        g.setColorAt(0, Palette::Blue500);
        g.setColorAt(1, Palette::Blue600);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(4.5, 0.5, 10, 39), 5, 5);
        p.setPen(QPen(withAlpha(Palette::White, 170), 1));
        for (int k = -1; k <= 1; ++k)
            p.drawLine(QPointF(7.5, 20 + 3 * k), QPointF(11.5, 20 + 3 * k));
    }
    out.picture(QStringLiteral("IMG_SUWAK"), thumb);

    QImage progress = blank(200, 10);
    {
        QPainter p(&progress);
        prepare(p);
        QLinearGradient g(0, 0, 200, 0);
        g.setColorAt(0, Palette::Cyan);
        g.setColorAt(1, Palette::GreenLight);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0, 0, 200, 10), 5, 5);
        p.fillRect(QRectF(4, 1, 192, 3), withAlpha(Palette::White, 70));
    }
    out.picture(QStringLiteral("IMG_Progress"), progress);
}

// The rows of the contents window are light cards on the window's
// background; a hovered row turns pale blue.
void drawContentsRows(SkinWriter& out)
{
    auto band = [](int w, int h, const QColor& top, const QColor& bottom, const QColor& border, const QColor& accent) {
        QImage img = blank(w, h);
        QPainter p(&img);
        prepare(p);
        const QRectF r(0.5, 0.5, w - 1, h - 2);
        p.setPen(QPen(border, 1));
        p.setBrush(vertical(0, h, top, bottom));
        p.drawRoundedRect(r, 6, 6);
        if (accent.alpha()) {
            p.setClipPath(rounded(r, 6));
            p.fillRect(QRectF(0, 0, 4, h), accent);
        }
        p.setClipping(false);
        p.fillRect(QRectF(6, h - 1, w - 12, 1), withAlpha(Palette::Navy900, 25));
        return img;
    };
    out.picture(QStringLiteral("Tabka_UP"), band(798, 24, Palette::White, Palette::Grey100, Palette::Grey200, Palette::Cyan));
    out.picture(QStringLiteral("Tabka_Hover"), band(798, 24, QColor(0xE9, 0xF8, 0xFE), QColor(0xCD, 0xEE, 0xFB), Palette::Cyan, Palette::Blue500));
    out.picture(QStringLiteral("Tabka_UP_Disable"), band(798, 24, Palette::Grey50, Palette::Grey100, Palette::Grey200, Palette::Grey300));
    out.picture(QStringLiteral("Wiersz_L1_UP"), band(798, 24, withAlpha(Palette::White, 235), withAlpha(Palette::Grey50, 235), withAlpha(Palette::Grey200, 200), QColor(0, 0, 0, 0)));
    out.picture(QStringLiteral("Wiersz_L1_Hover"), band(798, 24, QColor(0xEE, 0xF9, 0xFE), QColor(0xDC, 0xF2, 0xFC), Palette::CyanLight, Palette::Cyan));
    out.picture(QStringLiteral("Wiersz_L2_Up"), band(798, 24, withAlpha(Palette::Grey50, 220), withAlpha(Palette::Grey100, 220), withAlpha(Palette::Grey200, 180), QColor(0, 0, 0, 0)));
    out.picture(QStringLiteral("Wiersz_L2_Hover"), band(798, 24, QColor(0xF1, 0xF9, 0xFD), QColor(0xE2, 0xF3, 0xFB), Palette::CyanLight, Palette::CyanLight));

    auto books = [](bool enabled) {
        QImage img = blank(24, 24);
        QPainter p(&img);
        prepare(p);
        const QColor a = enabled ? Palette::Blue500 : Palette::Grey300;
        const QColor b = enabled ? Palette::Green : Palette::Grey300;
        const QColor c = enabled ? Palette::Orange : Palette::Grey200;
        p.setPen(Qt::NoPen);
        p.setBrush(a);
        p.drawRoundedRect(QRectF(3, 5, 5, 16), 1.2, 1.2);
        p.setBrush(b);
        p.drawRoundedRect(QRectF(9, 3, 5, 18), 1.2, 1.2);
        p.save();
        p.translate(16, 6);
        p.rotate(14);
        p.setBrush(c);
        p.drawRoundedRect(QRectF(0, 0, 5, 15), 1.2, 1.2);
        p.restore();
        p.fillRect(QRectF(2, 21, 20, 1.6), enabled ? Palette::Navy : Palette::Grey300);
        p.setPen(QPen(withAlpha(Palette::White, 170), 1));
        p.drawLine(QPointF(4, 8), QPointF(7, 8));
        p.drawLine(QPointF(10, 6), QPointF(13, 6));
        return img;
    };
    out.picture(QStringLiteral("IMG_Books"), books(true));
    out.picture(QStringLiteral("IMG_Books_Disable"), books(false));

    auto plusMinus = [](bool plus) {
        QImage img = blank(10, 10);
        QPainter p(&img);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(plus ? Palette::Blue500 : Palette::Navy);
        p.drawRoundedRect(QRectF(0, 0, 10, 10), 2.5, 2.5);
        p.fillRect(QRectF(2, 4.2, 6, 1.6), Palette::White);
        if (plus)
            p.fillRect(QRectF(4.2, 2, 1.6, 6), Palette::White);
        return img;
    };
    out.picture(QStringLiteral("img_plus"), plusMinus(true));
    out.picture(QStringLiteral("img_minus"), plusMinus(false));

    auto bar = [](int w, int h, bool fill) {
        QImage img = blank(w, h);
        QPainter p(&img);
        prepare(p);
        p.setPen(Qt::NoPen);
        if (fill) {
            QLinearGradient g(0, 0, w, 0);
            g.setColorAt(0, Palette::GreenLight);
            g.setColorAt(1, Palette::Green);
            p.setBrush(g);
        } else {
            p.setBrush(Palette::Grey200);
        }
        p.drawRoundedRect(QRectF(0, 0, w, h), h / 2.0, h / 2.0);
        return img;
    };
    out.picture(QStringLiteral("img_prtlo"), bar(52, 6, false));
    out.picture(QStringLiteral("img_pr"), bar(52, 6, true));
    {
        QImage track = blank(57, 17);
        QPainter p(&track);
        p.drawImage(QPoint(0, 0), bar(52, 10, false));
        p.end();
        out.picture(QStringLiteral("IMG_PRTlo"), track);
        QImage fill = blank(57, 17);
        QPainter q(&fill);
        q.drawImage(QPoint(0, 0), bar(52, 10, true));
        q.end();
        out.picture(QStringLiteral("IMG_PR"), fill);
    }

    // Rows of the lesson contents pop-up (on its grey panel).
    QImage item = blank(420, 22);
    {
        QPainter p(&item);
        p.fillRect(QRect(0, 0, 420, 22), vertical(0, 22, QColor(0x9C, 0x9C, 0x9C), QColor(0x8A, 0x8A, 0x8A)));
        p.fillRect(QRect(0, 21, 420, 1), withAlpha(QColor(0, 0, 0), 40));
    }
    out.picture(QStringLiteral("ListItem"), item);
    QImage hover = blank(420, 22);
    {
        QPainter p(&hover);
        p.fillRect(QRect(0, 0, 420, 22), vertical(0, 22, Palette::Cyan, Palette::Blue600));
    }
    out.picture(QStringLiteral("ListItemHover"), hover);
    QImage marker = blank(12, 22);
    {
        QPainter p(&marker);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::White);
        p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(10, 11), QPointF(2, 16)}));
    }
    out.picture(QStringLiteral("ListItemSelected"), marker);

    // Header cells of the phrase list.
    QImage header = blank(24, 26);
    {
        QPainter p(&header);
        prepare(p);
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(0, 26, Palette::Navy700, Palette::Navy));
        p.drawRoundedRect(QRectF(0, 0, 24, 26), 6, 6);
        p.fillRect(QRectF(0, 0, 24, 1), withAlpha(Palette::White, 50));
    }
    sliceThree(out, header, 6, 6, [](int k) { return QStringLiteral("naglUp%1").arg(k); });
}

} // namespace

void drawPanels(SkinWriter& out)
{
    drawResultPanel(out);
    drawNotebook(out);
    drawScrollBar(out);
    drawContentsRows(out);
}
