#include "../course/CourseFixture.h"

#include "exercises/ScreenRules.h"

#include "course/TextCodec.h"

namespace {

TEST(ExerciseScore, RoundsHalvesToEven)
{
    const std::tuple<int, int, int> cases[] = {{1, 7, 12}, {3, 5, 38}, {0, 0, 0}, {8, 0, 100}, {1, 1, 50},
                                               {1, 199, 0}, {3, 197, 2}, {5, 195, 2}, {7, 193, 4}};
    for (const auto& [c, w, score] : cases)
        EXPECT_EQ(ExerciseScore(c, w), score) << c << "/" << c + w;
}

TEST(AccentShortcut, FollowsTheCourseLanguage)
{
    struct Case {
        char Key;
        bool Shift;
        int Language;
        char16_t Expected; // 0: none
    };
    const Case cases[] = {
        {'E', false, 1, u'é'}, {'E', true, 1, u'É'}, {'A', false, 1, 0},   {'S', false, 2, u'ß'},
        {'S', true, 2, u'ß'},  {'U', true, 2, u'Ü'}, {'W', false, 3, u'é'}, {'Q', true, 4, u'¡'},
        {'W', true, 4, u'¿'},  {'Y', false, 4, u'ü'}, {'N', true, 5, u'Œ'}, {'V', false, 5, u'æ'},
        {'Z', false, 5, 0},    {'E', false, 6, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.Key) + (c.Shift ? "+shift" : "") + " lang " + std::to_string(c.Language));
        const auto result = AccentShortcut(QLatin1Char(c.Key), c.Shift, c.Language);
        if (c.Expected == 0)
            EXPECT_FALSE(result.has_value());
        else
            EXPECT_EQ(result, QChar(c.Expected));
    }
}

TEST(TextPage, EscapesTheSeventyFourCharactersAndWritesTheFixedLines)
{
    EXPECT_EQ(EscapeForPage(QStringLiteral("Ça va? ¿Qué? Größe £5 œuvre Łódź")),
              QStringLiteral("&Ccedil;a va? &iquest;Qu&eacute;? Gr&ouml;&szlig;e &pound;5 &oelig;uvre Ł&oacute;dź"));
    int escaped = 0;
    for (char16_t c = 1; c < 0x3000; ++c)
        if (EscapeForPage(QString(QChar(c))) != QString(QChar(c)))
            ++escaped;
    EXPECT_EQ(escaped, 74);

    ProgramFolder folder;
    const QString path = folder.Path() + QStringLiteral("/tmp_wpis.html");
    ASSERT_TRUE(WriteTextPage(path, QStringLiteral("Mam się dobrze, dziękuję. Très bien.")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = DecodeWindows1250(file.readAll()).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 11); // ten lines and the empty text after the last line end
    EXPECT_EQ(lines[0], QStringLiteral("<html>"));
    EXPECT_EQ(lines[3], QStringLiteral("<LINK REL=\"stylesheet\" HREF=\"style.css\" TYPE=\"text/css\">"));
    EXPECT_EQ(lines[6], QStringLiteral("<div id=\"container_pisanie_pl\">"));
    EXPECT_EQ(lines[7], QStringLiteral("Mam się dobrze, dziękuję. Tr&egrave;s bien."));
    EXPECT_EQ(lines[9], QStringLiteral("</html>"));
}

TEST(WordForLookup, StripsPunctuationAndDigitsAtBothEnds)
{
    const std::pair<const char*, const char*> cases[] = {
        {"  \"Hello!\" ", "Hello"}, {"(don't)", "don't"}, {"42nd.", "nd"}, {"well-known,", "well-known"},
        {"@#$", ""}, {"l'uomo", "l'uomo"}, {"'quoted'", "quoted"},
    };
    for (const auto& [word, expected] : cases)
        EXPECT_EQ(WordForLookup(QString::fromUtf8(word)), QString::fromUtf8(expected)) << word;
}

TEST(WordPositions, FirstEntryContainingThePointWins)
{
    TPozycjeSlowek words;
    words.Add(QStringLiteral("cat"), QRect(0, 0, 30, 20));
    words.Add(QStringLiteral("dog"), QRect(20, 0, 30, 20));
    EXPECT_EQ(words.TextAt(QPoint(25, 5)), QStringLiteral("cat"));
    EXPECT_EQ(words.TextAt(QPoint(45, 5)), QStringLiteral("dog"));
    EXPECT_EQ(words.TextAt(QPoint(80, 5)), QString());
    words.Clear();
    EXPECT_EQ(words.TextAt(QPoint(25, 5)), QString());
}

// Every character 10 pixels wide, a space 5.
std::vector<QRect> Flow(const FlowTextRules& rules, const QStringList& tokens, int right)
{
    std::vector<QString> list(tokens.begin(), tokens.end());
    std::vector<QRect> rects;
    for (const auto& p : rules.Layout(list, 0, 0, right, 20, [](const QString& t) { return int(t.size()) * 10; }, 5))
        rects.push_back(p.Rect);
    return rects;
}

TEST(FlowText, AttachesPunctuationAndKeepsMarksOffLineStarts)
{
    FlowTextRules english;
    auto r = Flow(english, {QStringLiteral("I"), QStringLiteral("am"), QStringLiteral("fine"), QStringLiteral(".")}, 500);
    EXPECT_EQ(r[1].x(), 15);
    EXPECT_EQ(r[2].x(), 40);
    EXPECT_EQ(r[3].x(), 80) << "the full stop takes back the space";

    FlowTextRules french{5};
    r = Flow(french, {QStringLiteral("Oui"), QStringLiteral("!")}, 500);
    EXPECT_EQ(r[1].x(), 35) << "French keeps the space before !";
    r = Flow(french, {QStringLiteral("Oui"), QStringLiteral(",")}, 500);
    EXPECT_EQ(r[1].x(), 30);
    FlowTextRules frenchGap{5, true};
    r = Flow(frenchGap, {QStringLiteral("Oui"), QStringLiteral(".")}, 500);
    EXPECT_EQ(r[1].x(), 30);

    // "fine" ends at 80 and "." would end at 90 > 95 - 10: "fine" moves to the next line.
    r = Flow(english, {QStringLiteral("I"), QStringLiteral("am"), QStringLiteral("fine"), QStringLiteral(".")}, 95);
    EXPECT_EQ(r[2], QRect(0, 20, 40, 20));
    EXPECT_EQ(r[3].topLeft(), QPoint(40, 20));

    FlowTextRules italian{3, false, true};
    r = Flow(italian, {QStringLiteral("l'"), QStringLiteral("uomo"), QStringLiteral("po'"), QStringLiteral("di")}, 500);
    EXPECT_EQ(r[1].x(), 20) << "no space after an elided word";
    EXPECT_EQ(r[3].x(), 20 + 40 + 5 + 30 + 5) << "po' keeps its space";
}

} // namespace
