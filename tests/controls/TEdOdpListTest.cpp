#include "TEdOdpList.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

using Band = TEdOdpList::Band;
using Marker = TEdOdpList::Marker;

struct Look {
    Band band;
    Marker marker;
};

struct MarksRow {
    const char* name;
    int selected;
    int correct;
    bool highlight;
    int hover;
    Look looks[4];
};

void PrintTo(const MarksRow& row, std::ostream* os)
{
    *os << row.name;
}


class AnswerMarks : public ::testing::TestWithParam<MarksRow> {};

TEST_P(AnswerMarks, BandsAndMarkersFollowTheChoice)
{
    testsupport::app();
    const MarksRow& row = GetParam();
    TEdOdpList list;
    list.resize(449, 182);
    QImage icon(20, 20, QImage::Format_ARGB32);
    icon.fill(Qt::gray);
    list.setIcon(icon);
    for (int i = 1; i <= 4; ++i)
        list.setOdp(i, QStringLiteral("odpowiedź %1").arg(i));
    list.setSelectedItem(row.selected);
    list.setCorrect(row.correct);
    list.setHighLightCorrect(row.highlight);
    if (row.hover > 0)
        list.hoverAt(list.layoutItems().at(row.hover - 1).band.center());
    const QList<TEdOdpList::ItemLook> looks = list.layoutItems();
    ASSERT_EQ(looks.size(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(looks[i].fill, row.looks[i].band);
        EXPECT_EQ(looks[i].marker, row.looks[i].marker);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Choices, AnswerMarks,
    ::testing::Values(
        MarksRow{"NothingChosen", -1, -1, true, 0,
                 {{Band::None, Marker::Icon}, {Band::None, Marker::Icon}, {Band::None, Marker::Icon}, {Band::None, Marker::Icon}}},
        MarksRow{"MouseOverTheSecond", -1, -1, true, 2,
                 {{Band::None, Marker::Icon}, {Band::Grey, Marker::Icon}, {Band::None, Marker::Icon}, {Band::None, Marker::Icon}}},
        MarksRow{"WrongChoiceShowsBoth", 2, 3, true, 0,
                 {{Band::None, Marker::None}, {Band::Grey, Marker::IconWrong}, {Band::Green, Marker::IconOK}, {Band::None, Marker::None}}},
        MarksRow{"WrongChoiceWithoutHighlight", 2, 3, false, 0,
                 {{Band::None, Marker::None}, {Band::Grey, Marker::IconWrong}, {Band::None, Marker::IconOK}, {Band::None, Marker::None}}},
        MarksRow{"RightChoice", 3, 3, true, 0,
                 {{Band::None, Marker::None}, {Band::None, Marker::None}, {Band::Grey, Marker::IconOK}, {Band::None, Marker::None}}},
        MarksRow{"CorrectShownBeforeAChoice", -1, 1, true, 0,
                 {{Band::Green, Marker::IconOK}, {Band::None, Marker::Icon}, {Band::None, Marker::Icon}, {Band::None, Marker::Icon}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TEdOdpList, AnswersAreSpacedByTheLineGapAndTheirHitBandsDoNotOverlap)
{
    testsupport::app();
    TEdOdpList list;
    list.resize(449, 300);
    QImage icon(20, 20, QImage::Format_ARGB32);
    list.setIcon(icon);
    list.setOdp(1, QStringLiteral("pierwsza"));
    list.setOdp(2, QString());   // an empty answer takes no room
    list.setOdp(3, QStringLiteral("trzecia"));
    const auto looks = list.layoutItems();
    ASSERT_EQ(looks.size(), 2);
    EXPECT_EQ(looks[0].index, 1);
    EXPECT_EQ(looks[1].index, 3);
    EXPECT_EQ(looks[0].text.top(), 22) << "top := Interlinia + 2";
    EXPECT_EQ(looks[0].text.left(), 20 + 20 + 8);
    EXPECT_EQ(looks[0].band, QRect(QPoint(8, 22 - 17), QPoint(449 - 9, looks[0].text.bottom() + 17)));
    EXPECT_EQ(looks[0].markerAt, QPoint(20, 22 - 3));
    EXPECT_LT(looks[0].band.bottom(), looks[1].band.top());
    EXPECT_EQ(looks[1].text.top(), looks[0].text.bottom() + 1 + 17 + 22);
}

TEST(TEdOdpList, HoverFollowsTheMouseAndLeavingClearsIt)
{
    testsupport::app();
    TEdOdpList list;
    list.resize(449, 300);
    for (int i = 1; i <= 4; ++i)
        list.setOdp(i, QStringLiteral("odpowiedź"));
    const auto looks = list.layoutItems();
    testsupport::move(&list, looks[2].band.center());
    EXPECT_EQ(list.HoverItem(), 3);
    testsupport::move(&list, QPoint(2, 2));
    EXPECT_EQ(list.HoverItem(), -1);
    testsupport::move(&list, looks[0].band.center());
    testsupport::leave(&list);
    EXPECT_EQ(list.HoverItem(), -1);
}

TEST(TEdOdpList, AVariableListShowsItsFirstEntries)
{
    testsupport::app();
    TEdOdpList list;
    list.resize(449, 400);
    list.setCzyZmiennaLiczbaOdpowiedzi(true);
    list.setOdpowiedzi({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")});
    list.setIleOdpowiedzi(5);
    EXPECT_EQ(list.layoutItems().size(), 5);
    list.setIleOdpowiedzi(2);
    EXPECT_EQ(list.layoutItems().size(), 2);
}

} // namespace
