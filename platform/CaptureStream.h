#pragma once

#include "platform/WaveFormat.h"

#include <pulse/pulseaudio.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace kurs::sound {

// One capture stream from a source of the sound server. It is opened paused;
// while started it hands every piece of captured sound to its sink. All calls
// expect the connection to be locked; the sink runs on the event thread with
// the lock held (a null pointer means a stretch of silence of that many bytes).
class CaptureStream {
public:
    using Sink = std::function<void(const std::uint8_t* data, std::size_t sizeBytes)>;

    CaptureStream() = default;
    ~CaptureStream();
    CaptureStream(const CaptureStream&) = delete;
    CaptureStream& operator=(const CaptureStream&) = delete;

    // Returns a device result code. An empty source name means the default source.
    std::uint32_t open(const std::string& sourceName, const WaveFormat& format, Sink sink);
    std::uint32_t start();
    std::uint32_t stop();
    void close();

    bool isOpen() const { return stream_ != nullptr; }
    bool isRunning() const { return running_; }
    bool hasFailed() const;

private:
    static void onReadable(pa_stream* stream, std::size_t sizeBytes, void* self);

    pa_stream* stream_ = nullptr;
    Sink sink_;
    bool running_ = false;
};

} // namespace kurs::sound
