#include "RecognitionTestSupport.h"
#include "engine/AudioSource.h"
#include "engine/Coder.h"
#include "engine/EngineFailure.h"
#include "engine/Hapi.h"
#include "engine/Resampler.h"
#include "engine/UtteranceDetector.h"
#include "platform/WaveFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

using namespace kurs::engine;
using kurs::test::measuredFrequencyHz;
using kurs::test::tone;

namespace {

double rms(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to)
{
    double energy = 0;
    for (std::size_t i = from; i < to; ++i)
        energy += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(energy / static_cast<double>(to - from));
}

TEST(Resampling, KeepsATonesPitchAndLoudnessAndTheDuration)
{
    const std::vector<std::int16_t> input = tone(1000.0, 1.0, 22050);
    const std::vector<std::int16_t> output = resampled(input, 22050, 16000);
    ASSERT_EQ(output.size(), 16000u);
    EXPECT_NEAR(measuredFrequencyHz(output.data() + 1000, 14000, 16000), 1000.0, 2.0);
    EXPECT_NEAR(rms(output, 1000, 15000), rms(input, 1000, 21000), 0.01 * rms(input, 1000, 21000));
}

TEST(Resampling, RemovesWhatTheLowerRateCannotHold)
{
    // 10 kHz lies above the 8 kHz Nyquist frequency of 16000 Hz.
    const std::vector<std::int16_t> input = tone(10000.0, 1.0, 22050);
    const std::vector<std::int16_t> output = resampled(input, 22050, 16000);
    EXPECT_LT(rms(output, 1000, 15000), 0.01 * rms(input, 1000, 21000));
}

TEST(Resampling, LeavesTheModelRateAlone)
{
    const std::vector<std::int16_t> input = tone(440.0, 0.1, 16000);
    EXPECT_EQ(resampled(input, 16000, 16000), input);
}

TEST(SoundLevel, IsDecibelsOfTheRmsAmplitude)
{
    const std::vector<std::int16_t> quiet(100, 0);
    EXPECT_EQ(levelDb(quiet.data(), quiet.size()), 0.0);
    const std::vector<std::int16_t> steady(100, 1000);
    EXPECT_NEAR(levelDb(steady.data(), steady.size()), 60.0, 1e-9);
}

class Utterance : public testing::Test {
protected:
    static constexpr std::uint32_t kRate = 22050;

    static std::vector<std::int16_t> noise(double seconds)
    {
        std::vector<std::int16_t> samples(static_cast<std::size_t>(seconds * kRate));
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = static_cast<std::int16_t>((i * 7919 % 201) - 100);
        return samples;
    }

    static void append(std::vector<std::int16_t>& to, const std::vector<std::int16_t>& more)
    {
        to.insert(to.end(), more.begin(), more.end());
    }

    UtteranceDetector::Settings settings_{kRate, 700, 5000};
};

TEST_F(Utterance, StartsShortlyBeforeTheSpeechAndEndsAfterTheEndSilence)
{
    std::vector<std::int16_t> sound = noise(1.0);
    append(sound, tone(300.0, 1.0, kRate));
    append(sound, noise(2.0));
    UtteranceDetector detector(settings_, std::nullopt);
    const std::size_t used = detector.feed(sound.data(), sound.size());
    ASSERT_TRUE(detector.ended());
    EXPECT_TRUE(detector.heardSpeech());
    EXPECT_LT(used, sound.size()) << "sound after the end stays with the caller";
    // 300 ms before the speech, the second of speech, 700 ms of silence.
    const double seconds = static_cast<double>(detector.utterance().size()) / kRate;
    EXPECT_NEAR(seconds, 0.3 + 1.0 + 0.7, 0.03);
    EXPECT_NEAR(detector.noiseFloorDb(), levelDb(noise(0.1).data(), noise(0.1).size()), 3.0);
}

TEST_F(Utterance, WithoutSpeechEndsAfterTheLongestUtteranceWithAllItHeard)
{
    const std::vector<std::int16_t> sound = noise(6.0);
    UtteranceDetector detector(settings_, std::nullopt);
    detector.feed(sound.data(), sound.size());
    EXPECT_TRUE(detector.ended());
    EXPECT_FALSE(detector.heardSpeech());
    EXPECT_NEAR(static_cast<double>(detector.utterance().size()) / kRate, 5.0, 0.011);
}

TEST_F(Utterance, EndsAtTheLongestUtteranceWhileSpeechGoesOn)
{
    std::vector<std::int16_t> sound = noise(0.5);
    append(sound, tone(300.0, 8.0, kRate));
    UtteranceDetector detector(settings_, std::nullopt);
    detector.feed(sound.data(), sound.size());
    EXPECT_TRUE(detector.ended());
    EXPECT_NEAR(static_cast<double>(detector.utterance().size()) / kRate, 5.0, 0.011);
}

TEST_F(Utterance, ACalibratedFloorHearsQuietSpeech)
{
    // 30 dB above the noise, but the first frames are already speech: without
    // a calibration the floor would start on the speech itself.
    std::vector<std::int16_t> sound = tone(300.0, 1.0, kRate, 3000.0);
    append(sound, noise(1.0));
    UtteranceDetector uncalibrated(settings_, std::nullopt);
    uncalibrated.feed(sound.data(), sound.size());
    EXPECT_FALSE(uncalibrated.heardSpeech());
    UtteranceDetector calibrated(settings_, levelDb(noise(0.1).data(), noise(0.1).size()));
    calibrated.feed(sound.data(), sound.size());
    EXPECT_TRUE(calibrated.heardSpeech());
}

class SamplePeriod : public testing::TestWithParam<std::uint32_t> {};

TEST_P(SamplePeriod, GivesTheRateBackExactly)
{
    EngineConfig config;
    config.sampleRateHz = GetParam();
    const AudioSource source(AudioSource::Kind::Live, config);
    EXPECT_EQ(static_cast<std::uint32_t>(1000.0 / source.samplePeriodMs()), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Rates, SamplePeriod, testing::Values(8000u, 11025u, 16000u, 22050u, 44100u, 48000u));

TEST(StoredSource, IsTheUtteranceAsBigEndianSamplesAfterATwelveByteHeader)
{
    kurs::test::TemporaryFolder folder;
    const std::string wave = folder.file("in.wav");
    const std::vector<std::int16_t> samples = {1, -2, 0x1234, -32768, 32767};
    kurs::sound::WaveFormat format;
    format.samplesPerSec = 11025;
    format.avgBytesPerSec = 22050;
    ASSERT_TRUE(kurs::sound::writeWaveFile(wave, format, reinterpret_cast<const std::uint8_t*>(samples.data()), 10));

    EngineConfig config;
    auto source = std::make_shared<AudioSource>(AudioSource::Kind::File, config);
    source->useFile(wave);
    Coder coder(source, config);
    coder.prepare();
    EXPECT_EQ(coder.saveSource(folder.file("empty.raw")), 0) << "no utterance yet";
    source->start();
    EXPECT_EQ(coder.listen(), samples);
    ASSERT_EQ(coder.saveSource(folder.file("stored.raw")), 5);
    const std::string stored = kurs::test::readBytes(folder.file("stored.raw"));
    // 5 samples, 907 x 100 ns (1 / 11025 s), 2 bytes, kind 0; then the samples.
    const std::string expected("\x00\x00\x00\x05\x00\x00\x03\x8B\x00\x02\x00\x00"
                               "\x00\x01\xFF\xFE\x12\x34\x80\x00\x7F\xFF", 22);
    EXPECT_EQ(stored, expected);
    EXPECT_FALSE(std::filesystem::exists(folder.file("empty.raw")));
}

TEST(FileSource, RefusesWhatIsNotPcmSoundAndTheLiveSourceReadsNoFile)
{
    kurs::test::TemporaryFolder folder;
    kurs::test::RecognitionFolder program;
    program.writeFile("text.wav", "not a wave file at all, only text");
    EngineConfig config;
    AudioSource file(AudioSource::Kind::File, config);
    EXPECT_THROW(file.start(), EngineFailure) << "no file named yet";
    try {
        file.useFile(program.file("text.wav"));
        FAIL();
    } catch (const EngineFailure& error) {
        EXPECT_EQ(error.code(), HAPI_ERR_FORMAT);
    }
    try {
        file.useFile(folder.file("missing.wav"));
        FAIL();
    } catch (const EngineFailure& error) {
        EXPECT_EQ(error.code(), HAPI_ERR_FILE);
    }
    AudioSource live(AudioSource::Kind::Live, config);
    EXPECT_THROW(live.useFile(kurs::test::spokenFile("fine")), EngineFailure);
}

} // namespace
