#include "../support/VirtualDisplay.h"

#include "course/TextCodec.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A copy of the assembled program folder, so a test can take files away.
class ProgramCopy {
public:
    ProgramCopy()
    {
        const QString source = QStringLiteral(KURS_PROGRAM_DIR);
        QDirIterator it(source, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = dir_.path() + file.mid(source.size());
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(file, target);
            QFile::setPermissions(target, QFile(file).permissions());
        }
        QDir().mkpath(runtime());
    }
    QString Path() const { return dir_.path(); }
    QString runtime() const { return dir_.path() + QStringLiteral("/.runtime"); }

    // Starts the program on the display with its own runtime folder, where the
    // single-instance lock lives.
    // Extra variables (a sound server's address, say) override the display's.
    void Start(QProcess& process, const VirtualDisplay& display, const QString& runtimeDir = {},
               const QProcessEnvironment& extra = {}) const
    {
        QProcessEnvironment env = display.Environment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.isEmpty() ? runtime() : runtimeDir);
        env.insert(extra);
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(Path());
        process.start(Path() + QStringLiteral("/ZalpionyKurs"), {});
        ASSERT_TRUE(process.waitForStarted(5000));
    }

private:
    QTemporaryDir dir_;
};

int FinishAfterMessage(QProcess& process, const VirtualDisplay& display, const QString& caption)
{
    const QString window = display.WaitForWindow(QStringLiteral("^%1$").arg(caption));
    EXPECT_FALSE(window.isEmpty()) << "no message window " << caption.toStdString();
    if (!window.isEmpty())
        display.PressKey(window, QStringLiteral("Return"));
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "the program did not end after its message";
        return -1;
    }
    return process.exitCode();
}

struct RefusalCase {
    const char* Name;
    int Width;
    int Height;
    int FontDpi;
    int ExitCode; // -1: the program starts
};

class ScreenChecks : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ScreenChecks, RefuseUnsuitableScreensWithTheirExitCodes)
{
    const RefusalCase& c = GetParam();
    VirtualDisplay display(c.Width, c.Height, c.FontDpi);
    ASSERT_TRUE(display.IsRunning());
    ProgramCopy program;
    QProcess process;
    program.Start(process, display);
    if (c.ExitCode < 0) {
        EXPECT_FALSE(display.WaitForWindow(QStringLiteral("^Kurs językowy$")).isEmpty());
        EXPECT_EQ(process.state(), QProcess::Running);
        process.kill();
        process.waitForFinished();
        return;
    }
    EXPECT_EQ(FinishAfterMessage(process, display, QStringLiteral("Ostrzeżenie")), c.ExitCode);
}

INSTANTIATE_TEST_SUITE_P(Program, ScreenChecks,
                         ::testing::Values(RefusalCase{"Screen1280x720Starts", 1280, 720, 96, -1},
                                           RefusalCase{"Screen1024x768Starts", 1024, 768, 96, -1},
                                           RefusalCase{"Scaled192DpiDesktopStarts", 2048, 1536, 192, -1},
                                           RefusalCase{"Screen800x600Refused", 800, 600, 96, 4},
                                           RefusalCase{"Dpi120Refused", 1280, 1024, 120, 5}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Program, SecondInstanceWarnsAndExitsWithThree)
{
    VirtualDisplay display(1024, 768);
    ASSERT_TRUE(display.IsRunning());
    ProgramCopy program;
    QProcess first;
    program.Start(first, display);
    ASSERT_FALSE(display.WaitForWindow(QStringLiteral("^Kurs językowy$")).isEmpty());
    QProcess second;
    program.Start(second, display);
    EXPECT_EQ(FinishAfterMessage(second, display, QStringLiteral("Ostrzeżenie")), 3);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();

    // The lock dies with the process that held it: a new start after a kill runs.
    QProcess third;
    program.Start(third, display);
    EXPECT_FALSE(display.WaitForWindow(QStringLiteral("^Kurs językowy$")).isEmpty());
    EXPECT_EQ(third.state(), QProcess::Running);
    third.kill();
    third.waitForFinished();
}

TEST(Program, MissingResourceLibraryStopsWithItsMessage)
{
    VirtualDisplay display(1024, 768);
    ASSERT_TRUE(display.IsRunning());
    ProgramCopy program;
    ASSERT_TRUE(QFile::remove(program.Path() + QStringLiteral("/resource.rcc")));
    QProcess process;
    program.Start(process, display);
    EXPECT_EQ(FinishAfterMessage(process, display, QStringLiteral("Błąd")), 0);
    EXPECT_FALSE(QFile::exists(program.Path() + QStringLiteral("/Config/error.txt")));
}

TEST(Program, NoSoundInputStopsWithTheDriverWarning)
{
    VirtualDisplay display(1024, 768);
    ASSERT_TRUE(display.IsRunning());
    ProgramCopy program;
    QProcessEnvironment noServer;
    noServer.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + program.runtime() + QStringLiteral("/no-server"));
    QProcess process;
    program.Start(process, display, {}, noServer);
    EXPECT_EQ(FinishAfterMessage(process, display, QStringLiteral("Ostrzeżenie")), 0);
}

TEST(Program, UnhandledErrorWritesTheReportWithSymbolisedFrames)
{
    VirtualDisplay display(1024, 768);
    ASSERT_TRUE(display.IsRunning());
    ProgramCopy program;
    // Without Config.txt the start-up read fails, which the error handler reports.
    ASSERT_TRUE(QFile::remove(program.Path() + QStringLiteral("/Config/Config.txt")));
    QProcess process;
    program.Start(process, display);
    EXPECT_EQ(FinishAfterMessage(process, display, QStringLiteral("Uwaga")), 0);

    QFile report(program.Path() + QStringLiteral("/Config/error.txt"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QStringList lines = DecodeWindows1250(report.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("Config.txt"))) << lines[0].toStdString();
    EXPECT_EQ(lines[1], QStringLiteral("ContentError"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("StartUp.ReadInstalledLanguages ("))) << lines[2].toStdString();
    const QRegularExpression frame(QStringLiteral("^[^ ]+\\..+ \\([1-9][0-9]*\\)$"));
    for (qsizetype i = 2; i < lines.size(); ++i)
        EXPECT_TRUE(frame.match(lines[i]).hasMatch()) << lines[i].toStdString();
}

} // namespace
