// Kept apart from <cxxabi.h>, whose declaration of the throw entry point
// differs in linkage details from the definition below.
#include "StackTrace.h"

#include <dlfcn.h>
#include <execinfo.h>

#include <cstdlib>
#include <typeinfo>

namespace {
using CxaThrow = void (*)(void*, std::type_info*, void (*)(void*));
}

StackTrace::CapturedThrow& StackTrace::LastThrow()
{
    thread_local CapturedThrow captured;
    return captured;
}

// Every exception our code throws passes here first, so the report can show
// where it was thrown even though the stack is unwound by the time a handler
// runs.
extern "C" [[noreturn]] void __cxa_throw(void* object, std::type_info* type, void (*destructor)(void*))
{
    StackTrace::CapturedThrow& captured = StackTrace::LastThrow();
    captured.Count = backtrace(captured.Addresses.data(), StackTrace::MaxFrames);
    static const auto realThrow = reinterpret_cast<CxaThrow>(dlsym(RTLD_NEXT, "__cxa_throw"));
    realThrow(object, type, destructor);
    std::abort();
}
