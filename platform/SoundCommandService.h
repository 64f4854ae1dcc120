#pragma once

#include "platform/CaptureStream.h"
#include "platform/PlaybackStream.h"
#include "platform/WaveFormat.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kurs::sound {

// The alias table behind sendSoundCommand, one per process. Every command runs
// with the sound connection locked, which also guards the recordings that the
// sound thread appends to.
class SoundCommandService {
public:
    static SoundCommandService& instance();
    // Closes what is still open, with the connection locked as the streams need.
    ~SoundCommandService();
    SoundCommandService(const SoundCommandService&) = delete;
    SoundCommandService& operator=(const SoundCommandService&) = delete;

    std::uint32_t send(std::string_view command, std::string& answer);

private:
    enum class TimeFormat { Milliseconds, Samples, Bytes };

    struct Device {
        std::string name;
        WaveFormat format;
        TimeFormat timeFormat = TimeFormat::Milliseconds;
        std::shared_ptr<std::vector<std::uint8_t>> pcm = std::make_shared<std::vector<std::uint8_t>>();
        CaptureStream capture;
        PlaybackStream playback;
        // Where a recording left the position; after a play, the player knows it.
        std::size_t positionByte = 0;
        bool played = false;
        bool breakOnKey = false;
    };
    using Words = std::vector<std::string>;

    SoundCommandService() = default;

    Device* find(std::string_view alias);
    std::uint32_t open(const Words& words);
    std::uint32_t close(const Words& words);
    std::uint32_t set(Device& device, const Words& words);
    std::uint32_t record(Device& device, const Words& words);
    std::uint32_t play(Device& device, const Words& words);
    std::uint32_t stop(Device& device, const Words& words);
    std::uint32_t status(Device& device, const Words& words, std::string& answer);
    std::uint32_t save(Device& device, const Words& words);
    std::uint32_t setBreak(Device& device, const Words& words);

    static void stopDevice(Device& device);
    static std::size_t toBytes(const Device& device, std::uint32_t value);
    static std::uint32_t fromBytes(const Device& device, std::size_t bytes);

    std::map<std::string, std::unique_ptr<Device>> devices_;
};

} // namespace kurs::sound
