#include "MicrophoneFeeder.h"
#include "RecognitionTestSupport.h"
#include "engine/AudioSource.h"
#include "engine/Coder.h"
#include "engine/EngineConfig.h"
#include "engine/Hapi.h"
#include "engine/LiveInput.h"
#include "engine/UtteranceDetector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>

using namespace kurs::engine;
using kurs::test::MicrophoneFeeder;

namespace {

constexpr std::int16_t kRoomNoise = 300;
constexpr std::uint32_t kRate = MicrophoneFeeder::kRateHz;

std::vector<std::int16_t> spoken(const std::string& name)
{
    return MicrophoneFeeder::readSamples(kurs::test::spokenFile(name));
}

// From the first to the last loud sample.
double voicedSeconds(const std::vector<std::int16_t>& samples)
{
    const auto loud = [](std::int16_t s) { return std::abs(s) > 2000; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud);
    return first == samples.end() ? 0.0 : static_cast<double>((samples.rend() - last) - (first - samples.begin())) / kRate;
}

std::size_t loudSamples(const std::vector<std::int16_t>& samples)
{
    return static_cast<std::size_t>(
        std::count_if(samples.begin(), samples.end(), [](std::int16_t s) { return std::abs(s) > 2000; }));
}

class LiveSound : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(kurs::test::microphonePipe().empty())
            << "the live tests need the test services: source scripts/test-services.sh; start_test_services";
        config_.sampleRateHz = kRate;
        config_.endSilenceMs = 700;
        config_.maxLengthMs = 6000;
        config_.calibrationMs = 500;
        source_ = std::make_shared<AudioSource>(AudioSource::Kind::Live, config_);
        source_->initialise();
    }

    void TearDown() override
    {
        if (source_)
            source_->stop();
    }

    EngineConfig config_;
    std::shared_ptr<AudioSource> source_;
    MicrophoneFeeder microphone_;
};

TEST_F(LiveSound, TheInputDeliversTheMicrophoneInRealTime)
{
    ASSERT_TRUE(microphone_.start(spoken("fine"), kRoomNoise)) << microphone_.error();
    LiveInput input(0, kRate);
    input.start();
    std::vector<std::int16_t> samples;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < until)
        ASSERT_TRUE(input.read(samples, std::chrono::milliseconds(200)));
    input.stop();
    EXPECT_NEAR(static_cast<double>(samples.size()) / kRate, 2.0, 0.25);
    EXPECT_GT(loudSamples(samples), loudSamples(spoken("fine")) / 2) << "the speech came through";
}

TEST_F(LiveSound, TheCoderListensToOneUtteranceUntilItsEndSilence)
{
    std::vector<std::int16_t> sound = MicrophoneFeeder::silence(0.8);
    const std::vector<std::int16_t> speech = spoken("fine");
    sound.insert(sound.end(), speech.begin(), speech.end());
    ASSERT_TRUE(microphone_.start(sound, kRoomNoise)) << microphone_.error();
    Coder coder(source_, config_);
    coder.prepare();
    source_->start();
    const auto started = std::chrono::steady_clock::now();
    const std::vector<std::int16_t> utterance = coder.listen();
    const double waited = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_GE(loudSamples(utterance), loudSamples(speech) * 9 / 10);
    // The 300 ms before the speech, the speech and the end-of-utterance silence.
    const double seconds = static_cast<double>(utterance.size()) / kRate;
    EXPECT_NEAR(seconds, 0.3 + voicedSeconds(speech) + 0.7, 0.15);
    EXPECT_LT(waited, 0.8 + static_cast<double>(speech.size()) / kRate + 1.0);
    EXPECT_EQ(coder.utteranceRateHz(), kRate);
}

TEST_F(LiveSound, ARunningSourceLosesNothingBetweenTwoUtterances)
{
    std::vector<std::int16_t> sound = MicrophoneFeeder::silence(0.5);
    for (const char* name : {"fine", "fun"}) {
        const std::vector<std::int16_t> speech = spoken(name);
        sound.insert(sound.end(), speech.begin(), speech.end());
        const std::vector<std::int16_t> pause = MicrophoneFeeder::silence(1.2);
        sound.insert(sound.end(), pause.begin(), pause.end());
    }
    ASSERT_TRUE(microphone_.start(sound, kRoomNoise)) << microphone_.error();
    Coder coder(source_, config_);
    source_->start();
    coder.prepare();
    const std::size_t first = loudSamples(coder.listen());
    coder.complete();
    coder.prepare();
    const std::size_t second = loudSamples(coder.listen());
    EXPECT_GE(first, loudSamples(spoken("fine")) * 9 / 10);
    EXPECT_GE(second, loudSamples(spoken("fun")) * 9 / 10);
}

TEST_F(LiveSound, CalibrationMeasuresTheRoomAndTheVoice)
{
    ASSERT_TRUE(microphone_.start({}, kRoomNoise)) << microphone_.error();
    Coder coder(source_, config_);
    float silence[HAPI_CALIBRATION_VALUES] = {};
    coder.calibrate(false, silence);
    EXPECT_NEAR(silence[0], 50.0f, 2.0f) << "frames of 10 ms in 500 ms";
    // Noise within +-300 has an RMS amplitude of about 173: 44.8 dB.
    EXPECT_NEAR(silence[1], 44.8f, 2.0f);
    EXPECT_LE(silence[2], silence[1]);
    EXPECT_GE(silence[3], silence[1]);
    EXPECT_NEAR(*coder.noiseFloorDb(), silence[1], 1e-3);
    EXPECT_FALSE(source_->started()) << "a calibration leaves a stopped source stopped";

    microphone_.stop();
    ASSERT_TRUE(microphone_.start(spoken("unrelated"), kRoomNoise)) << microphone_.error();
    float speech[HAPI_CALIBRATION_VALUES] = {};
    coder.calibrate(true, speech);
    EXPECT_GT(speech[1], silence[1] + 20.0f);
}

} // namespace
