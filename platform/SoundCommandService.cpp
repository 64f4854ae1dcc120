#include "platform/SoundCommandService.h"

#include "platform/CommandWords.h"
#include "platform/ConsoleInput.h"
#include "platform/DeviceError.h"
#include "platform/PulseConnection.h"
#include "platform/SoundCommands.h"
#include "platform/WaveFile.h"

#include <chrono>
#include <optional>

namespace kurs::sound {
namespace {

// A new recorder's format until a set command changes it.
WaveFormat newRecorderFormat()
{
    WaveFormat format;
    format.samplesPerSec = 11025;
    format.bitsPerSample = 8;
    format.blockAlign = 1;
    format.avgBytesPerSec = 11025;
    return format;
}

} // namespace

std::uint32_t sendSoundCommand(std::string_view command, std::string& answer)
{
    return SoundCommandService::instance().send(command, answer);
}

std::string soundCommandErrorText(std::uint32_t code)
{
    switch (code) {
    case kCommandOk:
        return "The command was carried out.";
    case kCommandUnrecognized:
        return "The sound service does not know this command.";
    case kCommandUnknownAlias:
        return "No sound device is open under this alias.";
    case kCommandAliasInUse:
        return "The alias is already in use; close it first or choose another one.";
    case kCommandMissingParameter:
        return "A part the command needs is missing.";
    case kCommandUnrecognizedKeyword:
        return "The command holds a word the sound service does not know.";
    case kCommandBadNumber:
        return "A value of the command is not a whole non-negative number.";
    case kCommandUnsupportedDevice:
        return "Only the waveaudio device type is available.";
    case kCommandFileNotFound:
        return "The sound file cannot be found or read.";
    case kCommandInvalidFile:
        return "The file is not an uncompressed (PCM) wave file with 8 or 16 bits and one or two channels.";
    case kCommandFileNotSaved:
        return "The sound file cannot be written; check that its folder exists and may be written to.";
    case kCommandBadFormat:
        return "The wave format cannot be used: PCM with 8 or 16 bits, one or two channels, and alignment "
               "and byte rate matching them are needed.";
    case kCommandFormatLocked:
        return "The wave format cannot change once sound has been recorded.";
    case kCommandOutOfRange:
        return "The position lies beyond the end of the sound.";
    case kCommandNoDevice:
        return "No sound device is available: the sound server cannot be reached or has no such device.";
    case kCommandDeviceFailed:
        return "The sound device stopped working.";
    default:
        return "Unknown sound service error.";
    }
}

SoundCommandService& SoundCommandService::instance()
{
    // Created after the connection, so destroyed before it: devices still open at
    // exit close their streams on a live connection.
    PulseConnection::instance();
    static SoundCommandService service;
    return service;
}

SoundCommandService::~SoundCommandService()
{
    ConnectionLock lock;
    devices_.clear();
}

SoundCommandService::Device* SoundCommandService::find(std::string_view alias)
{
    const auto found = devices_.find(lowerCase(alias));
    return found == devices_.end() ? nullptr : found->second.get();
}

std::uint32_t SoundCommandService::send(std::string_view command, std::string& answer)
{
    answer.clear();
    const Words words = splitCommandWords(command);
    if (words.empty())
        return kCommandUnrecognized;
    const std::string& verb = words[0];
    ConnectionLock lock;
    if (sameWord(verb, "open"))
        return open(words);
    if (sameWord(verb, "close"))
        return close(words);

    using Handler = std::uint32_t (SoundCommandService::*)(Device&, const Words&);
    static const std::pair<const char*, Handler> kHandlers[] = {
        {"set", &SoundCommandService::set},       {"record", &SoundCommandService::record},
        {"play", &SoundCommandService::play},     {"stop", &SoundCommandService::stop},
        {"save", &SoundCommandService::save},     {"break", &SoundCommandService::setBreak},
    };
    const bool isStatus = sameWord(verb, "status");
    Handler handler = nullptr;
    for (const auto& [name, member] : kHandlers) {
        if (sameWord(verb, name))
            handler = member;
    }
    if (handler == nullptr && !isStatus)
        return kCommandUnrecognized;
    if (words.size() < 2)
        return kCommandMissingParameter;
    Device* device = find(words[1]);
    if (device == nullptr)
        return kCommandUnknownAlias;
    return isStatus ? status(*device, words, answer) : (this->*handler)(*device, words);
}

std::uint32_t SoundCommandService::open(const Words& words)
{
    if (words.size() < 2)
        return kCommandMissingParameter;
    const std::string& element = words[1];
    std::optional<std::string> type;
    std::optional<std::string> alias;
    for (std::size_t i = 2; i < words.size(); ++i) {
        if (sameWord(words[i], "type") || sameWord(words[i], "alias")) {
            if (i + 1 == words.size())
                return kCommandMissingParameter;
            (sameWord(words[i], "type") ? type : alias) = words[i + 1];
            ++i;
        } else if (!sameWord(words[i], "shareable") && !sameWord(words[i], "wait")) {
            return kCommandUnrecognizedKeyword;
        }
    }
    if (type && !sameWord(*type, "waveaudio"))
        return kCommandUnsupportedDevice;
    const bool recorder = sameWord(element, "new");
    if (recorder && !type)
        return kCommandMissingParameter;
    if (recorder && !alias)
        return kCommandMissingParameter;
    const std::string name = alias ? *alias : element;
    if (find(name) != nullptr)
        return kCommandAliasInUse;

    auto device = std::make_unique<Device>();
    device->name = name;
    PulseConnection& connection = PulseConnection::instance();
    if (recorder) {
        if (connection.captureSources().empty())
            return kCommandNoDevice;
        device->format = newRecorderFormat();
    } else {
        if (!type) {
            const std::string lower = lowerCase(element);
            if (lower.size() < 4 || lower.compare(lower.size() - 4, 4, ".wav") != 0)
                return kCommandUnsupportedDevice;
        }
        WaveData wave;
        const WaveFileError error = readWaveFile(element, wave);
        if (error == WaveFileError::CannotOpen)
            return kCommandFileNotFound;
        if (error != WaveFileError::None)
            return kCommandInvalidFile;
        if (connection.sinkCount() == 0)
            return kCommandNoDevice;
        device->format = wave.format;
        *device->pcm = std::move(wave.pcm);
    }
    devices_.emplace(lowerCase(name), std::move(device));
    return kCommandOk;
}

std::uint32_t SoundCommandService::close(const Words& words)
{
    if (words.size() < 2)
        return kCommandMissingParameter;
    if (words.size() > 2)
        return kCommandUnrecognizedKeyword;
    if (sameWord(words[1], "all")) {
        devices_.clear();
        return kCommandOk;
    }
    const auto found = devices_.find(lowerCase(words[1]));
    if (found == devices_.end())
        return kCommandUnknownAlias;
    devices_.erase(found);
    return kCommandOk;
}

std::uint32_t SoundCommandService::set(Device& device, const Words& words)
{
    WaveFormat format = device.format;
    TimeFormat timeFormat = device.timeFormat;
    for (std::size_t i = 2; i < words.size(); ++i) {
        const std::string& item = words[i];
        const bool twoWords = sameWord(item, "time") || sameWord(item, "format");
        if (twoWords) {
            const bool time = sameWord(item, "time");
            if (i + 2 >= words.size())
                return kCommandMissingParameter;
            if (!sameWord(words[i + 1], time ? "format" : "tag"))
                return kCommandUnrecognizedKeyword;
            const std::string& value = words[i + 2];
            i += 2;
            if (time) {
                if (sameWord(value, "ms") || sameWord(value, "milliseconds"))
                    timeFormat = TimeFormat::Milliseconds;
                else if (sameWord(value, "samples"))
                    timeFormat = TimeFormat::Samples;
                else if (sameWord(value, "bytes"))
                    timeFormat = TimeFormat::Bytes;
                else
                    return kCommandUnrecognizedKeyword;
            } else if (sameWord(value, "pcm")) {
                format.formatTag = kPcmFormatTag;
            } else if (const auto tag = parseNumber(value); tag && *tag <= 0xFFFF) {
                format.formatTag = static_cast<std::uint16_t>(*tag);
            } else {
                return kCommandBadNumber;
            }
            continue;
        }
        if (i + 1 >= words.size())
            return kCommandMissingParameter;
        const auto value = parseNumber(words[i + 1]);
        if (!value)
            return kCommandBadNumber;
        const bool fitsShort = *value <= 0xFFFF;
        if (sameWord(item, "samplespersec"))
            format.samplesPerSec = *value;
        else if (sameWord(item, "bytespersec"))
            format.avgBytesPerSec = *value;
        else if ((!fitsShort || *value == 0)
                 && (sameWord(item, "bitspersample") || sameWord(item, "channels") || sameWord(item, "alignment")))
            return kCommandBadNumber;
        else if (sameWord(item, "bitspersample"))
            format.bitsPerSample = static_cast<std::uint16_t>(*value);
        else if (sameWord(item, "channels"))
            format.channels = static_cast<std::uint16_t>(*value);
        else if (sameWord(item, "alignment"))
            format.blockAlign = static_cast<std::uint16_t>(*value);
        else
            return kCommandUnrecognizedKeyword;
        ++i;
    }
    const bool formatChanged = format.formatTag != device.format.formatTag
        || format.channels != device.format.channels || format.samplesPerSec != device.format.samplesPerSec
        || format.avgBytesPerSec != device.format.avgBytesPerSec || format.blockAlign != device.format.blockAlign
        || format.bitsPerSample != device.format.bitsPerSample;
    if (formatChanged && (!device.pcm->empty() || device.capture.isOpen()))
        return kCommandFormatLocked;
    device.format = format;
    device.timeFormat = timeFormat;
    return kCommandOk;
}

std::uint32_t SoundCommandService::record(Device& device, const Words& words)
{
    for (std::size_t i = 2; i < words.size(); ++i) {
        if (!sameWord(words[i], "overwrite") && !sameWord(words[i], "insert"))
            return kCommandUnrecognizedKeyword;
    }
    if (!isSupportedPcmFormat(device.format))
        return kCommandBadFormat;
    if (device.capture.isRunning() && !device.capture.hasFailed())
        return kCommandOk;
    device.playback.stop();
    device.capture.close();
    if (PulseConnection::instance().captureSources().empty())
        return kCommandNoDevice;
    // Whole frames only, so a recording never ends in the middle of a sample.
    const std::uint32_t align = device.format.blockAlign;
    device.pcm->resize(device.pcm->size() - device.pcm->size() % align);
    std::vector<std::uint8_t>* pcm = device.pcm.get();
    const std::uint8_t silence = device.format.bitsPerSample == 8 ? 0x80 : 0x00;
    const std::uint32_t result
        = device.capture.open({}, device.format, [pcm, silence](const std::uint8_t* data, std::size_t size) {
              if (data != nullptr)
                  pcm->insert(pcm->end(), data, data + size);
              else
                  pcm->insert(pcm->end(), size, silence);
          });
    if (result == kDeviceBadFormat)
        return kCommandBadFormat;
    if (result != kDeviceOk || device.capture.start() != kDeviceOk) {
        device.capture.close();
        return kCommandNoDevice;
    }
    return kCommandOk;
}

std::uint32_t SoundCommandService::play(Device& device, const Words& words)
{
    std::optional<std::uint32_t> from;
    std::optional<std::uint32_t> to;
    bool wait = false;
    for (std::size_t i = 2; i < words.size(); ++i) {
        if (sameWord(words[i], "wait")) {
            wait = true;
            continue;
        }
        if (!sameWord(words[i], "from") && !sameWord(words[i], "to"))
            return kCommandUnrecognizedKeyword;
        if (i + 1 == words.size())
            return kCommandMissingParameter;
        const auto value = parseNumber(words[i + 1]);
        if (!value)
            return kCommandBadNumber;
        (sameWord(words[i], "from") ? from : to) = *value;
        ++i;
    }
    if (device.capture.isOpen())
        stopDevice(device);
    const std::size_t length = device.pcm->size() - device.pcm->size() % device.format.blockAlign;
    const std::size_t begin = from ? toBytes(device, *from) : 0;
    const std::size_t end = to ? toBytes(device, *to) : length;
    if (begin > length || end > length || begin > end)
        return kCommandOutOfRange;
    if (!device.playback.start(device.format, device.pcm, begin, end))
        return kCommandNoDevice;
    device.played = true;
    if (!wait)
        return kCommandOk;

    // The device may be closed by another thread while the lock is released.
    const std::string key = lowerCase(device.name);
    PulseConnection::instance().waitFor(
        [this, &key] {
            Device* playing = find(key);
            if (playing == nullptr || !playing->playback.isPlaying())
                return true;
            if (playing->breakOnKey && consoleKeyPending()) {
                stopDevice(*playing);
                return true;
            }
            return false;
        },
        std::chrono::hours(24));
    return kCommandOk;
}

std::uint32_t SoundCommandService::stop(Device& device, const Words& words)
{
    if (words.size() > 2)
        return kCommandUnrecognizedKeyword;
    stopDevice(device);
    return kCommandOk;
}

void SoundCommandService::stopDevice(Device& device)
{
    if (device.capture.isOpen()) {
        device.capture.close();
        device.positionByte = device.pcm->size();
        device.played = false;
    }
    device.playback.stop();
}

std::uint32_t SoundCommandService::status(Device& device, const Words& words, std::string& answer)
{
    if (words.size() < 3)
        return kCommandMissingParameter;
    const std::string& item = words[2];
    if (words.size() > 3 && !(sameWord(item, "time") && words.size() == 4 && sameWord(words[3], "format")))
        return kCommandUnrecognizedKeyword;
    const bool recording = device.capture.isRunning() && !device.capture.hasFailed();
    const bool playing = device.playback.isPlaying();
    if (sameWord(item, "mode")) {
        answer = recording ? "recording" : playing ? "playing" : "stopped";
    } else if (sameWord(item, "length")) {
        answer = std::to_string(fromBytes(device, device.pcm->size()));
    } else if (sameWord(item, "position")) {
        const std::size_t position = recording ? device.pcm->size()
            : device.played                    ? device.playback.positionByte()
                                               : device.positionByte;
        answer = std::to_string(fromBytes(device, position));
    } else if (sameWord(item, "ready")) {
        answer = device.capture.hasFailed() ? "false" : "true";
    } else if (sameWord(item, "samplespersec")) {
        answer = std::to_string(device.format.samplesPerSec);
    } else if (sameWord(item, "bitspersample")) {
        answer = std::to_string(device.format.bitsPerSample);
    } else if (sameWord(item, "channels")) {
        answer = std::to_string(device.format.channels);
    } else if (sameWord(item, "time")) {
        answer = device.timeFormat == TimeFormat::Milliseconds ? "milliseconds"
            : device.timeFormat == TimeFormat::Samples        ? "samples"
                                                              : "bytes";
    } else {
        return kCommandUnrecognizedKeyword;
    }
    return kCommandOk;
}

std::uint32_t SoundCommandService::save(Device& device, const Words& words)
{
    if (words.size() < 3)
        return kCommandMissingParameter;
    if (words.size() > 3)
        return kCommandUnrecognizedKeyword;
    const std::size_t whole = device.pcm->size() - device.pcm->size() % device.format.blockAlign;
    if (!writeWaveFile(words[2], device.format, device.pcm->data(), whole))
        return kCommandFileNotSaved;
    return kCommandOk;
}

std::uint32_t SoundCommandService::setBreak(Device& device, const Words& words)
{
    if (words.size() == 3 && sameWord(words[2], "off")) {
        device.breakOnKey = false;
        return kCommandOk;
    }
    if (words.size() != 4 || !sameWord(words[2], "on"))
        return words.size() < 3 ? kCommandMissingParameter : kCommandUnrecognizedKeyword;
    if (!parseNumber(words[3]))
        return kCommandBadNumber;
    // A terminal reports typed input, not which key it was, so any key breaks.
    device.breakOnKey = true;
    return kCommandOk;
}

std::size_t SoundCommandService::toBytes(const Device& device, std::uint32_t value)
{
    const std::uint64_t align = device.format.blockAlign;
    switch (device.timeFormat) {
    case TimeFormat::Milliseconds: {
        const std::uint64_t bytes = static_cast<std::uint64_t>(value) * device.format.avgBytesPerSec / 1000u;
        return static_cast<std::size_t>(bytes - bytes % align);
    }
    case TimeFormat::Samples:
        return static_cast<std::size_t>(value * align);
    case TimeFormat::Bytes:
        break;
    }
    return static_cast<std::size_t>(value - value % align);
}

std::uint32_t SoundCommandService::fromBytes(const Device& device, std::size_t bytes)
{
    switch (device.timeFormat) {
    case TimeFormat::Milliseconds:
        return device.format.avgBytesPerSec == 0
            ? 0
            : static_cast<std::uint32_t>(static_cast<std::uint64_t>(bytes) * 1000u / device.format.avgBytesPerSec);
    case TimeFormat::Samples:
        return static_cast<std::uint32_t>(bytes / device.format.blockAlign);
    case TimeFormat::Bytes:
        break;
    }
    return static_cast<std::uint32_t>(bytes);
}

} // namespace kurs::sound
