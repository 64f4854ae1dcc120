#pragma once

#include <QString>

// The program's one handler of unhandled errors: it writes Config/error.txt
// (the message, the class name, then one line per stack frame that has a
// line number: "unit.procedure (line)"), tells the learner, and ends the
// program with exit code 0.
namespace ErrorReport {

// Writes the report file; returns false when even the stack trace could not be taken.
bool WriteReport(const QString& path, const QString& message, const QString& className);

// Handles the exception being caught by the caller (call it from a catch block).
[[noreturn]] void ReportCurrentException();

// Installs the handler for exceptions that leave everything else (std::terminate).
void Install();

} // namespace ErrorReport

// Called from the catch block of the application's event dispatch.
[[noreturn]] void ReportUnhandledError();
