#pragma once

#include "GapLayout.h"

#include <QImage>

class QPainter;

// The marks drawn before checked and corrected answers.
struct GapMarks {
    QImage Right;
    QImage Wrong;
    QImage Info;
};

// Paints a laid-out gap text into the area's painter, shifted up by the
// scroll offset; items outside `visible` are skipped.
void PaintGapText(QPainter& painter, const GapLayoutResult& layout, int scrollOffset, const QFont& font,
                  const GapMarks& marks, const QRect& visible);
