#include "../course/CourseFixture.h"

#include "exercises/screens/wpisywanie/GapText.h"

#include "course/SkrotyTable.h"

namespace {

std::vector<QString> Texts(const GapText& text)
{
    std::vector<QString> texts;
    for (const TWyrazTekstu& t : text.Tokens())
        texts.push_back(t.Text);
    return texts;
}

TEST(GapText, TokenisesWordsMarkupAndGaps)
{
    const GapText text = GapText::Tokenise(
        QStringLiteral("Hello,  I <am/'m> fine.<br><b>Thanks</B> <AK=120>and <img left> cat.png </IMG> you <unclosed"),
        GapText::Variant::Typed);
    EXPECT_EQ(Texts(text), (std::vector<QString>{QStringLiteral("Hello,"), QStringLiteral("I"), QStringLiteral("<am/'m>"),
                                                 QStringLiteral("fine."), QStringLiteral("<br>"), QStringLiteral("<b>"),
                                                 QStringLiteral("Thanks"), QStringLiteral("</B>"), QStringLiteral("<AK=120>"),
                                                 QStringLiteral("and"), QStringLiteral("<img left>"), QStringLiteral("cat.png"),
                                                 QStringLiteral("</IMG>"), QStringLiteral("you"), QStringLiteral("<unclosed")}));
    const auto& t = text.Tokens();
    EXPECT_TRUE(t[2].IsGap);
    EXPECT_EQ(t[2].Answer, QStringLiteral("am/'m"));
    EXPECT_EQ(t[4].MarkupKind, TWyrazTekstu::LineBreak);
    EXPECT_EQ(t[5].MarkupKind, TWyrazTekstu::BoldOn);
    EXPECT_EQ(t[7].MarkupKind, TWyrazTekstu::BoldOff);
    EXPECT_EQ(t[8].MarkupKind, TWyrazTekstu::Move);
    EXPECT_EQ(t[10].MarkupKind, TWyrazTekstu::ImageLeft);
    EXPECT_EQ(t[12].MarkupKind, TWyrazTekstu::ImageEnd);
    EXPECT_FALSE(t[14].IsGap) << "an unclosed < is a word";
    EXPECT_EQ(text.GapOrder(), (std::vector<int>{2}));
    EXPECT_EQ(text.NextGap(2), 2);
}

TEST(GapText, ChosenAnswersShuffleTheAlternativesAndKeepTheFirstAsAnswer)
{
    const GapText text = GapText::Tokenise(QStringLiteral("She <is/are/am/is> here and <on/in>."), GapText::Variant::Chosen,
                                           [](QStringList& list) { std::reverse(list.begin(), list.end()); });
    const auto& t = text.Tokens();
    EXPECT_EQ(t[1].Text, QStringLiteral("<am/are/is>"));
    EXPECT_EQ(t[1].Answer, QStringLiteral("is"));
    EXPECT_EQ(GapText::Alternatives(t[1]), (QStringList{QStringLiteral("am"), QStringLiteral("are"), QStringLiteral("is")}));
    EXPECT_EQ(text.GapOrder(), (std::vector<int>{1, 4}));
    EXPECT_EQ(text.NextGap(4), 1) << "after the last gap comes the first";
    EXPECT_EQ(Texts(text).back(), QStringLiteral(".")) << "words after the last gap are kept";
}

TEST(GapText, JudgesAnswersWithAlternativesNormalisationAndCase)
{
    ProgramFolder folder;
    folder.Write(QStringLiteral("Skroty_1.txt"), "am:'m,\r\n");
    SkrotyTable skroty;
    skroty.Load(folder.Path() + QStringLiteral("/Skroty_1.txt"));
    TWyrazTekstu gap;
    gap.IsGap = true;
    struct Case {
        const char* Accepted;
        const char* Learner;
        bool CaseSensitive;
        bool Right;
    };
    const Case cases[] = {
        {"am/are", "am", true, true},
        {"am/are", "are", true, true},
        {"am//are", "are", true, false},   // an empty field ends the list
        {"Berlin", "berlin", false, true},
        {"Berlin", "berlin", true, false},
        {"Über", "über", false, false},    // only a..z are folded
        {"don't", "don`t", true, true},    // ` reads as '
        {"am", "'m", true, true},          // word normalisation
        {"fine", " fine. ", true, true},   // trimmed, punctuation removed
        {"fine", "", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Accepted) + " <- " + c.Learner);
        gap.Answer = QString::fromUtf8(c.Accepted);
        EXPECT_EQ(GapText::IsRight(gap, QString::fromUtf8(c.Learner), c.CaseSensitive, skroty), c.Right);
    }

    GapText none = GapText::Tokenise(QStringLiteral("No gaps here."), GapText::Variant::Typed);
    int right = -1, wrong = -1;
    none.Count(true, skroty, right, wrong);
    EXPECT_EQ(right + wrong, 0);
}

} // namespace
