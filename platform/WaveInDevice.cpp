#include "platform/WaveInDevice.h"

#include "platform/CaptureStream.h"
#include "platform/PulseConnection.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace kurs::sound {

WaveInDevice::WaveInDevice()
    : capture_(std::make_unique<CaptureStream>())
{
}

WaveInDevice::~WaveInDevice()
{
    if (isOpen()) {
        reset();
        close();
    }
}

std::uint32_t WaveInDevice::deviceCount()
{
    ConnectionLock lock;
    return static_cast<std::uint32_t>(lock.connection().captureSources().size());
}

bool WaveInDevice::isOpen() const
{
    ConnectionLock lock;
    return capture_->isOpen();
}

std::uint32_t WaveInDevice::open(std::uint32_t deviceId, const WaveFormat& format, WaveInCallback callback,
                                 void* user)
{
    ConnectionLock lock;
    if (capture_->isOpen())
        return kDeviceAllocated;
    if (!isSupportedPcmFormat(format))
        return kDeviceBadFormat;
    if (!lock.connection().ensureReady())
        return kDeviceNoDriver;
    const std::vector<std::string> sources = lock.connection().captureSources();
    if (deviceId >= sources.size())
        return kDeviceBadDeviceId;
    const std::uint32_t result
        = capture_->open(sources[deviceId], format, [this](const std::uint8_t* data, std::size_t size) {
              receive(data, size);
          });
    if (result != kDeviceOk)
        return result;
    callback_ = callback;
    user_ = user;
    silenceByte_ = format.bitsPerSample == 8 ? 0x80 : 0x00;
    if (callback_ != nullptr)
        callback_(kWaveInOpened, nullptr, user_);
    return kDeviceOk;
}

std::uint32_t WaveInDevice::prepare(WaveInBuffer& buffer)
{
    ConnectionLock lock;
    if (!capture_->isOpen())
        return kDeviceInvalidHandle;
    if (buffer.data == nullptr || buffer.sizeBytes == 0)
        return kDeviceInvalidParameter;
    buffer.prepared = true;
    return kDeviceOk;
}

std::uint32_t WaveInDevice::unprepare(WaveInBuffer& buffer)
{
    ConnectionLock lock;
    if (!capture_->isOpen())
        return kDeviceInvalidHandle;
    if (buffer.queued)
        return kDeviceStillPlaying;
    buffer.prepared = false;
    return kDeviceOk;
}

std::uint32_t WaveInDevice::addBuffer(WaveInBuffer& buffer)
{
    ConnectionLock lock;
    if (!capture_->isOpen())
        return kDeviceInvalidHandle;
    if (!buffer.prepared)
        return kDeviceUnprepared;
    if (buffer.queued)
        return kDeviceInvalidParameter;
    buffer.recordedBytes = 0;
    buffer.done.store(false, std::memory_order_relaxed);
    buffer.queued = true;
    queue_.push_back(&buffer);
    return kDeviceOk;
}

std::uint32_t WaveInDevice::start()
{
    ConnectionLock lock;
    return capture_->start();
}

std::uint32_t WaveInDevice::stop()
{
    ConnectionLock lock;
    const std::uint32_t result = capture_->stop();
    if (result == kDeviceOk && !queue_.empty()) {
        WaveInBuffer* current = queue_.front();
        queue_.pop_front();
        complete(*current);
    }
    return result;
}

std::uint32_t WaveInDevice::reset()
{
    ConnectionLock lock;
    const std::uint32_t result = capture_->stop();
    if (result != kDeviceOk)
        return result;
    while (!queue_.empty()) {
        WaveInBuffer* buffer = queue_.front();
        queue_.pop_front();
        complete(*buffer);
    }
    return kDeviceOk;
}

std::uint32_t WaveInDevice::close()
{
    ConnectionLock lock;
    if (!capture_->isOpen())
        return kDeviceInvalidHandle;
    if (!queue_.empty())
        return kDeviceStillPlaying;
    capture_->close();
    if (callback_ != nullptr)
        callback_(kWaveInClosed, nullptr, user_);
    callback_ = nullptr;
    user_ = nullptr;
    return kDeviceOk;
}

void WaveInDevice::receive(const std::uint8_t* data, std::size_t sizeBytes)
{
    while (sizeBytes > 0 && !queue_.empty()) {
        WaveInBuffer& buffer = *queue_.front();
        const std::size_t count = std::min<std::size_t>(sizeBytes, buffer.sizeBytes - buffer.recordedBytes);
        std::uint8_t* target = buffer.data + buffer.recordedBytes;
        if (data != nullptr) {
            std::memcpy(target, data, count);
            data += count;
        } else {
            std::memset(target, silenceByte_, count);
        }
        buffer.recordedBytes += static_cast<std::uint32_t>(count);
        sizeBytes -= count;
        if (buffer.recordedBytes == buffer.sizeBytes) {
            queue_.pop_front();
            complete(buffer);
        }
    }
}

void WaveInDevice::complete(WaveInBuffer& buffer)
{
    buffer.queued = false;
    buffer.done.store(true, std::memory_order_release);
    if (callback_ != nullptr)
        callback_(kWaveInData, &buffer, user_);
}

} // namespace kurs::sound
