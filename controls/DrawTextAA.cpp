#include "DrawTextAA.h"

#include <QFontMetrics>
#include <QPainter>

void DrawTextAA(QPainter& canvas, int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    canvas.save();
    canvas.setRenderHint(QPainter::TextAntialiasing, true);
    const QFontMetrics metrics(canvas.font());
    canvas.drawText(QPoint(x, y + metrics.ascent()), text);
    canvas.restore();
}

void DrawTextAA(QPainter& canvas, const QRect& rect, int flags, const QString& text)
{
    if (text.isEmpty())
        return;
    canvas.save();
    canvas.setRenderHint(QPainter::TextAntialiasing, true);
    canvas.drawText(rect, flags | Qt::TextWordWrap, text);
    canvas.restore();
}

QRect MeasureTextAA(const QFont& font, const QRect& rect, int flags, const QString& text)
{
    const QFontMetrics metrics(font);
    // An unbounded height, so the measured rectangle shows how far the text reaches.
    const QRect open(rect.left(), rect.top(), rect.width(), 1 << 20);
    const QRect bounds = metrics.boundingRect(open, (flags & ~Qt::AlignVertical_Mask) | Qt::AlignTop | Qt::TextWordWrap, text);
    return QRect(rect.left(), rect.top(), rect.width(), text.isEmpty() ? 0 : bounds.height());
}
