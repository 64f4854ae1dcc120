#include "speechlib/support/Errors.h"

#include <cstdio>
#include <deque>
#include <mutex>
#include <string>

#include <unistd.h>

namespace {

enum class TargetKind { StandardError = 0, StandardOutput = 1, FileDescriptor = 2 };

constexpr std::size_t kLogEntries = 100;
constexpr std::size_t kMessageLimit = 1024;

struct ErrorRecord {
    std::mutex mutex;
    std::int32_t code = 0;
    std::string message;
    std::deque<std::string> log;
    bool debug = false;
    TargetKind target = TargetKind::StandardError;
    int targetDescriptor = -1;
    std::string messageAnswer;
    std::string logAnswer;
};

ErrorRecord& record()
{
    static ErrorRecord errors;
    return errors;
}

std::string format(const char* text, va_list arguments)
{
    if (text == nullptr)
        return {};
    char buffer[kMessageLimit];
    const int length = std::vsnprintf(buffer, sizeof buffer, text, arguments);
    if (length < 0)
        return text;
    return buffer;
}

// Called with the record locked.
void writeToTarget(const ErrorRecord& errors, std::string line)
{
    if (line.empty() || line.back() != '\n')
        line.push_back('\n');
    int descriptor = STDERR_FILENO;
    if (errors.target == TargetKind::StandardOutput)
        descriptor = STDOUT_FILENO;
    else if (errors.target == TargetKind::FileDescriptor)
        descriptor = errors.targetDescriptor;
    const char* data = line.data();
    std::size_t left = line.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, left);
        if (written <= 0)
            return;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
}

} // namespace

extern "C" {

void VX_SetError(std::int32_t code, const char* text, ...) noexcept
{
    try {
        va_list arguments;
        va_start(arguments, text);
        std::string message = format(text, arguments);
        va_end(arguments);
        ErrorRecord& errors = record();
        std::lock_guard lock(errors.mutex);
        errors.code = code;
        errors.message = message;
        std::string entry = "[" + std::to_string(code) + "] " + message;
        if (errors.debug)
            writeToTarget(errors, entry);
        if (errors.log.size() == kLogEntries)
            errors.log.pop_front();
        errors.log.push_back(std::move(entry));
    } catch (...) {
        // Out of memory: the error goes unrecorded rather than failing its caller.
    }
}

void VX_ClearError(std::int32_t) noexcept
{
    ErrorRecord& errors = record();
    std::lock_guard lock(errors.mutex);
    errors.code = 0;
    errors.message.clear();
    errors.log.clear();
    errors.debug = false;
}

void VX_ErrorCollect(std::int32_t) noexcept
{
    ErrorRecord& errors = record();
    std::lock_guard lock(errors.mutex);
    errors.debug = false;
}

void VX_ErrorDebug(std::int32_t) noexcept
{
    ErrorRecord& errors = record();
    std::lock_guard lock(errors.mutex);
    errors.debug = true;
}

void VX_ErrorTarget(std::int32_t kind, std::int32_t value) noexcept
{
    ErrorRecord& errors = record();
    std::lock_guard lock(errors.mutex);
    switch (kind) {
    case static_cast<std::int32_t>(TargetKind::StandardError):
    case static_cast<std::int32_t>(TargetKind::StandardOutput):
        errors.target = static_cast<TargetKind>(kind);
        break;
    case static_cast<std::int32_t>(TargetKind::FileDescriptor):
        if (value >= 0) {
            errors.target = TargetKind::FileDescriptor;
            errors.targetDescriptor = value;
        }
        break;
    default:
        break;
    }
}

void VX_PVMessage(const char* text, va_list arguments) noexcept
{
    try {
        std::string message = format(text, arguments);
        ErrorRecord& errors = record();
        std::lock_guard lock(errors.mutex);
        if (errors.debug)
            writeToTarget(errors, std::move(message));
    } catch (...) {
        // A debug message that cannot be built is dropped.
    }
}

std::int32_t VX_GetErrorCode() noexcept
{
    ErrorRecord& errors = record();
    std::lock_guard lock(errors.mutex);
    return errors.code;
}

const char* VX_GetErrorMessage() noexcept
{
    ErrorRecord& errors = record();
    std::lock_guard lock(errors.mutex);
    try {
        errors.messageAnswer = errors.message;
    } catch (...) {
        errors.messageAnswer.clear();
    }
    return errors.messageAnswer.c_str();
}

const char* VX_GetErrorLog() noexcept
{
    ErrorRecord& errors = record();
    std::lock_guard lock(errors.mutex);
    try {
        errors.logAnswer.clear();
        for (const std::string& entry : errors.log) {
            errors.logAnswer += entry;
            errors.logAnswer += '\n';
        }
    } catch (...) {
        errors.logAnswer.clear();
    }
    return errors.logAnswer.c_str();
}
}
