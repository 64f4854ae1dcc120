// Runs with PULSE_SERVER naming a socket where no sound server listens.
#include "SoundTestSupport.h"
#include "platform/SoundCommands.h"
#include "platform/WaveFile.h"
#include "platform/WaveInDevice.h"
#include "platform/WaveOutput.h"

#include <gtest/gtest.h>

namespace {

TEST(WithoutSoundServer, ThereAreNoDevices)
{
    EXPECT_EQ(kurs::sound::WaveInDevice::deviceCount(), 0u);
    EXPECT_EQ(kurs::sound::waveOutputDeviceCount(), 0u);
}

TEST(WithoutSoundServer, OpeningAnInputFailsWithNoDriver)
{
    kurs::sound::WaveInDevice device;
    EXPECT_EQ(device.open(0, kurs::sound::WaveFormat{}), kurs::sound::kDeviceNoDriver);
    EXPECT_FALSE(device.isOpen());
    kurs::sound::WaveInBuffer buffer;
    EXPECT_EQ(device.start(), kurs::sound::kDeviceInvalidHandle);
    EXPECT_EQ(device.addBuffer(buffer), kurs::sound::kDeviceInvalidHandle);
    EXPECT_EQ(device.close(), kurs::sound::kDeviceInvalidHandle);
}

TEST(WithoutSoundServer, CommandsThatNeedADeviceFailWithNoDevice)
{
    kurs::test::TemporaryFolder folder;
    const std::string file = folder.file("a.wav");
    const auto samples = kurs::test::tone(440.0, 0.1, 22050);
    ASSERT_TRUE(kurs::sound::writeWaveFile(file, kurs::sound::WaveFormat{},
                                           reinterpret_cast<const std::uint8_t*>(samples.data()), samples.size() * 2));
    std::string answer;
    EXPECT_EQ(kurs::sound::sendSoundCommand("open new type waveaudio alias rec", answer), kurs::sound::kCommandNoDevice);
    EXPECT_EQ(kurs::sound::sendSoundCommand("open \"" + file + "\" type waveaudio alias play", answer),
              kurs::sound::kCommandNoDevice);
    EXPECT_EQ(kurs::sound::sendSoundCommand("status rec mode", answer), kurs::sound::kCommandUnknownAlias);
    EXPECT_EQ(kurs::sound::soundCommandErrorText(kurs::sound::kCommandNoDevice),
              "No sound device is available: the sound server cannot be reached or has no such device.");
}

TEST(WithoutSoundServer, PlayingAFileFails)
{
    kurs::test::TemporaryFolder folder;
    const std::string file = folder.file("a.wav");
    const auto samples = kurs::test::tone(440.0, 0.1, 22050);
    ASSERT_TRUE(kurs::sound::writeWaveFile(file, kurs::sound::WaveFormat{},
                                           reinterpret_cast<const std::uint8_t*>(samples.data()), samples.size() * 2));
    EXPECT_FALSE(kurs::sound::playWaveFile(file, kurs::sound::PlayMode::Wait));
    EXPECT_FALSE(kurs::sound::playWaveFile(file, kurs::sound::PlayMode::Background));
}

} // namespace
