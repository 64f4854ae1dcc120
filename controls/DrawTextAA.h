#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// The kit's anti-aliased text output, used for button captions, bar texts,
// frame captions and labels. The text is blended over what the canvas
// already shows, in the painter's font and pen colour; (x, y) is the top
// left corner of the text, as for the system's text output.
void DrawTextAA(QPainter& canvas, int x, int y, const QString& text);

// The word-wrapped variant over a rectangle, with Qt alignment flags.
void DrawTextAA(QPainter& canvas, const QRect& rect, int flags, const QString& text);

// The bounding rectangle of word-wrapped text laid out in rect (its height
// grows as the text needs), measured with the painter's font.
QRect MeasureTextAA(const QFont& font, const QRect& rect, int flags, const QString& text);
