#include "users/LanguageChoice.h"
#include "users/ProfileListLayout.h"

#include <gtest/gtest.h>

namespace {

struct LanguageCase {
    const char* Name;
    QString Installed;
    int Edition;
    int Only;
    std::vector<std::pair<int, int>> Buttons; // language, y
};

TEST(LanguageChoice, ButtonsFollowTheInstalledLanguages)
{
    const LanguageCase cases[] = {
        {"one language is chosen at once", QStringLiteral("00100"), 3, 3, {}},
        {"English and German", QStringLiteral("11000"), 2, 0, {{1, 272}, {2, 347}}},
        {"three languages", QStringLiteral("10101"), 5, 0, {{1, 272}, {3, 347}, {5, 422}}},
        {"all five", QStringLiteral("11111"), 5, 0, {{1, 272}, {2, 347}, {3, 422}, {4, 497}, {5, 572}}},
        {"none installed", QStringLiteral("00000"), 0, 0, {}},
        {"empty flags", QString(), 0, 0, {}},
    };
    for (const LanguageCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const LanguageChoiceLayout layout = LayOutLanguageChoice(c.Installed);
        EXPECT_EQ(layout.EditionLanguage, c.Edition);
        EXPECT_EQ(layout.OnlyLanguage, c.Only);
        std::vector<std::pair<int, int>> buttons;
        for (const auto& b : layout.Buttons) {
            buttons.emplace_back(b.Language, b.Y);
            EXPECT_EQ(b.X, 743);
            EXPECT_EQ(b.Caption, CourseLanguageName(b.Language));
        }
        EXPECT_EQ(buttons, c.Buttons);
    }
    EXPECT_EQ(CourseLanguageName(4), QStringLiteral("Hiszpański"));
}

TEST(ProfileList, HeightAndScrollBarFollowTheProfileCount)
{
    const struct {
        int Count;
        int Height;
        bool BarInList;
        int ScrollMax;
    } cases[] = {{0, 0, false, 0}, {1, 75, false, 0}, {4, 300, false, 0}, {5, 375, false, 0}, {6, 375, true, 1},
                 {12, 375, true, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Count);
        EXPECT_EQ(ProfileListLayout::ListHeight(c.Count), c.Height);
        EXPECT_EQ(ProfileListLayout::ScrollBarShown(true, c.Count), c.BarInList);
        EXPECT_FALSE(ProfileListLayout::ScrollBarShown(false, c.Count)) << "never in the language choice";
        EXPECT_EQ(ProfileListLayout::ScrollMax(c.Count), c.ScrollMax);
    }
}

TEST(ProfileList, IconHitAreasAreExact)
{
    using Spot = ProfileListLayout::RowSpot;
    const struct {
        QPoint At;
        Spot Expected;
    } cases[] = {{{88, 55}, Spot::Modify}, {{99, 66}, Spot::Modify}, {{87, 60}, Spot::Row},   {{100, 60}, Spot::Row},
                 {{107, 55}, Spot::Delete}, {{115, 66}, Spot::Delete}, {{116, 60}, Spot::Row}, {{90, 54}, Spot::Row},
                 {{110, 67}, Spot::Row},    {{30, 30}, Spot::Row}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.At.x() << "," << c.At.y());
        EXPECT_EQ(ProfileListLayout::HitTest(c.At), c.Expected);
    }
}

TEST(ProfileList, SignedInPanelTakesTheRowsPlaceOnScreen)
{
    EXPECT_EQ(ProfileListLayout::PanelTop(0, 0, 212), 212);
    EXPECT_EQ(ProfileListLayout::PanelTop(3, 0, 212), 437);
    EXPECT_EQ(ProfileListLayout::PanelTop(7, 4, 212), 437);
}

} // namespace
