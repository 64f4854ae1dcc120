#include "TEZLine.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

double effectiveWidth(double w)
{
    return w >= 1.0 ? w : 2.0 * w - 1.0;
}

} // namespace

void TEZLine::SetLine(const QColor& colour, bool antiAliased, TPenMode mode, TPenStyle style, bool endCaps,
                      double dashOffset, double opacity, double width)
{
    m_colour = colour.toRgb();
    m_antiAliased = antiAliased;
    m_mode = mode;
    m_style = style;
    m_endCaps = endCaps;
    m_dashOffset = dashOffset;
    m_opacity = std::clamp(opacity, 0.0, 1.0);
    m_width = width;
}

int TEZLine::Coverage(double width, double distance)
{
    const double B = effectiveWidth(width) + 2.0;
    const double c = B - 2.0 * distance;
    if (c >= 3.0)
        return 255;
    if (c < 0.0)
        return 0;
    const double s = std::sin(c / 2.0);
    return static_cast<int>(std::floor(255.0 * s * s));
}

int TEZLine::Margin(double width)
{
    const double B = effectiveWidth(width) + 2.0;
    return static_cast<int>(std::floor(B / 2.0 + 1.0));
}

double TEZLine::dashFactor(double along) const
{
    // Dash patterns in pixels along the line: on, off, on, off ...
    static const double dash[] = {9, 3};
    static const double dot[] = {2, 2};
    static const double dashDot[] = {9, 3, 2, 3};
    static const double dashDotDot[] = {9, 3, 2, 3, 2, 3};
    const double* pattern = nullptr;
    int n = 0;
    switch (m_style) {
    case psSolid: return 1.0;
    case psClear: return 0.0;
    case psDash: pattern = dash; n = 2; break;
    case psDot: pattern = dot; n = 2; break;
    case psDashDot: pattern = dashDot; n = 4; break;
    case psDashDotDot: pattern = dashDotDot; n = 6; break;
    }
    double period = 0;
    for (int i = 0; i < n; ++i)
        period += pattern[i];
    double t = std::fmod(along + m_dashOffset, period);
    if (t < 0)
        t += period;
    for (int i = 0; i < n; ++i) {
        if (t < pattern[i])
            return i % 2 == 0 ? 1.0 : 0.0;
        t -= pattern[i];
    }
    return 0.0;
}

int TEZLine::mixChannel(int line, int old, int weight) const
{
    int target = line;
    switch (m_mode) {
    case pmBlack: target = 0; break;
    case pmWhite: target = 255; break;
    case pmNop: target = old; break;
    case pmNot: target = 255 - old; break;
    case pmCopy: target = line; break;
    case pmNotCopy: target = 255 - line; break;
    case pmMergePenNot: target = line | (255 - old); break;
    case pmMaskPenNot: target = line & (255 - old); break;
    case pmMergeNotPen: target = (255 - line) | old; break;
    case pmMaskNotPen: target = (255 - line) & old; break;
    case pmMerge: target = line | old; break;
    case pmNotMerge: target = 255 - (line | old); break;
    case pmMask: target = line & old; break;
    case pmNotMask: target = 255 - (line & old); break;
    case pmXor: target = line ^ old; break;
    case pmNotXor: target = 255 - (line ^ old); break;
    }
    // Full weight gives exactly the mixed colour.
    return (target * weight + old * (255 - weight) + 127) / 255;
}

void TEZLine::DrawLine(double x1, double y1, double x2, double y2, QImage& bitmap) const
{
    if (bitmap.isNull())
        return;
    if (!m_antiAliased) {
        QPainter p(&bitmap);
        p.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(m_colour, std::floor(m_width));
        static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                              Qt::DashDotDotLine, Qt::NoPen};
        pen.setStyle(styles[m_style]);
        p.setPen(pen);
        if (m_mode == pmXor)
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        else if (m_mode == pmNot)
            p.setCompositionMode(QPainter::RasterOp_NotDestination);
        p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        return;
    }
    if (m_width < 0.01)
        return;
    if (bitmap.format() != QImage::Format_RGB32 && bitmap.format() != QImage::Format_ARGB32)
        bitmap = bitmap.convertToFormat(QImage::Format_RGB32);

    const double Wd = effectiveWidth(m_width);
    const int W = bitmap.width();
    const int H = bitmap.height();
    // Nothing to draw when both ends lie beyond the same edge.
    const double reach = std::nearbyint(Wd / 2.0 + 2.0);
    if ((x1 < -reach && x2 < -reach) || (y1 < -reach && y2 < -reach) || (x1 > W - 1 + reach && x2 > W - 1 + reach)
        || (y1 > H - 1 + reach && y2 > H - 1 + reach))
        return;

    const int D = Margin(m_width);
    const int left = std::max(0, static_cast<int>(std::floor(std::min(x1, x2))) - D);
    const int right = std::min(W - 1, static_cast<int>(std::ceil(std::max(x1, x2))) + D);
    const int top = std::max(0, static_cast<int>(std::floor(std::min(y1, y2))) - D);
    const int bottom = std::min(H - 1, static_cast<int>(std::ceil(std::max(y1, y2))) + D);
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double length2 = dx * dx + dy * dy;
    const double length = std::sqrt(length2);
    const int lr = m_colour.red();
    const int lg = m_colour.green();
    const int lb = m_colour.blue();

    for (int y = top; y <= bottom; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
        for (int x = left; x <= right; ++x) {
            double t = length2 > 0 ? ((x - x1) * dx + (y - y1) * dy) / length2 : 0.0;
            const bool beyond = t < 0.0 || t > 1.0;
            if (beyond && m_endCaps)
                continue;
            t = std::clamp(t, 0.0, 1.0);
            const double px = x1 + t * dx - x;
            const double py = y1 + t * dy - y;
            const int coverage = Coverage(m_width, std::sqrt(px * px + py * py));
            const int weight = static_cast<int>(std::floor(coverage * dashFactor(t * length) * m_opacity));
            if (coverage <= 0 || weight <= 0)
                continue;
            const QRgb old = line[x];
            line[x] = qRgba(mixChannel(lr, qRed(old), weight), mixChannel(lg, qGreen(old), weight),
                            mixChannel(lb, qBlue(old), weight), qAlpha(old));
        }
    }
}
