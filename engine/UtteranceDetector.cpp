#include "engine/UtteranceDetector.h"

#include <algorithm>
#include <cmath>

namespace kurs::engine {

double levelDb(const std::int16_t* samples, std::size_t count)
{
    if (count == 0)
        return 0.0;
    double energy = 0.0;
    for (std::size_t i = 0; i < count; ++i)
        energy += static_cast<double>(samples[i]) * samples[i];
    const double rms = std::sqrt(energy / static_cast<double>(count));
    return rms <= 1.0 ? 0.0 : 20.0 * std::log10(rms);
}

UtteranceDetector::UtteranceDetector(const Settings& settings, std::optional<double> noiseFloorDb)
    : settings_(settings)
    , frameSize_(std::max<std::size_t>(1, settings.rateHz / 100))
    , noise_(noiseFloorDb)
{
}

std::size_t UtteranceDetector::feed(const std::int16_t* samples, std::size_t count)
{
    std::size_t used = 0;
    while (!ended_ && used < count) {
        const std::size_t take = std::min(count - used, frameSize_ - pending_.size());
        pending_.insert(pending_.end(), samples + used, samples + used + take);
        used += take;
        if (pending_.size() == frameSize_) {
            frame(pending_.data());
            pending_.clear();
        }
    }
    return used;
}

void UtteranceDetector::frame(const std::int16_t* samples)
{
    const double level = levelDb(samples, frameSize_);
    if (!noise_)
        noise_ = level;
    utterance_.insert(utterance_.end(), samples, samples + frameSize_);
    const std::size_t maxSamples = static_cast<std::size_t>(settings_.maxLengthMs) * settings_.rateHz / 1000;
    if (!speech_) {
        if (level > *noise_ + kSpeechMarginDb) {
            if (++loudFrames_ >= kOnsetFrames) {
                speech_ = true;
                const std::size_t keep = (static_cast<std::size_t>(kPreRollMs) * settings_.rateHz / 1000)
                    + kOnsetFrames * frameSize_;
                if (utterance_.size() > keep)
                    utterance_.erase(utterance_.begin(), utterance_.end() - static_cast<std::ptrdiff_t>(keep));
            }
        } else {
            loudFrames_ = 0;
            // Quiet frames pull the floor down at once and up slowly.
            noise_ = level < *noise_ ? level : *noise_ + 0.05 * (level - *noise_);
        }
        if (utterance_.size() >= maxSamples)
            ended_ = true;
        return;
    }
    if (level > *noise_ + kHoldMarginDb)
        silentMs_ = 0;
    else
        silentMs_ += 10;
    if (silentMs_ >= settings_.endSilenceMs || utterance_.size() >= maxSamples)
        ended_ = true;
}

} // namespace kurs::engine
