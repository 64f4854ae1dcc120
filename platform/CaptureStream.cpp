#include "platform/CaptureStream.h"

#include "platform/DeviceError.h"
#include "platform/PulseConnection.h"

#include <utility>

namespace kurs::sound {
namespace {

// Short fragments keep a stopped capture close to the moment it was stopped.
constexpr std::uint32_t kFragmentMs = 20;

bool streamSettled(pa_stream* stream)
{
    const pa_stream_state_t state = pa_stream_get_state(stream);
    return state != PA_STREAM_UNCONNECTED && state != PA_STREAM_CREATING;
}

} // namespace

CaptureStream::~CaptureStream()
{
    close();
}

std::uint32_t CaptureStream::open(const std::string& sourceName, const WaveFormat& format, Sink sink)
{
    if (stream_ != nullptr)
        return kDeviceAllocated;
    if (!isSupportedPcmFormat(format))
        return kDeviceBadFormat;
    PulseConnection& connection = PulseConnection::instance();
    if (!connection.ensureReady())
        return kDeviceNoDriver;
    const pa_sample_spec spec = sampleSpecOf(format);
    stream_ = pa_stream_new(connection.context(), "Nagrywanie", &spec, nullptr);
    if (stream_ == nullptr)
        return kDeviceUnspecifiedError;
    sink_ = std::move(sink);
    pa_stream_set_read_callback(stream_, &CaptureStream::onReadable, this);

    pa_buffer_attr attributes{};
    attributes.maxlength = static_cast<std::uint32_t>(-1);
    attributes.tlength = static_cast<std::uint32_t>(-1);
    attributes.prebuf = static_cast<std::uint32_t>(-1);
    attributes.minreq = static_cast<std::uint32_t>(-1);
    attributes.fragsize = format.avgBytesPerSec * kFragmentMs / 1000u;
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY);
    const char* device = sourceName.empty() ? nullptr : sourceName.c_str();
    if (pa_stream_connect_record(stream_, device, &attributes, flags) < 0) {
        close();
        return kDeviceBadDeviceId;
    }
    connection.waitFor([this] { return streamSettled(stream_); }, kServerTimeout);
    if (pa_stream_get_state(stream_) != PA_STREAM_READY) {
        const int error = pa_context_errno(connection.context());
        close();
        return error == PA_ERR_NOENTITY ? kDeviceBadDeviceId : kDeviceUnspecifiedError;
    }
    return kDeviceOk;
}

std::uint32_t CaptureStream::start()
{
    if (stream_ == nullptr)
        return kDeviceInvalidHandle;
    if (hasFailed())
        return kDeviceUnspecifiedError;
    // What the server kept while the stream was paused is older than the start.
    if (pa_operation* flush = pa_stream_flush(stream_, nullptr, nullptr))
        pa_operation_unref(flush);
    pa_operation* uncork = pa_stream_cork(stream_, 0, nullptr, nullptr);
    if (uncork == nullptr)
        return kDeviceUnspecifiedError;
    pa_operation_unref(uncork);
    running_ = true;
    return kDeviceOk;
}

std::uint32_t CaptureStream::stop()
{
    if (stream_ == nullptr)
        return kDeviceInvalidHandle;
    running_ = false;
    if (hasFailed())
        return kDeviceOk;
    if (pa_operation* cork = pa_stream_cork(stream_, 1, nullptr, nullptr))
        pa_operation_unref(cork);
    return kDeviceOk;
}

void CaptureStream::close()
{
    running_ = false;
    if (stream_ == nullptr)
        return;
    pa_stream_set_read_callback(stream_, nullptr, nullptr);
    if (pa_stream_get_state(stream_) == PA_STREAM_READY)
        pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
    sink_ = nullptr;
}

bool CaptureStream::hasFailed() const
{
    return stream_ != nullptr && pa_stream_get_state(stream_) != PA_STREAM_READY;
}

void CaptureStream::onReadable(pa_stream* stream, std::size_t, void* self)
{
    auto* capture = static_cast<CaptureStream*>(self);
    const void* data = nullptr;
    std::size_t size = 0;
    while (pa_stream_readable_size(stream) > 0) {
        if (pa_stream_peek(stream, &data, &size) < 0 || size == 0)
            return;
        if (capture->running_ && capture->sink_)
            capture->sink_(static_cast<const std::uint8_t*>(data), size);
        pa_stream_drop(stream);
    }
}

} // namespace kurs::sound
