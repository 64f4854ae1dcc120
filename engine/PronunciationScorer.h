#pragma once

#include "engine/AcousticModel.h"
#include "engine/ScoreMatrix.h"

#include <vector>

namespace kurs::engine {

// Goodness of pronunciation: how a phone's forced alignment scores against the
// best free loop of all the model's phones over the same frames.
class PronunciationScorer {
public:
    explicit PronunciationScorer(const std::vector<PhoneModel>& models);

    // Best score of any sequence of phones that fills frames first..last
    // exactly (entering at first, leaving after last); kImpossible when the
    // stretch is shorter than any phone can be.
    Score loopScore(const ScoreMatrix& scores, int first, int last) const;

    // 0..1 from the forced score and the loop score of the same `frames`
    // frames: 1 when no other phones explain the frames better, falling by half
    // for every kHalvingNatsPerFrame the loop wins per frame.
    static double goodness(Score forced, Score loop, int frames);
    static constexpr double kHalvingNatsPerFrame = 2.0;

private:
    const std::vector<PhoneModel>& models_;
};

} // namespace kurs::engine
