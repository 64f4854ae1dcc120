#include "SoundTestSupport.h"
#include "course/XmlReading.h"
#include "pronunciation/TDictionary.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// UTF-16LE bytes of the text.
std::string wide(const QString& text, bool byteOrderMark = true)
{
    std::string bytes = byteOrderMark ? "\xFF\xFE" : "";
    for (const QChar c : text) {
        bytes.push_back(static_cast<char>(c.unicode() & 0xFF));
        bytes.push_back(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

class CourseDictionary : public testing::Test {
protected:
    void write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }

    kurs::test::TemporaryFolder folder_;
    std::string path_ = folder_.file("Slownik.dct");
    TDictionary dictionary_;
};

TEST_F(CourseDictionary, ReadsEveryLineIntoThreeTrimmedFields)
{
    write(wide(QStringLiteral(" hello ;hello; hh ah l ow \r\nfine;fine;f ay n\r\n")));
    dictionary_.LoadEntries(QString::fromStdString(path_));
    ASSERT_EQ(dictionary_.Entries().size(), 2);
    EXPECT_EQ(dictionary_.Entries()[0].Word, QStringLiteral("hello"));
    EXPECT_EQ(dictionary_.Entries()[0].Second, QStringLiteral("hello"));
    EXPECT_EQ(dictionary_.Entries()[0].Transcription, QStringLiteral("hh ah l ow"));
    EXPECT_EQ(dictionary_.Entries()[1].Transcription, QStringLiteral("f ay n"));
}

TEST_F(CourseDictionary, AppendsToWhatIsLoadedAlready)
{
    write(wide(QStringLiteral("fine;fine;f ay n\r\n"), false));
    dictionary_.LoadEntries(QString::fromStdString(path_));
    dictionary_.LoadEntries(QString::fromStdString(path_));
    EXPECT_EQ(dictionary_.Entries().size(), 2);
}

TEST_F(CourseDictionary, LooksWordsUpIgnoringCaseAndTakesTheFirstEntry)
{
    write(wide(QStringLiteral("hello;hello;hh ah l ow\r\nhello;hello;hh eh l ow\r\n\u0141\u00f3d\u017a;\u0141\u00f3d\u017a;w uw jh\r\n")));
    dictionary_.LoadEntries(QString::fromStdString(path_));
    EXPECT_EQ(dictionary_.FindPronunciation(QStringLiteral("Hello")), QStringLiteral("hh ah l ow"));
    EXPECT_EQ(dictionary_.FindPronunciation(QStringLiteral("HELLO")), QStringLiteral("hh ah l ow"));
    EXPECT_EQ(dictionary_.FindPronunciation(QStringLiteral("\u0142\u00d3D\u0179")), QStringLiteral("w uw jh"));
    EXPECT_EQ(dictionary_.FindPronunciation(QStringLiteral("goodbye")), QString());
}

TEST_F(CourseDictionary, AMissingFileIsAnError)
{
    EXPECT_THROW(dictionary_.LoadEntries(QString::fromStdString(folder_.file("missing.dct"))), ContentError);
}

} // namespace
