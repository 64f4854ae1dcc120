#include "MicrophoneFeeder.h"
#include "SoundTestSupport.h"
#include "platform/WaveInDevice.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <thread>

using kurs::sound::WaveFormat;
using kurs::sound::WaveInBuffer;
using kurs::sound::WaveInDevice;
using kurs::test::MicrophoneFeeder;

namespace {

bool waitDone(const WaveInBuffer& buffer, std::chrono::seconds limit = std::chrono::seconds(10))
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!buffer.done.load(std::memory_order_acquire)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Buffers of a tenth of a second of 22050 Hz 16-bit mono sound.
struct Buffers {
    static constexpr std::uint32_t kBytes = 4410;
    std::array<std::array<std::int16_t, kBytes / 2>, 3> storage{};
    std::array<WaveInBuffer, 3> buffers;

    Buffers()
    {
        for (std::size_t i = 0; i < buffers.size(); ++i) {
            buffers[i].data = reinterpret_cast<std::uint8_t*>(storage[i].data());
            buffers[i].sizeBytes = kBytes;
        }
    }
};

class WaveInput : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(microphone_.start(kurs::test::tone(300.0, 30.0, MicrophoneFeeder::kRateHz), 50))
            << microphone_.error();
    }

    MicrophoneFeeder microphone_;
    Buffers buffers_;
    WaveInDevice device_;
};

TEST_F(WaveInput, TheTestMicrophoneIsDeviceZero)
{
    EXPECT_GE(WaveInDevice::deviceCount(), 1u);
    EXPECT_EQ(device_.open(WaveInDevice::deviceCount(), WaveFormat{}), kurs::sound::kDeviceBadDeviceId);
    WaveFormat twelveBits;
    twelveBits.bitsPerSample = 12;
    EXPECT_EQ(device_.open(0, twelveBits), kurs::sound::kDeviceBadFormat);
    ASSERT_EQ(device_.open(0, WaveFormat{}), kurs::sound::kDeviceOk);
    EXPECT_TRUE(device_.isOpen());
    EXPECT_EQ(device_.open(0, WaveFormat{}), kurs::sound::kDeviceAllocated);
    EXPECT_EQ(device_.close(), kurs::sound::kDeviceOk);
    EXPECT_FALSE(device_.isOpen());
}

TEST_F(WaveInput, QueuedBuffersFillInTurnWithTheMicrophoneSound)
{
    ASSERT_EQ(device_.open(0, WaveFormat{}), kurs::sound::kDeviceOk);
    for (WaveInBuffer& buffer : buffers_.buffers) {
        ASSERT_EQ(device_.prepare(buffer), kurs::sound::kDeviceOk);
        ASSERT_EQ(device_.addBuffer(buffer), kurs::sound::kDeviceOk);
    }
    ASSERT_EQ(device_.start(), kurs::sound::kDeviceOk);
    ASSERT_TRUE(waitDone(buffers_.buffers[0]));
    EXPECT_EQ(buffers_.buffers[0].recordedBytes, Buffers::kBytes);
    EXPECT_FALSE(buffers_.buffers[2].done.load());
    ASSERT_TRUE(waitDone(buffers_.buffers[2]));
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(buffers_.buffers[i].done.load());
        EXPECT_NEAR(kurs::test::measuredFrequencyHz(buffers_.storage[i].data(), Buffers::kBytes / 2, 22050), 300.0,
                    25.0);
    }
    EXPECT_EQ(device_.unprepare(buffers_.buffers[0]), kurs::sound::kDeviceOk);
    EXPECT_EQ(device_.close(), kurs::sound::kDeviceOk);
}

TEST_F(WaveInput, StopReturnsTheCurrentBufferWithWhatItHoldsAndKeepsTheOthersQueued)
{
    ASSERT_EQ(device_.open(0, WaveFormat{}), kurs::sound::kDeviceOk);
    WaveInBuffer& first = buffers_.buffers[0];
    WaveInBuffer& second = buffers_.buffers[1];
    ASSERT_EQ(device_.prepare(first), kurs::sound::kDeviceOk);
    ASSERT_EQ(device_.prepare(second), kurs::sound::kDeviceOk);
    ASSERT_EQ(device_.addBuffer(first), kurs::sound::kDeviceOk);
    ASSERT_EQ(device_.addBuffer(second), kurs::sound::kDeviceOk);
    ASSERT_EQ(device_.start(), kurs::sound::kDeviceOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    ASSERT_EQ(device_.stop(), kurs::sound::kDeviceOk);

    ASSERT_TRUE(first.done.load());
    EXPECT_LT(first.recordedBytes, Buffers::kBytes);
    EXPECT_FALSE(second.done.load());
    EXPECT_EQ(device_.unprepare(second), kurs::sound::kDeviceStillPlaying);
    EXPECT_EQ(device_.close(), kurs::sound::kDeviceStillPlaying);
    ASSERT_EQ(device_.reset(), kurs::sound::kDeviceOk);
    EXPECT_TRUE(second.done.load());
    EXPECT_EQ(second.recordedBytes, 0u);
    EXPECT_EQ(device_.close(), kurs::sound::kDeviceOk);
}

TEST_F(WaveInput, BuffersMustBePreparedOnAnOpenDevice)
{
    WaveInBuffer& buffer = buffers_.buffers[0];
    EXPECT_EQ(device_.prepare(buffer), kurs::sound::kDeviceInvalidHandle);
    ASSERT_EQ(device_.open(0, WaveFormat{}), kurs::sound::kDeviceOk);
    EXPECT_EQ(device_.addBuffer(buffer), kurs::sound::kDeviceUnprepared);
    WaveInBuffer empty;
    EXPECT_EQ(device_.prepare(empty), kurs::sound::kDeviceInvalidParameter);
}

struct Notifications {
    std::vector<std::uint32_t> messages;
};

void remember(kurs::sound::WaveInMessage message, WaveInBuffer*, void* user)
{
    static_cast<Notifications*>(user)->messages.push_back(message);
}

TEST_F(WaveInput, ACallbackHearsOpenDataAndClose)
{
    Notifications heard;
    ASSERT_EQ(device_.open(0, WaveFormat{}, &remember, &heard), kurs::sound::kDeviceOk);
    WaveInBuffer& buffer = buffers_.buffers[0];
    ASSERT_EQ(device_.prepare(buffer), kurs::sound::kDeviceOk);
    ASSERT_EQ(device_.addBuffer(buffer), kurs::sound::kDeviceOk);
    ASSERT_EQ(device_.start(), kurs::sound::kDeviceOk);
    ASSERT_TRUE(waitDone(buffer));
    ASSERT_EQ(device_.close(), kurs::sound::kDeviceOk);
    EXPECT_EQ(heard.messages, (std::vector<std::uint32_t>{958, 960, 959}));
}

TEST(DeviceErrorText, NamesEveryCodeAndUnknownOnes)
{
    const std::pair<std::uint32_t, const char*> rows[] = {
        {0, "OK"},
        {2, "device ID out of range"},
        {6, "no device driver present"},
        {12, "handle being used simultaneously on another thread (eg callback)"},
        {20, "driver does not call DriverCallback"},
        {21, "Unknown Error"},
        {32, "unsupported wave format"},
        {35, "device is synchronous"},
        {36, "Unknown Error"},
    };
    for (const auto& [code, text] : rows) {
        SCOPED_TRACE(code);
        EXPECT_EQ(kurs::sound::deviceErrorText(code), text);
    }
}

} // namespace
