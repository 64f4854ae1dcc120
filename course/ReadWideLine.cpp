#include "ReadWideLine.h"

#include <QIODevice>

QString ReadWideLine(QIODevice& file)
{
    QString line;
    char unit[2];
    while (file.read(unit, 2) == 2) {
        const char16_t c = static_cast<char16_t>(static_cast<unsigned char>(unit[0])
                                                 | (static_cast<unsigned char>(unit[1]) << 8));
        if (c == u'\xFEFF')
            continue;
        if (c == u'\r') {
            file.read(unit, 2);
            break;
        }
        line.append(QChar(c));
    }
    return line;
}
