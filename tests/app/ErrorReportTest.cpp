#include "../course/CourseFixture.h"

#include "app/ErrorReport.h"
#include "app/StackTrace.h"
#include "app/StartUp.h"

#include "course/TextCodec.h"

#include <QRegularExpression>

#include <stdexcept>

namespace {

class LessonFileBroken : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[gnu::noinline]] void ReadTheLesson()
{
    throw LessonFileBroken("lesson 7 cannot be read");
}

TEST(ErrorReport, WritesMessageClassAndOnlyFramesWithLineNumbers)
{
    ProgramFolder folder;
    const QString path = folder.Path() + QStringLiteral("/error.txt");
    folder.Write(QStringLiteral("error.txt"), "an older report that must go\r\n");
    try {
        ReadTheLesson();
    } catch (const std::exception& e) {
        ASSERT_TRUE(ErrorReport::WriteReport(path, QString::fromUtf8(e.what()),
                                             QString::fromStdString(StackTrace::CurrentExceptionClass())));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = DecodeWindows1250(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("lesson 7 cannot be read"));
    EXPECT_EQ(lines[1], QStringLiteral("(anonymous namespace)::LessonFileBroken"));
    // The throw site comes first, named by its source file, function and line.
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("ErrorReportTest.(anonymous namespace)::ReadTheLesson (")))
        << lines[2].toStdString();
    const QRegularExpression frame(QStringLiteral("^[^ ]+\\..+ \\([1-9][0-9]*\\)$"));
    for (qsizetype i = 2; i < lines.size(); ++i)
        EXPECT_TRUE(frame.match(lines[i]).hasMatch()) << lines[i].toStdString();
}

TEST(InstalledLanguages, AreTheTextBetweenTheFirstTwoEqualsSigns)
{
    ProgramFolder folder;
    const std::pair<const char*, const char*> cases[] = {
        {"Jezyki=01000\r\nother=1", "01000"},
        {"Jezyki=11000=x\r\n", "11000"},
        {"no equals sign\r\n", ""},
        {"", ""},
    };
    for (const auto& [content, expected] : cases) {
        SCOPED_TRACE(content);
        folder.Write(QStringLiteral("Config.txt"), content);
        EXPECT_EQ(ReadInstalledLanguages(folder.Path() + QStringLiteral("/Config.txt")), QString::fromUtf8(expected));
    }
    EXPECT_THROW(ReadInstalledLanguages(folder.Path() + QStringLiteral("/missing.txt")), ContentError);
}

} // namespace
