#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;
class ResourceLibrary;

// What the skinned controls paint with: named pictures of the resource
// library and anti-aliased text, over a painter. Tests derive from it to see
// which pictures a control asks for and where.
class SkinCanvas {
public:
    SkinCanvas(QPainter& painter, const ResourceLibrary& library);
    virtual ~SkinCanvas();
    SkinCanvas(const SkinCanvas&) = delete;
    SkinCanvas& operator=(const SkinCanvas&) = delete;

    QPainter& painter() const { return m_painter; }
    const ResourceLibrary& library() const { return m_library; }
    QSize pictureSize(const QString& name) const;

    // The picture at its own size with its top left corner at `at`.
    virtual void drawPicture(const QString& name, QPoint at);
    // The picture stretched over the target rectangle.
    virtual void drawPictureStretched(const QString& name, const QRect& target);
    // The picture stretched over the target in three bands: its top and
    // bottom `sourceEdge` rows become `targetEdge` rows and the middle takes
    // the rest, so rounded ends keep their shape at any height.
    virtual void drawPictureSliced(const QString& name, const QRect& target, int sourceEdge, int targetEdge);
    // Anti-aliased text with its top left corner at `at`.
    virtual void drawText(QPoint at, const QString& text, const QFont& font, const QColor& color);
    // Anti-aliased word-wrapped text in a rectangle with Qt alignment flags.
    virtual void drawTextWrapped(const QRect& rect, int flags, const QString& text, const QFont& font,
                                 const QColor& color);

private:
    QPainter& m_painter;
    const ResourceLibrary& m_library;
};
