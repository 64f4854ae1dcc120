#include "UserFiles.h"

#include "SafeFileWriter.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace UserFiles {

namespace {

QString InUsers(const QString& usersDir, const QString& name)
{
    return usersDir + u'/' + name;
}

void MakeFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        throw std::runtime_error(QStringLiteral("Cannot create the folder \"%1\"").arg(path).toStdString());
}

} // namespace

QString ResultsFilePath(const QString& usersDir, std::uint32_t id, int language)
{
    return InUsers(usersDir, QStringLiteral("%1_stat%2.xml").arg(id).arg(language));
}

QString ConfigFilePath(const QString& usersDir, std::uint32_t id)
{
    return InUsers(usersDir, QStringLiteral("%1_config.xml").arg(id));
}

QString MediaArchPath(const QString& usersDir, std::uint32_t id)
{
    return InUsers(usersDir, QStringLiteral("%1_Media_Arch").arg(id));
}

QString MediaTempPath(const QString& usersDir, std::uint32_t id)
{
    return InUsers(usersDir, QStringLiteral("%1_Media_Temp").arg(id));
}

QString PhraseStatisticsPath(const QString& usersDir, std::uint32_t id)
{
    return InUsers(usersDir, QStringLiteral("%1_t_stat.xml").arg(id));
}

QByteArray Utf16LeWithBom(const QString& text)
{
    QByteArray bytes("\xFF\xFE", 2);
    bytes.reserve(2 + text.size() * 2);
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

QByteArray FreshResultsFile()
{
    return Utf16LeWithBom(QStringLiteral("<?xml version=\"1.0\"?><cwiczenia></cwiczenia>\r\n"));
}

QByteArray FreshConfigFile()
{
    return Utf16LeWithBom(QStringLiteral("<?xml version=\"1.0\"?>\r\n"
                                         "<config>\r\n"
                                         "<value id=\"1\">0</value>\r\n"
                                         "<value id=\"2\">0</value>\r\n"
                                         "<value id=\"3\">0</value>\r\n"
                                         "</config>\r\n"));
}

void CreateUserFiles(const QString& usersDir, std::uint32_t id, SafeFileWriter& writer)
{
    for (int language = 1; language <= LanguageCount; ++language)
        writer.WriteWhole(ResultsFilePath(usersDir, id, language), FreshResultsFile());
    writer.WriteWhole(ConfigFilePath(usersDir, id), FreshConfigFile());
    MakeFolder(MediaArchPath(usersDir, id));
    MakeFolder(MediaTempPath(usersDir, id));
}

void DeleteUserFiles(const QString& usersDir, std::uint32_t id)
{
    for (int language = 1; language <= LanguageCount; ++language)
        QFile::remove(ResultsFilePath(usersDir, id, language));
    QFile::remove(ConfigFilePath(usersDir, id));
    // The phrase statistics belong to the learner too; a later profile that
    // gets the same number must not inherit them.
    QFile::remove(PhraseStatisticsPath(usersDir, id));
    QDir(MediaTempPath(usersDir, id)).removeRecursively();
    QDir(MediaArchPath(usersDir, id)).removeRecursively();
}

} // namespace UserFiles
