#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

// Pictures of the demo course, drawn from the descriptions of media-list.tsv.
namespace MediaDrawing {

// An object of a picture: its word and where it stands.
struct SceneObject {
    QString Word;
    QRect Rect;
};

// The objects a description lists as "objects (left,top,right,bottom): word [l,t,r,b]; ...".
std::vector<SceneObject> ObjectsOf(const QString& description);

// A picture of the given size for a description: a scene with its objects
// at their rectangles, or an illustration of what the description names.
QImage Picture(QSize size, const QString& description);

// The sentences of a film's narration, in order.
QStringList Sentences(const QString& narration);

// One slide of a film: a scene for the sentence with the sentence as a subtitle.
QImage Slide(QSize size, const QString& sentence, int index);

} // namespace MediaDrawing
