#include "app/HintLayout.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

TEST(HintLayout, LaysWordsOutWithLineBreaksAndBoldPassages)
{
    const QFont regular(QStringLiteral("DejaVu Sans"), 9);
    QFont bold = regular;
    bold.setBold(true);
    const HintLayout layout =
        HintLayout::Of(QStringLiteral("Kliknij <B>dwa razy</B> tutaj <BR> aby zacząć"), regular, bold);

    ASSERT_EQ(layout.Words.size(), 6u);
    EXPECT_EQ(layout.Lines, 2);
    const std::tuple<const char*, bool, int> expected[] = {
        {"Kliknij", false, 2}, {"dwa", true, 2}, {"razy", true, 2},
        {"tutaj", false, 2},   {"aby", false, 22}, {"zacząć", false, 22},
    };
    for (size_t i = 0; i < layout.Words.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(layout.Words[i].Text, QString::fromUtf8(std::get<0>(expected[i])));
        EXPECT_EQ(layout.Words[i].Bold, std::get<1>(expected[i]));
        EXPECT_EQ(layout.Words[i].Y, std::get<2>(expected[i]));
    }
    EXPECT_EQ(layout.Words[0].X, 10);
    EXPECT_EQ(layout.Words[1].X, 10 + QFontMetrics(regular).horizontalAdvance(QStringLiteral("Kliknij")) + 4);
    EXPECT_EQ(layout.Words[4].X, 10);
    EXPECT_EQ(layout.Height, HintLayout::StandardHeight + 20);
    const int firstLineEnd = layout.Words[3].X + QFontMetrics(regular).horizontalAdvance(QStringLiteral("tutaj"));
    EXPECT_GE(layout.Width, firstLineEnd + 20);
}

} // namespace
