#pragma once

#include "platform/SoundExport.h"

#include <cstdint>
#include <string>

namespace kurs::sound {

// Result codes of the wave input devices.
enum DeviceResult : std::uint32_t {
    kDeviceOk = 0,
    kDeviceUnspecifiedError = 1,
    kDeviceBadDeviceId = 2,
    kDeviceAllocated = 4,
    kDeviceInvalidHandle = 5,
    kDeviceNoDriver = 6,
    kDeviceNoMemory = 7,
    kDeviceInvalidParameter = 11,
    kDeviceBadFormat = 32,
    kDeviceStillPlaying = 33,
    kDeviceUnprepared = 34,
};

// The English text of a device result code ("Unknown Error" for codes
// without a text).
KURSSOUND_EXPORT std::string deviceErrorText(std::uint32_t code);

} // namespace kurs::sound
