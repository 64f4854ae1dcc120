#include "platform/CommandWords.h"

#include <charconv>

namespace kurs::sound {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

std::vector<std::string> splitCommandWords(std::string_view line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (i == line.size())
            break;
        std::string word;
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? line.size() : close;
            word.assign(line.substr(i + 1, end - i - 1));
            i = close == std::string_view::npos ? line.size() : close + 1;
        } else {
            while (i < line.size() && !isBlank(line[i]))
                word.push_back(line[i++]);
        }
        words.push_back(std::move(word));
    }
    return words;
}

bool sameWord(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string lowerCase(std::string_view word)
{
    std::string result(word);
    for (char& c : result)
        c = lower(c);
    return result;
}

std::optional<std::uint32_t> parseNumber(std::string_view word)
{
    std::uint32_t value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (word.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace kurs::sound
