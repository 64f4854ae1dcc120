#include "StackTrace.h"

#include <cxxabi.h>
#include <elfutils/libdwfl.h>
#include <execinfo.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace {

constexpr int kMaxFrames = StackTrace::MaxFrames;

std::string Demangle(const char* name)
{
    if (name == nullptr)
        return {};
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(name, nullptr, nullptr, &status),
                                                          &std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(name);
}

// "Ns::TClass::Method(int) const" -> "Ns::TClass::Method".
std::string WithoutParameters(std::string name)
{
    int depth = 0;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '<')
            ++depth;
        else if (name[i] == '>')
            --depth;
        else if (name[i] == '(' && depth == 0 && i > 0)
            return name.substr(0, i);
    }
    return name;
}

std::string UnitOf(const char* path)
{
    std::string unit = path != nullptr ? path : "";
    const size_t slash = unit.find_last_of('/');
    if (slash != std::string::npos)
        unit.erase(0, slash + 1);
    const size_t dot = unit.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        unit.erase(dot);
    return unit;
}

std::vector<StackTrace::Frame> Symbolise(void* const* addresses, int count, int skip)
{
    std::vector<StackTrace::Frame> frames;
    static const Dwfl_Callbacks callbacks = {dwfl_linux_proc_find_elf, dwfl_standard_find_debuginfo, nullptr,
                                             nullptr};
    std::unique_ptr<Dwfl, decltype(&dwfl_end)> dwfl(dwfl_begin(&callbacks), &dwfl_end);
    if (!dwfl || dwfl_linux_proc_report(dwfl.get(), getpid()) != 0 || dwfl_report_end(dwfl.get(), nullptr, nullptr) != 0)
        return frames;
    for (int i = skip; i < count; ++i) {
        // A return address points after the call; look up the call itself.
        const Dwarf_Addr pc = reinterpret_cast<Dwarf_Addr>(addresses[i]) - (i == 0 ? 0 : 1);
        StackTrace::Frame frame;
        if (Dwfl_Module* module = dwfl_addrmodule(dwfl.get(), pc)) {
            frame.Procedure = WithoutParameters(Demangle(dwfl_module_addrname(module, pc)));
            if (Dwfl_Line* line = dwfl_module_getsrc(module, pc)) {
                int lineNumber = 0;
                const char* file = dwfl_lineinfo(line, nullptr, &lineNumber, nullptr, nullptr, nullptr);
                frame.Unit = UnitOf(file);
                frame.Line = lineNumber;
            }
        }
        frames.push_back(std::move(frame));
    }
    return frames;
}

} // namespace

namespace StackTrace {

std::vector<Frame> OfLastThrow()
{
    // Frame 0 is the throw hook itself.
    const CapturedThrow& captured = LastThrow();
    return Symbolise(captured.Addresses.data(), captured.Count, 1);
}

std::vector<Frame> Here()
{
    std::array<void*, kMaxFrames> addresses{};
    const int count = backtrace(addresses.data(), kMaxFrames);
    return Symbolise(addresses.data(), count, 1);
}

std::string CurrentExceptionClass()
{
    const std::type_info* type = abi::__cxa_current_exception_type();
    return type != nullptr ? Demangle(type->name()) : std::string();
}

} // namespace StackTrace
