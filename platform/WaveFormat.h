#pragma once

#include "platform/SoundExport.h"

#include <cstdint>

namespace kurs::sound {

// Format of uncompressed (PCM) sound, field for field as wave files and the
// wave devices describe it.
struct WaveFormat {
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 1;
    std::uint32_t samplesPerSec = 22050;
    std::uint32_t avgBytesPerSec = 44100;
    std::uint16_t blockAlign = 2;
    std::uint16_t bitsPerSample = 16;
    std::uint16_t extraSize = 0;
};

inline constexpr std::uint16_t kPcmFormatTag = 1;

// True for what the sound server can take as it is: PCM, 8 or 16 bits, one or
// two channels, a rate the server accepts, and alignment and byte rate that
// agree with them.
KURSSOUND_EXPORT bool isSupportedPcmFormat(const WaveFormat& format);

} // namespace kurs::sound
