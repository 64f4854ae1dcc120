#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kurs::sound {
class WaveInDevice;
struct WaveInBuffer;
} // namespace kurs::sound

namespace kurs::engine {

// The sound input while a live source runs: a wave input device kept busy with
// a ring of buffers by a thread of its own, so that no sound is lost between
// two reads (or two utterances), and a queue of the samples captured.
class LiveInput {
public:
    LiveInput(std::uint32_t device, std::uint32_t rateHz);
    ~LiveInput();
    LiveInput(const LiveInput&) = delete;
    LiveInput& operator=(const LiveInput&) = delete;

    // Number of sound inputs (0 without a sound server).
    static std::uint32_t inputCount();

    // Throws EngineFailure (HAPI_ERR_DEVICE) when the device cannot start.
    void start();
    void stop();
    bool running() const { return running_; }
    std::uint32_t rateHz() const { return rateHz_; }

    // Moves the samples captured so far into `samples`, waiting up to `wait`
    // for some to arrive; false when the device stopped delivering sound.
    bool read(std::vector<std::int16_t>& samples, std::chrono::milliseconds wait);
    // Puts samples read but not used back in front of the queue.
    void unread(const std::int16_t* samples, std::size_t count);

private:
    static constexpr std::size_t kBuffers = 8;
    static constexpr std::uint32_t kBufferMs = 50;

    void pump();

    std::uint32_t device_;
    std::uint32_t rateHz_;
    std::unique_ptr<sound::WaveInDevice> input_;
    std::array<std::vector<std::int16_t>, kBuffers> storage_;
    std::array<std::unique_ptr<sound::WaveInBuffer>, kBuffers> buffers_;
    std::thread pump_;
    std::mutex mutex_;
    std::condition_variable signal_;
    std::deque<std::int16_t> captured_;
    bool stopping_ = false;
    bool failed_ = false;
    bool running_ = false;
};

} // namespace kurs::engine
