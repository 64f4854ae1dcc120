#pragma once

#include <cstdarg>
#include <cstdint>

// The last-error record of the speech library. Every failure of the library
// records a code and an English message here; recording never fails and never
// throws. By default the record keeps the last error and a log of the recent
// ones; in debug mode each error and debug message is also written as a line
// to the target.
extern "C" {

void VX_SetError(std::int32_t code, const char* format, ...) noexcept __attribute__((format(printf, 2, 3)));

// Empties the record and the log and returns to collecting (debug output off).
void VX_ClearError(std::int32_t mode) noexcept;
// Collects errors without writing them anywhere (the default).
void VX_ErrorCollect(std::int32_t mode) noexcept;
// Collects errors and also writes them, and debug messages, to the target.
void VX_ErrorDebug(std::int32_t mode) noexcept;
// Where debug mode writes: kind 0 standard error (the default), kind 1 standard
// output, kind 2 the open file descriptor given as value. Other kinds are ignored.
void VX_ErrorTarget(std::int32_t kind, std::int32_t value) noexcept;
// A debug message, written to the target in debug mode only.
void VX_PVMessage(const char* format, va_list arguments) noexcept;

// Read-back: the last code (0 when none), the last message ("" when none) and
// the log, one "[code] message" entry per line, oldest first. The texts stay
// valid until the next read-back of the same kind.
std::int32_t VX_GetErrorCode() noexcept;
const char* VX_GetErrorMessage() noexcept;
const char* VX_GetErrorLog() noexcept;
}
