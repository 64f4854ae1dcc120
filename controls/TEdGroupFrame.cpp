#include "TEdGroupFrame.h"

#include "ResourceLibrary.h"
#include "SkinCanvas.h"

#include <QPainter>

TEdGroupFrame::TEdGroupFrame(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TEdGroupFrame"));
}

void TEdGroupFrame::setShowCaption(bool on) { m_showCaption = on; update(); }
void TEdGroupFrame::setFrameType(TFrameType type) { m_frameType = type; update(); }
void TEdGroupFrame::setCaptionPositionX(int x) { m_captionPositionX = x; update(); }
void TEdGroupFrame::setCaptionPositionY(int y) { m_captionPositionY = y; update(); }
void TEdGroupFrame::setCaption(const QString& caption) { m_caption = caption; update(); }
void TEdGroupFrame::setFontColor(const QColor& color) { m_fontColor = color; update(); }

void TEdGroupFrame::Paint(SkinCanvas& canvas) const
{
    // Frame types without pictures of their own take the blue set.
    const int n = PictureSet(m_frameType);
    const int c = CornerSize(m_frameType);
    const int W = width();
    const int H = height();
    auto piece = [n](int k) { return QStringLiteral("RAMKA%1_%2").arg(n).arg(k, 2, 10, QLatin1Char('0')); };
    canvas.drawPicture(piece(1), QPoint(0, 0));
    canvas.drawPictureStretched(piece(2), QRect(c, 0, W - 2 * c, c));
    canvas.drawPicture(piece(3), QPoint(W - c, 0));
    canvas.drawPictureStretched(piece(4), QRect(0, c, c, H - 2 * c));
    canvas.drawPictureStretched(piece(5), QRect(c, c, W - 2 * c, H - 2 * c));
    canvas.drawPictureStretched(piece(6), QRect(W - c, c, c, H - 2 * c));
    canvas.drawPicture(piece(7), QPoint(0, H - c));
    canvas.drawPictureStretched(piece(8), QRect(c, H - c, W - 2 * c, c));
    canvas.drawPicture(piece(9), QPoint(W - c, H - c));
    if (m_showCaption)
        canvas.drawText(QPoint(m_captionPositionX, m_captionPositionY), m_caption, font(), m_fontColor);
}

void TEdGroupFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (const ResourceLibrary* library = resourceLibrary()) {
        SkinCanvas canvas(painter, *library);
        Paint(canvas);
        return;
    }
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
