#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An ordered list of texts, each held as its own copy.
class CT_StringList {
public:
    CT_StringList() = default;

    void v_Set();
    void v_Append(const char* text);
    // Inserts before position; a position past the end appends.
    void v_Insert(const char* text, std::uint32_t position);
    // Removes the first text equal to text, if any.
    void v_Remove(const char* text);
    // Position of the first text equal to text at or after start; n_GetCount()
    // when there is none.
    std::uint32_t n_Find(const char* text, std::uint32_t start = 0) const;

    std::uint32_t n_GetCount() const { return static_cast<std::uint32_t>(texts_.size()); }
    // The text at a 0-based position, null past the end; valid until the list
    // is next changed.
    const char* qccz_GetAt(std::uint32_t position) const;

private:
    std::vector<std::string> texts_;
};
