#include "PictureNames.h"
#include "TestSupport.h"

#include <QDir>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <cmath>

using testsupport::library;

namespace {

struct Tone {
    double lightness = 0;   // mean of the visible pixels, 0..255
    double saturation = 0;  // mean HSV saturation, 0..255
    double r = 0, g = 0, b = 0;
};

double distance(const Tone& a, const Tone& b)
{
    return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b));
}

Tone toneOf(const QImage& image)
{
    Tone t;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgba(image.pixel(x, y));
            if (c.alpha() < 200)
                continue;
            t.lightness += c.lightness();
            t.saturation += c.hsvSaturation();
            t.r += c.red();
            t.g += c.green();
            t.b += c.blue();
            ++n;
        }
    }
    if (n > 0) {
        t.lightness /= n;
        t.saturation /= n;
        t.r /= n;
        t.g /= n;
        t.b /= n;
    }
    return t;
}

TEST(ButtonPictures, HotPressedAndDisabledAreClearlyDifferent)
{
    for (int g : PictureNames::GrafikaIndexes()) {
        if (g == 6)
            continue;   // the glass set is mostly transparent; its states differ in the same way over a bar
        SCOPED_TRACE(g);
        auto tone = [&](const char* s) { return toneOf(library().picture(QStringLiteral("G05%1_9_%2").arg(QLatin1String(s)).arg(g))); };
        const Tone normal = tone("_N"), hot = tone("_H"), pressed = tone("_P"), disabled = tone("_D");
        EXPECT_GT(distance(hot, normal), 20) << "hot stands out";
        EXPECT_LT(pressed.lightness, normal.lightness - 4) << "pressed is darker";
        EXPECT_LT(disabled.saturation, 40) << "disabled is grey";
    }
}

TEST(ButtonPictures, NinePieceCornersAreSquareAndThreePieceEndsAsWideAsTheirCorners)
{
    for (int g : PictureNames::GrafikaIndexes()) {
        SCOPED_TRACE(g);
        const QSize corner = library().pictureSize(QStringLiteral("G01_N_9_%1").arg(g));
        EXPECT_EQ(corner.width(), corner.height());
        EXPECT_EQ(library().pictureSize(QStringLiteral("G09_P_9_%1").arg(g)), corner);
        const QSize end = library().pictureSize(QStringLiteral("G01_H_3_%1").arg(g));
        EXPECT_GE(end.height(), 2 * end.width());
    }
    EXPECT_EQ(library().pictureSize(QStringLiteral("BB01_H")).height(), 48) << "bar buttons are as tall as rozBelka";
}

TEST(TypeIcons, EveryExerciseTypeOfTheCourseHasItsOwnIcon)
{
    const int types[] = {2, 3, 4, 5, 7, 11, 14, 18, 26, 31, 41, 42, 44, 48, 51, 53, 54, 55, 56, 61, 62, 64, 68};
    const QImage generic = library().picture(QStringLiteral("Typ_1"));
    for (int a : types) {
        const QImage icon = library().picture(QStringLiteral("Typ_%1").arg(a));
        EXPECT_EQ(icon.size(), QSize(24, 24));
        EXPECT_NE(icon, generic) << a;
        for (int b : types) {
            if (b > a) {
                EXPECT_NE(icon, library().picture(QStringLiteral("Typ_%1").arg(b))) << a << " and " << b;
            }
        }
    }
    EXPECT_EQ(library().picture(QStringLiteral("Typ_4")), library().picture(QStringLiteral("Typ_33")))
        << "the two entry variants of gap typing share their icon";
}

TEST(PageTabs, ShowTheirNumber)
{
    for (int n = 1; n < PictureNames::PageTabCount(); ++n)
        EXPECT_NE(library().picture(QStringLiteral("TAB_ROZUM_N_%1").arg(n)),
                  library().picture(QStringLiteral("TAB_ROZUM_N_%1").arg(n + 1)));
}

TEST(Sounds, AreDistinctWaves)
{
    const QStringList names = PictureNames::Waves();
    for (int i = 0; i < names.size(); ++i) {
        const QByteArray a = library().wave(names[i]);
        EXPECT_EQ(a.left(4), QByteArray("RIFF")) << names[i].toStdString();
        for (int j = i + 1; j < names.size(); ++j)
            EXPECT_NE(a, library().wave(names[j]));
    }
}

struct BackgroundRow {
    const char* file;
    QSize size;
};

void PrintTo(const BackgroundRow& row, std::ostream* os)
{
    *os << row.file;
}

class Backgrounds : public ::testing::TestWithParam<BackgroundRow> {};

TEST_P(Backgrounds, AreInTheGfxFolderAtTheirSize)
{
    const QString path = QStringLiteral(KURS_PROGRAM_DIR "/Gfx/") + QLatin1String(GetParam().file);
    QImageReader reader(path);
    ASSERT_TRUE(reader.canRead()) << path.toStdString();
    EXPECT_EQ(reader.size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Backgrounds,
    ::testing::Values(BackgroundRow{"wyborcwiczenia_tlo.png", {1024, 718}}, BackgroundRow{"start_bg.png", {1024, 718}},
                      BackgroundRow{"bg_rozumienie.png", {1024, 718}}, BackgroundRow{"bg_wpisywanie.bmp", {1024, 718}},
                      BackgroundRow{"bg_wpisywanie.png", {1024, 718}}, BackgroundRow{"bg_dialog.bmp", {1024, 718}},
                      BackgroundRow{"pisanie_tlumaczenie.png", {1024, 718}}, BackgroundRow{"new_prezentacja.png", {1024, 718}},
                      BackgroundRow{"krzyzowka_tlo.png", {1024, 718}}, BackgroundRow{"bg.png", {1024, 718}},
                      BackgroundRow{"Loga/logo_1.png", {237, 76}}, BackgroundRow{"Loga/logo_5.png", {237, 76}}),
    [](const auto& info) {
        std::string name = info.param.file;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(Backgrounds, EveryRandomFolderHoldsBitmaps)
{
    for (const char* folder : {"Background_roz", "Background_slow", "Background_dial", "Background_ciek"}) {
        const QDir dir(QStringLiteral(KURS_PROGRAM_DIR "/Gfx/") + QLatin1String(folder));
        EXPECT_GE(dir.entryList({QStringLiteral("*.bmp")}, QDir::Files).size(), 2) << folder;
    }
}

} // namespace
