#include "users/ScrambleLine.h"
#include "users/UserList.h"

#include "course/TextCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(ScrambleLine, RoundTripsEveryByteValueAtEveryKeyPosition)
{
    // 256 values shifted through all eight key positions.
    QByteArray line;
    for (int shift = 0; shift < 8; ++shift)
        for (int value = 0; value < 256; ++value)
            line.append(static_cast<char>((value + shift) & 0xFF));
    const QByteArray scrambled = ScrambleLine(line);
    EXPECT_NE(scrambled, line);
    EXPECT_EQ(UnscrambleLine(scrambled), line);
    EXPECT_EQ(ScrambleLine(UnscrambleLine(line)), line);
}

TEST(ScrambleLine, MatchesAKnownProfileLine)
{
    // The first byte takes the second key character ('B'), the eighth the first ('K').
    const QByteArray plain = EncodeWindows1250(QStringLiteral("1=Ania=K=0==10=nie=tak"));
    const QByteArray expected("\x73\x97\xA0\xBB\xB8\xB3\x83\x96\x7F\x8A\x9C\x8A\x80\x82\x83\xB9\xAB\xBF\x9C\xC1\xB0\xBD");
    EXPECT_EQ(ScrambleLine(plain), expected);
    EXPECT_EQ(UnscrambleLine(expected), plain);
}

TEST(SplitScrambledLines, AcceptsEveryLineEndOutsideNamesAndPasswords)
{
    const QByteArray a = ScrambleLine("1=Ania=K=0==10=nie=tak");
    const QByteArray b = ScrambleLine("2=Bartek=M=0==20=nie=tak");
    const struct {
        const char* Name;
        QByteArray File;
    } cases[] = {
        {"CR LF", a + "\r\n" + b + "\r\n"},
        {"LF", a + "\n" + b + "\n"},
        {"CR", a + "\r" + b + "\r"},
        {"no end after the last line", a + "\r\n" + b},
        {"blank lines between", a + "\r\n\r\n\r\n" + b + "\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(SplitScrambledLines(c.File), (QList<QByteArray>{a, b}));
    }
}

// Names and passwords whose letters scramble to CR, LF or NUL at some line
// positions ("ł" at 1, 3, 9, 11, ..., "ż" at 7, 15, ...), at every place of a
// fifteen-letter name.
class ScrambledLineEnds : public ::testing::TestWithParam<int> {};

TEST_P(ScrambledLineEnds, SurviveInNamesAndPasswords)
{
    for (const QChar letter : {QChar(u'ł'), QChar(u'ż')}) {
        SCOPED_TRACE(QString(letter).toStdString());
        QString name = QStringLiteral("abcdefghijklmno");
        name[GetParam()] = letter;
        TUser user;
        user.Id = 7;
        user.Name = name;
        user.Gender = QStringLiteral("M");
        user.HasPassword = 1;
        user.Password = name;
        user.Avatar = 21;
        const QString line = FormatUserLine(user);
        const QByteArray file =
            ScrambleLine(EncodeWindows1250(line)) + "\r\n" + ScrambleLine("8=Ola=K=0==10=tak=nie") + "\r\n";

        const QList<QByteArray> lines = SplitScrambledLines(file);
        ASSERT_EQ(lines.size(), 2);
        const TUser back = ParseUserLine(DecodeWindows1250(UnscrambleLine(lines[0])));
        EXPECT_EQ(back.Name, name);
        EXPECT_EQ(back.Password, name);
        EXPECT_EQ(back.Avatar, 21);
        EXPECT_EQ(ParseUserLine(DecodeWindows1250(UnscrambleLine(lines[1]))).Name, QStringLiteral("Ola"));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryNamePosition, ScrambledLineEnds, ::testing::Range(0, 15),
                         [](const ::testing::TestParamInfo<int>& info) { return "at" + std::to_string(info.param); });

TEST(ScrambledLineEnds, AreReallyMadeByTheseLetters)
{
    // "7=" puts the name at line position 2: "ł" at name index 7 is line
    // position 9 (a CR), "ż" at name index 5 is position 7 (an LF).
    EXPECT_TRUE(ScrambleLine(EncodeWindows1250(QStringLiteral("7=abcdefgł"))).endsWith('\r'));
    EXPECT_TRUE(ScrambleLine(EncodeWindows1250(QStringLiteral("7=abcdeż"))).endsWith('\n'));
}

TEST(UserLine, ReadsTheFieldsAsStored)
{
    const struct {
        const char* Name;
        QString Line;
        TUser Expected;
    } cases[] = {
        {"woman with password", QStringLiteral("3=Ania=K=1=kot=12=tak=nie"),
         TUser{3, QStringLiteral("Ania"), QStringLiteral("K"), 13, 1, QStringLiteral("kot"), -1, true, false}},
        {"gender is the first letter", QStringLiteral("4=Jan=Mężczyzna=0==25=nie=tak"),
         TUser{4, QStringLiteral("Jan"), QStringLiteral("M"), 26, 0, QString(), -1, false, true}},
        {"other setting texts read as false", QStringLiteral("5=Ola=K=0==20=TAK=yes"),
         TUser{5, QStringLiteral("Ola"), QStringLiteral("K"), 21, 0, QString(), -1, false, false}},
        {"missing settings read as false", QStringLiteral("6=Ewa=K=0==10"),
         TUser{6, QStringLiteral("Ewa"), QStringLiteral("K"), 11, 0, QString(), -1, false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TUser user = ParseUserLine(c.Line);
        EXPECT_EQ(user.Id, c.Expected.Id);
        EXPECT_EQ(user.Name, c.Expected.Name);
        EXPECT_EQ(user.Gender, c.Expected.Gender);
        EXPECT_EQ(user.Avatar, c.Expected.Avatar);
        EXPECT_EQ(user.HasPassword, c.Expected.HasPassword);
        EXPECT_EQ(user.Password, c.Expected.Password);
        EXPECT_EQ(user.DictionaryOnRightClick, c.Expected.DictionaryOnRightClick);
        EXPECT_EQ(user.CaseSensitive, c.Expected.CaseSensitive);
    }
}

TEST(UserLine, WritesTheAvatarLessOneAndTheSettingsAsWords)
{
    TUser user{12, QStringLiteral("Zosia 100%"), QStringLiteral("K"), 24, 1, QStringLiteral("a%1b"), 0, true, false};
    EXPECT_EQ(FormatUserLine(user), QStringLiteral("12=Zosia 100%=K=1=a%1b=23=tak=nie"));
}

TEST(UserLine, NamesThatTheListCannotHoldAreRecognised)
{
    EXPECT_TRUE(CanBeStoredInUserList(QStringLiteral("Łucja Żółć")));
    EXPECT_TRUE(CanBeStoredInUserList(QStringLiteral("Anna-Maria 2b")));
    EXPECT_FALSE(CanBeStoredInUserList(QStringLiteral("a=b")));
    EXPECT_FALSE(CanBeStoredInUserList(QStringLiteral("tab\there")));
    EXPECT_FALSE(CanBeStoredInUserList(QStringLiteral("Анна")));
    EXPECT_FALSE(CanBeStoredInUserList(QStringLiteral("smile 😀")));
}

} // namespace
