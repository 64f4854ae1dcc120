#include "FieldOf.h"

QString FieldOf(int n, const QString& text, QChar separator)
{
    if (n < 1)
        return {};
    qsizetype start = 0;
    for (int field = 1; start < text.size(); ++field) {
        qsizetype end = text.indexOf(separator, start);
        if (end < 0)
            end = text.size();
        if (field == n)
            return text.mid(start, end - start);
        start = end + 1;
    }
    return {};
}
