#include "TAALabel.h"

#include "DrawTextAA.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

TAALabel::TAALabel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TAALabel"));
    resize(width(), 18);
}

void TAALabel::setCaption(const QString& caption)
{
    m_caption = caption;
    // Line breaks written as LF CR (the instruction rule) break once; the CR has no glyph.
    m_shown = QString(caption).remove(u'\r');
    adjustToText();
    update();
}
void TAALabel::setAlignment(TAlignment alignment) { m_alignment = alignment; update(); }
void TAALabel::setAutoSize(bool on) { m_autoSize = on; adjustToText(); update(); }
void TAALabel::setWordWrap(bool on) { m_wordWrap = on; adjustToText(); update(); }
void TAALabel::setTransparent(bool on) { m_transparent = on; update(); }
void TAALabel::setUseAntiAlias(bool on) { m_useAntiAlias = on; adjustToText(); update(); }
void TAALabel::setExtraWidth(int width) { m_extraWidth = width; adjustToText(); update(); }
void TAALabel::setColor(const QColor& color) { m_color = color; update(); }
void TAALabel::setFontColor(const QColor& color) { m_fontColor = color; update(); }

int TAALabel::alignmentFlag() const
{
    switch (m_alignment) {
    case taLeftJustify: return Qt::AlignLeft;
    case taRightJustify: return Qt::AlignRight;
    case taCenter: return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

void TAALabel::adjustToText()
{
    if (!m_autoSize)
        return;
    const QFontMetrics metrics(font());
    if (!m_wordWrap) {
        resize(metrics.horizontalAdvance(m_shown) + m_extraWidth, metrics.height());
        return;
    }
    // With anti-aliasing the caption is measured with three trailing spaces,
    // which leaves room for the last word of a line.
    const QString measured = m_useAntiAlias ? m_shown + QStringLiteral("   ") : m_shown;
    const QRect bounds = MeasureTextAA(font(), rect(), alignmentFlag(), measured);
    resize(width(), bounds.height());
}

void TAALabel::Paint(QPainter& painter)
{
    if (!m_transparent)
        painter.fillRect(rect(), m_color);
    painter.setFont(font());
    painter.setPen(m_fontColor);
    const QFontMetrics metrics(font());
    const int tw = metrics.horizontalAdvance(m_shown);
    if (!m_wordWrap) {
        int x = 0;
        if (m_alignment == taRightJustify)
            x = width() - tw;
        else if (m_alignment == taCenter)
            x = width() / 2 - tw / 2;
        if (m_useAntiAlias) {
            DrawTextAA(painter, x, 0, m_shown);
        } else {
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            painter.drawText(QPoint(x, metrics.ascent()), m_shown);
        }
    } else if (m_useAntiAlias) {
        DrawTextAA(painter, rect(), alignmentFlag() | Qt::AlignTop, m_shown);
    } else {
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.drawText(rect(), alignmentFlag() | Qt::AlignTop | Qt::TextWordWrap, m_shown);
    }
    if (OnPaint)
        OnPaint(painter);
}

void TAALabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

void TAALabel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        adjustToText();
        update();
    }
}
