#pragma once

#include <stdexcept>
#include <string>

namespace kurs::engine {

// A failure inside the engine: a status code of Hapi.h and its English text.
// The C interface turns it into the engine status.
class EngineFailure : public std::runtime_error {
public:
    EngineFailure(int code, const std::string& message)
        : std::runtime_error(message)
        , code_(code)
    {
    }

    int code() const { return code_; }

private:
    int code_;
};

} // namespace kurs::engine
