#include "GapPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

void PaintEmptyField(QPainter& p, const QRect& r)
{
    const QRectF box = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, QColor(0xEE, 0xF4, 0xFA));
    fill.setColorAt(1.0, Qt::white);
    p.setPen(QPen(QColor(0x8F, 0xB4, 0xD9), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(box, 4, 4);
}

// A closed drop-down: a white box with the arrow button at its right end.
void PaintDropDown(QPainter& p, const QRect& r)
{
    PaintEmptyField(p, r);
    const QRectF button(r.right() - 19.5, r.top() + 2.5, 17, r.height() - 5);
    QLinearGradient fill(button.topLeft(), button.bottomLeft());
    fill.setColorAt(0.0, QColor(0x3C, 0x9B, 0xF0));
    fill.setColorAt(1.0, QColor(0x0B, 0x66, 0xC8));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(button, 3, 3);
    const QPointF c = button.center();
    QPainterPath arrow;
    arrow.moveTo(c.x() - 4, c.y() - 2);
    arrow.lineTo(c.x() + 4, c.y() - 2);
    arrow.lineTo(c.x(), c.y() + 3);
    arrow.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

} // namespace

void PaintGapText(QPainter& painter, const GapLayoutResult& layout, int scrollOffset, const QFont& font,
                  const GapMarks& marks, const QRect& visible)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const GapDrawItem& item : layout.Items) {
        const QRect r = item.Rect.translated(0, -scrollOffset);
        if (!r.intersects(visible))
            continue;
        switch (item.What) {
        case GapDrawItem::Word:
        case GapDrawItem::Answer: {
            QFont f = font;
            f.setBold(item.Bold);
            f.setItalic(item.Italic);
            painter.setFont(f);
            painter.setPen(item.Colour);
            painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, item.Text);
            break;
        }
        case GapDrawItem::EmptyField:
            PaintEmptyField(painter, r);
            break;
        case GapDrawItem::DropDown:
            PaintDropDown(painter, r);
            break;
        case GapDrawItem::MarkRight:
            painter.drawImage(r, marks.Right);
            break;
        case GapDrawItem::MarkWrong:
            painter.drawImage(r, marks.Wrong);
            break;
        case GapDrawItem::MarkInfo:
            painter.drawImage(r, marks.Info);
            break;
        case GapDrawItem::Picture:
            painter.drawImage(r.topLeft(), item.Image);
            break;
        }
    }
    painter.restore();
}
