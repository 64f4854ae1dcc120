#include "platform/WaveFormat.h"

#include <pulse/sample.h>

namespace kurs::sound {

bool isSupportedPcmFormat(const WaveFormat& format)
{
    if (format.formatTag != kPcmFormatTag)
        return false;
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16)
        return false;
    if (format.channels != 1 && format.channels != 2)
        return false;
    if (format.samplesPerSec == 0 || format.samplesPerSec > PA_RATE_MAX)
        return false;
    const std::uint32_t align = format.channels * format.bitsPerSample / 8u;
    return format.blockAlign == align && format.avgBytesPerSec == format.samplesPerSec * align;
}

} // namespace kurs::sound
