#include "ScrambleLine.h"

unsigned char ScrambleShift(qsizetype position)
{
    return static_cast<unsigned char>(kUserListKey[(position + 1) % 8]);
}

QByteArray ScrambleLine(const QByteArray& line)
{
    QByteArray out(line.size(), Qt::Uninitialized);
    for (qsizetype p = 0; p < line.size(); ++p)
        out[p] = static_cast<char>((static_cast<unsigned char>(line[p]) + ScrambleShift(p)) & 0xFF);
    return out;
}

QByteArray UnscrambleLine(const QByteArray& line)
{
    QByteArray out(line.size(), Qt::Uninitialized);
    for (qsizetype p = 0; p < line.size(); ++p)
        out[p] = static_cast<char>((static_cast<unsigned char>(line[p]) - ScrambleShift(p) + 256) & 0xFF);
    return out;
}
