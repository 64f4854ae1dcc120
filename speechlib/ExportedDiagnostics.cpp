#include "speechlib/Fonetra.h"
#include "speechlib/support/Errors.h"

#include <cstdarg>

namespace {

enum DebugMode : int32_t {
    kCollect = 0,
    kDebug = 2,
    kClear = 3,
};

} // namespace

extern "C" {

void VX_V_DebugMode(int32_t mode)
{
    switch (mode) {
    case kCollect:
        VX_ErrorCollect(mode);
        break;
    case kDebug:
        VX_ErrorDebug(mode);
        break;
    case kClear:
        VX_ClearError(mode);
        break;
    default:
        break;
    }
}

void VX_V_DebugTarget(int32_t kind, int32_t value) { VX_ErrorTarget(kind, value); }

void VX_V_DebugMessage(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    VX_PVMessage(format, arguments);
    va_end(arguments);
}

int32_t VX_I4_LastError(void) { return VX_GetErrorCode(); }
const char* VX_STRING_LastError(void) { return VX_GetErrorMessage(); }
const char* VX_STRING_ErrorLog(void) { return VX_GetErrorLog(); }
}
