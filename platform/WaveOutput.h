#pragma once

#include "platform/SoundExport.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace kurs::sound {

// Number of sound outputs; 0 when the sound server cannot be reached.
KURSSOUND_EXPORT std::uint32_t waveOutputDeviceCount();

enum class PlayMode {
    Wait,        // returns when the sound has been played
    Background,  // returns at once; the sound plays on
};

// Plays a PCM wave file or wave file bytes held in memory on the default
// output. A new sound ends the background sound still playing. False when the
// file cannot be read or is not PCM, or no output can be reached.
KURSSOUND_EXPORT bool playWaveFile(const std::string& path, PlayMode mode);
KURSSOUND_EXPORT bool playWaveData(const std::uint8_t* bytes, std::size_t sizeBytes, PlayMode mode);
// Ends the background sound, if any.
KURSSOUND_EXPORT void stopWaveSound();
// True while a background sound plays.
KURSSOUND_EXPORT bool isWaveSoundPlaying();

} // namespace kurs::sound
