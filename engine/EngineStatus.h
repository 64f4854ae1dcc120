#pragma once

#include "engine/Hapi.h"

#include <mutex>
#include <string>

namespace kurs::engine {

// The engine status: the outcome of the last operation that reports one.
// Operations that begin something (initialising, creating, loading, preparing,
// calibrating) clear it first; every failing operation sets it; closing
// operations and queries leave it alone, so the outcome of a recognition
// survives the calls that close the utterance.
class EngineStatus {
public:
    static EngineStatus& instance();

    void clear();
    // Records the failure; answers the code.
    int fail(int code, const std::string& text);
    // Records the failure and tells the fatal-error handler.
    int fatal(int code, const std::string& text);
    int current(char* buffer) const;
    void setHandler(hapiErrorHandler handler);

private:
    mutable std::mutex mutex_;
    int code_ = HAPI_OK;
    std::string text_;
    hapiErrorHandler handler_ = nullptr;
};

} // namespace kurs::engine
