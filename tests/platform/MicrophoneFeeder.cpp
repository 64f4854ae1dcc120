#include "MicrophoneFeeder.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>

#include <fcntl.h>
#include <unistd.h>

namespace kurs::test {
namespace {

constexpr std::uint32_t kChunkSamples = MicrophoneFeeder::kRateHz / 100;

bool writeAll(int fd, const std::int16_t* samples, std::size_t count)
{
    const auto* data = reinterpret_cast<const char*>(samples);
    std::size_t left = count * sizeof(std::int16_t);
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n <= 0)
            return false;
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string microphonePipe()
{
    const char* path = std::getenv("KURS_TEST_MIC_FIFO");
    return path != nullptr ? path : "";
}

MicrophoneFeeder::~MicrophoneFeeder()
{
    stop();
}

bool MicrophoneFeeder::start(std::vector<std::int16_t> samples, std::int16_t noiseAmplitude)
{
    stop();
    const std::string pipe = microphonePipe();
    if (pipe.empty()) {
        error_ = "KURS_TEST_MIC_FIFO is not set: start the test services (scripts/test-services.sh)";
        return false;
    }
    // Without a reader (no sound server) the open fails at once instead of blocking.
    fd_ = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd_ < 0) {
        error_ = "cannot open the microphone pipe " + pipe + ": " + std::strerror(errno);
        return false;
    }
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    stopping_ = false;
    thread_ = std::thread(&MicrophoneFeeder::run, this, std::move(samples), noiseAmplitude);
    return true;
}

void MicrophoneFeeder::stop()
{
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void MicrophoneFeeder::run(std::vector<std::int16_t> samples, std::int16_t noiseAmplitude)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> noise(-noiseAmplitude, noiseAmplitude);
    std::vector<std::int16_t> chunk(kChunkSamples);
    std::size_t next = 0;
    auto due = std::chrono::steady_clock::now();
    while (!stopping_) {
        for (std::int16_t& sample : chunk) {
            const int voice = next < samples.size() ? samples[next++] : 0;
            sample = static_cast<std::int16_t>(std::clamp(voice + noise(random), -32768, 32767));
        }
        if (!writeAll(fd_, chunk.data(), chunk.size()))
            return;
        due += std::chrono::milliseconds(10);
        std::this_thread::sleep_until(due);
    }
}

std::vector<std::int16_t> MicrophoneFeeder::silence(double seconds)
{
    return std::vector<std::int16_t>(static_cast<std::size_t>(seconds * kRateHz), 0);
}

std::vector<std::int16_t> MicrophoneFeeder::readSamples(const std::string& waveFile)
{
    std::ifstream in(waveFile, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() <= 44)
        return {};
    std::vector<std::int16_t> samples((bytes.size() - 44) / 2);
    std::memcpy(samples.data(), bytes.data() + 44, samples.size() * 2);
    return samples;
}

} // namespace kurs::test
