#pragma once

#include <QColor>
#include <QDialog>
#include <QString>

class QLineEdit;
class TAALabel;
class TEDCheckBox;
class TEdDialogWindow;
class TEdResButton;

// A borderless modal window of fixed size filled by the skinned dialog frame
// (blue style, 40-pixel title bar, movable by its title bar), with helpers
// that place its skinned parts the same way in every dialog.
class SkinnedDialog : public QDialog {
    Q_OBJECT
public:
    SkinnedDialog(int width, int height, const QString& objectName, QWidget* parent = nullptr);

    TEdDialogWindow* Frame() const { return frame_; }
    // Places the window in the middle of the screen it is on.
    void CenterOnScreen();

protected:
    TEdResButton* AddButton(const QString& name, const QString& caption, int x, int y, int width, int height = 32);
    // The small close cross of the title bar.
    TEdResButton* AddCloseButton(const QString& name, int x, int y);
    // A one-line label sized to its text; with `wrapWidth` above 0 a
    // word-wrapped label of that width whose height follows its text.
    TAALabel* AddLabel(const QString& name, const QString& caption, int x, int y, int pixelSize, bool bold,
                       const QColor& color = Qt::white, int wrapWidth = 0);
    // A picture check box, or a radio box of `radioGroup` when that is 0 or more.
    TEDCheckBox* AddCheckBox(const QString& name, const QString& caption, int x, int y, int pixelSize, bool bold,
                             int radioGroup = -1);
    // A single-line field; masked when `password`.
    QLineEdit* AddEdit(const QString& name, int x, int y, int width, int maxLength, bool password = false);

private:
    TEdDialogWindow* frame_;
};

// The picture check box's four pictures from the resource library, when it has them.
void UseLibraryCheckBoxPictures(TEDCheckBox* box, bool radio);
