#pragma once

#include <QByteArray>

// The user list keeps each profile line scrambled with the key "KBZ_MORF":
// byte p (0-based) of a line is shifted by key character (p + 1) mod 8, so
// the first byte of a line uses the second key character.
inline constexpr char kUserListKey[] = "KBZ_MORF";

QByteArray ScrambleLine(const QByteArray& line);
QByteArray UnscrambleLine(const QByteArray& line);

// The key shift applied to byte `position` of a line.
unsigned char ScrambleShift(qsizetype position);
