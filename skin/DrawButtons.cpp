#include "Drawings.h"
#include "Palette.h"
#include "PictureNames.h"
#include "SkinPainting.h"
#include "SkinWriter.h"

#include <QPainterPath>

using namespace Skin;

namespace {

enum class State { Normal, Hot, Pressed, Disabled };
const State States[] = {State::Normal, State::Hot, State::Pressed, State::Disabled};

QString suffix(State s)
{
    switch (s) {
    case State::Normal: return QStringLiteral("_N");
    case State::Hot: return QStringLiteral("_H");
    case State::Pressed: return QStringLiteral("_P");
    case State::Disabled: return QStringLiteral("_D");
    }
    return {};
}

struct Look {
    QColor top, bottom, border, lip;
    bool glass = false;
};

// The picture sets: 1 blue (the default), 2 green (check and confirm),
// 3 light (secondary actions, navy caption), 4 navy, 5 orange (attention),
// 6 glass (over dark pictures and bars).
Look lookOf(int g)
{
    switch (g) {
    case 2: return {Palette::GreenLight, Palette::Green, Palette::GreenDark, QColor(0x00, 0x5C, 0x1A)};
    case 3: return {Palette::White, Palette::Grey100, Palette::Grey300, Palette::Grey300};
    case 4: return {Palette::Navy700, Palette::Navy, Palette::Navy900, QColor(0x02, 0x18, 0x2E)};
    case 5: return {Palette::OrangeLight, Palette::Orange, QColor(0xC0, 0x6A, 0x00), QColor(0xA8, 0x5A, 0x00)};
    case 6: return {withAlpha(Palette::White, 70), withAlpha(Palette::White, 28), withAlpha(Palette::White, 110),
                    withAlpha(Palette::Navy900, 90), true};
    default: return {Palette::Blue500, Palette::Blue600, QColor(0x08, 0x52, 0x96), QColor(0x06, 0x45, 0x80)};
    }
}

Look stateLook(Look l, State s, int g)
{
    switch (s) {
    case State::Normal: break;
    case State::Hot:
        if (g == 3) {
            // White cannot get lighter: the light set turns pale blue instead.
            l.top = QColor(0xF0, 0xFA, 0xFE);
            l.bottom = QColor(0xCF, 0xEE, 0xFB);
            l.border = Palette::Cyan;
            break;
        }
        l.top = mix(l.top, Palette::White, l.glass ? 0.25 : 0.22);
        l.bottom = mix(l.bottom, Palette::White, l.glass ? 0.18 : 0.14);
        break;
    case State::Pressed:
        std::swap(l.top, l.bottom);
        l.top = mix(l.top, QColor(0, 0, 0), 0.24);
        l.bottom = mix(l.bottom, QColor(0, 0, 0), 0.12);
        break;
    case State::Disabled:
        l = {QColor(0xDC, 0xE1, 0xE6), QColor(0xC8, 0xCF, 0xD6), QColor(0xB4, 0xBC, 0xC5), QColor(0xA9, 0xB1, 0xBA)};
        break;
    }
    return l;
}

// A button face of the given size: rounded, a soft vertical gradient, a
// one-pixel highlight under the top edge and a darker lip along the bottom
// (pressed buttons lose the lip and get an inner shadow instead).
QImage face(int w, int h, double radius, int g, State s)
{
    const Look l = stateLook(lookOf(g), s, g);
    QImage img = blank(w, h);
    QPainter p(&img);
    prepare(p);
    const QRectF outer(0.5, 0.5, w - 1, h - 1);
    const bool pressed = s == State::Pressed;
    if (!pressed && s != State::Disabled) {
        p.setPen(Qt::NoPen);
        p.setBrush(l.lip);
        p.drawPath(rounded(outer, radius));
    }
    const QRectF body = pressed || s == State::Disabled ? outer : outer.adjusted(0, 0, 0, -2);
    p.setPen(QPen(l.border, 1));
    p.setBrush(vertical(body.top(), body.bottom(), l.top, l.bottom));
    p.drawPath(rounded(body, radius));
    p.setBrush(Qt::NoBrush);
    if (pressed) {
        p.setPen(QPen(withAlpha(Palette::Navy900, l.glass ? 60 : 80), 2));
        p.setClipPath(rounded(body, radius));
        p.drawLine(QPointF(0, 1.5), QPointF(w, 1.5));
    } else {
        p.setPen(QPen(withAlpha(Palette::White, s == State::Disabled ? 90 : (g == 3 ? 255 : 95)), 1));
        p.drawPath(rounded(body.adjusted(1, 1, -1, -1), radius - 1));
    }
    if (s == State::Hot) {
        // A faint glow in the upper half makes the hot state read at a glance.
        QRadialGradient glow(w / 2.0, 0, w * 0.6);
        glow.setColorAt(0, withAlpha(Palette::White, 70));
        glow.setColorAt(1, withAlpha(Palette::White, 0));
        p.setClipPath(rounded(body, radius));
        p.fillRect(QRectF(0, 0, w, h / 2.0), glow);
    }
    return img;
}

void drawPieceSets(SkinWriter& out)
{
    for (int g : PictureNames::GrafikaIndexes()) {
        for (State s : States) {
            // Nine pieces: corners of 8 pixels, cut from a 48 x 48 face.
            const QImage nine = face(48, 48, 8, g, s);
            sliceNine(out, nine, 8, 8, 8, 8, [&](int k) {
                return QStringLiteral("G%1%2_9_%3").arg(k, 2, 10, QLatin1Char('0')).arg(suffix(s)).arg(g);
            });
            // Three pieces: ends as wide as their corners, cut from a 48 x 50 face.
            const QImage three = face(48, 50, 8, g, s);
            sliceThree(out, three, 8, 8, [&](int k) {
                return QStringLiteral("G%1%2_3_%3").arg(k, 2, 10, QLatin1Char('0')).arg(suffix(s)).arg(g);
            });
        }
    }
}

// Top-bar buttons sit on the dark bar: nothing while normal, a light veil
// with a blue underline when hot, a deeper veil when pressed.
void drawBarButtons(SkinWriter& out)
{
    for (State s : States) {
        QImage img = blank(24, 48);
        QPainter p(&img);
        prepare(p);
        const QRectF r(0.5, 4.5, 23, 39);
        switch (s) {
        case State::Normal: break;
        case State::Hot:
            p.setPen(Qt::NoPen);
            p.setBrush(vertical(r.top(), r.bottom(), withAlpha(Palette::White, 46), withAlpha(Palette::White, 18)));
            p.drawRoundedRect(r, 4, 4);
            p.setBrush(Palette::Cyan);
            p.drawRect(QRectF(0, 44, 24, 3));
            break;
        case State::Pressed:
            p.setPen(Qt::NoPen);
            p.setBrush(vertical(r.top(), r.bottom(), withAlpha(Palette::Navy900, 140), withAlpha(Palette::Navy900, 90)));
            p.drawRoundedRect(r, 4, 4);
            p.setBrush(Palette::CyanLight);
            p.drawRect(QRectF(0, 44, 24, 3));
            break;
        case State::Disabled:
            p.setPen(Qt::NoPen);
            p.setBrush(withAlpha(Palette::Navy900, 50));
            p.drawRoundedRect(r, 4, 4);
            break;
        }
        p.end();
        sliceThree(out, img, 4, 4, [&](int k) { return QStringLiteral("BB%1%2").arg(k, 2, 10, QLatin1Char('0')).arg(suffix(s)); });
    }
}

void roundButtonBase(QPainter& p, State s, const QRectF& r)
{
    QColor fill;
    QColor ring;
    switch (s) {
    case State::Normal: fill = withAlpha(Palette::White, 34); ring = withAlpha(Palette::White, 90); break;
    case State::Hot: fill = Palette::Cyan; ring = Palette::CyanLight; break;
    case State::Pressed: fill = QColor(0x01, 0x86, 0xB3); ring = Palette::Cyan; break;
    case State::Disabled: fill = withAlpha(Palette::White, 12); ring = withAlpha(Palette::White, 30); break;
    }
    p.setPen(QPen(ring, 1.2));
    p.setBrush(fill);
    p.drawEllipse(r);
}

QColor roundButtonInk(State s)
{
    return s == State::Disabled ? withAlpha(Palette::White, 70) : Palette::White;
}

void drawNavigation(SkinWriter& out)
{
    for (State s : States) {
        for (int kind = 0; kind < 3; ++kind) {
            QImage img = blank(32, 32);
            QPainter p(&img);
            prepare(p);
            roundButtonBase(p, s, QRectF(1.5, 1.5, 29, 29));
            p.setPen(QPen(roundButtonInk(s), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            if (kind == 0) {
                p.drawPolyline(QPolygonF({QPointF(18.5, 9.5), QPointF(12, 16), QPointF(18.5, 22.5)}));
            } else if (kind == 1) {
                p.drawPolyline(QPolygonF({QPointF(13.5, 9.5), QPointF(20, 16), QPointF(13.5, 22.5)}));
            } else {
                // The lesson contents: a short list.
                p.setPen(QPen(roundButtonInk(s), 2.2, Qt::SolidLine, Qt::RoundCap));
                for (int row = 0; row < 3; ++row) {
                    const double y = 11 + row * 5;
                    p.drawPoint(QPointF(10.5, y));
                    p.drawLine(QPointF(14, y), QPointF(22, y));
                }
            }
            p.end();
            const char* base = kind == 0 ? "PACZKA_NAVI_PREV" : kind == 1 ? "PACZKA_NAVI_NEXT" : "PACZKA_NAVI_ZAWARTOSC";
            out.picture(QLatin1String(base) + suffix(s), img);
        }
    }
}

// Page tabs of the navigation column. A disabled tab is the page shown now,
// so it is the strongest one.
void drawPageTabs(SkinWriter& out)
{
    for (State s : States) {
        for (int n = 1; n <= PictureNames::PageTabCount(); ++n) {
            QImage img = blank(70, 50);
            QPainter p(&img);
            prepare(p);
            const QRectF r(6.5, 5.5, 57, 39);
            QColor top, bottom, ink, border;
            switch (s) {
            case State::Normal:
                top = Palette::White; bottom = Palette::Grey100; ink = Palette::Navy; border = Palette::Grey300; break;
            case State::Hot:
                top = QColor(0xE8, 0xF7, 0xFD); bottom = QColor(0xC9, 0xEC, 0xFA); ink = Palette::Navy; border = Palette::Cyan; break;
            case State::Pressed:
                top = Palette::Blue600; bottom = Palette::Blue500; ink = Palette::White; border = Palette::Navy700; break;
            case State::Disabled:
                top = Palette::Cyan; bottom = Palette::Blue600; ink = Palette::White; border = Palette::Navy700; break;
            }
            softShadow(p, rounded(r, 8), 5, QPointF(0, 2), withAlpha(Palette::Navy900, 70));
            p.setPen(QPen(border, 1));
            p.setBrush(vertical(r.top(), r.bottom(), top, bottom));
            p.drawRoundedRect(r, 8, 8);
            if (s == State::Disabled) {
                p.setPen(Qt::NoPen);
                p.setBrush(Palette::White);
                p.drawRoundedRect(QRectF(10, 14, 4, 22), 2, 2);
            }
            centredText(p, r, QString::number(n), QStringLiteral("Lato"), 20, true, ink);
            p.end();
            out.picture(QStringLiteral("TAB_ROZUM%1_%2").arg(suffix(s)).arg(n), img);
        }
    }
}

void drawBlueArrow(SkinWriter& out)
{
    QImage img = blank(40, 70);
    QPainter p(&img);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Palette::White, 40));
    p.drawEllipse(QRectF(6, 21, 28, 28));
    p.setPen(QPen(Palette::White, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(17, 27), QPointF(25, 35), QPointF(17, 43)}));
    p.end();
    out.picture(QStringLiteral("BLUE_ARROW"), img);
}

void drawKeyboard(SkinWriter& out)
{
    // The keyboard's panel: a navy card with a title strip of 23 pixels.
    QImage panel = blank(48, 48);
    {
        QPainter p(&panel);
        prepare(p);
        const QRectF r(0.5, 0.5, 47, 47);
        p.setPen(QPen(Palette::Navy900, 1));
        p.setBrush(vertical(0, 48, Palette::Navy700, Palette::Navy));
        p.drawRoundedRect(r, 8, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Palette::White, 22));
        QPainterPath strip = rounded(r.adjusted(1, 1, -1, 0), 7).intersected([] {
            QPainterPath band;
            band.addRect(0, 0, 48, 22);
            return band;
        }());
        p.drawPath(strip);
        p.setPen(QPen(withAlpha(Palette::Cyan, 160), 1));
        p.drawLine(QPointF(4, 22.5), QPointF(44, 22.5));
    }
    // 12-pixel sides, a 23-pixel top band and an 8-pixel bottom band.
    sliceNine(out, panel, 12, 23, 12, 8, [](int k) { return QStringLiteral("KLAW_%1").arg(k, 2, 10, QLatin1Char('0')); });

    QImage key = blank(22, 23);
    {
        QPainter p(&key);
        prepare(p);
        const QRectF r(1.5, 1.5, 19, 19);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Palette::Navy900, 120));
        p.drawRoundedRect(r.translated(0, 1.5), 4, 4);
        p.setPen(QPen(Palette::Grey300, 1));
        p.setBrush(vertical(r.top(), r.bottom(), Palette::White, Palette::Grey100));
        p.drawRoundedRect(r, 4, 4);
    }
    out.picture(QStringLiteral("KLAW_B_N"), key);

    for (const char* st : {"_N", "_H", "_D"}) {
        QImage x = blank(26, 14);
        QPainter p(&x);
        prepare(p);
        const bool hot = st[1] == 'H';
        const bool down = st[1] == 'D';
        p.setPen(Qt::NoPen);
        p.setBrush(hot ? Palette::Red : down ? QColor(0xA8, 0x26, 0x26) : withAlpha(Palette::White, 30));
        p.drawRoundedRect(QRectF(1, 1, 24, 12), 4, 4);
        p.setPen(QPen(Palette::White, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10.5, 4.5), QPointF(15.5, 9.5));
        p.drawLine(QPointF(15.5, 4.5), QPointF(10.5, 9.5));
        p.end();
        out.picture(QStringLiteral("KLAW_X%1").arg(QLatin1String(st)), x);
    }
}

} // namespace

void drawButtons(SkinWriter& out)
{
    drawPieceSets(out);
    drawBarButtons(out);
    drawNavigation(out);
    drawPageTabs(out);
    drawBlueArrow(out);
    drawKeyboard(out);
}
