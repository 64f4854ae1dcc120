#include "engine/EngineStatus.h"

#include <cstring>

namespace kurs::engine {

EngineStatus& EngineStatus::instance()
{
    static EngineStatus status;
    return status;
}

void EngineStatus::clear()
{
    std::lock_guard lock(mutex_);
    code_ = HAPI_OK;
    text_.clear();
}

int EngineStatus::fail(int code, const std::string& text)
{
    std::lock_guard lock(mutex_);
    code_ = code;
    text_ = text;
    return code;
}

int EngineStatus::fatal(int code, const std::string& text)
{
    hapiErrorHandler handler = nullptr;
    {
        std::lock_guard lock(mutex_);
        code_ = code;
        text_ = text;
        handler = handler_;
    }
    if (handler != nullptr)
        handler(code);
    return code;
}

int EngineStatus::current(char* buffer) const
{
    std::lock_guard lock(mutex_);
    if (buffer != nullptr) {
        const std::size_t length = std::min<std::size_t>(text_.size(), HAPI_TEXT_SIZE - 1);
        std::memcpy(buffer, text_.data(), length);
        buffer[length] = '\0';
    }
    return code_;
}

void EngineStatus::setHandler(hapiErrorHandler handler)
{
    std::lock_guard lock(mutex_);
    handler_ = handler;
}

} // namespace kurs::engine
