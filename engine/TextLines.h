#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kurs::engine {

// Text helpers for the engine's files, which are 8-bit (Windows-1250) text
// with CR LF or LF line ends, except the course dictionary (UTF-16LE).

// Without leading and trailing characters below code 33.
std::string_view trimmed(std::string_view text);
// The pieces of text between runs of the given separator characters.
std::vector<std::string_view> splitAt(std::string_view text, std::string_view separators);
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
std::string asciiUpper(std::string_view text);
std::string asciiLower(std::string_view text);

// Lines of 8-bit text; a CR before the LF is dropped, and so is a last empty line.
std::vector<std::string> splitLines(const std::string& bytes);

// True when the bytes look like UTF-16LE text: a byte-order mark FF FE, or a
// zero high byte in the first code unit.
bool looksLikeUtf16(const std::string& bytes);
// Lines of UTF-16LE text, read as the course reads its wide files: every U+FEFF
// is dropped, a CR ends a line and the code unit after it is skipped, the end
// of the file ends the last line. Each line comes back in Windows-1250;
// characters outside it become '?'.
std::vector<std::string> wideLinesAsWindows1250(const std::string& bytes);

// The whole file; false when it cannot be read.
bool readWholeFile(const std::string& path, std::string& bytes);
// The folder part of a path ("" for a bare name) and a path joined to a folder
// unless it is absolute.
std::string folderOf(const std::string& path);
std::string resolvedAgainst(const std::string& folder, const std::string& path);

} // namespace kurs::engine
