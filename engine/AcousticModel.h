#pragma once

#include "engine/PhoneSet.h"
#include "engine/ScoreMatrix.h"
#include "engine/ScoreUnits.h"

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct ps_decoder_s;

namespace kurs::engine {

// One phone's hidden Markov model: three emitting states, each with its senone,
// and the transition costs between them; column 3 is the exit. kImpossible
// marks a transition the model does not have.
struct PhoneModel {
    std::array<int, 3> senones{};
    std::array<std::array<Score, 4>, 3> transitions{};
};

// The acoustic model of a model pair: the phone models of the phone list and
// PocketSphinx as front end and senone scorer. Input is 16 kHz 16-bit mono.
class AcousticModel {
public:
    static constexpr std::uint32_t kRateHz = 16000;
    static constexpr double kFrameMs = 10.0;

    // Throws EngineFailure when the model file cannot be read, does not match
    // the phone list or the decoder cannot start.
    AcousticModel(const PhoneSet& phones, const std::string& archivePath);
    ~AcousticModel();
    AcousticModel(const AcousticModel&) = delete;
    AcousticModel& operator=(const AcousticModel&) = delete;

    const PhoneSet& phones() const { return phones_; }
    // The phone models, by phone-list id.
    const std::vector<PhoneModel>& phoneModels() const { return models_; }
    std::size_t senoneCount() const { return senoneCount_; }

    // Costs of every senone in every frame of the utterance (batch cepstral
    // mean normalisation over the whole utterance). Frames louder than the
    // quietest tenth of the utterance by kSpeechOverFloorDb count as speech,
    // where the silence phone costs kSilenceOnSpeechNats more per frame: the
    // silence words at the ends of a network must not swallow speech that the
    // phrase or the garbage loop has to explain. Throws EngineFailure when the
    // decoder fails.
    ScoreMatrix score(const std::vector<std::int16_t>& samples16k);

    static constexpr double kSpeechOverFloorDb = 15.0;
    static constexpr double kSilenceOnSpeechNats = 10.0;
    static constexpr std::size_t kFrameShiftSamples = 160;
    static constexpr std::size_t kFrameSamples = 410;

private:
    struct Files;

    ScoreMatrix readScoreLog(const std::vector<std::int16_t>& samples16k);

    PhoneSet phones_;
    std::vector<PhoneModel> models_;
    std::size_t senoneCount_ = 0;
    std::array<int, 3> silenceSenones_{-1, -1, -1};
    std::unique_ptr<Files> files_;
    ps_decoder_s* decoder_ = nullptr;
    std::mutex mutex_;
};

} // namespace kurs::engine
