#pragma once

#include <cstdint>
#include <string>

namespace kurs::engine {

// The engine configuration file: one setting per line, "NAME = value" (a colon
// or blanks may stand for the equals sign), names in any letter case, lines
// whose first non-blank character is "#" are comments, blank lines are
// skipped. File names are relative to the folder of the configuration file.
//
//   MODEL        base name of the model pair <MODEL>.list and <MODEL>.mmf (required)
//   DICTIONARY   dictionary read when no other is named (required)
//   NETWORK      lattice loaded when no other is named (required)
//   SAMPLERATE   rate of the live input, 8000..48000 Hz (default 22050)
//   ENDSILENCE   silence that ends a live utterance, 100..5000 ms (default 700)
//   MAXLENGTH    longest live utterance, 1000..60000 ms (default 10000)
//   CALIBRATION  time a calibration listens, 200..10000 ms (default 1000)
//   INPUTDEVICE  number of the sound input, from 0 (default 0)
//   WEIGHTSCALE  factor on the network's link weights, 0.1..100 (default 2)
//   SOURCE       present (with any value, e.g. FILE) when the recogniser reads
//                wave files instead of listening; the speech library reads it
struct EngineConfig {
    std::string folder;
    std::string modelBase;
    std::string dictionaryFile;
    std::string networkFile;
    std::uint32_t sampleRateHz = 22050;
    std::uint32_t endSilenceMs = 700;
    std::uint32_t maxLengthMs = 10000;
    std::uint32_t calibrationMs = 1000;
    std::uint32_t inputDevice = 0;
    double weightScale = 2.0;

    // Paths resolved against the configuration folder.
    std::string modelListPath() const;
    std::string modelArchivePath() const;
    std::string resolve(const std::string& fileName) const;
};

// Reads the file; throws EngineFailure naming the file and line on an unknown
// setting, a value out of range or a missing required setting.
EngineConfig readEngineConfig(const std::string& path);

} // namespace kurs::engine
