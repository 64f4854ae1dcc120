#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace kurs::engine {

// Path scores are sums of negated costs in the decoder's unit: log base 1.0001
// shifted right by 10 bits, about 0.1024 nat.
using Score = std::int32_t;

inline constexpr Score kImpossible = std::numeric_limits<Score>::min() / 4;
inline const double kNatsPerUnit = 1024.0 * std::log(1.0001);

inline Score unitsOfNats(double nats)
{
    return static_cast<Score>(std::lround(nats / kNatsPerUnit));
}

inline double natsOfUnits(double units)
{
    return units * kNatsPerUnit;
}

} // namespace kurs::engine
