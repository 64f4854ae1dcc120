#include "RecognitionTestSupport.h"
#include "course/XmlReading.h"
#include "pronunciation/PhraseRecognition.h"
#include "speechlib/Fonetra.h"

#include <gtest/gtest.h>

#include <filesystem>

using kurs::test::RecognitionFolder;

namespace {

QByteArray bytesOf(const std::string& path)
{
    const std::string bytes = kurs::test::readBytes(path);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// UTF-16LE bytes of the text, with a byte-order mark.
std::string wide(const QString& text)
{
    std::string bytes = "\xFF\xFE";
    for (const QChar c : text) {
        bytes.push_back(static_cast<char>(c.unicode() & 0xFF));
        bytes.push_back(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

const QByteArray kGarbageBlock = "SUBLAT=<GARBAGE>\r\nN=6 L=6\r\nI=0 W=!NULL x=10 y=10\r\nI=1 W=!NULL x=20 y=10\r\n"
                                 "I=2 W=!NULL x=30 y=10\r\nI=3 W=_GV_GBGEMARKER_ x=40 y=10\r\nI=4 W=!NULL x=50 y=10\r\n"
                                 "I=5 W=P__GV_GBGE_ x=25 y=20\r\nJ=0 S=0 E=1\r\nJ=1 S=1 E=5\r\nJ=2 S=2 E=1 l=-16\r\n"
                                 "J=3 S=2 E=3\r\nJ=4 S=3 E=4\r\nJ=5 S=5 E=2\r\n.\r\n";
const QByteArray kFixedNodes = "I=0 W=!NULL x=10 y=10\r\nI=1 W=!NULL x=510 y=10\r\nI=2 W=<s> x=15 y=10\r\n"
                               "I=3 W=</s> x=505 y=10\r\nI=4 L=<GARBAGE> x=250 y=5\r\n";

TEST(Lattice, OfThreeWords)
{
    EXPECT_EQ(PhraseRecognition::LatticeText({QStringLiteral("I"), QStringLiteral("am"), QStringLiteral("fine")}),
              kGarbageBlock + "N=8 L=8\r\n" + kFixedNodes
                  + "I=5 W=I x=25 y=15\r\nI=6 W=am x=30 y=15\r\nI=7 W=fine x=35 y=15\r\n"
                    "J=0 S=0 E=2\r\nJ=1 S=3 E=1\r\nJ=2 S=2 E=4 l=-16\r\nJ=3 S=4 E=3\r\nJ=4 S=2 E=5\r\n"
                    "J=5 S=5 E=6\r\nJ=6 S=6 E=7\r\nJ=7 S=7 E=3\r\n\r\n");
}

TEST(Lattice, OfOneWordHasNoWordToWordLinks)
{
    EXPECT_EQ(PhraseRecognition::LatticeText({QStringLiteral("hello")}),
              kGarbageBlock + "N=6 L=6\r\n" + kFixedNodes
                  + "I=5 W=hello x=25 y=15\r\n"
                    "J=0 S=0 E=2\r\nJ=1 S=3 E=1\r\nJ=2 S=2 E=4 l=-16\r\nJ=3 S=4 E=3\r\nJ=4 S=2 E=5\r\n"
                    "J=5 S=5 E=3\r\n\r\n");
}

TEST(Lattice, WithoutWordsLeavesOnlyTheGarbagePath)
{
    EXPECT_EQ(PhraseRecognition::LatticeText({}),
              kGarbageBlock + "N=5 L=4\r\n" + kFixedNodes
                  + "J=0 S=0 E=2\r\nJ=1 S=3 E=1\r\nJ=2 S=2 E=4 l=-16\r\nJ=3 S=4 E=3\r\n\r\n");
}

TEST(PhraseWords, EndAtTheFirstEmptyField)
{
    EXPECT_EQ(PhraseRecognition::PhraseWordList(QStringLiteral("I/am/fine")),
              (QStringList{QStringLiteral("I"), QStringLiteral("am"), QStringLiteral("fine")}));
    EXPECT_EQ(PhraseRecognition::PhraseWordList(QStringLiteral("a//b")), QStringList{QStringLiteral("a")});
    EXPECT_EQ(PhraseRecognition::PhraseWordList(QStringLiteral("hello/")), QStringList{QStringLiteral("hello")});
    EXPECT_TRUE(PhraseRecognition::PhraseWordList(QString()).isEmpty());
}

// The program folder of the course with the engine files of English, the
// speech library started on them (file source).
class PhrasePreparation : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(VX_I4_InitSR(folder_.config().c_str()), 0) << VX_STRING_ErrorLog();
    }

    void TearDown() override { VX_V_Exit(); }

    QString Folder() const { return QString::fromStdString(folder_.path().string()); }

    RecognitionFolder folder_;
    QStringList messages_;
    PhraseRecognition phrase_{Folder(), [this](const QString& text) { messages_.push_back(text); }};
};

TEST_F(PhrasePreparation, WritesTheEngineDictionaryAfterTheFixedEntries)
{
    std::filesystem::remove(folder_.file("slownik.dct"));
    folder_.writeFile("Slownik.dct", wide(QStringLiteral("hello;hello;hh ah l ow\r\n\u0142\u00f3d\u017a;;w uw jh\r\n")));
    phrase_.PreparePhrase(QStringLiteral("Hello/unknown/\u0141\u00f3d\u017a"));
    const QByteArray expected = bytesOf(folder_.file("tmp0.dct")) + "\r\nHello [Hello] hh ah l ow\r\n"
        + "unknown [unknown] \r\n" + "\xA3\xF3\x64\x9F [\xA3\xF3\x64\x9F] w uw jh\r\n";
    EXPECT_EQ(bytesOf(folder_.file("tmp.dct")), expected);
    EXPECT_EQ(messages_, QStringList{PhraseRecognition::kDictionaryNotLoaded}) << "unknown has no transcription";
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path()))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(PhrasePreparation, LoadsThePhraseForTheNextRecognition)
{
    phrase_.PreparePhrase(QStringLiteral("I/am/fine"));
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_EQ(bytesOf(folder_.file("tmp.lat")), PhraseRecognition::LatticeText(
                                                     {QStringLiteral("I"), QStringLiteral("am"), QStringLiteral("fine")}));
    ASSERT_NE(phrase_.Dictionary(), nullptr);
    EXPECT_EQ(phrase_.Dictionary()->FindPronunciation(QStringLiteral("fine")), QStringLiteral("f ay n"));
    ASSERT_EQ(VX_I4_NewSoundFile(kurs::test::spokenFile("fine").c_str()), -1);
    const char* recognised = VX_STRING_Recognize();
    ASSERT_NE(recognised, nullptr);
    EXPECT_STREQ(recognised, "I am fine ");
}

TEST_F(PhrasePreparation, ARefusedPhraseKeepsThePreviousOneAndSaysSo)
{
    phrase_.PreparePhrase(QStringLiteral("I/am/fine"));
    phrase_.PreparePhrase(QStringLiteral("I/am/zzzq"));
    EXPECT_EQ(messages_, QStringList{PhraseRecognition::kDictionaryNotLoaded});
    ASSERT_EQ(VX_I4_NewSoundFile(kurs::test::spokenFile("fine").c_str()), -1);
    const char* recognised = VX_STRING_Recognize();
    ASSERT_NE(recognised, nullptr);
    EXPECT_STREQ(recognised, "I am fine ");
}

TEST_F(PhrasePreparation, MissingContentFilesAreErrors)
{
    std::filesystem::remove(folder_.file("tmp0.dct"));
    EXPECT_THROW(phrase_.PreparePhrase(QStringLiteral("hello")), ContentError);
    std::filesystem::remove(folder_.file("slownik.dct"));
    EXPECT_THROW(phrase_.PreparePhrase(QStringLiteral("hello")), ContentError);
}

} // namespace
