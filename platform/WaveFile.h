#pragma once

#include "platform/SoundExport.h"
#include "platform/WaveFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kurs::sound {

// Sound held in memory: its format and its sample bytes.
struct WaveData {
    WaveFormat format;
    std::vector<std::uint8_t> pcm;
};

enum class WaveFileError {
    None,
    CannotOpen,   // missing or unreadable file
    NotWave,      // no RIFF/WAVE structure, or no fmt or data chunk
    NotPcm,       // compressed or otherwise unsupported format
};

// Reads a RIFF wave file chunk by chunk (unknown chunks are skipped, a data
// chunk claiming more than the file holds is cut at the end of the file).
KURSSOUND_EXPORT WaveFileError readWaveFile(const std::string& path, WaveData& wave);
KURSSOUND_EXPORT WaveFileError parseWave(const std::uint8_t* bytes, std::size_t size, WaveData& wave);

// Writes a wave file with the canonical 44-byte header. The file is written
// beside its final name and renamed over it, so an old file is replaced only
// by a complete new one.
KURSSOUND_EXPORT bool writeWaveFile(const std::string& path, const WaveFormat& format,
                                    const std::uint8_t* pcm, std::size_t sizeBytes);

} // namespace kurs::sound
