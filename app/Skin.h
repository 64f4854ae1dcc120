#pragma once

class ResourceLibrary;
class QWidget;

// The program's one resource library of skin pictures, loaded by the
// contents window at start-up and handed to every window.
ResourceLibrary& Resources();

// Hands the library to the skinned controls of a window.
void SkinWindow(QWidget* form);
