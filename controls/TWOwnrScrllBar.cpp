#include "TWOwnrScrllBar.h"

#include "ResourceLibrary.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace {

// Rounds to the nearest integer, halves to the even neighbour.
int roundEven(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

// Draws a picture over a rectangle; the thumb keeps its rounded ends.
void drawOver(QPainter& painter, const QRect& target, const QImage& image, bool keepEnds, bool vertical)
{
    if (image.isNull() || target.width() <= 0 || target.height() <= 0)
        return;
    if (!keepEnds) {
        painter.drawImage(target, image);
        return;
    }
    const int e = vertical ? std::min(image.height(), target.height()) / 2 : std::min(image.width(), target.width()) / 2;
    const int edge = std::min(e, 6);
    if (vertical) {
        const int h = image.height();
        painter.drawImage(QRect(target.left(), target.top(), target.width(), edge), image, QRect(0, 0, image.width(), edge));
        painter.drawImage(QRect(target.left(), target.top() + edge, target.width(), target.height() - 2 * edge), image,
                          QRect(0, edge, image.width(), h - 2 * edge));
        painter.drawImage(QRect(target.left(), target.bottom() - edge + 1, target.width(), edge), image,
                          QRect(0, h - edge, image.width(), edge));
    } else {
        const int w = image.width();
        painter.drawImage(QRect(target.left(), target.top(), edge, target.height()), image, QRect(0, 0, edge, image.height()));
        painter.drawImage(QRect(target.left() + edge, target.top(), target.width() - 2 * edge, target.height()), image,
                          QRect(edge, 0, w - 2 * edge, image.height()));
        painter.drawImage(QRect(target.right() - edge + 1, target.top(), edge, target.height()), image,
                          QRect(w - edge, 0, edge, image.height()));
    }
}

} // namespace

TWOwnrScrllBar::TWOwnrScrllBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TWOwnrScrllBar"));
    resize(20, 100);
    setMouseTracking(true);
    placeThumb();
}

void TWOwnrScrllBar::setKind(TKind kind) { m_kind = kind; autoSizeTrack(); placeThumb(); update(); }
void TWOwnrScrllBar::setDrawStyle(TDrawStyle style) { m_drawStyle = style; update(); }
void TWOwnrScrllBar::setCtrl3D(bool on) { m_ctrl3D = on; update(); }
void TWOwnrScrllBar::setButtonHeight(int height) { m_buttonHeight = height; autoSizeTrack(); placeThumb(); update(); }
void TWOwnrScrllBar::setMin(int value) { m_min = value; autoSizeTrack(); placeThumb(); update(); }
void TWOwnrScrllBar::setMax(int value) { m_max = value; autoSizeTrack(); placeThumb(); update(); }
void TWOwnrScrllBar::setTrackHeight(int height) { m_trackHeight = height; placeThumb(); update(); }
void TWOwnrScrllBar::setMinTrackSize(int size) { m_minTrackSize = size; autoSizeTrack(); placeThumb(); update(); }
void TWOwnrScrllBar::setAutoSizeTrack(bool on) { m_autoSizeTrack = on; autoSizeTrack(); placeThumb(); update(); }

void TWOwnrScrllBar::setPosition(int value)
{
    if (value < m_min || value > m_max)
        return;
    m_position = value;
    placeThumb();
    update();
    emit changed();
}

void TWOwnrScrllBar::UseLibraryPictures(const ResourceLibrary& library)
{
    m_imgUp = library.picture(QStringLiteral("IMG_UP"));
    m_imgDown = library.picture(QStringLiteral("IMG_DOWN"));
    m_imgSuwak = library.picture(QStringLiteral("IMG_SUWAK"));
    m_imgRynna1 = library.picture(QStringLiteral("IMG_RYNNA1"));
    m_imgRynna2 = library.picture(QStringLiteral("IMG_RYNNA2"));
    m_imgRynna3 = library.picture(QStringLiteral("IMG_RYNNA3"));
    update();
}

int TWOwnrScrllBar::travel() const
{
    return length() - 2 * m_buttonHeight - m_trackHeight - 1;
}

void TWOwnrScrllBar::autoSizeTrack()
{
    if (!m_autoSizeTrack)
        return;
    // The room the thumb has, less one pixel per position of the range.
    const int room = length() - 2 * m_buttonHeight - 1;
    m_trackHeight = std::min(room, std::max(m_minTrackSize, room - (m_max - m_min)));
}

void TWOwnrScrllBar::placeThumb()
{
    const int range = m_max - m_min;
    // An empty range keeps the thumb at the start instead of dividing by zero.
    const int offset = range > 0 ? roundEven(static_cast<float>(m_position - m_min) * static_cast<float>(travel())
                                             / static_cast<float>(range))
                                 : 0;
    const int start = m_buttonHeight + 1 + offset;
    if (m_kind == osbVertical)
        m_thumb = QRect(QPoint(1, start), QPoint(width() - 2, start + m_trackHeight - 1));
    else
        m_thumb = QRect(QPoint(start, 1), QPoint(start + m_trackHeight - 1, height() - 2));
}

void TWOwnrScrllBar::pressAt(QPoint point)
{
    const int a = along(point);
    const int thumbStart = m_kind == osbVertical ? m_thumb.top() : m_thumb.left();
    const int thumbEnd = thumbStart + m_trackHeight;
    if (a < m_buttonHeight) {
        m_lastChange = -1;
        if (m_position > m_min)
            setPosition(m_position - m_smallChange);
    } else if (a >= length() - m_buttonHeight) {
        m_lastChange = 1;
        if (m_position < m_max)
            setPosition(m_position + m_smallChange);
    } else if (a >= thumbStart && a < thumbEnd) {
        m_dragging = true;
        m_dragDistance = a - thumbStart;
    } else if (a < thumbStart) {
        m_lastChange = -1;
        setPosition(m_position - m_largeChange);
    } else {
        m_lastChange = 1;
        setPosition(m_position + m_largeChange);
    }
}

void TWOwnrScrllBar::dragTo(QPoint point)
{
    // Only a press on the thumb drags it: a press on a button or on the
    // track that wanders a pixel must not throw the thumb under the mouse.
    if (!m_dragging)
        return;
    const int t = travel();
    if (t <= 0)
        return;
    // The thumb's offset along its travel, as placeThumb() counts it (the
    // travel starts one pixel after the first button).
    const int offset = along(point) - m_buttonHeight - 1 - m_dragDistance;
    const int value = m_min + roundEven(static_cast<double>(offset) * (m_max - m_min) / t);
    if (value < m_min || value > m_max || value == m_position)
        return;
    m_lastChange = value > m_position ? 1 : -1;
    setPosition(value);
}

void TWOwnrScrllBar::release()
{
    m_dragging = false;
    update();
}

bool TWOwnrScrllBar::handCursorAt(QPoint point) const
{
    const int a = along(point);
    return a < m_buttonHeight || a >= length() - m_buttonHeight || m_thumb.contains(point);
}

void TWOwnrScrllBar::paintOwnerDraw(QPainter& painter) const
{
    const int W = width();
    const int H = height();
    const int B = m_buttonHeight;
    const bool vertical = m_kind == osbVertical;
    if (!m_imgBkg.isNull())
        painter.drawImage(0, 0, m_imgBkg);
    if (vertical) {
        const int h1 = m_imgRynna1.height();
        const int h3 = m_imgRynna3.height();
        drawOver(painter, QRect(0, B, W, h1), m_imgRynna1, false, true);
        drawOver(painter, QRect(0, B + h1, W, H - B - h3 - (B + h1)), m_imgRynna2, false, true);
        drawOver(painter, QRect(0, H - B - h3, W, h3), m_imgRynna3, false, true);
        drawOver(painter, QRect(0, 0, W, B), m_imgUp, false, true);
        drawOver(painter, QRect(0, H - B, W, B), m_imgDown, false, true);
    } else {
        const int w1 = m_imgRynna1.width();
        const int w3 = m_imgRynna3.width();
        drawOver(painter, QRect(B, 0, w1, H), m_imgRynna1, false, false);
        drawOver(painter, QRect(B + w1, 0, W - B - w3 - (B + w1), H), m_imgRynna2, false, false);
        drawOver(painter, QRect(W - B - w3, 0, w3, H), m_imgRynna3, false, false);
        drawOver(painter, QRect(0, 0, B, H), m_imgUp, false, false);
        drawOver(painter, QRect(W - B, 0, B, H), m_imgDown, false, false);
    }
    drawOver(painter, m_thumb, m_imgSuwak, true, vertical);
}

void TWOwnrScrllBar::paintStandard(QPainter& painter) const
{
    const QPalette& pal = palette();
    const int W = width();
    const int H = height();
    const int B = m_buttonHeight;
    painter.fillRect(rect(), pal.color(QPalette::Midlight));
    auto raised = [&](const QRect& r) {
        painter.fillRect(r, pal.color(QPalette::Button));
        painter.setPen(pal.color(QPalette::Light));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    const bool vertical = m_kind == osbVertical;
    const QRect first = vertical ? QRect(0, 0, W, B) : QRect(0, 0, B, H);
    const QRect last = vertical ? QRect(0, H - B, W, B) : QRect(W - B, 0, B, H);
    raised(first);
    raised(last);
    raised(m_thumb);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pal.color(QPalette::ButtonText));
    const QPointF c1 = QRectF(first).center();
    const QPointF c2 = QRectF(last).center();
    if (vertical) {
        painter.drawPolygon(QPolygonF({c1 + QPointF(-4, 2), c1 + QPointF(4, 2), c1 + QPointF(0, -2)}));
        painter.drawPolygon(QPolygonF({c2 + QPointF(-4, -2), c2 + QPointF(4, -2), c2 + QPointF(0, 2)}));
    } else {
        painter.drawPolygon(QPolygonF({c1 + QPointF(2, -4), c1 + QPointF(2, 4), c1 + QPointF(-2, 0)}));
        painter.drawPolygon(QPolygonF({c2 + QPointF(-2, -4), c2 + QPointF(-2, 4), c2 + QPointF(2, 0)}));
    }
}

void TWOwnrScrllBar::Paint(QPainter& painter) const
{
    if (m_ctrl3D) {
        const QPalette& pal = palette();
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.drawLine(0, 0, 0, height() - 1);
        painter.setPen(pal.color(QPalette::Light));
        painter.drawLine(0, height() - 1, width() - 1, height() - 1);
        painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    }
    if (m_drawStyle == osbOwnerDraw)
        paintOwnerDraw(painter);
    else
        paintStandard(painter);
}

void TWOwnrScrllBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    Paint(painter);
    if (OnPaint)
        OnPaint(painter);
}

void TWOwnrScrllBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    autoSizeTrack();
    placeThumb();
}

void TWOwnrScrllBar::mousePressEvent(QMouseEvent* event)
{
    pressAt(event->position().toPoint());
}

void TWOwnrScrllBar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (event->buttons() != Qt::NoButton)
        dragTo(p);
    setCursor(handCursorAt(p) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TWOwnrScrllBar::mouseReleaseEvent(QMouseEvent*)
{
    release();
}
