#include "TEdResButton.h"
#include "TestSupport.h"

#include <QSignalSpy>

#include <functional>

#include <gtest/gtest.h>

using testsupport::Drawn;
using testsupport::RecordingCanvas;

namespace {

QImage glyphOf(QColor c, QSize size = QSize(16, 12))
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(c);
    return image;
}

struct SizeRow {
    const char* name;
    TRozmiar rozmiar;
    QSize size;     // from a 120 x 22 button
    int c;
    int m;
};

void PrintTo(const SizeRow& row, std::ostream* os)
{
    *os << row.name;
}


class ButtonSizes : public ::testing::TestWithParam<SizeRow> {};

TEST_P(ButtonSizes, SizeStyleSetsTheSizeAndTheMeasures)
{
    testsupport::app();
    const SizeRow& row = GetParam();
    TEdResButton b;
    b.setRozmiar(row.rozmiar);
    EXPECT_EQ(b.size(), row.size);
    EXPECT_EQ(TEdResButton::MeasuresOf(row.rozmiar).c, row.c);
    EXPECT_EQ(TEdResButton::MeasuresOf(row.rozmiar).m, row.m);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ButtonSizes,
    ::testing::Values(SizeRow{"roz22", roz22, {120, 22}, 4, 14}, SizeRow{"roz32", roz32, {120, 32}, 4, 24},
                      SizeRow{"roz50", roz50, {120, 50}, 8, 34}, SizeRow{"roz64", roz64, {120, 64}, 8, 48},
                      SizeRow{"roz70", roz70, {120, 70}, 8, 54}, SizeRow{"WyborJezyka", rozWyborJezyka, {120, 70}, 8, 54},
                      SizeRow{"roz80", roz80, {120, 80}, 8, 64}, SizeRow{"roz100", roz100, {120, 100}, 8, 84},
                      SizeRow{"Belka", rozBelka, {120, 48}, 4, 40}, SizeRow{"NaviPrev", rozPaczkaNaviPrev, {32, 32}, 4, 40},
                      SizeRow{"NaviZawartosc", rozPaczkaNaviZawartosc, {32, 32}, 4, 40},
                      SizeRow{"PageTab", rozZakladka, {70, 50}, 0, 0}, SizeRow{"Undefined", rozUndefined, {120, 22}, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TEdResButton, TheBarSizeAlsoChoosesThreePieces)
{
    testsupport::app();
    TEdResButton b;
    b.setSkladowe(el9);
    b.setRozmiar(rozBelka);
    EXPECT_EQ(b.Skladowe(), el3);
}

TEST(TEdResButton, AutoSizeFitsAnUndefinedButtonToItsGlyph)
{
    testsupport::app();
    TEdResButton b;
    b.setRozmiar(rozUndefined);
    b.setGlyph(glyphOf(Qt::red, QSize(26, 14)));
    b.setAutoSize(true);
    EXPECT_EQ(b.size(), QSize(26, 14));
    TEdResButton sized;
    sized.setAutoSize(true);
    sized.setGlyph(glyphOf(Qt::red, QSize(26, 14)));
    EXPECT_EQ(sized.size(), QSize(120, 22)) << "only rozUndefined buttons follow their glyph";
}

// What the background of a button paints: state, size and composition
// choose the pictures and their places.
enum class Mouse { Normal, Hot, Pressed, Disabled };

struct PaintRow {
    const char* name;
    std::function<void(TEdResButton&)> setup;
    Mouse mouse;
    QList<Drawn> expected;   // every picture of the background, in order
};

void PrintTo(const PaintRow& row, std::ostream* os)
{
    *os << row.name;
}


void apply(TEdResButton& b, Mouse mouse)
{
    if (mouse == Mouse::Disabled)
        b.setEnabled(false);
    if (mouse == Mouse::Hot || mouse == Mouse::Pressed)
        testsupport::enter(&b);
    if (mouse == Mouse::Pressed)
        testsupport::press(&b, QPoint(2, 2));
}

QList<Drawn> nine(const QString& s, int g, int W, int c, int m)
{
    auto n = [&](int k) { return QStringLiteral("G%1%2_9_%3").arg(k, 2, 10, QLatin1Char('0')).arg(s).arg(g); };
    return {{Drawn::Stretched, n(1), QRect(0, 0, c, c)},         {Drawn::Stretched, n(2), QRect(c, 0, W - 2 * c, c)},
            {Drawn::Stretched, n(3), QRect(W - c, 0, c, c)},     {Drawn::Stretched, n(4), QRect(0, c, c, m)},
            {Drawn::Stretched, n(5), QRect(c, c, W - 2 * c, m)}, {Drawn::Stretched, n(6), QRect(W - c, c, c, m)},
            {Drawn::Stretched, n(7), QRect(0, c + m, c, c)},     {Drawn::Stretched, n(8), QRect(c, c + m, W - 2 * c, c)},
            {Drawn::Stretched, n(9), QRect(W - c, c + m, c, c)}};
}

QList<Drawn> three(const QString& s, int g, int W, int H, int c)
{
    auto n = [&](int k) { return QStringLiteral("G%1%2_3_%3").arg(k, 2, 10, QLatin1Char('0')).arg(s).arg(g); };
    return {{Drawn::Sliced, n(1), QRect(0, 0, c, H)}, {Drawn::Sliced, n(2), QRect(c, 0, W - 2 * c, H)},
            {Drawn::Sliced, n(3), QRect(W - c, 0, c, H)}};
}

QList<Drawn> bar(const QString& s, int W)
{
    return {{Drawn::Stretched, QStringLiteral("BB01") + s, QRect(0, 0, 4, 48)},
            {Drawn::Stretched, QStringLiteral("BB02") + s, QRect(4, 0, W - 8, 48)},
            {Drawn::Stretched, QStringLiteral("BB03") + s, QRect(W - 4, 0, 4, 48)}};
}

// A picture at its own size; the size is looked up when the test runs, not
// when the table is built (listing the tests needs no library).
Drawn at(const QString& name, QPoint p)
{
    return {Drawn::Picture, name, QRect(p, QSize())};
}

QList<Drawn> withSizes(QList<Drawn> list)
{
    for (Drawn& d : list) {
        if (d.kind == Drawn::Picture && d.rect.size().isEmpty())
            d.rect.setSize(testsupport::library().pictureSize(d.name));
    }
    return list;
}

class ButtonBackground : public ::testing::TestWithParam<PaintRow> {};

TEST_P(ButtonBackground, PaintsTheRightPiecesInTheRightPlaces)
{
    testsupport::app();
    const PaintRow& row = GetParam();
    TEdResButton b;
    b.setResourceLibrary(&testsupport::library());
    row.setup(b);
    apply(b, row.mouse);
    RecordingCanvas canvas;
    b.Paint(canvas);
    QList<Drawn> pictures;
    for (const Drawn& d : canvas.calls()) {
        if (d.kind != Drawn::Text)
            pictures << d;
    }
    EXPECT_EQ(pictures, withSizes(row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    States, ButtonBackground,
    ::testing::Values(
        // A roz50 nine-piece button 120 wide draws its middle over (8, 8)-(112, 42).
        PaintRow{"NinePiecesRoz50", [](TEdResButton& b) { b.setSkladowe(el9); b.setRozmiar(roz50); }, Mouse::Normal,
                 nine(QStringLiteral("_N"), 1, 120, 8, 34)},
        PaintRow{"NinePiecesHotSet2", [](TEdResButton& b) { b.setSkladowe(el9); b.setRozmiar(roz22); b.setGrafikaIndex(2); },
                 Mouse::Hot, nine(QStringLiteral("_H"), 2, 120, 4, 14)},
        PaintRow{"NinePiecesPressed", [](TEdResButton& b) { b.setSkladowe(el9); b.setRozmiar(roz32); }, Mouse::Pressed,
                 nine(QStringLiteral("_P"), 1, 120, 4, 24)},
        PaintRow{"NinePiecesDisabled", [](TEdResButton& b) { b.setSkladowe(el9); b.setRozmiar(roz64); }, Mouse::Disabled,
                 nine(QStringLiteral("_D"), 1, 120, 8, 48)},
        PaintRow{"FlatNinePiecesNormalShowNothing",
                 [](TEdResButton& b) { b.setSkladowe(el9); b.setRozmiar(roz50); b.setFlat(true); }, Mouse::Normal, {}},
        PaintRow{"FlatNinePiecesShowHotPictures",
                 [](TEdResButton& b) { b.setSkladowe(el9); b.setRozmiar(roz50); b.setFlat(true); }, Mouse::Hot,
                 nine(QStringLiteral("_H"), 1, 120, 8, 34)},
        PaintRow{"FlatNinePiecesStillShowDisabled",
                 [](TEdResButton& b) { b.setSkladowe(el9); b.setRozmiar(roz50); b.setFlat(true); }, Mouse::Disabled,
                 nine(QStringLiteral("_D"), 1, 120, 8, 34)},
        PaintRow{"DownForcesPressedPictures", [](TEdResButton& b) { b.setSkladowe(el9); b.setRozmiar(roz50); b.setDown(true); },
                 Mouse::Normal, nine(QStringLiteral("_P"), 1, 120, 8, 34)},
        PaintRow{"ThreePiecesRoz32", [](TEdResButton& b) { b.setRozmiar(roz32); b.resize(100, 32); }, Mouse::Normal,
                 three(QStringLiteral("_N"), 1, 100, 32, 4)},
        PaintRow{"FlatThreePiecesDisabledShowNothing",
                 [](TEdResButton& b) { b.setRozmiar(roz70); b.setFlat(true); }, Mouse::Disabled, {}},
        PaintRow{"BarButtonNormalShowsNothingEvenWhenNotFlat", [](TEdResButton& b) { b.setRozmiar(rozBelka); },
                 Mouse::Normal, {}},
        PaintRow{"BarButtonHot", [](TEdResButton& b) { b.setRozmiar(rozBelka); b.resize(105, 48); }, Mouse::Hot,
                 bar(QStringLiteral("_H"), 105)},
        PaintRow{"BarButtonDisabled", [](TEdResButton& b) { b.setRozmiar(rozBelka); }, Mouse::Disabled,
                 bar(QStringLiteral("_D"), 120)},
        PaintRow{"NavigationPrevious", [](TEdResButton& b) { b.setRozmiar(rozPaczkaNaviPrev); }, Mouse::Normal,
                 {at(QStringLiteral("PACZKA_NAVI_PREV_N"), {0, 0})}},
        PaintRow{"NavigationNextDisabled", [](TEdResButton& b) { b.setRozmiar(rozPaczkaNaviNext); }, Mouse::Disabled,
                 {at(QStringLiteral("PACZKA_NAVI_NEXT_D"), {0, 0})}},
        PaintRow{"NavigationContentsPressed", [](TEdResButton& b) { b.setRozmiar(rozPaczkaNaviZawartosc); }, Mouse::Pressed,
                 {at(QStringLiteral("PACZKA_NAVI_ZAWARTOSC_P"), {0, 0})}},
        PaintRow{"PageTab3", [](TEdResButton& b) { b.setRozmiar(rozZakladka); b.setTag(3); }, Mouse::Normal,
                 {at(QStringLiteral("TAB_ROZUM_N_3"), {0, 0})}},
        PaintRow{"PageTab3UnderTheMouse", [](TEdResButton& b) { b.setRozmiar(rozZakladka); b.setTag(3); }, Mouse::Hot,
                 {at(QStringLiteral("TAB_ROZUM_H_3"), {0, 0})}},
        PaintRow{"PageTab3Disabled", [](TEdResButton& b) { b.setRozmiar(rozZakladka); b.setTag(3); }, Mouse::Disabled,
                 {at(QStringLiteral("TAB_ROZUM_D_3"), {0, 0})}},
        PaintRow{"LanguageChoiceWithArrow", [](TEdResButton& b) { b.setRozmiar(rozWyborJezyka); b.resize(240, 70); },
                 Mouse::Hot, three(QStringLiteral("_H"), 1, 240, 70, 8) << at(QStringLiteral("BLUE_ARROW"), {200, 0})},
        PaintRow{"FlatLanguageChoiceNormalShowsNothing",
                 [](TEdResButton& b) { b.setRozmiar(rozWyborJezyka); b.setFlat(true); }, Mouse::Normal, {}},
        PaintRow{"UndefinedSizeStretchesTheThreePieces", [](TEdResButton& b) { b.setRozmiar(rozUndefined); }, Mouse::Hot,
                 three(QStringLiteral("_H"), 1, 120, 22, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

// The glyph follows the state; a missing state glyph falls back to Glyph.
TEST(TEdResButton, ChoosesTheGlyphOfTheState)
{
    testsupport::app();
    const QImage normal = glyphOf(Qt::red), hot = glyphOf(Qt::green), down = glyphOf(Qt::blue), off = glyphOf(Qt::gray);
    const struct {
        const char* name;
        Mouse mouse;
        bool setStateGlyphs;
        bool down;
        QImage expected;
    } rows[] = {
        {"normal", Mouse::Normal, true, false, normal},
        {"hot", Mouse::Hot, true, false, hot},
        {"pressed", Mouse::Pressed, true, false, down},
        {"disabled", Mouse::Disabled, true, false, off},
        {"hot without a hot glyph", Mouse::Hot, false, false, normal},
        {"disabled without a disabled glyph", Mouse::Disabled, false, false, normal},
        {"hot while held down keeps the glyph", Mouse::Hot, true, true, normal},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TEdResButton b;
        b.setGlyph(normal);
        if (row.setStateGlyphs) {
            b.setGlyphHot(hot);
            b.setGlyphDown(down);
            b.setGlyphDisabled(off);
        }
        b.setDown(row.down);
        apply(b, row.mouse);
        EXPECT_EQ(b.currentGlyph(), row.expected);
    }
}

TEST(TEdResButton, LaysOutGlyphAndCaptionByAlignment)
{
    testsupport::app();
    TEdResButton b;
    b.resize(200, 50);
    b.setCaption(QStringLiteral("Sprawdź"));
    b.setKorektaCaptionY(2);
    const QImage glyph = glyphOf(Qt::red, QSize(20, 16));
    const QFontMetrics m(b.font());
    const int tw = m.horizontalAdvance(b.Caption());
    const int ty = 25 - m.height() / 2 + 2;
    const int gw = 24;

    b.setAlignment(taCenter);
    const int X = 100 + gw / 2 - tw / 2;
    EXPECT_EQ(b.layout(glyph).glyph, QPoint(X - gw, 25 - 8));
    EXPECT_EQ(b.layout(glyph).caption, QPoint(X, ty));

    b.setAlignment(taLeftJustify);
    b.setSpacing(6);
    b.setKorektaCaption(3);
    EXPECT_EQ(b.layout(glyph).glyph, QPoint(6, 17));
    EXPECT_EQ(b.layout(glyph).caption, QPoint(gw + 6 + 3, ty));

    b.setAlignment(taLeftFixed);
    b.setFixedGlyphX(11);
    b.setFixedTekstX(47);
    EXPECT_EQ(b.layout(glyph).glyph, QPoint(11, 17));
    EXPECT_EQ(b.layout(glyph).caption, QPoint(47, ty));

    b.setAlignment(taCenter);
    b.setShowCaption(false);
    EXPECT_EQ(b.layout(glyph).glyph, QPoint(90, 17)) << "without a caption the glyph alone is centred";
}

TEST(TEdResButton, ADisabledCaptionIsGrey)
{
    testsupport::app();
    TEdResButton b;
    b.setRozmiar(roz50);
    b.setResourceLibrary(&testsupport::library());
    b.setEnabled(false);
    RecordingCanvas canvas;
    b.Paint(canvas);
    ASSERT_EQ(canvas.count(QStringLiteral("EdResButton")), 1);
    EXPECT_EQ(canvas.find(QStringLiteral("EdResButton")).color, QColor(0xC0, 0xC0, 0xC0));
}

TEST(TEdResButton, MouseMovesThroughHotPressedAndBack)
{
    testsupport::app();
    TEdResButton b;
    QSignalSpy clicks(&b, &TEdResButton::clicked);
    testsupport::enter(&b);
    EXPECT_EQ(b.mouseState(), TEdResButton::MouseState::Hot);
    testsupport::press(&b, QPoint(5, 5));
    EXPECT_EQ(b.mouseState(), TEdResButton::MouseState::Pressed);
    testsupport::release(&b, QPoint(5, 5));
    EXPECT_EQ(b.mouseState(), TEdResButton::MouseState::Hot);
    EXPECT_EQ(clicks.count(), 1);

    testsupport::press(&b, QPoint(5, 5));
    testsupport::release(&b, QPoint(500, 5));
    EXPECT_EQ(b.mouseState(), TEdResButton::MouseState::Normal) << "released outside";
    EXPECT_EQ(clicks.count(), 1) << "no click when released outside";

    testsupport::enter(&b);
    testsupport::leave(&b);
    EXPECT_EQ(b.mouseState(), TEdResButton::MouseState::Normal);
}

TEST(TEdResButton, WithoutALibraryPaintsOnlyAnOutlineAndItsCaption)
{
    testsupport::app();
    TEdResButton b;
    b.setRozmiar(roz50);
    b.setCaption(QString());
    QImage image(b.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    b.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(image.pixelColor(60, 25), QColor(Qt::white));
}

} // namespace
