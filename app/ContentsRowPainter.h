#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;
class ResourceLibrary;
struct TElement;

// Paints one row of the contents window from the element it shows. A
// function of painter, element and a few parameters so that tests paint rows
// into an image without a window.
struct ContentsRowPainter {
    const ResourceLibrary& Library;
    QFont LessonFont; // Tahoma 11 bold
    QFont RowFont;    // Tahoma 10 bold

    explicit ContentsRowPainter(const ResourceLibrary& library);

    // `row` is the row's rectangle (798 x 24); `displayKey` the list item.
    void Paint(QPainter& painter, const QRect& row, const TElement& element, const QString& displayKey,
               bool hovered) const;

    // The name as drawn on a non-lesson row at this depth (ellipsis rule).
    QString FittedName(const QString& name, int depth) const;

private:
    void DrawPicture(QPainter& painter, const QString& name, int x, int y) const;
    void DrawCentred(QPainter& painter, const QString& name, int x, const QRect& row) const;
};
