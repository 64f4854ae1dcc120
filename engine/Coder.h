#pragma once

#include "engine/AudioSource.h"
#include "engine/EngineConfig.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kurs::engine {

// The front of the recogniser: takes one utterance at a time from its source
// (the whole file, or live sound cut by the utterance detector), keeps it for
// storing, and measures the input level.
class Coder {
public:
    Coder(std::shared_ptr<AudioSource> source, const EngineConfig& config);

    AudioSource& source() { return *source_; }
    void prepare();
    void complete() { prepared_ = false; }
    bool prepared() const { return prepared_; }

    // The next utterance, at the source's rate. Throws EngineFailure when the
    // coder was not prepared, the source not started or the input fails.
    const std::vector<std::int16_t>& listen();
    const std::vector<std::int16_t>& utterance() const { return utterance_; }
    std::uint32_t utteranceRateHz() const { return utteranceRateHz_; }

    // Listens for the calibration time and fills HAPI_CALIBRATION_VALUES
    // values; silence sets the noise floor, speech sets it from the quietest
    // tenth of the frames. Throws EngineFailure for a file source.
    void calibrate(bool speech, float* values);
    std::optional<double> noiseFloorDb() const { return noiseFloorDb_; }

    // The utterance as a file of big-endian samples after a 12-byte header
    // (sample count, period in 100 ns, sample size 2, kind 0); no file when
    // there are no samples. Answers the number of samples; throws EngineFailure
    // when the file cannot be written.
    int saveSource(const std::string& path) const;

private:
    std::shared_ptr<AudioSource> source_;
    EngineConfig config_;
    std::vector<std::int16_t> utterance_;
    std::uint32_t utteranceRateHz_ = 0;
    std::optional<double> noiseFloorDb_;
    bool prepared_ = false;
};

} // namespace kurs::engine
