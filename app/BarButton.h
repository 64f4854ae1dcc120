#pragma once

#include <QString>

class QWidget;
class TEdResButton;

// A button of a window's top bar, styled like the contents window's: white
// caption, an optional glyph of the resource library and, for a glyph-only
// button (minimise, close), its hot and pressed glyphs.
TEdResButton* AddBarButton(QWidget* window, const QString& name, const QString& caption, int x, int width,
                           const QString& glyph, int y = 1, int height = 48);
