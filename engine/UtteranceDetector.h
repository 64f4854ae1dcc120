#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace kurs::engine {

// Level of a stretch of 16-bit sound: 20 log10 of its RMS amplitude (0 dB is
// an RMS of one step, full scale is about 90 dB); 0 for digital silence.
double levelDb(const std::int16_t* samples, std::size_t count);

// Finds one utterance in live sound fed in pieces: speech starts when three
// 10 ms frames in a row lie 10 dB above the noise floor; the utterance keeps
// the 300 ms before that, and ends after the end-of-utterance silence or when
// it reaches the longest utterance. Without speech, listening ends after the
// longest utterance with everything heard. The noise floor starts at the
// calibrated level (else at the first frame) and follows the quiet frames.
class UtteranceDetector {
public:
    struct Settings {
        std::uint32_t rateHz = 22050;
        std::uint32_t endSilenceMs = 700;
        std::uint32_t maxLengthMs = 10000;
    };

    static constexpr double kSpeechMarginDb = 10.0;
    static constexpr double kHoldMarginDb = 7.0;
    static constexpr std::uint32_t kOnsetFrames = 3;
    static constexpr std::uint32_t kPreRollMs = 300;

    UtteranceDetector(const Settings& settings, std::optional<double> noiseFloorDb);

    // Takes sound until the utterance ends; answers how many samples it took
    // (fewer than given once the utterance has ended).
    std::size_t feed(const std::int16_t* samples, std::size_t count);
    bool ended() const { return ended_; }
    bool heardSpeech() const { return speech_; }
    double noiseFloorDb() const { return noise_.value_or(0.0); }
    const std::vector<std::int16_t>& utterance() const { return utterance_; }
    std::vector<std::int16_t> takeUtterance() { return std::move(utterance_); }

private:
    void frame(const std::int16_t* samples);

    Settings settings_;
    std::size_t frameSize_;
    std::optional<double> noise_;
    std::vector<std::int16_t> pending_;
    std::vector<std::int16_t> utterance_;
    std::uint32_t loudFrames_ = 0;
    std::uint32_t silentMs_ = 0;
    bool speech_ = false;
    bool ended_ = false;
};

} // namespace kurs::engine
