#include "SoundTestSupport.h"
#include "platform/WaveFile.h"
#include "platform/WaveOutput.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

class WaveOutput : public testing::Test {
protected:
    void SetUp() override
    {
        const auto samples = kurs::test::tone(660.0, 0.3, 22050);
        ASSERT_TRUE(kurs::sound::writeWaveFile(file_, kurs::sound::WaveFormat{},
                                               reinterpret_cast<const std::uint8_t*>(samples.data()),
                                               samples.size() * 2));
    }

    kurs::test::TemporaryFolder folder_;
    std::string file_ = folder_.file("wynik.wav");
};

TEST_F(WaveOutput, TheTestSpeakersAreThere)
{
    EXPECT_GE(kurs::sound::waveOutputDeviceCount(), 1u);
}

TEST_F(WaveOutput, PlaysAFileToTheEndWhenAskedToWait)
{
    EXPECT_TRUE(kurs::sound::playWaveFile(file_, kurs::sound::PlayMode::Wait));
    EXPECT_FALSE(kurs::sound::isWaveSoundPlaying());
}

TEST_F(WaveOutput, ABackgroundSoundPlaysOnUntilStopped)
{
    ASSERT_TRUE(kurs::sound::playWaveFile(file_, kurs::sound::PlayMode::Background));
    EXPECT_TRUE(kurs::sound::isWaveSoundPlaying());
    kurs::sound::stopWaveSound();
    EXPECT_FALSE(kurs::sound::isWaveSoundPlaying());
}

TEST_F(WaveOutput, ANewSoundEndsTheBackgroundSound)
{
    ASSERT_TRUE(kurs::sound::playWaveFile(file_, kurs::sound::PlayMode::Background));
    std::ifstream in(file_, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_TRUE(kurs::sound::playWaveData(bytes.data(), bytes.size(), kurs::sound::PlayMode::Wait));
    EXPECT_FALSE(kurs::sound::isWaveSoundPlaying());
}

TEST_F(WaveOutput, RefusesWhatIsNotAPcmWaveFile)
{
    EXPECT_FALSE(kurs::sound::playWaveFile(folder_.file("missing.wav"), kurs::sound::PlayMode::Wait));
    const std::uint8_t junk[] = {'R', 'I', 'F', 'F', 0, 0};
    EXPECT_FALSE(kurs::sound::playWaveData(junk, sizeof junk, kurs::sound::PlayMode::Background));
    EXPECT_FALSE(kurs::sound::playWaveData(nullptr, 0, kurs::sound::PlayMode::Background));
}

} // namespace
