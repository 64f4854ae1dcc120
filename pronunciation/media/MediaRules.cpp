#include "MediaRules.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace MediaRules {

namespace {

QString WithExtension(const QString& path, const QString& extension)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype slash = path.lastIndexOf(u'/');
    return (dot > slash ? path.left(dot) : path) + extension;
}

} // namespace

int KindOf(const QString& path, int previous)
{
    if (path.endsWith(QStringLiteral(".mpg")))
        return Film;
    if (path.endsWith(QStringLiteral(".wav")))
        return Sound;
    if (path.endsWith(QStringLiteral(".swf")))
        return Animation;
    if (path.endsWith(QStringLiteral(".mp3")))
        return Mp3;
    return previous;
}

bool IsFilmKind(int kind)
{
    return kind == Film || kind == Animation;
}

QString AfterFallbacks(const QString& path)
{
    QString file = path;
    auto missing = [](const QString& f) { return !QFileInfo::exists(f); };
    if (file.endsWith(QStringLiteral(".swf")) && missing(file))
        file = WithExtension(file, QStringLiteral(".mpg"));
    if (file.endsWith(QStringLiteral(".wav")) && missing(file))
        file = WithExtension(file, QStringLiteral(".mp3"));
    if (file.endsWith(QStringLiteral(".mp3")) && missing(file))
        file = WithExtension(file, QStringLiteral(".wav"));
    return file;
}

Layout LayoutOf(int kind)
{
    if (IsFilmKind(kind))
        return {QSize(360, 363), QPoint(10, 315), QPoint(52, 322), QPoint(82, 322), QPoint(118, 315), QPoint(118, 333),
                true};
    return {QSize(360, 74), QPoint(10, 26), QPoint(52, 33), QPoint(82, 33), QPoint(118, 26), QPoint(118, 44), false};
}

int KnobLeft(int barLeft, int knobWidth, std::int64_t position, std::int64_t length)
{
    if (length <= 0)
        return barLeft;
    const std::int64_t range = TrackWidth - knobWidth;
    return barLeft + static_cast<int>(range * std::clamp<std::int64_t>(position, 0, length) / length);
}

int FilledWidth(int knobLeft, int trackLeft)
{
    return std::max(0, knobLeft - trackLeft + 3);
}

int ClampKnob(int knobLeft, int trackLeft, int knobWidth)
{
    return std::clamp(knobLeft, trackLeft - 3, trackLeft + TrackWidth - knobWidth);
}

std::int64_t PositionOfKnob(std::int64_t length, int knobLeft, int trackLeft, int knobWidth)
{
    const double range = TrackWidth - knobWidth;
    const double share = std::clamp((knobLeft - trackLeft) / range, 0.0, 1.0);
    return std::llround(static_cast<double>(length) * share);
}

std::int64_t PositionOfPress(int x, std::int64_t length)
{
    const double share = std::clamp(static_cast<double>(x) / TrackWidth, 0.0, 1.0);
    return std::llround(share * static_cast<double>(length));
}

} // namespace MediaRules
