#pragma once

#include "platform/DeviceError.h"
#include "platform/SoundExport.h"
#include "platform/WaveFormat.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>

namespace kurs::sound {

class CaptureStream;

// A buffer the caller owns and lends to a wave input device. While queued the
// device fills it; `done` turns true (release order) once it is full or the
// device was stopped or reset, and `recordedBytes` then tells how much it holds.
struct WaveInBuffer {
    std::uint8_t* data = nullptr;
    std::uint32_t sizeBytes = 0;
    std::uint32_t recordedBytes = 0;
    std::atomic<bool> done{false};
    bool prepared = false;
    bool queued = false;
};

// Notifications a device can send to its callback.
enum WaveInMessage : std::uint32_t {
    kWaveInOpened = 958,
    kWaveInClosed = 959,
    kWaveInData = 960,
};

// Called on the sound thread; it must not call back into the device.
using WaveInCallback = void (*)(WaveInMessage message, WaveInBuffer* buffer, void* user);

// A numbered sound input. Device 0 is the system's default capture source, the
// other numbers the remaining capture sources. Every operation answers a
// DeviceResult code. Sound captured while no buffer is queued is lost.
class KURSSOUND_EXPORT WaveInDevice {
public:
    WaveInDevice();
    // Resets and closes an open device.
    ~WaveInDevice();
    WaveInDevice(const WaveInDevice&) = delete;
    WaveInDevice& operator=(const WaveInDevice&) = delete;

    // Number of capture sources; 0 when the sound server cannot be reached.
    static std::uint32_t deviceCount();

    std::uint32_t open(std::uint32_t deviceId, const WaveFormat& format, WaveInCallback callback = nullptr,
                       void* user = nullptr);
    std::uint32_t prepare(WaveInBuffer& buffer);
    std::uint32_t unprepare(WaveInBuffer& buffer);
    std::uint32_t addBuffer(WaveInBuffer& buffer);
    std::uint32_t start();
    // Stops capturing; the buffer being filled returns done with what it holds,
    // the other queued buffers stay queued.
    std::uint32_t stop();
    // Stops capturing and returns every queued buffer done.
    std::uint32_t reset();
    // Fails with kDeviceStillPlaying while buffers are queued.
    std::uint32_t close();

    bool isOpen() const;

private:
    void receive(const std::uint8_t* data, std::size_t sizeBytes);
    void complete(WaveInBuffer& buffer);

    std::unique_ptr<CaptureStream> capture_;
    std::deque<WaveInBuffer*> queue_;
    WaveInCallback callback_ = nullptr;
    void* user_ = nullptr;
    std::uint8_t silenceByte_ = 0;
};

} // namespace kurs::sound
