#include "MicrophoneFeeder.h"
#include "SoundTestSupport.h"
#include "platform/WaveFile.h"
#include "speechlib/CT_Sound.h"
#include "speechlib/support/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <thread>

using kurs::test::MicrophoneFeeder;

namespace {

constexpr std::int16_t kRoomNoise = 400;
constexpr std::size_t kRate = MicrophoneFeeder::kRateHz;

std::vector<std::int16_t> speech()
{
    return MicrophoneFeeder::readSamples(KURS_TEST_SPEECH);
}

bool isLoud(std::int16_t sample)
{
    return std::abs(sample) > 2000;
}

// The stretch from the first to the last sample louder than the room.
struct Voiced {
    std::size_t first = 0;
    std::size_t last = 0;
    bool found = false;
};

Voiced voicedPart(const std::vector<std::int16_t>& samples)
{
    Voiced part;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (!isLoud(samples[i]))
            continue;
        if (!part.found)
            part.first = i;
        part.last = i;
        part.found = true;
    }
    return part;
}

std::vector<std::int16_t> samplesOf(const CT_Sound& sound)
{
    const auto* data = reinterpret_cast<const std::int16_t*>(sound.qcc_GetBuffer());
    return data == nullptr ? std::vector<std::int16_t>{} : std::vector<std::int16_t>(data, data + sound.n_GetSamples());
}

class SoundCapture : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(kurs::test::microphonePipe().empty())
            << "the sound tests need the test services: source scripts/test-services.sh; start_test_services";
        VX_ClearError(3);
    }

    kurs::test::TemporaryFolder folder_;
    std::string path_ = folder_.file("nagranie.wav");
    MicrophoneFeeder microphone_;
};

TEST_F(SoundCapture, CalibrationInAQuietRoomAnswersALittleAboveTwoAndSetsTheSilenceLevel)
{
    ASSERT_TRUE(microphone_.start({}, kRoomNoise)) << microphone_.error();
    CT_Sound sound;
    const float level = sound.r_Calibrate(1000);
    // Noise within +-400 averages about 0.36 in 8-bit units.
    EXPECT_GT(level, 2.0f);
    EXPECT_LT(level, 3.0f);
    EXPECT_EQ(sound.r_GetSilenceLevel(), level);
    EXPECT_EQ(VX_GetErrorCode(), 0);
}

TEST_F(SoundCapture, ATriggeredRecordingKeepsTheSecondBeforeTheSpeechAndEndsAfterThePause)
{
    const std::vector<std::int16_t> voice = speech();
    ASSERT_GT(voice.size(), kRate / 2);
    std::vector<std::int16_t> script = MicrophoneFeeder::silence(2.0);
    script.insert(script.end(), voice.begin(), voice.end());
    ASSERT_TRUE(microphone_.start(script, kRoomNoise)) << microphone_.error();

    CT_Sound sound(path_.c_str());
    ASSERT_TRUE(sound.b_Record()) << VX_GetErrorMessage();
    microphone_.stop();

    kurs::sound::WaveData wave;
    ASSERT_EQ(kurs::sound::readWaveFile(path_, wave), kurs::sound::WaveFileError::None);
    EXPECT_EQ(wave.format.samplesPerSec, 22050u);
    EXPECT_EQ(wave.format.bitsPerSample, 16);
    EXPECT_EQ(wave.format.channels, 1);
    EXPECT_EQ(std::filesystem::file_size(path_), 44u + wave.pcm.size());

    // The file is loaded, and it is what was written.
    const std::vector<std::int16_t> recorded = samplesOf(sound);
    ASSERT_EQ(recorded.size() * 2, wave.pcm.size());
    const Voiced heard = voicedPart(recorded);
    const Voiced spoken = voicedPart(voice);
    ASSERT_TRUE(heard.found);
    ASSERT_TRUE(spoken.found);
    // Up to a second of the room before the speech: the buffer before the one
    // that heard the voice.
    EXPECT_GT(heard.first, kRate / 2);
    EXPECT_LE(heard.first, kRate + kRate / 20);
    // The voice is there whole, as long as it was spoken.
    EXPECT_NEAR(static_cast<double>(heard.last - heard.first), static_cast<double>(spoken.last - spoken.first),
                kRate * 0.05);
    // Then more than the two pause seconds of the room.
    EXPECT_GE(recorded.size() - heard.last, 2 * kRate);
    EXPECT_LE(recorded.size() - heard.last, 5 * kRate);
}

TEST_F(SoundCapture, ARecordingInSilenceGivesUpAndLeavesNoFile)
{
    ASSERT_TRUE(microphone_.start({}, kRoomNoise)) << microphone_.error();
    std::filesystem::copy_file(KURS_TEST_SPEECH, path_);
    CT_Sound sound(path_.c_str());
    EXPECT_FALSE(sound.b_Record());
    EXPECT_FALSE(std::filesystem::exists(path_));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 0);
    EXPECT_EQ(VX_GetErrorCode(), 0);
}

TEST_F(SoundCapture, WaitingForSpeechCountsThePauseSeconds)
{
    // Speech starting 1.6 s in opens only the third one-second buffer: with one
    // silent second allowed the recording has given up by then, with two it is heard.
    const struct {
        std::uint32_t pauseSeconds;
        bool recorded;
    } rows[] = {{1, false}, {2, true}};
    std::vector<std::int16_t> script = MicrophoneFeeder::silence(1.6);
    const std::vector<std::int16_t> voice = speech();
    script.insert(script.end(), voice.begin(), voice.end());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pauseSeconds);
        ASSERT_TRUE(microphone_.start(script, kRoomNoise)) << microphone_.error();
        CT_Sound sound(path_.c_str());
        sound.v_SetPauseSeconds(row.pauseSeconds);
        EXPECT_EQ(sound.b_Record(), row.recorded);
        EXPECT_EQ(std::filesystem::exists(path_), row.recorded);
        microphone_.stop();
    }
}

TEST_F(SoundCapture, AnImpossibleCalibrationTimeFailsAsABufferThatCannotBePrepared)
{
    ASSERT_TRUE(microphone_.start({}, kRoomNoise)) << microphone_.error();
    CT_Sound sound;
    EXPECT_EQ(sound.r_Calibrate(0xFFFFFFFFu), -1.0f);
    EXPECT_NE(std::string(VX_GetErrorLog()).find("[1] Can't prepare calibration buffer \nunspecified error\n"),
              std::string::npos);
    EXPECT_EQ(sound.r_GetSilenceLevel(), 3.0f);
}

TEST_F(SoundCapture, AMicrophoneThatDeliversNothingFailsTheCalibrationInsteadOfHanging)
{
    CT_Sound sound;
    EXPECT_EQ(sound.r_Calibrate(200), -1.0f);
    EXPECT_EQ(VX_GetErrorCode(), 1);
    EXPECT_STREQ(VX_GetErrorMessage(), "general sound calibration error\nunspecified error");
    EXPECT_EQ(sound.r_GetSilenceLevel(), 3.0f);
}

TEST_F(SoundCapture, CommandStringRecordingSavesAndLoadsTheFile)
{
    ASSERT_TRUE(microphone_.start(kurs::test::tone(500.0, 10.0, kRate), kRoomNoise)) << microphone_.error();
    CT_Sound sound(path_.c_str());
    ASSERT_TRUE(sound.b_MCIRecord()) << VX_GetErrorMessage();
    EXPECT_TRUE(sound.b_IsRecording());
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    ASSERT_TRUE(sound.b_MCIStopRecord()) << VX_GetErrorMessage();
    EXPECT_FALSE(sound.b_IsRecording());
    EXPECT_STREQ(VX_GetErrorMessage(), "MCI error: \nNo sound device is open under this alias.");

    EXPECT_GT(sound.n_GetSamples(), kRate * 4 / 10);
    EXPECT_LT(sound.n_GetSamples(), kRate * 2);
    const std::vector<std::int16_t> recorded = samplesOf(sound);
    EXPECT_NEAR(kurs::test::measuredFrequencyHz(recorded.data(), recorded.size(), kRate), 500.0, 15.0);
}

TEST_F(SoundCapture, StoppingACommandStringRecordingWithoutAFileNameSavesNothing)
{
    ASSERT_TRUE(microphone_.start({}, kRoomNoise)) << microphone_.error();
    CT_Sound sound;
    ASSERT_TRUE(sound.b_MCIRecord());
    EXPECT_FALSE(sound.b_MCIStopRecord());
    EXPECT_EQ(sound.n_GetSamples(), 0u);
}

TEST_F(SoundCapture, PlaysItsFileAndWaitsForTheEnd)
{
    const auto samples = kurs::test::tone(440.0, 0.4, kRate);
    ASSERT_TRUE(kurs::sound::writeWaveFile(path_, kurs::sound::WaveFormat{},
                                           reinterpret_cast<const std::uint8_t*>(samples.data()), samples.size() * 2));
    CT_Sound sound(path_.c_str());
    ASSERT_TRUE(sound.b_MCIPlay(0, 0)) << VX_GetErrorMessage();
    EXPECT_TRUE(sound.b_IsPlaying());
    EXPECT_TRUE(sound.b_MCIStopPlay());
    EXPECT_FALSE(sound.b_IsPlaying());

    ASSERT_TRUE(sound.b_MCIPlayWait(100, 300)) << VX_GetErrorMessage();
    EXPECT_FALSE(sound.b_IsPlaying());
}

TEST_F(SoundCapture, PlayingAMissingFileReportsTheServiceError)
{
    CT_Sound sound(folder_.file("brak.wav").c_str());
    EXPECT_FALSE(sound.b_MCIPlay(0, 0));
    EXPECT_EQ(VX_GetErrorCode(), -1);
    EXPECT_STREQ(VX_GetErrorMessage(), "MCI error: \nThe sound file cannot be found or read.");
}

} // namespace
