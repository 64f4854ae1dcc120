#include "DrawTextAA.h"
#include "SkinFonts.h"
#include "TestSupport.h"

#include <QFontInfo>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

TEST(SkinFonts, DesignedFamiliesResolveToTheirFreeSubstitutes)
{
    testsupport::app();
    const struct {
        const char* family;
        const char* substitute;
    } rows[] = {{"Tahoma", "Noto Sans"}, {"Verdana", "DejaVu Sans"}, {"Trebuchet MS", "Lato"}, {"Georgia", "Noto Serif"}};
    EXPECT_TRUE(RegisterSkinFonts().isEmpty()) << "a substitute font package is missing";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.family);
        EXPECT_EQ(QFontInfo(SkinFont(QLatin1String(row.family), 10)).family(), QLatin1String(row.substitute));
    }
}

TEST(SkinFonts, PointsAreMeasuredAt96DotsPerInch)
{
    testsupport::app();
    EXPECT_EQ(SkinFont(QStringLiteral("Tahoma"), 8).pixelSize(), 11);
    EXPECT_EQ(SkinFont(QStringLiteral("Tahoma"), 12).pixelSize(), 16);
    EXPECT_EQ(SkinFont(QStringLiteral("Trebuchet MS"), 18, true).pixelSize(), 24);
}

// Text is blended over what the canvas shows: the background stays around
// it, and the edges of the letters take colours between text and background.
TEST(DrawTextAA, BlendsTheTextOverTheCanvasWithSmoothEdges)
{
    testsupport::app();
    QImage image(200, 40, QImage::Format_RGB32);
    image.fill(QColor(0x20, 0x40, 0x80));
    QPainter p(&image);
    p.setFont(SkinFont(QStringLiteral("Tahoma"), 16, true));
    p.setPen(Qt::white);
    DrawTextAA(p, 10, 5, QStringLiteral("Zażółć"));
    p.end();
    int text = 0, partial = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == Qt::white)
                ++text;
            else if (c != QColor(0x20, 0x40, 0x80))
                (x < 10 || y < 5 ? outside : partial)++;
        }
    }
    EXPECT_GT(text, 20);
    EXPECT_GT(partial, 20) << "edges are anti-aliased";
    EXPECT_EQ(outside, 0) << "nothing is drawn above or left of the text's top left corner";
}

TEST(DrawTextAA, MeasuresWrappedTextByItsLines)
{
    testsupport::app();
    const QFont font = SkinFont(QStringLiteral("Verdana"), 10);
    const QFontMetrics m(font);
    const QRect one = MeasureTextAA(font, QRect(0, 0, 300, 0), Qt::AlignLeft, QStringLiteral("Jedna linia"));
    const QRect two = MeasureTextAA(font, QRect(0, 0, 300, 0), Qt::AlignLeft, QStringLiteral("Pierwsza\nDruga"));
    EXPECT_GE(one.height(), m.height());
    EXPECT_EQ(two.height(), 2 * one.height());
    EXPECT_EQ(MeasureTextAA(font, QRect(0, 0, 300, 0), Qt::AlignLeft, QString()).height(), 0);
}

} // namespace
