#include "MicrophoneFeeder.h"
#include "RecognitionTestSupport.h"
#include "speechlib/Fonetra.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

using kurs::test::MicrophoneFeeder;
using kurs::test::RecognitionFolder;

namespace {

constexpr std::int16_t kRoomNoise = 300;

std::string text(const char* value)
{
    return value == nullptr ? "<null>" : value;
}

std::vector<std::int16_t> afterAPause(const std::string& name)
{
    std::vector<std::int16_t> sound = MicrophoneFeeder::silence(0.6);
    const std::vector<std::int16_t> speech = MicrophoneFeeder::readSamples(kurs::test::spokenFile(name));
    sound.insert(sound.end(), speech.begin(), speech.end());
    return sound;
}

// The speech library listening to the test server's microphone, loaded with
// the network and dictionary of "I am fine".
class LiveRecognition : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(kurs::test::microphonePipe().empty())
            << "the live tests need the test services: source scripts/test-services.sh; start_test_services";
        VX_V_DebugMode(3);
        folder_.writePhrase(kurs::test::iAmFine());
        ASSERT_TRUE(microphone_.start({}, kRoomNoise)) << microphone_.error();
        ASSERT_EQ(VX_I4_InitSR(folder_.config().c_str()), 0) << VX_STRING_ErrorLog();
        ASSERT_GE(VX_I4_NewResource("tmp.lat", "tmp.dct"), 0) << VX_STRING_ErrorLog();
    }

    void TearDown() override
    {
        VX_V_StopBGRecognize();
        VX_V_Exit();
    }

    RecognitionFolder folder_{"MAXLENGTH = 5000\r\nCALIBRATION = 500\r\n"};
    MicrophoneFeeder microphone_;
};

TEST_F(LiveRecognition, CalibrationAnswersTheLevelOfTheRoomAndOfTheVoice)
{
    // Noise within +-300 has an RMS amplitude of about 173: 44.8 dB.
    const int32_t room = VX_I4_Calibrate(0);
    EXPECT_GE(room, 43);
    EXPECT_LE(room, 46);
    microphone_.stop();
    ASSERT_TRUE(microphone_.start(MicrophoneFeeder::readSamples(kurs::test::spokenFile("unrelated")), kRoomNoise));
    EXPECT_GT(VX_I4_Calibrate(1), room + 20);
    EXPECT_EQ(text(VX_STRING_Status()), "OK");
}

TEST_F(LiveRecognition, ThePhraseSaidIntoTheMicrophoneIsRecognisedAndStored)
{
    ASSERT_GE(VX_I4_Calibrate(1), 0);
    EXPECT_EQ(VX_I4_NewSoundFile("usr_tmp.wav"), 0) << "a live source takes no file";
    VX_V_SetWave("usr_tmp.wav");
    microphone_.stop();
    const std::vector<std::int16_t> sound = afterAPause("fine");
    ASSERT_TRUE(microphone_.start(sound, kRoomNoise)) << microphone_.error();
    EXPECT_EQ(text(VX_STRING_Recognize()), "I am fine ") << VX_STRING_ErrorLog();
    EXPECT_EQ(text(VX_STRING_Word(2)), "I");

    std::uint32_t rate = 0;
    const std::vector<std::int16_t> stored = kurs::test::waveSamples(folder_.file("usr_tmp.wav"), &rate);
    EXPECT_EQ(rate, 22050u);
    // The 300 ms before the speech, the spoken phrase (about 0.8 s of voice)
    // and the 700 ms of silence that ended it.
    const double seconds = static_cast<double>(stored.size()) / rate;
    EXPECT_GT(seconds, 1.6);
    EXPECT_LT(seconds, 2.2);
    const auto loud = [](std::int16_t s) { return std::abs(s) > 2000; };
    EXPECT_GE(std::count_if(stored.begin(), stored.end(), loud), std::count_if(sound.begin(), sound.end(), loud) * 9 / 10);
    // Word times are milliseconds of the stored sound.
    EXPECT_LE(VX_N4_Time(), static_cast<uint32_t>(seconds * 1000) + 10);
    EXPECT_GE(VX_N4_Time() + 30, static_cast<uint32_t>(seconds * 1000));
}

TEST_F(LiveRecognition, BackgroundRecognitionHearsThePhrase)
{
    ASSERT_TRUE(VX_B_StartBGRecognize());
    microphone_.stop();
    ASSERT_TRUE(microphone_.start(afterAPause("fine"), kRoomNoise)) << microphone_.error();
    std::string heard;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(8);
    while (heard.empty() && std::chrono::steady_clock::now() < until) {
        heard = text(VX_STRING_Check());
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    VX_V_StopBGRecognize();
    EXPECT_EQ(heard, "I am fine ");
}

} // namespace
