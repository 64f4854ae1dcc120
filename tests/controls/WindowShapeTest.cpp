#include "TEdDialogWindow.h"
#include "TestSupport.h"
#include "WindowShape.h"

#include <QCoreApplication>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(WindowShape, KeepsThePixelsThatAreAtLeastHalfOpaque)
{
    QImage image(4, 2, QImage::Format_ARGB32);
    const QRgb row0[] = {qRgba(0, 0, 0, 0), qRgba(9, 9, 9, 127), qRgba(9, 9, 9, 128), qRgba(9, 9, 9, 255)};
    const QRgb row1[] = {qRgba(9, 9, 9, 255), qRgba(0, 0, 0, 0), qRgba(9, 9, 9, 255), qRgba(0, 0, 0, 0)};
    for (int x = 0; x < 4; ++x) {
        image.setPixel(x, 0, row0[x]);
        image.setPixel(x, 1, row1[x]);
    }
    QRegion expected = QRegion(2, 0, 2, 1) + QRegion(0, 1, 1, 1) + QRegion(2, 1, 1, 1);
    EXPECT_EQ(OpaqueRegion(image), expected);
}

TEST(WindowShape, ASkinnedDialogIsCutToItsRoundedFrame)
{
    testsupport::app();
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setAttribute(Qt::WA_TranslucentBackground);
    window.resize(300, 200);
    auto* frame = new TEdDialogWindow(&window);
    frame->setResourceLibrary(&testsupport::library());
    frame->setGeometry(window.rect());
    ShapeWindowToItsFrame(&window);
    window.show();
    const QRegion mask = window.mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0))) << "the transparent corner is cut away";
    EXPECT_FALSE(mask.contains(QPoint(299, 199)));
    EXPECT_TRUE(mask.contains(QPoint(150, 100)));
    EXPECT_TRUE(mask.contains(QPoint(150, 0))) << "the frame's top edge stays";

    window.resize(400, 250);
    frame->setGeometry(window.rect());
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.mask().contains(QPoint(350, 200))) << "a resized window is cut again";
}

} // namespace
