#pragma once

#include "engine/EngineConfig.h"
#include "engine/LiveInput.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kurs::engine {

// Where utterances come from: a wave file (read whole at every start) or the
// live sound input at the configured rate.
class AudioSource {
public:
    enum class Kind { File, Live };

    AudioSource(Kind kind, const EngineConfig& config);

    Kind kind() const { return kind_; }
    // A live source needs a sound input; throws EngineFailure otherwise.
    void initialise();
    // Throws EngineFailure unless this is a file source and the file is a
    // readable PCM wave file.
    void useFile(const std::string& path);
    // File: reads the file again; live: starts listening. Throws EngineFailure.
    void start();
    void stop();
    bool started() const { return started_; }

    std::uint32_t rateHz() const { return rateHz_; }
    // Sample period in milliseconds, chosen so that 1000 / period truncated is
    // the rate exactly.
    double samplePeriodMs() const;

    // The samples of the file read at the last start (mono).
    const std::vector<std::int16_t>& fileSamples() const { return fileSamples_; }
    LiveInput& live() { return *live_; }

private:
    Kind kind_;
    std::uint32_t rateHz_;
    std::string fileName_;
    std::vector<std::int16_t> fileSamples_;
    std::unique_ptr<LiveInput> live_;
    bool started_ = false;
};

} // namespace kurs::engine
