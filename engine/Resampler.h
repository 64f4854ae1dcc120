#pragma once

#include <cstdint>
#include <vector>

namespace kurs::engine {

// Band-limited rate conversion of 16-bit mono sound (Kaiser-windowed sinc,
// cut-off just below the lower of the two Nyquist frequencies).
std::vector<std::int16_t> resampled(const std::vector<std::int16_t>& samples, std::uint32_t fromHz, std::uint32_t toHz);

} // namespace kurs::engine
