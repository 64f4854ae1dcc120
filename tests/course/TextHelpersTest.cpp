#include "CourseFixture.h"

#include "course/ContentPaths.h"
#include "course/FieldOf.h"
#include "course/ReadWideLine.h"
#include "course/TDrzewo.h"
#include "course/TextCodec.h"

#include <QBuffer>

namespace {

struct FieldCase {
    const char* Text;
    int N;
    char Separator;
    const char* Expected;
};

TEST(FieldOf, SplitsAtTheSeparatorWithOneImpliedAtTheEnd)
{
    const FieldCase cases[] = {
        {"a=b", 2, '=', "b"},        {"a=b", 3, '=', ""},     {"", 1, '=', ""},
        {"a=b", 1, '=', "a"},        {"a==c", 2, '=', ""},    {"a==c", 3, '=', "c"},
        {"12=0=Lekcja", 3, '=', "Lekcja"}, {"a=", 2, '=', ""}, {"=a", 1, '=', ""},
        {"I 'm here", 2, ' ', "'m"}, {"abc", 0, '=', ""},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(std::string(c.Text) + " #" + std::to_string(c.N));
        EXPECT_EQ(FieldOf(c.N, QString::fromUtf8(c.Text), QLatin1Char(c.Separator)), QString::fromUtf8(c.Expected));
    }
}

QByteArray Utf16Le(const QString& text)
{
    QByteArray bytes;
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

TEST(ReadWideLine, DropsByteOrderMarksAndEndsAtCrOrEnd)
{
    QByteArray data = Utf16Le(QStringLiteral("\uFEFFzażółć\r\nsec\uFEFFond\r\nlast"));
    data.append('x'); // odd trailing byte
    QBuffer buffer(&data);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    EXPECT_EQ(ReadWideLine(buffer), QStringLiteral("zażółć"));
    EXPECT_EQ(ReadWideLine(buffer), QStringLiteral("second"));
    EXPECT_EQ(ReadWideLine(buffer), QStringLiteral("last"));
    EXPECT_EQ(ReadWideLine(buffer), QString());
}

TEST(ReadWideLine, SkipsExactlyOneUnitAfterCr)
{
    QByteArray data = Utf16Le(QStringLiteral("a\rbc\r\r\nd"));
    QBuffer buffer(&data);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    EXPECT_EQ(ReadWideLine(buffer), QStringLiteral("a"));  // "b" is skipped unread
    EXPECT_EQ(ReadWideLine(buffer), QStringLiteral("c"));  // the second CR is skipped
    EXPECT_EQ(ReadWideLine(buffer), QStringLiteral("\nd")); // the LF is kept
    EXPECT_EQ(ReadWideLine(buffer), QString());
}

TEST(Windows1250, RoundTripsPolishLettersAndMarksTheRest)
{
    const QString polish = QStringLiteral("Zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ");
    const QByteArray bytes = EncodeWindows1250(polish);
    EXPECT_EQ(bytes.size(), polish.size());
    EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 0xBF); // ż
    EXPECT_EQ(static_cast<unsigned char>(bytes[3]), 0xF3); // ó
    EXPECT_EQ(DecodeWindows1250(bytes), polish);
    EXPECT_EQ(EncodeWindows1250(QStringLiteral("日本")), QByteArray("??"));
}

TEST(Skroty, NormalizeWordsReplacesVariantsByTheirCanonicalWord)
{
    ProgramFolder folder;
    folder.Write(QStringLiteral("Skroty_1.txt"), "am:'m,\r\nis:'s,iz,\r\nare:,'re\r\nnot:n't");
    SkrotyTable table;
    EXPECT_EQ(table.NormalizeWords(QStringLiteral("I 'm here")), QStringLiteral("I 'm here"));
    table.Load(folder.Path() + QStringLiteral("/Skroty_1.txt"));
    ASSERT_TRUE(table.IsLoaded());
    ASSERT_EQ(table.Entries().size(), 4u);
    EXPECT_TRUE(table.Entries()[2].Variants.isEmpty()); // the first empty item ends the list

    const std::pair<const char*, const char*> cases[] = {
        {"I 'm here", "I am here"},
        {"he iz not", "he is not"},
        {"I 'm  here", "I am"},     // two spaces end the processing
        {"don n't", "don not"},
        {"'M", "'M"},               // case-sensitive
        {"", ""},
    };
    for (const auto& [input, expected] : cases) {
        SCOPED_TRACE(input);
        EXPECT_EQ(table.NormalizeWords(QString::fromUtf8(input)), QString::fromUtf8(expected));
    }

    table.Load(folder.Path() + QStringLiteral("/Skroty_2.txt"));
    EXPECT_FALSE(table.IsLoaded());
    EXPECT_EQ(table.NormalizeWords(QStringLiteral("I 'm")), QStringLiteral("I 'm"));
}

TEST(FormatHint, FillsTwoIntegersOrKeepsPlainText)
{
    EXPECT_EQ(FormatHint(QStringLiteral("Lekcje %d-%d"), 5, 10), QStringLiteral("Lekcje 5-10"));
    EXPECT_EQ(FormatHint(QStringLiteral("Słówka"), 5, 10), QStringLiteral("Słówka"));
    EXPECT_EQ(FormatHint(QStringLiteral("100%% %d"), 1, 2), QStringLiteral("100% 1"));
    EXPECT_THROW(FormatHint(QStringLiteral("%s"), 1, 2), ContentError);
    EXPECT_THROW(FormatHint(QStringLiteral("%d %d %d"), 1, 2), ContentError);
}

TEST(TDrzewo, KeepsSlotsOrderAndTheHundredChildLimit)
{
    TDrzewo tree;
    EXPECT_EQ(tree.Root()->Name, QStringLiteral("Root"));
    EXPECT_TRUE(tree.Root()->Expanded);
    TElement* lesson = tree.Append(nullptr);
    lesson->Id = 7;
    EXPECT_EQ(tree.FindChild(7), lesson);
    EXPECT_EQ(tree.FindChild(8), nullptr);
    for (int i = 0; i < TElement::MaxChildren; ++i)
        tree.Append(lesson)->Id = i;
    EXPECT_THROW(tree.Append(lesson), TreeFullError);
    EXPECT_EQ(lesson->ChildCount, 100);
    EXPECT_EQ(lesson->Child(100)->Id, 99);
    EXPECT_EQ(lesson->Child(1)->Depth(), 1);
    EXPECT_THROW(tree.Insert(tree.Root(), 3), std::out_of_range);
}

TEST(ContentPaths, ResolvesNamesIgnoringCaseAndSortsListings)
{
    ProgramFolder folder;
    folder.Write(QStringLiteral("Dane1/Paczki/Elem.XML"), "x");
    folder.Write(QStringLiteral("Dane1/b.xml"), "x");
    folder.Write(QStringLiteral("Dane1/A.xml"), "x");
    folder.Write(QStringLiteral("Dane1/c.XML"), "x");
    folder.Write(QStringLiteral("Dane1/d.txt"), "x");
    EXPECT_EQ(ContentPaths::Resolve(folder.Path(), QStringLiteral("/dane1\\paczki\\elem.xml")),
              folder.Path() + QStringLiteral("/Dane1/Paczki/Elem.XML"));
    EXPECT_EQ(ContentPaths::Resolve(folder.Path(), QStringLiteral("Dane1/new.xml")),
              folder.Path() + QStringLiteral("/Dane1/new.xml"));
    EXPECT_EQ(ContentPaths::ListFiles(folder.Path() + QStringLiteral("/Dane1"), QStringLiteral(".xml")),
              (QStringList{QStringLiteral("A.xml"), QStringLiteral("b.xml"), QStringLiteral("c.XML")}));
}

} // namespace
