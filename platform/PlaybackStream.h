#pragma once

#include "platform/WaveFormat.h"

#include <pulse/pulseaudio.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace kurs::sound {

// Plays a stretch of sound bytes to the default sink and tells when the server
// has played all of it. All calls expect the connection to be locked.
class PlaybackStream {
public:
    PlaybackStream() = default;
    ~PlaybackStream();
    PlaybackStream(const PlaybackStream&) = delete;
    PlaybackStream& operator=(const PlaybackStream&) = delete;

    // Plays bytes [beginByte, endByte) of pcm; false when the server or its
    // output cannot be reached.
    bool start(const WaveFormat& format, std::shared_ptr<const std::vector<std::uint8_t>> pcm,
               std::size_t beginByte, std::size_t endByte);
    void stop();

    // Started and not yet played to the end (and not stopped).
    bool isPlaying() const;
    // Byte offset in pcm of the sound being heard now.
    std::size_t positionByte() const;

private:
    static void onWritable(pa_stream* stream, std::size_t sizeBytes, void* self);
    static void onDrained(pa_stream* stream, int success, void* self);

    pa_stream* stream_ = nullptr;
    WaveFormat format_;
    std::shared_ptr<const std::vector<std::uint8_t>> pcm_;
    std::size_t beginByte_ = 0;
    std::size_t nextByte_ = 0;
    std::size_t endByte_ = 0;
    std::size_t stoppedAt_ = 0;
    pa_operation* drain_ = nullptr;
    bool draining_ = false;
    bool drained_ = false;
    bool finished_ = true;
};

} // namespace kurs::sound
