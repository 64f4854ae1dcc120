#pragma once

#include <QFont>
#include <QString>

class QDialog;
class QWidget;
class TEdResButton;

// What the program's skinned dialogs have in common, whichever frame fills them.

// A borderless dialog of fixed size whose frame paints on a transparent
// window, cut to the frame's shape.
void PrepareSkinnedDialog(QDialog* dialog, int width, int height, const QString& objectName);

// Places the window in the middle of the screen it is on.
void CenterOnScreen(QWidget* window);

// A dialog's picture button (32 pixels high or more: the large set) with a
// white caption in `font`.
TEdResButton* AddDialogButton(QWidget* window, const QString& name, const QString& caption, int x, int y, int width,
                              int height, const QFont& font);
