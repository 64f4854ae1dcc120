#include "TAALabel.h"
#include "TEDCheckBox.h"
#include "TEdGroupFrame.h"
#include "TestSupport.h"

#include <QFontMetrics>
#include <QSignalSpy>
#include <QWidget>

#include <gtest/gtest.h>

using testsupport::Drawn;
using testsupport::RecordingCanvas;

namespace {

QImage picture(QSize size, QColor c)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(c);
    return image;
}

class CheckBoxes : public ::testing::Test, protected testsupport::AppFirst {
protected:
    TEDCheckBox* add(int group)
    {
        auto* box = new TEDCheckBox(&parent);
        box->setGfxChecked(picture({20, 22}, Qt::green));
        box->setGfxUnChecked(picture({20, 22}, Qt::white));
        box->setGfxHotChecked(picture({20, 22}, Qt::darkGreen));
        box->setGfxHotUnChecked(picture({20, 22}, Qt::gray));
        box->setRadioStyle(true);
        box->setRadioGroup(group);
        box->setChecked(false);
        return box;
    }
    void SetUp() override { testsupport::app(); }
    QWidget parent;
};

TEST_F(CheckBoxes, ARadioBoxClearsItsGroupOnly)
{
    TEDCheckBox* a = add(1);
    TEDCheckBox* b = add(1);
    TEDCheckBox* other = add(2);
    a->setChecked(true);
    other->setChecked(true);
    b->Click();
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(other->Checked()) << "another group keeps its choice";
}

TEST_F(CheckBoxes, ACheckedRadioBoxClickedStaysChecked)
{
    TEDCheckBox* a = add(1);
    a->setChecked(true);
    QSignalSpy clicks(a, &TEDCheckBox::clicked);
    testsupport::release(a, QPoint(3, 3));
    EXPECT_TRUE(a->Checked());
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(CheckBoxes, APlainBoxToggles)
{
    TEDCheckBox* box = add(0);
    box->setRadioStyle(false);
    box->Click();
    EXPECT_TRUE(box->Checked());
    box->Click();
    EXPECT_FALSE(box->Checked());
}

TEST_F(CheckBoxes, PicturesSetTheHeightAndCaptionTheWidth)
{
    TEDCheckBox* box = add(0);
    box->setSpacing(6);
    box->setKorekta(3);
    box->setCaption(QStringLiteral("Kobieta"));
    EXPECT_EQ(box->height(), 22);
    EXPECT_EQ(box->width(), QFontMetrics(box->font()).horizontalAdvance(QStringLiteral("Kobieta")) + 20 + 6 + 3);
}

TEST_F(CheckBoxes, TheHotPictureShowsWhileTheMouseIsInside)
{
    TEDCheckBox* box = add(0);
    box->setChecked(true);
    EXPECT_EQ(box->currentPicture(), box->GfxChecked());
    testsupport::enter(box);
    EXPECT_EQ(box->currentPicture(), box->GfxHotChecked());
    testsupport::leave(box);
    box->setChecked(false);
    EXPECT_EQ(box->currentPicture(), box->GfxUnChecked());
}

TEST(TAALabel, AutoSizeFitsTheText)
{
    testsupport::app();
    TAALabel label;
    label.setExtraWidth(7);
    label.setAutoSize(true);
    label.setCaption(QStringLiteral("Spis treści"));
    const QFontMetrics m(label.font());
    EXPECT_EQ(label.size(), QSize(m.horizontalAdvance(QStringLiteral("Spis treści")) + 7, m.height()));
    label.setWordWrap(true);
    label.resize(60, 10);
    label.setCaption(QStringLiteral("Zażółć gęślą jaźń zażółć"));
    EXPECT_GE(label.height(), 2 * m.height()) << "wrapped text grows the label";
}

TEST(TAALabel, AlignmentPlacesTheLine)
{
    testsupport::app();
    const struct {
        TAALabel::TAlignment alignment;
        bool leftEmpty;
        bool rightEmpty;
    } rows[] = {{TAALabel::taLeftJustify, false, true}, {TAALabel::taRightJustify, true, false}, {TAALabel::taCenter, true, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.alignment));
        TAALabel label;
        label.resize(300, 18);
        label.setCaption(QStringLiteral("MMMM"));
        label.setAlignment(row.alignment);
        QImage image(label.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        auto inked = [&](int from, int to) {
            for (int x = from; x < to; ++x)
                for (int y = 0; y < 18; ++y)
                    if (image.pixelColor(x, y) != QColor(Qt::white))
                        return true;
            return false;
        };
        EXPECT_EQ(!inked(0, 20), row.leftEmpty);
        EXPECT_EQ(!inked(280, 300), row.rightEmpty);
    }
}

TEST(TAALabel, ALineBreakWrittenAsLineFeedAndCarriageReturnDrawsAsOne)
{
    testsupport::app();
    auto drawn = [](const QString& caption) {
        TAALabel label;
        label.setWordWrap(true);
        label.resize(300, 60);
        label.setCaption(caption);
        QImage image(label.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    };
    EXPECT_EQ(drawn(QStringLiteral("Posłuchaj.\n\rWpisz wyraz.")), drawn(QStringLiteral("Posłuchaj.\nWpisz wyraz.")));
    TAALabel label;
    label.setCaption(QStringLiteral("a\n\rb"));
    EXPECT_EQ(label.Caption(), QStringLiteral("a\n\rb")) << "the caption keeps what it was given";
}

TEST(TAALabel, AnOpaqueLabelFillsItsColour)
{
    testsupport::app();
    TAALabel label;
    label.resize(50, 18);
    label.setCaption(QString());
    label.setTransparent(false);
    label.setColor(QColor(0x02, 0xAD, 0xE4));
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(image.pixelColor(25, 9), QColor(0x02, 0xAD, 0xE4));
}

TEST(TEdGroupFrame, LaysOutNinePiecesWithTheCornerOfItsType)
{
    testsupport::app();
    const struct {
        TFrameType type;
        int set;
        int c;
    } rows[] = {{ftFrame_Blue, 1, 10}, {ftFrame_White, 6, 7}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.set);
        TEdGroupFrame frame;
        frame.resize(300, 200);
        frame.setFrameType(row.type);
        frame.setShowCaption(true);
        frame.setCaption(QStringLiteral("Ramka"));
        frame.setResourceLibrary(&testsupport::library());
        RecordingCanvas canvas;
        frame.Paint(canvas);
        const int c = row.c;
        auto n = [&](int k) { return QStringLiteral("RAMKA%1_%2").arg(row.set).arg(k, 2, 10, QLatin1Char('0')); };
        EXPECT_EQ(canvas.find(n(1)).rect.topLeft(), QPoint(0, 0));
        EXPECT_EQ(canvas.find(n(5)).rect, QRect(c, c, 300 - 2 * c, 200 - 2 * c));
        EXPECT_EQ(canvas.find(n(6)).rect, QRect(300 - c, c, c, 200 - 2 * c));
        EXPECT_EQ(canvas.find(n(9)).rect.topLeft(), QPoint(300 - c, 200 - c));
        EXPECT_EQ(canvas.find(QStringLiteral("Ramka")).rect.topLeft(), QPoint(20, 4));
        EXPECT_EQ(testsupport::library().pictureSize(n(1)), QSize(c, c)) << "the corner pictures fit the corner size";
    }
}

} // namespace
