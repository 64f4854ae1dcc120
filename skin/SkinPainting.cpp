#include "SkinPainting.h"

#include "SkinWriter.h"

#include <QFont>

#include <algorithm>
#include <cmath>
#include <vector>

namespace Skin {

QImage blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage blank(QSize size)
{
    return blank(size.width(), size.height());
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor withAlpha(const QColor& c, int alpha)
{
    QColor r = c;
    r.setAlpha(alpha);
    return r;
}

QLinearGradient vertical(double top, double bottom, const QColor& from, const QColor& to)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

namespace {

// Three box blurs approximate a Gaussian blur of the alpha channel.
void blurAlpha(QImage& image, int radius)
{
    if (radius <= 0)
        return;
    const int w = image.width();
    const int h = image.height();
    std::vector<int> a(static_cast<size_t>(w * h));
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            a[static_cast<size_t>(y * w + x)] = qAlpha(line[x]);
    }
    std::vector<int> tmp(a.size());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int sum = 0, n = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int xx = x + k;
                    if (xx >= 0 && xx < w) {
                        sum += a[static_cast<size_t>(y * w + xx)];
                        ++n;
                    }
                }
                tmp[static_cast<size_t>(y * w + x)] = sum / std::max(n, 1);
            }
        }
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int sum = 0, n = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int yy = y + k;
                    if (yy >= 0 && yy < h) {
                        sum += tmp[static_cast<size_t>(yy * w + x)];
                        ++n;
                    }
                }
                a[static_cast<size_t>(y * w + x)] = sum / std::max(n, 1);
            }
        }
    }
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int alpha = a[static_cast<size_t>(y * w + x)];
            const QRgb c = line[x];
            line[x] = qRgba(qRed(c) * alpha / 255, qGreen(c) * alpha / 255, qBlue(c) * alpha / 255, alpha);
        }
    }
}

} // namespace

void softShadow(QPainter& p, const QPainterPath& path, double radius, QPointF offset, const QColor& color)
{
    const QRect device = p.device() ? QRect(0, 0, p.device()->width(), p.device()->height()) : QRect();
    if (device.isEmpty())
        return;
    QImage layer(device.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        prepare(lp);
        lp.setTransform(p.transform());
        lp.translate(offset);
        lp.setPen(Qt::NoPen);
        lp.setBrush(QColor(color.red(), color.green(), color.blue()));
        lp.drawPath(path);
    }
    // Recolour after the blur: the blur works on alpha only.
    for (int y = 0; y < layer.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const int alpha = qAlpha(line[x]) * color.alpha() / 255;
            line[x] = qRgba(color.red(), color.green(), color.blue(), alpha);
        }
    }
    blurAlpha(layer, static_cast<int>(std::lround(radius / 2)));
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, layer);
    p.restore();
}

QPainterPath rounded(const QRectF& r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void sliceNine(SkinWriter& out, const QImage& master, int left, int top, int right, int bottom,
               const std::function<QString(int)>& name)
{
    const int w = master.width();
    const int h = master.height();
    const int xs[] = {0, left, w - right, w};
    const int ys[] = {0, top, h - bottom, h};
    int k = 1;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRect r(QPoint(xs[col], ys[row]), QPoint(xs[col + 1] - 1, ys[row + 1] - 1));
            out.picture(name(k++), master.copy(r));
        }
    }
}

void sliceThree(SkinWriter& out, const QImage& master, int left, int right, const std::function<QString(int)>& name)
{
    const int w = master.width();
    const int h = master.height();
    out.picture(name(1), master.copy(0, 0, left, h));
    out.picture(name(2), master.copy(left, 0, w - left - right, h));
    out.picture(name(3), master.copy(w - right, 0, right, h));
}

void centredText(QPainter& p, const QRectF& r, const QString& text, const QString& family, int pixels, bool bold,
                 const QColor& color)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    p.save();
    p.setFont(font);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
    p.restore();
}

} // namespace Skin
