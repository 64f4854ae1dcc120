#include "SkinFonts.h"
#include "TEdDialogWindow.h"
#include "TEdMsgBoxWindow.h"
#include "TestSupport.h"

#include <QFontMetrics>
#include <QWidget>

#include <gtest/gtest.h>

using testsupport::Drawn;
using testsupport::RecordingCanvas;

namespace {

class DialogFrame : public ::testing::Test, protected testsupport::AppFirst {
protected:
    void SetUp() override
    {
        testsupport::app();
        window.resize(423, 190);
        window.move(100, 100);
        frame = new TEdMsgBoxWindow(&window);
        frame->setResourceLibrary(&testsupport::library());
        frame->setCaption(QStringLiteral("Uwaga"));
    }
    QWidget window;
    TEdMsgBoxWindow* frame = nullptr;
};

TEST_F(DialogFrame, FillsItsWindow)
{
    EXPECT_EQ(frame->geometry(), QRect(0, 0, 423, 190));
}

TEST_F(DialogFrame, LaysOutNinePiecesAroundTheMeasuredCorners)
{
    const ResourceLibrary& lib = testsupport::library();
    const QSize c1 = lib.corner(ResourceLibrary::DIAL01), c3 = lib.corner(ResourceLibrary::DIAL03);
    const QSize c7 = lib.corner(ResourceLibrary::DIAL07), c9 = lib.corner(ResourceLibrary::DIAL09);
    const int W = 423, H = 190;
    RecordingCanvas canvas;
    frame->Paint(canvas);
    auto span = [](int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); };
    const QList<Drawn> expected = {
        {Drawn::Picture, QStringLiteral("DIAL01_B"), QRect(QPoint(0, 0), c1)},
        {Drawn::Stretched, QStringLiteral("DIAL02_B"), span(c1.width(), 0, W - c3.width(), c1.height())},
        {Drawn::Picture, QStringLiteral("DIAL03_B"), QRect(QPoint(W - c3.width(), 0), c3)},
        {Drawn::Stretched, QStringLiteral("DIAL04_B"), span(0, c1.height(), c1.width(), H - c7.height())},
        {Drawn::Stretched, QStringLiteral("DIAL05_B"), span(c1.width(), c1.height(), W - c3.width(), H - c7.height())},
        {Drawn::Stretched, QStringLiteral("DIAL06_B"), span(W - c3.width(), c3.height(), W, H - c7.height())},
        {Drawn::Picture, QStringLiteral("DIAL07_B"), QRect(QPoint(0, H - c7.height()), c7)},
        {Drawn::Stretched, QStringLiteral("DIAL08_B"), span(c7.width(), H - c7.height(), W - c9.width(), H)},
        {Drawn::Picture, QStringLiteral("DIAL09_B"), QRect(QPoint(W - c9.width(), H - c9.height()), c9)},
        {Drawn::Stretched, QStringLiteral("DIAL_BELKA_B"), span(c1.width(), c1.height(), W - c3.width(), c1.height() + 39)},
    };
    ASSERT_GE(canvas.calls().size(), expected.size());
    EXPECT_EQ(canvas.calls().mid(0, expected.size()), expected);
}

TEST_F(DialogFrame, CaptionAndIconFollowTheBandSizeAndStyle)
{
    const struct {
        const char* name;
        TBelkaSize size;
        TDialogStyle style;
        int points;
        QColor color;
        QPoint icon;
    } rows[] = {{"blue bs40", bs40, dsBlue, 12, QColor(0x02, 0xAD, 0xE4), QPoint(11, 58)},
                {"white bs60", bs60, dsWhite, 18, QColor(0x4F, 0x4F, 0x4F), QPoint(25, 85)}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        frame->setBelkaSize(row.size);
        frame->setDialogStyle(row.style);
        frame->setIcon(icoExclamation);
        RecordingCanvas canvas;
        frame->Paint(canvas);
        const int L = row.size == bs60 ? 59 : 39;
        const int h = QFontMetrics(SkinFont(QStringLiteral("Tahoma"), row.points)).height();
        const int w1 = testsupport::library().corner(ResourceLibrary::DIAL01).width();
        const Drawn caption = canvas.find(QStringLiteral("Uwaga"));
        EXPECT_EQ(caption.rect.topLeft(), QPoint(w1 + 17, L / 2 - h / 2));
        EXPECT_EQ(caption.color, row.color);
        EXPECT_EQ(canvas.find(QStringLiteral("MSG_ICON_EXCLAMATION")).rect.topLeft(), row.icon);
        EXPECT_TRUE(canvas.pictureNames().contains(row.style == dsWhite ? QStringLiteral("DIAL05_W") : QStringLiteral("DIAL05_B")));
    }
}

TEST_F(DialogFrame, ATitleIconMovesTheCaptionRight)
{
    frame->setIconIndex(2);
    RecordingCanvas canvas;
    frame->Paint(canvas);
    const int w1 = testsupport::library().corner(ResourceLibrary::DIAL01).width();
    const QSize icon = testsupport::library().pictureSize(QStringLiteral("DIAL_ICO_2"));
    const int h1 = testsupport::library().corner(ResourceLibrary::DIAL01).height();
    EXPECT_EQ(canvas.find(QStringLiteral("DIAL_ICO_2")).rect.topLeft(), QPoint(w1 + 17, h1 + (39 - icon.height()) / 2));
    EXPECT_EQ(canvas.find(QStringLiteral("Uwaga")).rect.x(), w1 + 17 + icon.width() + 14);
}

TEST_F(DialogFrame, EachMessageKindHasItsIcon)
{
    const struct {
        TIconType icon;
        const char* picture;
    } rows[] = {{icoError, "MSG_ICON_ERROR"}, {icoQuestion, "MSG_ICON_QUESTION"},
                {icoInformation, "MSG_ICON_INFORMATION"}, {icoExclamation, "MSG_ICON_EXCLAMATION"}};
    for (const auto& row : rows)
        EXPECT_EQ(TEdMsgBoxWindow::IconPictureName(row.icon), QLatin1String(row.picture));
}

TEST_F(DialogFrame, DraggingTheTitleBandMovesTheWindow)
{
    const struct {
        const char* name;
        TBelkaSize size;
        bool allow;
        QPoint press;
        QPoint expectedMove;
    } rows[] = {
        {"inside the 40-pixel band", bs40, true, QPoint(200, 20), QPoint(30, 12)},
        {"below the 40-pixel band", bs40, true, QPoint(200, 45), QPoint(0, 0)},
        {"inside the 60-pixel band", bs60, true, QPoint(200, 55), QPoint(30, 12)},
        {"moving not allowed", bs40, false, QPoint(200, 20), QPoint(0, 0)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        window.move(100, 100);
        frame->setBelkaSize(row.size);
        frame->setAllowMoveWindow(row.allow);
        testsupport::press(frame, row.press);
        testsupport::move(frame, row.press + QPoint(30, 12), Qt::LeftButton);
        testsupport::release(frame, row.press + QPoint(30, 12));
        EXPECT_EQ(window.pos(), QPoint(100, 100) + row.expectedMove);
        EXPECT_FALSE(frame->isDragging());
    }
}

} // namespace
