#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <functional>

class SkinWriter;

// Small drawing helpers shared by the picture painters.
namespace Skin {

// A transparent picture ready for painting.
QImage blank(int w, int h);
QImage blank(QSize size);
// A painter with anti-aliasing on.
void prepare(QPainter& p);

QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(const QColor& c, int alpha);

QLinearGradient vertical(double top, double bottom, const QColor& from, const QColor& to);

// A soft shadow of the path: the path filled with the colour, blurred by
// `radius` pixels and moved by the offset, drawn under what follows.
void softShadow(QPainter& p, const QPainterPath& path, double radius, QPointF offset, const QColor& color);

QPainterPath rounded(const QRectF& r, double radius);

// Cuts a picture into nine pieces with the given border sizes; piece k
// (1..9, row by row) is stored under name(k).
void sliceNine(SkinWriter& out, const QImage& master, int left, int top, int right, int bottom,
               const std::function<QString(int)>& name);
// Cuts a picture into a left end, a middle and a right end, stored under name(1..3).
void sliceThree(SkinWriter& out, const QImage& master, int left, int right, const std::function<QString(int)>& name);

// Text in a font of the given family and pixel size, centred in the rectangle.
void centredText(QPainter& p, const QRectF& r, const QString& text, const QString& family, int pixels, bool bold,
                 const QColor& color);

} // namespace Skin
