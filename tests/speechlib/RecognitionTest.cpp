#include "RecognitionTestSupport.h"
#include "platform/WaveFile.h"
#include "speechlib/Fonetra.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

using kurs::test::RecognitionFolder;
using kurs::test::spokenFile;

namespace {

std::string text(const char* value)
{
    return value == nullptr ? "<null>" : value;
}

// The words of the segment and their times and scores.
struct Word {
    std::string name;
    std::uint32_t start;
    std::uint32_t end;
    double score;
};

std::vector<Word> recognisedWords()
{
    std::vector<Word> words;
    for (std::uint32_t w = 1; w <= VX_N4_Words(); ++w)
        words.push_back({text(VX_STRING_Word(w)), VX_P32N4_WordTime(w)[0], VX_P32N4_WordTime(w)[1], VX_R8_WordScore(w)});
    return words;
}

// The speech library over a program folder with the file source, loaded with
// the network and dictionary of "I am fine".
class Recognition : public testing::Test {
protected:
    void SetUp() override
    {
        VX_V_DebugMode(3);
        folder_.writePhrase(kurs::test::iAmFine());
        ASSERT_EQ(VX_I4_InitSR(folder_.config().c_str()), 0) << VX_STRING_ErrorLog();
        ASSERT_GE(VX_I4_NewResource("tmp.lat", "tmp.dct"), 0) << VX_STRING_ErrorLog();
    }

    void TearDown() override
    {
        VX_V_StopBGRecognize();
        VX_V_Exit();
        VX_V_DebugDictionary(0);
    }

    std::string recognise(const std::string& wave)
    {
        EXPECT_EQ(VX_I4_NewSoundFile(wave.c_str()), -1) << "the file source takes the file";
        return text(VX_STRING_Recognize());
    }

    RecognitionFolder folder_;
};

TEST_F(Recognition, TheSpokenPhraseFollowsItsNetworkWordByWord)
{
    EXPECT_EQ(recognise(spokenFile("fine")), "I am fine ");
    EXPECT_EQ(text(VX_STRING_Words()), "<s> I am fine </s> ");
    EXPECT_EQ(text(VX_STRING_Outputs()), "I am fine ");
    EXPECT_EQ(text(VX_STRING_Phones()), "sil ay ae m f ay n sil ");
    const std::vector<Word> words = recognisedWords();
    ASSERT_EQ(words.size(), 5u);
    double phraseScores = 0;
    for (std::size_t w = 0; w < words.size(); ++w) {
        SCOPED_TRACE(words[w].name);
        EXPECT_LT(words[w].start, words[w].end);
        if (w > 0)
            EXPECT_EQ(words[w].start, words[w - 1].end) << "times increase word after word";
        if (w > 0 && w + 1 < words.size()) {
            EXPECT_GE(words[w].score, 50.0);
            phraseScores += words[w].score;
        }
        RecordProperty("score_" + words[w].name, std::to_string(words[w].score));
    }
    EXPECT_GE(phraseScores / 3, 65.0);
    EXPECT_EQ(VX_N4_Time(), words.back().end);
    const uint16_t* phonesPerWord = VX_P32N2_PhonesPerWord();
    ASSERT_NE(phonesPerWord, nullptr);
    EXPECT_EQ(std::vector<uint16_t>(phonesPerWord, phonesPerWord + 5), (std::vector<uint16_t>{1, 1, 2, 3, 1}));
    EXPECT_EQ(VX_N4_WordScore(2), static_cast<uint32_t>(std::trunc(VX_R8_WordScore(2))));
    EXPECT_EQ(VX_P32R8_WordScores()[3], VX_R8_WordScore(4));
}

TEST_F(Recognition, TwoIndexQueriesAddressThePhonesOfOneWord)
{
    ASSERT_EQ(recognise(spokenFile("fine")), "I am fine ");
    // WordPhone(2, 1) is phone (phones of word 1) + 1.
    EXPECT_EQ(text(VX_STRING_WordPhone(2, 1)), text(VX_STRING_Phone(2)));
    EXPECT_EQ(text(VX_STRING_WordPhone(4, 3)), "n");
    EXPECT_EQ(VX_P32N4_WordPhoneTime(4, 3)[0], VX_P32N4_PhoneTime(7)[0]);
    EXPECT_EQ(VX_R8_WordPhoneScore(4, 2), VX_R8_PhoneScore(6));
    EXPECT_EQ(VX_N4_WordPhoneScore(4, 2), VX_N4_PhoneScore(6));
    // Word 1 has one phone: its phone 2 is not phone 3 of the segment.
    EXPECT_EQ(VX_STRING_WordPhone(1, 2), nullptr);
    EXPECT_EQ(VX_STRING_WordPhone(6, 1), nullptr);
    EXPECT_EQ(VX_STRING_WordPhone(2, 0), nullptr);
    EXPECT_EQ(VX_P32N4_WordPhoneTime(6, 1), nullptr);
    EXPECT_EQ(VX_R8_WordPhoneScore(6, 1), 0.0);
    EXPECT_EQ(VX_STRING_Word(6), nullptr);
    EXPECT_EQ(VX_STRING_Word(0), nullptr);
    EXPECT_EQ(VX_P32N4_WordTime(6)[0], 0u);
    EXPECT_EQ(VX_P32N4_WordTime(6)[1], 0u);
    EXPECT_EQ(VX_P32N4_PhoneTime(9)[1], 0u);
    EXPECT_EQ(VX_R8_PhoneScore(9), 0.0);
    EXPECT_EQ(VX_N4_PhonesPerWord(6), 0u);
}

TEST_F(Recognition, AnUnrelatedSentenceTakesTheGarbagePath)
{
    EXPECT_EQ(recognise(spokenFile("unrelated")), "") << "garbage words have no output symbols";
    EXPECT_EQ(text(VX_STRING_Word(1)), "<s>");
    EXPECT_EQ(text(VX_STRING_Word(2)), "P__GV_GBGE_");
    EXPECT_EQ(text(VX_STRING_Word(VX_N4_Words())), "</s>");
}

// The test speech is made without dither, so every build scores the same
// attempts; with dither the scores moved by a few points from build to build.
TEST_F(Recognition, AWrongVowelLowersItsWordAndItsVowelMost)
{
    ASSERT_EQ(recognise(spokenFile("fine")), "I am fine ");
    const double fine = VX_R8_WordScore(4);
    const std::vector<double> finePhones = {VX_R8_WordPhoneScore(4, 1), VX_R8_WordPhoneScore(4, 2),
                                            VX_R8_WordPhoneScore(4, 3)};
    ASSERT_EQ(recognise(spokenFile("fun")), "I am fine ") << "said wrong, the phrase is still the best path";
    const double fun = VX_R8_WordScore(4);
    const std::vector<double> funPhones = {VX_R8_WordPhoneScore(4, 1), VX_R8_WordPhoneScore(4, 2),
                                           VX_R8_WordPhoneScore(4, 3)};
    RecordProperty("fine_correct", std::to_string(fine));
    RecordProperty("fine_said_fun", std::to_string(fun));
    for (std::size_t p = 0; p < 3; ++p)
        RecordProperty("phone" + std::to_string(p + 1), std::to_string(finePhones[p]) + " -> " + std::to_string(funPhones[p]));
    EXPECT_LT(fun, fine - 10.0);
    // The vowel (phone 2 of "fine", ay) loses most.
    const double vowelLoss = finePhones[1] - funPhones[1];
    EXPECT_GT(vowelLoss, 15.0);
    EXPECT_GT(vowelLoss, finePhones[0] - funPhones[0]);
    EXPECT_GT(vowelLoss, finePhones[2] - funPhones[2]);
}

TEST_F(Recognition, TheHeardAudioIsStoredAsAWaveFile)
{
    VX_V_SetWave("usr_tmp.wav");
    ASSERT_EQ(recognise(spokenFile("fine")), "I am fine ");
    std::uint32_t rate = 0;
    std::uint32_t spokenRate = 0;
    EXPECT_EQ(kurs::test::waveSamples(folder_.file("usr_tmp.wav"), &rate),
              kurs::test::waveSamples(spokenFile("fine"), &spokenRate));
    EXPECT_EQ(rate, spokenRate);
    EXPECT_FALSE(std::filesystem::exists(folder_.file("usr_tmp.wav.tmp")));

    VX_V_SetWave(nullptr);
    std::filesystem::remove(folder_.file("usr_tmp.wav"));
    ASSERT_EQ(recognise(spokenFile("fine")), "I am fine ");
    EXPECT_FALSE(std::filesystem::exists(folder_.file("usr_tmp.wav"))) << "no wave name, no file";
}

TEST_F(Recognition, ARefusedNetworkOrDictionaryLeavesThePreviousOnesInPlace)
{
    folder_.writeFile("bad.lat", kurs::test::latticeText({{"I", "ay"}, {"unknown", "ay"}}));
    EXPECT_LT(VX_I4_NewResource("bad.lat", "tmp.dct"), 0);
    EXPECT_EQ(text(VX_STRING_LastError()), "the word unknown of the network is not in the dictionary");
    EXPECT_LT(VX_I4_NewResource("tmp.lat", "missing.dct"), 0);
    EXPECT_NE(text(VX_STRING_LastError()).find("missing.dct"), std::string::npos);
    EXPECT_LT(VX_I4_NewResource("missing.lat", nullptr), 0);
    EXPECT_EQ(recognise(spokenFile("fine")), "I am fine ");
}

TEST_F(Recognition, CalibratingAFileSourceAnswersMinusOneWithoutAskingTheEngine)
{
    folder_.writeFile("bad.lat", kurs::test::latticeText({{"unknown", "ay"}}));
    VX_I4_NewResource("bad.lat", nullptr);
    const int32_t status = VX_I4_Status();
    ASSERT_LT(status, 0);
    EXPECT_EQ(VX_I4_Calibrate(1), -1);
    EXPECT_EQ(VX_I4_Calibrate(0), -1);
    EXPECT_EQ(VX_I4_Status(), status) << "the engine's status would have been cleared by a calibration";
    EXPECT_EQ(text(VX_STRING_Status()), "the word unknown of the network is not in the dictionary");
}

TEST_F(Recognition, ASecondInitialisationOnlyReportsTheStatus)
{
    EXPECT_EQ(VX_I4_InitSR("/nonexistent/other.cfg"), 0);
    EXPECT_EQ(text(VX_STRING_Status()), "OK");
    EXPECT_EQ(recognise(spokenFile("fine")), "I am fine ");
}

TEST_F(Recognition, WordNamesInsteadOfOutputSymbols)
{
    VX_V_DebugDictionary(1);
    EXPECT_EQ(recognise(spokenFile("fine")), "<s> I am fine </s> ");
}

TEST_F(Recognition, PartialResultsAreReportedOnce)
{
    ASSERT_EQ(recognise(spokenFile("unrelated")), "");
    EXPECT_EQ(text(VX_STRING_CheckTmp()), text(VX_STRING_Outputs()));
    EXPECT_EQ(text(VX_STRING_CheckTmp()), "") << "no new partial result since";
}

TEST_F(Recognition, BackgroundRecognitionReportsEachSpokenResult)
{
    ASSERT_EQ(VX_I4_NewSoundFile(spokenFile("fine").c_str()), -1);
    ASSERT_TRUE(VX_B_StartBGRecognize());
    EXPECT_FALSE(VX_B_StartBGRecognize()) << "one background recognition at a time";
    EXPECT_EQ(VX_STRING_Recognize(), nullptr) << "no synchronous recognition meanwhile";
    std::string heard;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (heard.empty() && std::chrono::steady_clock::now() < until) {
        heard = text(VX_STRING_Check());
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    VX_V_StopBGRecognize();
    EXPECT_EQ(heard, "I am fine ");
    EXPECT_EQ(text(VX_STRING_Check()), "") << "stopping clears the ready result";
    EXPECT_FALSE(VX_B_BGRecognize());
    VX_V_ResetBGRecognize();
    EXPECT_TRUE(VX_B_BGRecognize());
    EXPECT_EQ(recognise(spokenFile("fine")), "I am fine ") << "synchronous recognition works again";
}

TEST_F(Recognition, ABackgroundPassOfSilenceIsNotReported)
{
    std::vector<std::int16_t> quiet(22050 * 2);
    for (std::size_t i = 0; i < quiet.size(); ++i)
        quiet[i] = static_cast<std::int16_t>((i * 7919 % 61) - 30);
    kurs::sound::WaveFormat format;
    ASSERT_TRUE(kurs::sound::writeWaveFile(folder_.file("quiet.wav"), format,
                                           reinterpret_cast<const std::uint8_t*>(quiet.data()), quiet.size() * 2));
    ASSERT_EQ(VX_I4_NewSoundFile("quiet.wav"), -1);
    ASSERT_TRUE(VX_B_StartBGRecognize());
    // Wait for the first finished pass; a loaded machine may need longer than one would think.
    std::string phones;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (phones.empty() && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        phones = text(VX_STRING_Phones());
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::string heard = text(VX_STRING_Check());
    VX_V_StopBGRecognize();
    EXPECT_EQ(heard, "");
    EXPECT_NE(phones, "") << "the passes did run";
    EXPECT_EQ(phones.find_first_not_of("sil "), std::string::npos) << phones;
}

TEST(RecognitionWithoutContext, AnswersNullZeroAndMinusOne)
{
    VX_V_DebugMode(3);
    EXPECT_EQ(VX_STRING_Recognize(), nullptr);
    EXPECT_EQ(VX_I4_LastError(), -1);
    EXPECT_EQ(text(VX_STRING_LastError()), "HAPI not initialized");
    EXPECT_EQ(VX_I4_Status(), -1);
    EXPECT_EQ(text(VX_STRING_Status()), "HAPI not initialized");
    EXPECT_EQ(VX_I4_Calibrate(1), -1);
    EXPECT_EQ(VX_I4_NewSoundFile("x.wav"), 0);
    EXPECT_EQ(VX_I4_NewResource("tmp.lat", "tmp.dct"), -1);
    EXPECT_EQ(VX_N4_Words(), 0u);
    EXPECT_EQ(VX_STRING_Word(1), nullptr);
    EXPECT_EQ(VX_P32N4_WordTime(1), nullptr);
    EXPECT_EQ(VX_N4_Time(), 0u);
    EXPECT_FALSE(VX_B_StartBGRecognize());
    EXPECT_EQ(text(VX_STRING_Check()), "");
    EXPECT_EQ(VX_V_Exit(), 0);
}

TEST(RecognitionWithoutContext, AMissingConfigurationFileIsNamed)
{
    VX_V_DebugMode(3);
    kurs::test::TemporaryFolder folder;
    EXPECT_EQ(VX_I4_InitSR(folder.file("nothing.cfg").c_str()), -1);
    EXPECT_EQ(VX_I4_LastError(), -106);
    EXPECT_EQ(text(VX_STRING_LastError()), "config file not found:\nnothing.cfg");
    EXPECT_EQ(std::filesystem::current_path(), folder.path()) << "the configuration folder became current";
}

TEST(RecognitionWithoutContext, ABrokenConfigurationLeavesNoContext)
{
    VX_V_DebugMode(3);
    RecognitionFolder folder("BEAM = wide\r\n");
    EXPECT_EQ(VX_I4_InitSR(folder.config().c_str()), -1);
    EXPECT_EQ(text(VX_STRING_LastError()), "HAPI not initialized");
    EXPECT_EQ(VX_I4_Status(), -1);
}

} // namespace
