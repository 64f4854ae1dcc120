#include "SkinCanvas.h"

#include "DrawTextAA.h"
#include "ResourceLibrary.h"

#include <QPainter>

#include <algorithm>

SkinCanvas::SkinCanvas(QPainter& painter, const ResourceLibrary& library)
    : m_painter(painter), m_library(library)
{
}

SkinCanvas::~SkinCanvas() = default;

QSize SkinCanvas::pictureSize(const QString& name) const
{
    return m_library.pictureSize(name);
}

void SkinCanvas::drawPicture(const QString& name, QPoint at)
{
    m_painter.drawImage(at, m_library.picture(name));
}

namespace {

void stretch(QPainter& painter, const QImage& image, const QRect& target)
{
    if (target.width() <= 0 || target.height() <= 0)
        return;
    if (target.size() == image.size()) {
        painter.drawImage(target.topLeft(), image);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, image);
    painter.restore();
}

} // namespace

void SkinCanvas::drawPictureStretched(const QString& name, const QRect& target)
{
    stretch(m_painter, m_library.picture(name), target);
}

void SkinCanvas::drawPictureSliced(const QString& name, const QRect& target, int sourceEdge, int targetEdge)
{
    const QImage& image = m_library.picture(name);
    if (target.width() <= 0 || target.height() <= 0)
        return;
    const int h = image.height();
    const int se = std::min(sourceEdge, h / 2);
    const int te = std::min(targetEdge, target.height() / 2);
    if ((target.height() == h && se == te) || se <= 0 || te <= 0) {
        stretch(m_painter, image, target);
        return;
    }
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const int x = target.left();
    const int w = target.width();
    const int iw = image.width();
    m_painter.drawImage(QRect(x, target.top(), w, te), image, QRect(0, 0, iw, se));
    m_painter.drawImage(QRect(x, target.top() + te, w, target.height() - 2 * te), image, QRect(0, se, iw, h - 2 * se));
    m_painter.drawImage(QRect(x, target.top() + target.height() - te, w, te), image, QRect(0, h - se, iw, se));
    m_painter.restore();
}

void SkinCanvas::drawText(QPoint at, const QString& text, const QFont& font, const QColor& color)
{
    m_painter.save();
    m_painter.setFont(font);
    m_painter.setPen(color);
    DrawTextAA(m_painter, at.x(), at.y(), text);
    m_painter.restore();
}

void SkinCanvas::drawTextWrapped(const QRect& rect, int flags, const QString& text, const QFont& font,
                                 const QColor& color)
{
    m_painter.save();
    m_painter.setFont(font);
    m_painter.setPen(color);
    DrawTextAA(m_painter, rect, flags, text);
    m_painter.restore();
}
