#include "platform/PlaybackStream.h"

#include "platform/PulseConnection.h"

#include <algorithm>
#include <utility>

namespace kurs::sound {
namespace {

constexpr std::uint32_t kTargetLatencyMs = 100;

} // namespace

PlaybackStream::~PlaybackStream()
{
    stop();
}

bool PlaybackStream::start(const WaveFormat& format, std::shared_ptr<const std::vector<std::uint8_t>> pcm,
                           std::size_t beginByte, std::size_t endByte)
{
    stop();
    PulseConnection& connection = PulseConnection::instance();
    if (!isSupportedPcmFormat(format) || !connection.ensureReady())
        return false;
    format_ = format;
    pcm_ = std::move(pcm);
    endByte_ = std::min(endByte, pcm_->size());
    beginByte_ = std::min(beginByte, endByte_);
    nextByte_ = beginByte_;
    stoppedAt_ = beginByte_;
    draining_ = false;
    drained_ = false;
    finished_ = false;

    const pa_sample_spec spec = sampleSpecOf(format);
    stream_ = pa_stream_new(connection.context(), "Odtwarzanie", &spec, nullptr);
    if (stream_ == nullptr) {
        finished_ = true;
        return false;
    }
    pa_stream_set_write_callback(stream_, &PlaybackStream::onWritable, this);
    // A short target latency: the server's default of two seconds would hold
    // back the start and the end of short sounds.
    pa_buffer_attr attributes{};
    attributes.maxlength = static_cast<std::uint32_t>(-1);
    attributes.tlength = format.avgBytesPerSec * kTargetLatencyMs / 1000u;
    attributes.prebuf = static_cast<std::uint32_t>(-1);
    attributes.minreq = static_cast<std::uint32_t>(-1);
    attributes.fragsize = static_cast<std::uint32_t>(-1);
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE
                                                      | PA_STREAM_ADJUST_LATENCY);
    if (pa_stream_connect_playback(stream_, nullptr, &attributes, flags, nullptr, nullptr) < 0) {
        stop();
        return false;
    }
    connection.waitFor(
        [this] {
            const pa_stream_state_t state = pa_stream_get_state(stream_);
            return state != PA_STREAM_UNCONNECTED && state != PA_STREAM_CREATING;
        },
        kServerTimeout);
    if (pa_stream_get_state(stream_) != PA_STREAM_READY) {
        stop();
        return false;
    }
    return true;
}

void PlaybackStream::stop()
{
    if (stream_ == nullptr) {
        finished_ = true;
        return;
    }
    stoppedAt_ = positionByte();
    finished_ = true;
    if (drain_ != nullptr) {
        pa_operation_cancel(drain_);
        pa_operation_unref(drain_);
        drain_ = nullptr;
    }
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    if (pa_stream_get_state(stream_) == PA_STREAM_READY)
        pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

bool PlaybackStream::isPlaying() const
{
    return stream_ != nullptr && !finished_ && pa_stream_get_state(stream_) == PA_STREAM_READY;
}

std::size_t PlaybackStream::positionByte() const
{
    if (drained_)
        return endByte_;
    if (stream_ == nullptr || finished_)
        return stoppedAt_;
    pa_usec_t played = 0;
    if (pa_stream_get_time(stream_, &played) < 0)
        return beginByte_;
    const std::size_t bytes = pa_usec_to_bytes(played, pa_stream_get_sample_spec(stream_));
    const std::size_t aligned = bytes - bytes % format_.blockAlign;
    return std::min(beginByte_ + aligned, endByte_);
}

void PlaybackStream::onWritable(pa_stream* stream, std::size_t sizeBytes, void* self)
{
    auto* playback = static_cast<PlaybackStream*>(self);
    if (playback->draining_)
        return;
    const std::size_t count = std::min(sizeBytes, playback->endByte_ - playback->nextByte_);
    if (count > 0) {
        pa_stream_write(stream, playback->pcm_->data() + playback->nextByte_, count, nullptr, 0, PA_SEEK_RELATIVE);
        playback->nextByte_ += count;
    }
    if (playback->nextByte_ == playback->endByte_) {
        playback->draining_ = true;
        playback->drain_ = pa_stream_drain(stream, &PlaybackStream::onDrained, playback);
    }
}

void PlaybackStream::onDrained(pa_stream*, int, void* self)
{
    auto* playback = static_cast<PlaybackStream*>(self);
    playback->drained_ = true;
    playback->finished_ = true;
}

} // namespace kurs::sound
