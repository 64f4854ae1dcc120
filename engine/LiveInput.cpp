#include "engine/LiveInput.h"

#include "engine/EngineFailure.h"
#include "engine/Hapi.h"
#include "platform/DeviceError.h"
#include "platform/WaveInDevice.h"

namespace kurs::engine {
namespace {

// A device that delivers nothing for this long has failed.
constexpr auto kStall = std::chrono::milliseconds(1500);

void onDeviceMessage(sound::WaveInMessage message, sound::WaveInBuffer*, void* user)
{
    if (message == sound::kWaveInData)
        static_cast<std::condition_variable*>(user)->notify_all();
}

} // namespace

LiveInput::LiveInput(std::uint32_t device, std::uint32_t rateHz)
    : device_(device)
    , rateHz_(rateHz)
{
}

LiveInput::~LiveInput()
{
    stop();
}

std::uint32_t LiveInput::inputCount()
{
    return sound::WaveInDevice::deviceCount();
}

void LiveInput::start()
{
    if (running_)
        return;
    sound::WaveFormat format;
    format.samplesPerSec = rateHz_;
    format.avgBytesPerSec = rateHz_ * 2;
    input_ = std::make_unique<sound::WaveInDevice>();
    std::uint32_t code = input_->open(device_, format, onDeviceMessage, &signal_);
    const std::size_t samples = static_cast<std::size_t>(rateHz_) * kBufferMs / 1000;
    for (std::size_t i = 0; i < kBuffers && code == sound::kDeviceOk; ++i) {
        storage_[i].assign(samples, 0);
        buffers_[i] = std::make_unique<sound::WaveInBuffer>();
        buffers_[i]->data = reinterpret_cast<std::uint8_t*>(storage_[i].data());
        buffers_[i]->sizeBytes = static_cast<std::uint32_t>(samples * 2);
        code = input_->prepare(*buffers_[i]);
        if (code == sound::kDeviceOk)
            code = input_->addBuffer(*buffers_[i]);
    }
    if (code == sound::kDeviceOk)
        code = input_->start();
    if (code != sound::kDeviceOk) {
        if (input_->isOpen()) {
            input_->reset();
            input_->close();
        }
        input_.reset();
        throw EngineFailure(HAPI_ERR_DEVICE,
                            "cannot listen to sound input " + std::to_string(device_) + ": " + sound::deviceErrorText(code));
    }
    {
        std::lock_guard lock(mutex_);
        captured_.clear();
        stopping_ = false;
        failed_ = false;
    }
    running_ = true;
    pump_ = std::thread(&LiveInput::pump, this);
}

void LiveInput::stop()
{
    if (!running_)
        return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    signal_.notify_all();
    pump_.join();
    input_->reset();
    for (auto& buffer : buffers_)
        input_->unprepare(*buffer);
    input_->close();
    input_.reset();
    running_ = false;
}

void LiveInput::pump()
{
    std::size_t next = 0;
    auto lastSound = std::chrono::steady_clock::now();
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        sound::WaveInBuffer& buffer = *buffers_[next];
        signal_.wait_for(lock, std::chrono::milliseconds(100),
                         [&] { return stopping_ || buffer.done.load(std::memory_order_acquire); });
        if (stopping_)
            break;
        if (!buffer.done.load(std::memory_order_acquire)) {
            if (std::chrono::steady_clock::now() - lastSound > kStall) {
                failed_ = true;
                signal_.notify_all();
            }
            continue;
        }
        lastSound = std::chrono::steady_clock::now();
        const std::size_t count = buffer.recordedBytes / 2;
        captured_.insert(captured_.end(), storage_[next].begin(), storage_[next].begin() + static_cast<std::ptrdiff_t>(count));
        lock.unlock();
        const std::uint32_t code = input_->addBuffer(buffer);
        lock.lock();
        if (code != sound::kDeviceOk)
            failed_ = true;
        signal_.notify_all();
        next = (next + 1) % kBuffers;
    }
}

bool LiveInput::read(std::vector<std::int16_t>& samples, std::chrono::milliseconds wait)
{
    std::unique_lock lock(mutex_);
    signal_.wait_for(lock, wait, [&] { return failed_ || !captured_.empty(); });
    samples.insert(samples.end(), captured_.begin(), captured_.end());
    captured_.clear();
    return !failed_;
}

void LiveInput::unread(const std::int16_t* samples, std::size_t count)
{
    std::lock_guard lock(mutex_);
    captured_.insert(captured_.begin(), samples, samples + count);
}

} // namespace kurs::engine
