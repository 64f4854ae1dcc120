#include "platform/DeviceError.h"

#include <array>
#include <utility>

namespace kurs::sound {

std::string deviceErrorText(std::uint32_t code)
{
    static constexpr std::array<std::pair<std::uint32_t, const char*>, 25> kTexts{{
        {0, "OK"},
        {1, "unspecified error"},
        {2, "device ID out of range"},
        {3, "driver enable failed"},
        {4, "device already allocated"},
        {5, "device handle is invalid"},
        {6, "no device driver present"},
        {7, "memory allocation error"},
        {8, "function isn't supported"},
        {9, "error value out of range"},
        {10, "invalid flag passed"},
        {11, "invalid parameter passed"},
        {12, "handle being used simultaneously on another thread (eg callback)"},
        {13, "specified alias not found"},
        {14, "bad registry database"},
        {15, "registry key not found"},
        {16, "registry read error"},
        {17, "registry write error"},
        {18, "registry delete error"},
        {19, "registry value not found"},
        {20, "driver does not call DriverCallback"},
        {32, "unsupported wave format"},
        {33, "still something playing"},
        {34, "header not prepared"},
        {35, "device is synchronous"},
    }};
    for (const auto& [value, text] : kTexts) {
        if (value == code)
            return text;
    }
    return "Unknown Error";
}

} // namespace kurs::sound
