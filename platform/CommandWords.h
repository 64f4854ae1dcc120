#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kurs::sound {

// Splits a command line at blanks; a word in double quotes may hold blanks
// (the quotes are dropped).
std::vector<std::string> splitCommandWords(std::string_view line);

// Compares two words without regard to the letter case of ASCII letters.
bool sameWord(std::string_view a, std::string_view b);

std::string lowerCase(std::string_view word);

// A decimal unsigned 32-bit number, nothing else.
std::optional<std::uint32_t> parseNumber(std::string_view word);

} // namespace kurs::sound
