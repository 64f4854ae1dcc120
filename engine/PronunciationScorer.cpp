#include "engine/PronunciationScorer.h"

#include <algorithm>
#include <cmath>

namespace kurs::engine {

PronunciationScorer::PronunciationScorer(const std::vector<PhoneModel>& models)
    : models_(models)
{
}

Score PronunciationScorer::loopScore(const ScoreMatrix& scores, int first, int last) const
{
    const std::size_t count = models_.size();
    std::vector<Score> state(count * 3, kImpossible);
    std::vector<Score> next(count * 3);
    Score entry = 0;
    Score exit = kImpossible;
    for (int t = first; t <= last; ++t) {
        exit = kImpossible;
        for (std::size_t p = 0; p < count; ++p) {
            const PhoneModel& model = models_[p];
            for (std::size_t j = 0; j < 3; ++j) {
                Score value = j == 0 ? entry : kImpossible;
                for (std::size_t i = 0; i <= j; ++i) {
                    const Score transition = model.transitions[i][j];
                    if (transition != kImpossible && state[p * 3 + i] != kImpossible)
                        value = std::max(value, state[p * 3 + i] + transition);
                }
                if (value != kImpossible)
                    value -= scores.cost(static_cast<std::size_t>(t), static_cast<std::size_t>(model.senones[j]));
                next[p * 3 + j] = value;
            }
            for (std::size_t k = 0; k < 3; ++k) {
                const Score transition = model.transitions[k][3];
                if (transition != kImpossible && next[p * 3 + k] != kImpossible)
                    exit = std::max(exit, next[p * 3 + k] + transition);
            }
        }
        state.swap(next);
        entry = exit;
    }
    return exit;
}

double PronunciationScorer::goodness(Score forced, Score loop, int frames)
{
    if (frames <= 0 || loop == kImpossible || forced == kImpossible)
        return 0.0;
    const double lossPerFrame = natsOfUnits(std::max(0, loop - forced)) / frames;
    return std::exp2(-lossPerFrame / kHalvingNatsPerFrame);
}

} // namespace kurs::engine
