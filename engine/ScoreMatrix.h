#pragma once

#include <cstdint>
#include <vector>

namespace kurs::engine {

// Acoustic costs of one utterance: for every 10 ms frame and every senone (tied
// state) of the model, the negated log-likelihood in the decoder's score unit
// (natural log / (1024 ln 1.0001), about 0.1 nat), relative to the best senone
// of the frame, which costs 0.
class ScoreMatrix {
public:
    ScoreMatrix() = default;
    ScoreMatrix(std::size_t senones, std::vector<std::int16_t> costs)
        : senones_(senones)
        , costs_(std::move(costs))
    {
    }

    std::size_t frames() const { return senones_ == 0 ? 0 : costs_.size() / senones_; }
    std::size_t senones() const { return senones_; }
    std::int32_t cost(std::size_t frame, std::size_t senone) const { return costs_[frame * senones_ + senone]; }

private:
    std::size_t senones_ = 0;
    std::vector<std::int16_t> costs_;
};

} // namespace kurs::engine
