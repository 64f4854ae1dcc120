#pragma once

#include <cstdint>
#include <string>

// A growable 8-bit text.
class CT_String {
public:
    CT_String() = default;

    void v_Set();
    // Appends length characters of text, or all of it when length is -1.
    void v_Append(const char* text, std::int32_t length = -1);

    // The zero-terminated text, valid until the object is next changed.
    const char* qccz_Get() const { return text_.c_str(); }
    std::uint32_t n_GetLength() const { return static_cast<std::uint32_t>(text_.size()); }

private:
    std::string text_;
};
