#include "VersionText.h"

QString VersionText(const QVersionNumber& version)
{
    if (version.isNull())
        return QStringLiteral("0000");
    QString text;
    for (int part = 0; part < 4; ++part)
        text += QString::number(version.segmentAt(part));
    return text;
}

QVersionNumber ProgramVersion()
{
    return QVersionNumber::fromString(QStringLiteral(KURS_PROGRAM_VERSION));
}

QString VersionLine(const QVersionNumber& program, const QVersionNumber& resources)
{
    return QStringLiteral("Zalpiony kurs 1.1 (APP: %1; RES: %2)").arg(VersionText(program), VersionText(resources));
}
