#include "ErrorReport.h"

#include "StackTrace.h"
#include "TfrmMsgBox.h"

#include "course/AppState.h"
#include "course/TextCodec.h"

#include <QFile>
#include <QMessageBox>

#include <cstdlib>
#include <exception>

namespace ErrorReport {

namespace {

QString MessageOf(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown exception");
    }
}

[[noreturn]] void Finish()
{
    ShowMsgBox(QStringLiteral("Wystąpił błąd programu. Naciśnij OK, aby zakończyć."), QStringLiteral("Uwaga"),
               TfrmMsgBox::Information);
    std::_Exit(0);
}

} // namespace

bool WriteReport(const QString& path, const QString& message, const QString& className)
{
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return true; // nowhere to write; the learner is still told
    auto line = [&file](const QString& text) { file.write(EncodeWindows1250(text) + "\r\n"); };
    line(message);
    line(className);
    std::vector<StackTrace::Frame> frames;
    try {
        frames = StackTrace::OfLastThrow();
    } catch (...) {
        return false;
    }
    for (const StackTrace::Frame& frame : frames)
        if (frame.Line > 0)
            line(QStringLiteral("%1.%2 (%3)")
                     .arg(QString::fromStdString(frame.Unit), QString::fromStdString(frame.Procedure))
                     .arg(frame.Line));
    return true;
}

void ReportCurrentException()
{
    static bool reporting = false;
    if (reporting)
        std::_Exit(0); // an error while reporting an error
    reporting = true;
    const std::exception_ptr error = std::current_exception();
    const QString className = QString::fromStdString(StackTrace::CurrentExceptionClass());
    const QString path = App().ExeDir + QStringLiteral("/Config/error.txt");
    if (!WriteReport(path, MessageOf(error), className)) {
        QMessageBox::warning(nullptr, QStringLiteral("Błąd"), QStringLiteral("Błąd w procedurze obsługi wyjątków."));
        std::_Exit(0);
    }
    Finish();
}

void Install()
{
    std::set_terminate([] {
        if (std::current_exception())
            ReportCurrentException();
        std::_Exit(0);
    });
}

} // namespace ErrorReport

void ReportUnhandledError()
{
    ErrorReport::ReportCurrentException();
}
