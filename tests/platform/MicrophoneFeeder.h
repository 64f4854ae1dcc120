#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace kurs::test {

// Speaks into the test server's microphone: writes 16-bit mono 22050 Hz
// samples into the pipe behind its capture source (KURS_TEST_MIC_FIFO) at the
// pace of real time, first the given samples, then nothing but the room: quiet
// noise of the given amplitude, which also lies under the samples, until stopped.
class MicrophoneFeeder {
public:
    static constexpr std::uint32_t kRateHz = 22050;

    MicrophoneFeeder() = default;
    ~MicrophoneFeeder();
    MicrophoneFeeder(const MicrophoneFeeder&) = delete;
    MicrophoneFeeder& operator=(const MicrophoneFeeder&) = delete;

    // False (with the reason in error()) when the pipe cannot be opened.
    bool start(std::vector<std::int16_t> samples, std::int16_t noiseAmplitude);
    void stop();
    const std::string& error() const { return error_; }

    static std::vector<std::int16_t> silence(double seconds);
    // The samples of a 16-bit mono wave file with the canonical header.
    static std::vector<std::int16_t> readSamples(const std::string& waveFile);

private:
    void run(std::vector<std::int16_t> samples, std::int16_t noiseAmplitude);

    int fd_ = -1;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    std::string error_;
};

// Where the test services put the microphone pipe; empty when they were not started.
std::string microphonePipe();

} // namespace kurs::test
