#pragma once

#include <QImage>

class QString;
class QWidget;
class ResourceLibrary;

// The program's one resource library of skin pictures, loaded by the
// contents window at start-up and handed to every window.
ResourceLibrary& Resources();

// A picture of the library; a null image when the library is not loaded or
// lacks the picture, so a screen draws without it.
QImage SkinPicture(const QString& name);

// Hands the library to the skinned controls of a window.
void SkinWindow(QWidget* form);
