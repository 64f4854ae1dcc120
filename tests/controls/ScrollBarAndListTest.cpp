#include "TEdListBox.h"
#include "TWOwnrScrllBar.h"
#include "TestSupport.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// The contents window's bar: 21 x 552, buttons of 18, range from 0.
class ScrollBar : public ::testing::Test, protected testsupport::AppFirst {
protected:
    void SetUp() override
    {
        testsupport::app();
        bar.resize(21, 552);
        bar.setDrawStyle(TWOwnrScrllBar::osbOwnerDraw);
        bar.setCtrl3D(false);
        bar.setMin(0);
        bar.setMax(600);
        bar.setLargeChange(100);
        bar.setSmallChange(1);
        bar.setPosition(0);
    }
    int thumbTop() const { return bar.thumbRect().top(); }
    TWOwnrScrllBar bar;
};

TEST_F(ScrollBar, PlacesTheThumbAlongItsTravel)
{
    const int t = 552 - 2 * 18 - 18 - 1;
    EXPECT_EQ(bar.travel(), t);
    const struct {
        int position;
        int top;
    } rows[] = {{0, 19}, {600, 19 + t}, {300, 19 + 248}, {1, 19 + 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.position);
        bar.setPosition(row.position);
        EXPECT_EQ(thumbTop(), row.top);
        EXPECT_EQ(bar.thumbRect().height(), 18);
        EXPECT_EQ(bar.thumbRect().left(), 1);
        EXPECT_EQ(bar.thumbRect().right(), 21 - 2);
    }
}

struct PressRow {
    const char* name;
    int start;
    int y;            // where the press lands: negative counts from the bottom
    bool belowThumb;  // a press on the track just below the thumb
    int expected;
    int lastChange;
};

void PrintTo(const PressRow& row, std::ostream* os)
{
    *os << row.name;
}


class ScrollBarPress : public ScrollBar, public ::testing::WithParamInterface<PressRow> {};

TEST_P(ScrollBarPress, StepsByTheRightAmount)
{
    const PressRow& row = GetParam();
    bar.setPosition(row.start);
    int y = row.y < 0 ? 552 + row.y : row.y;
    if (row.belowThumb)
        y = bar.thumbRect().bottom() + 5;
    QSignalSpy changes(&bar, &TWOwnrScrllBar::changed);
    bar.pressAt(QPoint(10, y));
    bar.release();
    EXPECT_EQ(bar.Position(), row.expected);
    EXPECT_EQ(bar.LastChange(), row.lastChange);
    EXPECT_EQ(changes.count(), row.expected == row.start ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, ScrollBarPress,
    ::testing::Values(PressRow{"UpButton", 10, 5, false, 9, -1}, PressRow{"UpButtonAtMin", 0, 5, false, 0, -1},
                      PressRow{"DownButton", 10, -5, false, 11, 1}, PressRow{"DownButtonAtMax", 600, -5, false, 600, 1},
                      PressRow{"TrackAboveThumb", 300, 25, false, 200, -1},
                      PressRow{"TrackAboveThumbNearMinDoesNothing", 50, 25, false, 50, -1},
                      PressRow{"TrackBelowThumbAt550DoesNothing", 550, 0, true, 550, 1},
                      PressRow{"TrackBelowThumbAt500ReachesMax", 500, 0, true, 600, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScrollBar, DraggingTheThumbFollowsTheMouse)
{
    bar.setPosition(120);
    const int grip = thumbTop() + 5;
    bar.pressAt(QPoint(10, grip));
    ASSERT_TRUE(bar.isDragging());
    bar.dragTo(QPoint(10, grip));
    EXPECT_EQ(bar.Position(), 120) << "a drag that has not moved keeps the position";
    bar.dragTo(QPoint(10, 18 + 1 + 5 + bar.travel()));
    EXPECT_EQ(bar.Position(), 600);
    EXPECT_EQ(bar.LastChange(), 1);
    bar.dragTo(QPoint(10, 18 + 1 + 5 + 124));
    EXPECT_EQ(bar.Position(), 150) << "124 of 497 pixels";
    EXPECT_EQ(bar.LastChange(), -1);
    bar.dragTo(QPoint(10, 18 + 1 + 5 + bar.travel() * 2));
    EXPECT_EQ(bar.Position(), 150) << "beyond the end is ignored";
    bar.release();
    EXPECT_FALSE(bar.isDragging());
    bar.dragTo(QPoint(10, 100));
    EXPECT_EQ(bar.Position(), 150) << "no drag after the release";
}

TEST_F(ScrollBar, APressOffTheThumbDoesNotDragIt)
{
    bar.setPosition(300);
    bar.pressAt(QPoint(10, 5));
    bar.dragTo(QPoint(10, 7));
    EXPECT_EQ(bar.Position(), 299);
}

TEST_F(ScrollBar, IgnoresPositionsOutsideTheRange)
{
    bar.setPosition(601);
    bar.setPosition(-1);
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(ScrollBar, AnEmptyRangeKeepsTheThumbAtTheStart)
{
    bar.setMax(0);
    bar.setPosition(0);
    EXPECT_EQ(thumbTop(), 19);
    bar.pressAt(QPoint(10, thumbTop() + 2));
    bar.dragTo(QPoint(10, 300));
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(ScrollBar, AutoSizedThumbShrinksWithTheRange)
{
    bar.setAutoSizeTrack(true);
    bar.setMinTrackSize(6);
    EXPECT_EQ(bar.TrackHeight(), 6) << "a long range leaves the smallest thumb";
    bar.setMax(100);
    EXPECT_EQ(bar.TrackHeight(), 552 - 36 - 1 - 100);
}

TEST_F(ScrollBar, HandCursorOverButtonsAndThumb)
{
    EXPECT_TRUE(bar.handCursorAt(QPoint(10, 3)));
    EXPECT_TRUE(bar.handCursorAt(QPoint(10, 550)));
    EXPECT_TRUE(bar.handCursorAt(QPoint(10, thumbTop() + 3)));
    EXPECT_FALSE(bar.handCursorAt(QPoint(10, 300)));
}

TEST_F(ScrollBar, OwnerDrawPaintsThePicturesOverTheBackground)
{
    QImage background(21, 552, QImage::Format_ARGB32_Premultiplied);
    background.fill(QColor(0x12, 0x34, 0x56));
    bar.setIMG_BKG(background);
    bar.UseLibraryPictures(testsupport::library());
    bar.setPosition(300);
    QImage image(bar.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    bar.Paint(p);
    p.end();
    EXPECT_EQ(image.pixelColor(0, 300), QColor(0x12, 0x34, 0x56)) << "the window's background shows beside the track";
    EXPECT_NE(image.pixelColor(10, bar.thumbRect().center().y()), QColor(0x12, 0x34, 0x56)) << "the thumb is drawn";
    EXPECT_NE(image.pixelColor(10, 9), QColor(0x12, 0x34, 0x56)) << "the up button is drawn";
}

TEST(TEdListBox, HasNoScrollBarsAndReportsTheScrollRange)
{
    testsupport::app();
    TEdListBox list;
    list.resize(798, 552);
    list.setItemHeight(24);
    EXPECT_EQ(list.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(list.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(list.focusPolicy(), Qt::NoFocus);
    const struct {
        int rows;
        bool visible;
        int max;
    } rows[] = {{10, false, 0}, {23, false, 0}, {24, true, 1}, {40, true, 17}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rows);
        list.clear();
        for (int i = 0; i < row.rows; ++i)
            list.addItem(QStringLiteral("%1=0=Lekcja").arg(i));
        EXPECT_EQ(list.visibleRows(), 23);
        EXPECT_EQ(list.ScrollBarVisible(), row.visible);
        EXPECT_EQ(list.ScrollBarMax(), row.max);
    }
    list.setTopIndex(5);
    EXPECT_EQ(list.TopIndex(), 5);
}

TEST(TEdListBox, OwnerDrawnRowsGetTheirRectangles)
{
    testsupport::app();
    TEdListBox list;
    list.resize(200, 100);
    list.setItemHeight(24);
    for (int i = 0; i < 3; ++i)
        list.addItem(QString::number(i));
    QList<QRect> drawn;
    list.OnDrawItem = [&](QPainter&, const QRect& r, int row, bool) {
        if (row >= drawn.size())
            drawn.resize(row + 1);
        drawn[row] = r;
    };
    list.grab();
    ASSERT_EQ(drawn.size(), 3);
    EXPECT_EQ(drawn[1], QRect(0, 24, 200, 24));
}

} // namespace
