#include "TEZLine.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The matching-pairs screen's line: width 3, anti-aliased, copy mode, solid.
class PairsLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        image = QImage(60, 40, QImage::Format_RGB32);
        image.fill(QColor(0xFF, 0xFF, 0xFF));
        line.SetLine(QColor(0x02, 0xAD, 0xE4), true, TEZLine::pmCopy, TEZLine::psSolid, false, 0, 1.0, 3.0);
    }
    QImage image;
    TEZLine line;
};

TEST(TEZLine, CoverageFadesBetweenOneAndTwoAndAHalfPixels)
{
    const struct {
        double distance;
        int coverage;
    } rows[] = {{0.0, 255}, {1.0, 255}, {1.25, static_cast<int>(std::floor(255 * std::pow(std::sin(1.25), 2)))},
                {1.5, static_cast<int>(std::floor(255 * std::pow(std::sin(1.0), 2)))}, {2.0, static_cast<int>(std::floor(255 * std::pow(std::sin(0.5), 2)))},
                {2.5, 0}, {2.6, 0}, {10.0, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.distance);
        EXPECT_EQ(TEZLine::Coverage(3.0, row.distance), row.coverage);
    }
    EXPECT_EQ(TEZLine::Margin(3.0), 3) << "the box around the segment is widened by 3 pixels";
}

TEST_F(PairsLine, PixelsNearTheSegmentTakeTheLineColour)
{
    line.DrawLine(10, 20, 50, 20, image);
    EXPECT_EQ(image.pixelColor(30, 20), QColor(0x02, 0xAD, 0xE4));
    EXPECT_EQ(image.pixelColor(30, 21), QColor(0x02, 0xAD, 0xE4)) << "one pixel away";
    const QColor fading = image.pixelColor(30, 22);
    EXPECT_NE(fading, QColor(0x02, 0xAD, 0xE4));
    EXPECT_NE(fading, QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(30, 23), QColor(Qt::white)) << "three pixels away";
    EXPECT_EQ(image.pixelColor(9, 20), QColor(0x02, 0xAD, 0xE4)) << "one pixel past the end";
    EXPECT_EQ(image.pixelColor(5, 20), QColor(Qt::white)) << "round ends reach 2.5 pixels past the end";
}

TEST_F(PairsLine, OpacityWeakensTheBlend)
{
    line.SetLine(QColor(0, 0, 0), true, TEZLine::pmCopy, TEZLine::psSolid, false, 0, 0.5, 3.0);
    line.DrawLine(10, 20, 50, 20, image);
    const int grey = image.pixelColor(30, 20).red();
    EXPECT_NEAR(grey, 128, 1);
}

TEST_F(PairsLine, DrawsNothingWhenBothEndsLieBeyondOneEdge)
{
    const QImage before = image;
    line.DrawLine(-20, 5, -10, 35, image);
    line.DrawLine(70, 5, 90, 35, image);
    line.DrawLine(5, -30, 55, -10, image);
    EXPECT_EQ(image, before);
    line.DrawLine(-20, 20, 80, 20, image);
    EXPECT_NE(image, before) << "a line across the bitmap is drawn";
}

TEST_F(PairsLine, AHairlineThinnerThanAHundredthIsNotDrawn)
{
    const QImage before = image;
    line.SetLine(Qt::black, true, TEZLine::pmCopy, TEZLine::psSolid, false, 0, 1.0, 0.005);
    line.DrawLine(10, 20, 50, 20, image);
    EXPECT_EQ(image, before);
}

TEST_F(PairsLine, WithoutAntiAliasingItIsAnOrdinaryPenLine)
{
    line.SetLine(Qt::black, false, TEZLine::pmCopy, TEZLine::psSolid, false, 0, 1.0, 1.7);
    line.DrawLine(10, 20, 50, 20, image);
    EXPECT_EQ(image.pixelColor(30, 20), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(30, 22), QColor(Qt::white)) << "width 1.7 draws one pixel";
}

TEST_F(PairsLine, ADashedLineLeavesGaps)
{
    line.SetLine(Qt::black, true, TEZLine::pmCopy, TEZLine::psDash, false, 0, 1.0, 2.0);
    line.DrawLine(0, 20, 60, 20, image);
    int inked = 0, clear = 0;
    for (int x = 3; x < 57; ++x)
        (image.pixelColor(x, 20) == QColor(Qt::white) ? clear : inked)++;
    EXPECT_GT(inked, 20);
    EXPECT_GT(clear, 5);
}

} // namespace
