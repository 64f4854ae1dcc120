#pragma once

#include <string>
#include <vector>

// Stack traces for the error report: the frames of the point where the
// exception being handled was thrown, symbolised with source file and line.
#include <array>

namespace StackTrace {

inline constexpr int MaxFrames = 64;

// Return addresses recorded by the throw hook when this thread last threw.
struct CapturedThrow {
    std::array<void*, MaxFrames> Addresses{};
    int Count = 0;
};
CapturedThrow& LastThrow();

struct Frame {
    std::string Unit;      // source file name without folder and extension
    std::string Procedure; // demangled function name without its parameter list
    int Line = 0;          // 0 when the frame has no line information
};

// Frames captured when the current thread last threw an exception (the
// throw site first). Empty when nothing was thrown on this thread.
std::vector<Frame> OfLastThrow();

// Frames of the caller's own stack, for failures that are not exceptions.
std::vector<Frame> Here();

// Demangled name of the type of the exception being handled ("std::bad_alloc");
// empty outside a catch block.
std::string CurrentExceptionClass();

} // namespace StackTrace
