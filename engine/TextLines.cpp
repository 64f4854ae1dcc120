#include "engine/TextLines.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>

namespace kurs::engine {
namespace {

// Unicode of the Windows-1250 bytes 0x80..0xFF (0 where the code page has none).
constexpr std::array<std::uint16_t, 128> kWindows1250High = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

char windows1250Of(std::uint16_t unit)
{
    if (unit < 0x80)
        return static_cast<char>(unit);
    for (std::size_t i = 0; i < kWindows1250High.size(); ++i) {
        if (kWindows1250High[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

bool isSpaceLike(char c)
{
    return static_cast<unsigned char>(c) < 33;
}

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isSpaceLike(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpaceLike(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> splitAt(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (start < text.size()) {
        start = text.find_first_not_of(separators, start);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = text.find_first_of(separators, start);
        pieces.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        start = end == std::string_view::npos ? text.size() : end;
    }
    return pieces;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i]))
            return false;
    }
    return true;
}

std::string asciiUpper(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = upper(c);
    return result;
}

std::string asciiLower(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = lower(c);
    return result;
}

std::vector<std::string> splitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

bool looksLikeUtf16(const std::string& bytes)
{
    if (bytes.size() < 2)
        return false;
    if (static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE)
        return true;
    return bytes[0] != 0 && bytes[1] == 0;
}

std::vector<std::string> wideLinesAsWindows1250(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::string line;
    bool pending = false;
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const auto unit = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[2 * i])
                                                     | (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
        if (unit == 0xFEFF)
            continue;
        if (unit == 0x000D) {
            lines.push_back(std::move(line));
            line.clear();
            pending = false;
            ++i; // the LF after the CR
            continue;
        }
        line.push_back(windows1250Of(unit));
        pending = true;
    }
    if (pending)
        lines.push_back(std::move(line));
    return lines;
}

bool readWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return std::string();
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string resolvedAgainst(const std::string& folder, const std::string& path)
{
    if (path.empty() || path.front() == '/' || folder.empty())
        return path;
    return folder + "/" + path;
}

} // namespace kurs::engine
