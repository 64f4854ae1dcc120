#include "Drawings.h"
#include "Palette.h"
#include "SkinPainting.h"

#include <QBuffer>
#include <QDir>
#include <QSaveFile>

#include <cmath>

using namespace Skin;

namespace {

// The windows show their backgrounds below the 50-pixel top bar, so each
// background is 1024 x 718 and its (x, y) is the window's (x, y + 50).
constexpr int W = 1024;
constexpr int H = 718;

bool save(const QString& path, const QImage& image, QString* error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QByteArray format = path.endsWith(QLatin1String(".bmp")) ? "BMP" : "PNG";
    const QImage out = format == "BMP" ? image.convertToFormat(QImage::Format_RGB32) : image;
    if (!out.save(&buffer, format.constData())) {
        *error = QStringLiteral("cannot encode %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

// Soft translucent circles, the skin's recurring decoration.
void bubbles(QPainter& p, const QColor& colour, int seed, double scale)
{
    unsigned state = static_cast<unsigned>(seed) * 2654435761u + 12345u;
    auto next = [&state]() {
        state = state * 1103515245u + 12345u;
        return static_cast<double>((state >> 8) & 0xFFFF) / 65535.0;
    };
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const double r = (40 + next() * 150) * scale;
        const double x = next() * W;
        const double y = next() * H;
        QRadialGradient g(x, y, r);
        g.setColorAt(0, withAlpha(colour, 34));
        g.setColorAt(1, withAlpha(colour, 0));
        p.setBrush(g);
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

QImage exerciseBackground(const QColor& tint, int seed)
{
    QImage img(W, H, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    prepare(p);
    p.fillRect(img.rect(), vertical(0, H, Skin::mix(Palette::Grey50, tint, 0.06), Skin::mix(Palette::Grey100, tint, 0.12)));
    bubbles(p, tint, seed, 1.0);
    // A light wave along the bottom edge.
    QPainterPath wave;
    wave.moveTo(0, H - 70);
    wave.cubicTo(W * 0.3, H - 120, W * 0.6, H - 20, W, H - 80);
    wave.lineTo(W, H);
    wave.lineTo(0, H);
    wave.closeSubpath();
    p.setBrush(withAlpha(tint, 22));
    p.drawPath(wave);
    p.fillRect(QRect(0, 0, W, 6), vertical(0, 6, withAlpha(Palette::Navy900, 45), withAlpha(Palette::Navy900, 0)));
    return img;
}

QImage contentsBackground()
{
    QImage img = exerciseBackground(Palette::Blue500, 3);
    QPainter p(&img);
    prepare(p);
    // The side panel with the program's mark.
    QLinearGradient side(0, 0, 0, H);
    side.setColorAt(0, Palette::Navy700);
    side.setColorAt(1, Palette::Navy900);
    p.fillRect(QRect(0, 0, 186, H), side);
    bubbles(p, Palette::Cyan, 11, 0.5);
    p.fillRect(QRect(186, 0, 1, H), withAlpha(Palette::Cyan, 120));
    paintLanguageBadge(p, QRectF(48, 40, 90, 60), 0);
    centredText(p, QRectF(0, 110, 186, 30), QStringLiteral("Zalpiony kurs"), QStringLiteral("Lato"), 20, true, Palette::White);
    centredText(p, QRectF(0, 138, 186, 20), QStringLiteral("kurs językowy"), QStringLiteral("Lato"), 13, false,
                withAlpha(Palette::White, 170));
    // A few exercise kinds as a legend of what the course holds.
    static const int kinds[] = {107, 102, 101, 104, 105, 114};
    static const char* const labels[] = {"słówka", "dialogi", "rozumienie", "prezentacje", "gramatyka", "testy"};
    for (int i = 0; i < 6; ++i) {
        const double y = 220 + i * 40;
        paintTypeIcon(p, QRectF(34, y, 24, 24), kinds[i]);
        p.setPen(withAlpha(Palette::White, 210));
        QFont font(QStringLiteral("Lato"));
        font.setPixelSize(14);
        p.setFont(font);
        p.drawText(QRectF(68, y, 110, 24), Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(labels[i]));
    }
    // The card behind the list (the list is at 203, 111 and 798 x 552 here).
    const QRectF cardRect(195, 64, 845, 604);
    softShadow(p, rounded(cardRect, 14), 10, QPointF(0, 3), withAlpha(Palette::Navy900, 60));
    p.setPen(QPen(Palette::Grey200, 1));
    p.setBrush(withAlpha(Palette::White, 245));
    p.drawRoundedRect(cardRect, 14, 14);
    // The column header strip above the rows.
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Grey50);
    p.drawRoundedRect(QRectF(197, 66, 841, 40), 12, 12);
    p.fillRect(QRectF(197, 105, 841, 1), Palette::Grey200);
    return img;
}

QImage menuBackground()
{
    QImage img = exerciseBackground(Palette::Cyan, 7);
    QPainter p(&img);
    prepare(p);
    // The welcome side: large speech bubbles in the course colours.
    auto bubble = [&](const QRectF& r, const QColor& top, const QColor& bottom, bool tailLeft) {
        QPainterPath path;
        path.addRoundedRect(r, 26, 26);
        QPainterPath tail;
        if (tailLeft)
            tail.addPolygon(QPolygonF({QPointF(r.left() + 40, r.bottom() - 4), QPointF(r.left() + 26, r.bottom() + 34),
                                       QPointF(r.left() + 86, r.bottom() - 4)}));
        else
            tail.addPolygon(QPolygonF({QPointF(r.right() - 40, r.bottom() - 4), QPointF(r.right() - 26, r.bottom() + 34),
                                       QPointF(r.right() - 86, r.bottom() - 4)}));
        path = path.united(tail);
        softShadow(p, path, 14, QPointF(0, 5), withAlpha(Palette::Navy900, 70));
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(r.top(), r.bottom(), top, bottom));
        p.drawPath(path);
    };
    bubble(QRectF(70, 110, 330, 170), Palette::Cyan, Palette::Blue600, true);
    bubble(QRectF(150, 330, 300, 150), Palette::GreenLight, Palette::Green, false);
    centredText(p, QRectF(70, 110, 330, 170), QStringLiteral("Witaj!"), QStringLiteral("Lato"), 54, true, Palette::White);
    centredText(p, QRectF(150, 338, 300, 60), QStringLiteral("Hello! Hallo! Ciao!"), QStringLiteral("Lato"), 28, true, Palette::White);
    centredText(p, QRectF(150, 392, 300, 60), QStringLiteral("¡Hola! Salut!"), QStringLiteral("Lato"), 28, true, Palette::White);
    for (int k = 1; k <= 5; ++k)
        paintLanguageBadge(p, QRectF(80 + (k - 1) * 72, 530, 56, 38), k);
    // The panel behind the large buttons (549..877 wide, 88..550 here).
    const QRectF panel(525, 64, 400, 520);
    softShadow(p, rounded(panel, 18), 12, QPointF(0, 4), withAlpha(Palette::Navy900, 60));
    p.setPen(QPen(Palette::Grey200, 1));
    p.setBrush(withAlpha(Palette::White, 240));
    p.drawRoundedRect(panel, 18, 18);
    return img;
}

QImage logo(int language)
{
    QImage img = blank(237, 76);
    QPainter p(&img);
    prepare(p);
    paintLanguageBadge(p, QRectF(6, 12, 72, 50), language);
    static const char* const names[] = {"", "Angielski", "Niemiecki", "Włoski", "Hiszpański", "Francuski"};
    centredText(p, QRectF(86, 8, 151, 34), QString::fromUtf8(names[language]), QStringLiteral("Lato"), 24, true, Palette::Navy);
    centredText(p, QRectF(86, 40, 151, 26), QStringLiteral("Zalpiony kurs"), QStringLiteral("Lato"), 15, false, Palette::Cyan);
    return img;
}

} // namespace

bool drawBackgrounds(const QString& gfxFolder, QString* error)
{
    QDir dir(gfxFolder);
    for (const char* sub : {"Loga", "Background_roz", "Background_slow", "Background_dial", "Background_ciek"}) {
        if (!dir.mkpath(QLatin1String(sub))) {
            *error = QStringLiteral("cannot create %1/%2").arg(gfxFolder, QLatin1String(sub));
            return false;
        }
    }
    struct Fixed {
        const char* name;
        QColor tint;
        int seed;
    };
    const Fixed fixed[] = {
        {"bg_rozumienie.png", Palette::Green, 21},  {"bg_wpisywanie.png", QColor(0x10, 0x9E, 0x9A), 22},
        {"bg_wpisywanie.bmp", QColor(0x10, 0x9E, 0x9A), 22}, {"bg_dialog.bmp", Palette::Cyan, 23},
        {"pisanie_tlumaczenie.png", QColor(0x10, 0x9E, 0x9A), 24}, {"new_prezentacja.png", QColor(0x8E, 0x5C, 0xD9), 25},
        {"krzyzowka_tlo.png", Palette::Orange, 26}, {"bg.png", Palette::Blue500, 27},
        {"bg_tw_1.png", Palette::Blue500, 28},       {"bg_tw_2.png", Palette::Navy700, 29},
    };
    for (const Fixed& f : fixed) {
        if (!save(dir.filePath(QLatin1String(f.name)), exerciseBackground(f.tint, f.seed), error))
            return false;
    }
    struct Folder {
        const char* name;
        QColor tint;
    };
    const Folder folders[] = {{"Background_roz", Palette::Green},
                              {"Background_slow", Palette::Blue500},
                              {"Background_dial", Palette::Cyan},
                              {"Background_ciek", Palette::Gold}};
    int seed = 40;
    for (const Folder& f : folders) {
        for (int k = 1; k <= 3; ++k) {
            const QString path = dir.filePath(QStringLiteral("%1/tlo%2.bmp").arg(QLatin1String(f.name)).arg(k));
            if (!save(path, exerciseBackground(f.tint, seed++), error))
                return false;
        }
    }
    if (!save(dir.filePath(QStringLiteral("wyborcwiczenia_tlo.png")), contentsBackground(), error)
        || !save(dir.filePath(QStringLiteral("start_bg.png")), menuBackground(), error))
        return false;
    for (int k = 1; k <= 5; ++k) {
        if (!save(dir.filePath(QStringLiteral("Loga/logo_%1.png").arg(k)), logo(k), error))
            return false;
    }
    return true;
}
