#include "engine/Resampler.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace kurs::engine {
namespace {

constexpr double kBeta = 8.0;
constexpr int kZeroCrossings = 16;
constexpr std::uint32_t kMostPhases = 1024;

double besselI0(double x)
{
    double sum = 1.0;
    double term = 1.0;
    for (int k = 1; k < 30; ++k) {
        term *= (x / (2.0 * k)) * (x / (2.0 * k));
        sum += term;
    }
    return sum;
}

} // namespace

std::vector<std::int16_t> resampled(const std::vector<std::int16_t>& samples, std::uint32_t fromHz, std::uint32_t toHz)
{
    if (fromHz == toHz || samples.empty() || fromHz == 0 || toHz == 0)
        return samples;
    const double cutoff = std::min(1.0, static_cast<double>(toHz) / fromHz) * 0.95;
    const int half = static_cast<int>(std::ceil(kZeroCrossings / cutoff));
    const std::uint32_t phases = std::min(toHz / std::gcd(fromHz, toHz), kMostPhases);
    const double windowNorm = besselI0(kBeta);

    // taps[phase][k]: weight of input sample (base - half + 1 + k) for an output
    // that lies phase/phases of a sample after base.
    std::vector<float> taps(static_cast<std::size_t>(phases + 1) * (2 * half));
    for (std::uint32_t phase = 0; phase <= phases; ++phase) {
        const double fraction = static_cast<double>(phase) / phases;
        double sum = 0.0;
        for (int k = 0; k < 2 * half; ++k) {
            const double distance = (k - half + 1) - fraction;
            const double x = distance * cutoff;
            const double sinc = x == 0.0 ? 1.0 : std::sin(M_PI * x) / (M_PI * x);
            const double ratio = distance / half;
            const double window = std::abs(ratio) >= 1.0 ? 0.0 : besselI0(kBeta * std::sqrt(1.0 - ratio * ratio)) / windowNorm;
            const double weight = cutoff * sinc * window;
            taps[phase * (2 * half) + k] = static_cast<float>(weight);
            sum += weight;
        }
        // Unity gain at 0 Hz for every phase.
        for (int k = 0; k < 2 * half; ++k)
            taps[phase * (2 * half) + k] = static_cast<float>(taps[phase * (2 * half) + k] / sum);
    }

    const auto inputCount = static_cast<std::int64_t>(samples.size());
    const auto outputCount = static_cast<std::size_t>(inputCount * toHz / fromHz);
    std::vector<std::int16_t> output(outputCount);
    for (std::size_t n = 0; n < outputCount; ++n) {
        const std::uint64_t numerator = static_cast<std::uint64_t>(n) * fromHz;
        const auto base = static_cast<std::int64_t>(numerator / toHz);
        const double fraction = static_cast<double>(numerator % toHz) / toHz;
        const auto phase = static_cast<std::uint32_t>(std::lround(fraction * phases));
        const float* weights = &taps[phase * (2 * half)];
        double value = 0.0;
        for (int k = 0; k < 2 * half; ++k) {
            const std::int64_t index = base - half + 1 + k;
            if (index >= 0 && index < inputCount)
                value += weights[k] * samples[static_cast<std::size_t>(index)];
        }
        output[n] = static_cast<std::int16_t>(std::clamp(std::lround(value), -32768L, 32767L));
    }
    return output;
}

} // namespace kurs::engine
