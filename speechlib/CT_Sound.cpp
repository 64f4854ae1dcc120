#include "speechlib/CT_Sound.h"

#include "platform/ConsoleInput.h"
#include "platform/DeviceError.h"
#include "platform/SoundCommands.h"
#include "platform/WaveInDevice.h"
#include "platform/WaveOutput.h"
#include "speechlib/support/Errors.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using kurs::sound::deviceErrorText;
using kurs::sound::WaveInBuffer;
using kurs::sound::WaveInDevice;

constexpr std::uint32_t kPlaceholderBytes = 28;
constexpr std::uint32_t kHeaderBytes = 44;
constexpr std::uint32_t kHeaderCoversData = kHeaderBytes - kPlaceholderBytes;
constexpr std::size_t kAnswerLimit = 511;
constexpr std::uint32_t kBuffersInTurn = 3;
constexpr auto kPollInterval = std::chrono::milliseconds(5);
// A device that has delivered nothing this long after a buffer should have
// been full has stopped working.
constexpr auto kStallGrace = std::chrono::seconds(5);
// Ten minutes of 48 kHz 16-bit stereo sound.
constexpr std::uint64_t kLongestCalibrationBytes = 600ull * 48000u * 4u;

void put16(std::uint8_t* p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t* p, std::uint32_t v)
{
    put16(p, v);
    put16(p + 2, v >> 16);
}

std::uint32_t get32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8)
        | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t get16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

} // namespace

// The input device and the three one-second buffers a triggered recording
// takes in turn. The buffers are declared before the device, so the device
// (which resets itself when destroyed) never outlives them.
struct CT_Sound::Capture {
    std::array<std::vector<std::int16_t>, kBuffersInTurn> storage;
    std::array<WaveInBuffer, kBuffersInTurn> buffers;
    WaveInDevice device;
    std::uint32_t current = 0;
    std::uint32_t failure = 0;

    WaveInBuffer& buffer(std::uint32_t index) { return buffers[index % kBuffersInTurn]; }
};

CT_Sound::CT_Sound()
{
    v_Null();
    v_Init();
}

CT_Sound::CT_Sound(const char* name)
    : CT_Sound()
{
    m_fileName = name != nullptr ? name : "";
}

CT_Sound::~CT_Sound()
{
    v_Exit();
}

void CT_Sound::v_Null()
{
    m_buffer.clear();
    m_dataSize = 0;
    m_file = nullptr;
    m_partName.clear();
}

void CT_Sound::v_Init()
{
    m_fileName.clear();
    m_waveFormat = tWAVEFORMATEX{};
    m_bytesWritten = 0;
    m_answer.clear();
    m_command.clear();
    m_silenceLevel = 3.0f;
    m_pauseSeconds = 2;
}

void CT_Sound::v_Exit()
{
    m_buffer = {};
    if (m_file != nullptr) {
        // An unfinished write leaves nothing behind.
        std::fclose(m_file);
        std::remove(m_partName.c_str());
    }
    v_Null();
}

void CT_Sound::v_Set()
{
    v_Exit();
    v_Init();
}

void CT_Sound::v_Set(const char* name)
{
    v_Set();
    m_fileName = name != nullptr ? name : "";
}

void CT_Sound::v_SetRate(std::uint32_t rate)
{
    m_waveFormat.samplesPerSec = rate;
    m_waveFormat.avgBytesPerSec = rate * m_waveFormat.blockAlign;
}

void CT_Sound::v_SetBits(std::uint32_t bits)
{
    m_waveFormat.bitsPerSample = static_cast<std::uint16_t>(bits);
    m_waveFormat.blockAlign = static_cast<std::uint16_t>(bits / 8);
    m_waveFormat.avgBytesPerSec = m_waveFormat.samplesPerSec * (bits / 8);
}

std::uint32_t CT_Sound::n_GetSamples() const
{
    if (m_dataSize == 0 || m_waveFormat.blockAlign == 0)
        return 0;
    return m_dataSize / m_waveFormat.blockAlign;
}

std::uint32_t CT_Sound::n_GetRate() const
{
    if (m_dataSize == 0 || m_waveFormat.channels == 0)
        return 0;
    return m_waveFormat.samplesPerSec / m_waveFormat.channels;
}

const std::uint8_t* CT_Sound::qcc_GetBuffer() const
{
    return m_dataSize == 0 ? nullptr : reinterpret_cast<const std::uint8_t*>(m_buffer.data());
}

const std::uint8_t* CT_Sound::qcc_GetBuffer(std::uint32_t i) const
{
    const std::uint64_t offset = static_cast<std::uint64_t>(i) * m_waveFormat.blockAlign;
    if (offset >= m_dataSize)
        return nullptr;
    return qcc_GetBuffer() + offset;
}

bool CT_Sound::b_ReadHeader(const char* name)
{
    const char* path = name != nullptr ? name : "";
    std::FILE* file = std::fopen(path, "rb");
    std::array<std::uint8_t, kHeaderBytes> header{};
    const bool read = file != nullptr && std::fread(header.data(), 1, header.size(), file) == header.size();
    if (file != nullptr)
        std::fclose(file);
    if (!read) {
        VX_SetError(-1, "No file to read from for\n%s", path);
        return false;
    }
    m_waveFormat.formatTag = get16(&header[20]);
    m_waveFormat.channels = get16(&header[22]);
    m_waveFormat.samplesPerSec = get32(&header[24]);
    m_waveFormat.avgBytesPerSec = get32(&header[28]);
    m_waveFormat.blockAlign = get16(&header[32]);
    m_waveFormat.bitsPerSample = get16(&header[34]);
    m_dataSize = get32(&header[40]);
    return true;
}

std::uint32_t CT_Sound::n_Read()
{
    if (!b_ReadHeader(m_fileName.c_str())) {
        m_dataSize = 0;
        return 0;
    }
    std::FILE* file = std::fopen(m_fileName.c_str(), "rb");
    long fileSize = -1;
    if (file != nullptr && std::fseek(file, 0, SEEK_END) == 0)
        fileSize = std::ftell(file);
    if (fileSize < 0 || std::fseek(file, kHeaderBytes, SEEK_SET) != 0) {
        if (file != nullptr)
            std::fclose(file);
        VX_SetError(-1, "No file to read from for\n%s", m_fileName.c_str());
        m_dataSize = 0;
        return 0;
    }
    // A header may claim more data than the file holds; only what is there is read.
    const auto available = static_cast<std::uint64_t>(std::max<long>(fileSize - kHeaderBytes, 0));
    const auto size = static_cast<std::uint32_t>(std::min<std::uint64_t>(m_dataSize, available));
    try {
        m_buffer.assign((size + 1) / 2, 0);
    } catch (const std::bad_alloc&) {
        std::fclose(file);
        VX_SetError(7, "No file to read from for\n%s", m_fileName.c_str());
        m_dataSize = 0;
        return 0;
    }
    m_dataSize = static_cast<std::uint32_t>(std::fread(m_buffer.data(), 1, size, file));
    std::fclose(file);
    return m_dataSize;
}

bool CT_Sound::b_WriteOpen()
{
    if (m_file != nullptr) {
        VX_SetError(-1, "File already open \n%s", m_fileName.c_str());
        return false;
    }
    std::string part = m_fileName + ".XXXXXX";
    const int descriptor = m_fileName.empty() ? -1 : ::mkstemp(part.data());
    std::FILE* file = descriptor >= 0 ? ::fdopen(descriptor, "w+b") : nullptr;
    const std::array<std::uint8_t, kPlaceholderBytes> placeholder{};
    if (file == nullptr || std::fwrite(placeholder.data(), 1, placeholder.size(), file) != placeholder.size()) {
        if (file != nullptr)
            std::fclose(file);
        else if (descriptor >= 0)
            ::close(descriptor);
        if (descriptor >= 0)
            std::remove(part.c_str());
        VX_SetError(-1, "Can't open file \n%s", m_fileName.c_str());
        return false;
    }
    m_file = file;
    m_partName = std::move(part);
    m_bytesWritten = 0;
    return true;
}

bool CT_Sound::b_Write(const std::uint8_t* data, std::uint32_t lengthBytes)
{
    if (m_file == nullptr) {
        VX_SetError(-1, "No file to write to for\n%s", m_fileName.c_str());
        return false;
    }
    const std::size_t written = lengthBytes == 0 ? 0 : std::fwrite(data, 1, lengthBytes, m_file);
    if (written < lengthBytes) {
        VX_SetError(-1, "Error writing %d byte of %d\n%s", static_cast<int>(written), static_cast<int>(lengthBytes),
                    m_fileName.c_str());
        return false;
    }
    m_bytesWritten += lengthBytes;
    return true;
}

bool CT_Sound::b_Write(const std::int16_t* data, std::uint32_t lengthBytes)
{
    return b_Write(reinterpret_cast<const std::uint8_t*>(data), lengthBytes);
}

bool CT_Sound::b_WriteClose()
{
    if (m_file == nullptr) {
        VX_SetError(-1, "No file to close for\n%s", m_fileName.c_str());
        return false;
    }
    const bool flushed = std::fflush(m_file) == 0;
    const std::string part = std::move(m_partName);
    m_partName.clear();
    if (m_bytesWritten == 0) {
        std::fclose(m_file);
        m_file = nullptr;
        std::remove(part.c_str());
        std::remove(m_fileName.c_str());
        return false;
    }
    // The header covers the first bytes of the data; fewer than that leave an
    // empty data chunk.
    const auto size = static_cast<std::uint32_t>(
        std::max<std::int64_t>(m_bytesWritten - static_cast<std::int64_t>(kHeaderCoversData), 0));
    m_bytesWritten -= kHeaderCoversData;

    std::array<std::uint8_t, kHeaderBytes> header{};
    std::memcpy(&header[0], "RIFF", 4);
    put32(&header[4], size + 36);
    std::memcpy(&header[8], "WAVEfmt ", 8);
    put32(&header[16], 16);
    put16(&header[20], m_waveFormat.formatTag);
    put16(&header[22], m_waveFormat.channels);
    put32(&header[24], m_waveFormat.samplesPerSec);
    put32(&header[28], m_waveFormat.avgBytesPerSec);
    put16(&header[32], m_waveFormat.blockAlign);
    put16(&header[34], m_waveFormat.bitsPerSample);
    std::memcpy(&header[36], "data", 4);
    put32(&header[40], size);

    const bool rewritten = flushed && std::fseek(m_file, 0, SEEK_SET) == 0
        && std::fwrite(header.data(), 1, header.size(), m_file) == header.size()
        && std::fflush(m_file) == 0 && ::ftruncate(::fileno(m_file), kHeaderBytes + size) == 0
        && ::fchmod(::fileno(m_file), 0644) == 0;
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!rewritten || !closed) {
        std::remove(part.c_str());
        VX_SetError(-1, "Can't reopen for header modification\n%s", m_fileName.c_str());
        return false;
    }
    if (std::rename(part.c_str(), m_fileName.c_str()) != 0) {
        std::remove(part.c_str());
        VX_SetError(-1, "Can't open file \n%s", m_fileName.c_str());
        return false;
    }
    return true;
}

const char* CT_Sound::qccz_MCIsend(const char* format, ...)
{
    char command[1024];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(command, sizeof command, format, arguments);
    va_end(arguments);
    m_command = command;
    const std::uint32_t code = kurs::sound::sendSoundCommand(m_command, m_answer);
    if (code == kurs::sound::kCommandOk)
        return nullptr;
    m_answer = kurs::sound::soundCommandErrorText(code).substr(0, kAnswerLimit);
    return m_answer.c_str();
}

bool CT_Sound::b_MCIPlay(std::uint32_t fromMs, std::uint32_t toMs)
{
    if (kurs::sound::waveOutputDeviceCount() == 0)
        return false;
    qccz_MCIsend("close play_sound");
    qccz_MCIsend("close record_sound");
    if (const char* error = qccz_MCIsend("open \"%s\" type waveaudio alias play_sound", m_fileName.c_str()))
        return b_MCIError(error);
    // Esc ends a waiting play.
    qccz_MCIsend("break play_sound on 27");
    const char* error = toMs != 0 ? qccz_MCIsend("play play_sound from %u to %u ", fromMs, toMs)
                                  : qccz_MCIsend("play play_sound from %u ", fromMs);
    if (error != nullptr)
        return b_MCIError(error);
    return true;
}

bool CT_Sound::b_MCIPlayWait(std::uint32_t fromMs, std::uint32_t toMs)
{
    if (!b_MCIPlay(fromMs, toMs))
        return false;
    while (b_IsPlaying() && !kurs::sound::consoleKeyPending())
        std::this_thread::sleep_for(kPollInterval);
    return b_MCIStopPlay();
}

bool CT_Sound::b_MCIStopPlay()
{
    qccz_MCIsend("stop play_sound");
    if (const char* error = qccz_MCIsend("close play_sound"))
        return b_MCIError(error);
    return true;
}

bool CT_Sound::b_IsPlaying()
{
    if (kurs::sound::waveOutputDeviceCount() == 0)
        return false;
    if (const char* error = qccz_MCIsend("status play_sound mode"))
        return b_MCIError(error);
    return m_answer == "playing";
}

bool CT_Sound::b_MCIRecord()
{
    qccz_MCIsend("close play_sound");
    qccz_MCIsend("close record_sound");
    if (const char* error = qccz_MCIsend("open new type waveaudio alias record_sound"))
        return b_MCIError(error);
    qccz_MCIsend("set record_sound format tag %u samplespersec %u bitspersample %u channels %u bytespersec %u "
                 "alignment %u",
                 m_waveFormat.formatTag, m_waveFormat.samplesPerSec, m_waveFormat.bitsPerSample,
                 m_waveFormat.channels, m_waveFormat.avgBytesPerSec, m_waveFormat.blockAlign);
    if (const char* error = qccz_MCIsend("record record_sound overwrite"))
        return b_MCIError(error);
    return true;
}

bool CT_Sound::b_MCIStopRecord()
{
    qccz_MCIsend("stop record_sound");
    bool saved = false;
    if (!m_fileName.empty()) {
        const char* error = qccz_MCIsend("save record_sound \"%s\"", m_fileName.c_str());
        saved = error == nullptr;
        if (!saved)
            b_MCIError(error);
    }
    qccz_MCIsend("close record_sound");
    if (saved)
        n_Read();
    return saved;
}

bool CT_Sound::b_IsRecording()
{
    if (const char* error = qccz_MCIsend("status record_sound mode"))
        return b_MCIError(error);
    return m_answer == "recording";
}

bool CT_Sound::b_MCIError(const char* text)
{
    VX_SetError(-1, "MCI error: \n%s", text);
    return false;
}

bool CT_Sound::b_WaitDone(const WaveInBuffer& buffer) const
{
    const auto bufferMs = m_waveFormat.avgBytesPerSec == 0
        ? 0
        : static_cast<std::uint64_t>(buffer.sizeBytes) * 1000u / m_waveFormat.avgBytesPerSec;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(bufferMs) + kStallGrace;
    while (!buffer.done.load(std::memory_order_acquire)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

std::uint32_t CT_Sound::n_Queue(WaveInDevice& device, WaveInBuffer& buffer)
{
    const std::uint32_t prepared = device.prepare(buffer);
    return prepared != kurs::sound::kDeviceOk ? prepared : device.addBuffer(buffer);
}

float CT_Sound::r_Calibrate(std::uint32_t milliseconds)
{
    const float wanted = static_cast<float>(m_waveFormat.samplesPerSec) * static_cast<float>(milliseconds) * 0.001f;
    // A buffer the device can describe; a longer time fails as a buffer that cannot be prepared.
    const std::uint32_t samples
        = wanted < static_cast<float>(kLongestCalibrationBytes) ? static_cast<std::uint32_t>(wanted) : 0;
    std::vector<std::int16_t> storage;
    WaveInBuffer buffer;
    WaveInDevice device;
    std::uint32_t code = device.open(0, m_waveFormat);
    float level = 0.0f;
    if (code != kurs::sound::kDeviceOk) {
        VX_SetError(static_cast<std::int32_t>(code), "Can't open waveIn (Calibrate) \n%s", deviceErrorText(code).c_str());
    } else {
        const std::uint64_t bytes = static_cast<std::uint64_t>(samples) * m_waveFormat.blockAlign;
        std::uint32_t failure = kurs::sound::kDeviceOk;
        if (bytes <= kLongestCalibrationBytes) {
            try {
                storage.assign(static_cast<std::size_t>((bytes + 1) / 2), 0);
                buffer.data = reinterpret_cast<std::uint8_t*>(storage.data());
                buffer.sizeBytes = static_cast<std::uint32_t>(bytes);
            } catch (const std::bad_alloc&) {
                failure = kurs::sound::kDeviceNoMemory;
            }
        }
        if (failure == kurs::sound::kDeviceOk)
            failure = n_Queue(device, buffer);
        if (failure == kurs::sound::kDeviceOk)
            failure = device.start();
        if (failure != kurs::sound::kDeviceOk) {
            failure = kurs::sound::kDeviceUnspecifiedError;
            VX_SetError(1, "Can't prepare calibration buffer \n%s", deviceErrorText(failure).c_str());
        } else if (!b_WaitDone(buffer)) {
            failure = kurs::sound::kDeviceUnspecifiedError;
        } else {
            const std::uint32_t recorded = buffer.recordedBytes / std::max<std::uint32_t>(m_waveFormat.blockAlign, 1);
            float mean = 0.0f;
            for (std::uint32_t j = 0; j < recorded; ++j) {
                const float value = m_waveFormat.bitsPerSample == 8
                    ? static_cast<float>(std::abs(buffer.data[j] - 128))
                    : static_cast<float>(std::abs(storage[j] / 256));
                mean += (value - mean) / static_cast<float>(j + 1);
            }
            level = mean;
            device.unprepare(buffer);
        }
        device.reset();
        code = device.close();
        // A calibration that measured nothing is a failure even when the device closed well.
        if (code == kurs::sound::kDeviceOk)
            code = failure;
    }
    if (code != kurs::sound::kDeviceOk) {
        VX_SetError(static_cast<std::int32_t>(code), "general sound calibration error\n%s", deviceErrorText(code).c_str());
        return -1.0f;
    }
    m_silenceLevel = level + 2.0f;
    return m_silenceLevel;
}

float CT_Sound::r_TriggerLevel(const WaveInBuffer& buffer) const
{
    const std::uint32_t samples = buffer.recordedBytes / std::max<std::uint32_t>(m_waveFormat.blockAlign, 1);
    if (m_waveFormat.bitsPerSample == 8)
        return r_TriggerLevel(buffer.data, samples);
    return r_TriggerLevel(reinterpret_cast<const std::int16_t*>(buffer.data), samples);
}

float CT_Sound::r_TriggerLevel(const std::int16_t* data, std::uint32_t samples) const
{
    float level = 0.0f;
    std::uint32_t k = 0;
    // Divisor 10k + 1: the first samples of the second weigh most.
    for (std::uint32_t i = 0; i < samples; i += 10, ++k)
        level += (static_cast<float>(std::abs(static_cast<int>(data[i]))) - level) / static_cast<float>(10 * k + 1);
    level /= 256.0f;
    return level > m_silenceLevel ? level : 0.0f;
}

float CT_Sound::r_TriggerLevel(const std::uint8_t* data, std::uint32_t samples) const
{
    float level = 0.0f;
    std::uint32_t k = 0;
    for (std::uint32_t i = 0; i < samples; i += 10, ++k)
        level += (static_cast<float>(std::abs(data[i] - 128)) - level) / static_cast<float>(10 * k + 1);
    return level > m_silenceLevel ? level : 0.0f;
}

bool CT_Sound::b_Trigger(Capture& capture)
{
    std::uint32_t silent = 0;
    bool havePrevious = false;
    for (;;) {
        WaveInBuffer& done = capture.buffer(capture.current);
        if (!b_WaitDone(done)) {
            capture.failure = kurs::sound::kDeviceUnspecifiedError;
            break;
        }
        const bool speech = r_TriggerLevel(done) != 0.0f;
        if (speech) {
            if (havePrevious) {
                const WaveInBuffer& before = capture.buffer(capture.current + kBuffersInTurn - 1);
                b_Write(before.data, before.recordedBytes);
            }
            b_Write(done.data, done.recordedBytes);
        } else if (++silent > m_pauseSeconds) {
            return false;
        }
        capture.device.unprepare(done);
        havePrevious = true;
        ++capture.current;
        capture.failure = n_Queue(capture.device, capture.buffer(capture.current));
        if (capture.failure != kurs::sound::kDeviceOk)
            break;
        if (speech)
            return true;
    }
    VX_SetError(1, "Sound triggering trouble\n%s", deviceErrorText(capture.failure).c_str());
    return false;
}

void CT_Sound::v_RecordLoop(Capture& capture)
{
    std::uint32_t silent = 0;
    bool keyPressed = false;
    while (!keyPressed) {
        WaveInBuffer& done = capture.buffer(capture.current);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1) + kStallGrace;
        while (!done.done.load(std::memory_order_acquire) && !keyPressed) {
            if (std::chrono::steady_clock::now() > deadline) {
                capture.failure = kurs::sound::kDeviceUnspecifiedError;
                return;
            }
            std::this_thread::sleep_for(kPollInterval);
            keyPressed = kurs::sound::consoleKeyPending();
        }
        if (keyPressed)
            break;
        capture.device.unprepare(done);
        ++capture.current;
        capture.failure = n_Queue(capture.device, capture.buffer(capture.current));
        b_Write(done.data, done.recordedBytes);
        if (r_TriggerLevel(done) != 0.0f)
            silent = 0;
        else if (++silent > m_pauseSeconds)
            break;
        if (capture.failure != kurs::sound::kDeviceOk)
            return;
    }
    // The queued buffer comes back with the part of a second it holds.
    capture.device.stop();
    const WaveInBuffer& last = capture.buffer(capture.current);
    b_Write(last.data, last.recordedBytes);
}

bool CT_Sound::b_Record()
{
    qccz_MCIsend("close play_sound");
    qccz_MCIsend("close record_sound");
    const std::uint32_t bufferBytes = (m_waveFormat.avgBytesPerSec + 1u) & ~1u;
    m_bytesWritten = 0;

    auto capture = std::make_unique<Capture>();
    for (std::uint32_t i = 0; i < kBuffersInTurn; ++i) {
        capture->storage[i].assign(bufferBytes / 2, 0);
        capture->buffers[i].data = reinterpret_cast<std::uint8_t*>(capture->storage[i].data());
        capture->buffers[i].sizeBytes = bufferBytes;
    }
    b_WriteOpen();

    std::uint32_t code = capture->device.open(0, m_waveFormat);
    if (code == kurs::sound::kDeviceOk) {
        capture->failure = n_Queue(capture->device, capture->buffer(0));
        if (capture->failure == kurs::sound::kDeviceOk)
            capture->failure = capture->device.start();
        if (capture->failure == kurs::sound::kDeviceOk && b_Trigger(*capture))
            v_RecordLoop(*capture);
        capture->device.reset();
        code = capture->device.close();
        // A device failure on the way is this recording's failure too.
        if (code == kurs::sound::kDeviceOk)
            code = capture->failure;
    }
    capture.reset();
    if (code != kurs::sound::kDeviceOk)
        VX_SetError(static_cast<std::int32_t>(code), "Sound recording trouble\n%s", deviceErrorText(code).c_str());
    const bool written = b_WriteClose();
    if (!written || code != kurs::sound::kDeviceOk)
        return false;
    n_Read();
    return true;
}
