#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

class SafeFileWriter;

// The files and folders each profile owns in the Users folder, named after
// its number: five results files (one per course language), the config file
// and two recording folders.
namespace UserFiles {

inline constexpr int LanguageCount = 5;

// <users>/<id>_stat<language>.xml
QString ResultsFilePath(const QString& usersDir, std::uint32_t id, int language);
QString ConfigFilePath(const QString& usersDir, std::uint32_t id);
QString MediaArchPath(const QString& usersDir, std::uint32_t id);
QString MediaTempPath(const QString& usersDir, std::uint32_t id);
// The pronunciation trainer's phrase statistics of the profile.
QString PhraseStatisticsPath(const QString& usersDir, std::uint32_t id);

// Text as UTF-16 little endian with the byte-order mark.
QByteArray Utf16LeWithBom(const QString& text);
// An empty results file: the root element alone, 94 bytes.
QByteArray FreshResultsFile();
QByteArray FreshConfigFile();

// Writes the five empty results files and the config file, then makes the
// two recording folders. Throws FileWriteError (or std::runtime_error for a
// folder) when something cannot be written.
void CreateUserFiles(const QString& usersDir, std::uint32_t id, SafeFileWriter& writer);
// Removes the profile's files and folders (recordings included), leaving
// every other profile's alone.
void DeleteUserFiles(const QString& usersDir, std::uint32_t id);

} // namespace UserFiles
