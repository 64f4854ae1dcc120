#pragma once

#include <QString>
#include <QVersionNumber>

// The version text of the settings dialog: the four parts of a file version
// (major, minor, release, build) in decimal, one after another without a
// separator, so 1.1.0.7 reads "1107"; "0000" when there is no version.
QString VersionText(const QVersionNumber& version);

// The version of the course program, set by the build.
QVersionNumber ProgramVersion();

// The version line: "Zalpiony kurs 1.1 (APP: <program>; RES: <resource library>)".
QString VersionLine(const QVersionNumber& program, const QVersionNumber& resources);
