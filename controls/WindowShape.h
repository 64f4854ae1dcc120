#pragma once

class QImage;
class QRegion;
class QWidget;

// Skinned dialogs draw rounded frames on a transparent window. Without a
// compositing window manager the transparent corners would show black, so
// the window is also cut to the frame's shape.

// The pixels of `image` that are at least half opaque.
QRegion OpaqueRegion(const QImage& image);

// Keeps `window` (a frameless window with a transparent background) cut to
// what it paints, each time it is shown or resized.
void ShapeWindowToItsFrame(QWidget* window);
