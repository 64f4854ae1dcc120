#pragma once

#include <QString>

// The n-th field (1-based) of `text` split at `separator`. A separator is
// implied after the last character, so "a=b" has the fields "a" and "b"; a
// field number beyond the last field gives an empty text.
QString FieldOf(int n, const QString& text, QChar separator);
