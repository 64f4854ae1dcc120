#pragma once

#include <QDialog>
#include <QString>

class TAALabel;
class TEdMsgBoxWindow;
class TEdResButton;

// The frame shared by the message windows: a borderless window of fixed size
// filled by the skinned message frame (blue style, 40-pixel title bar,
// movable by its title bar), with helpers to place its skinned parts.
class MessageForm : public QDialog {
    Q_OBJECT
public:
    MessageForm(int width, int height, const QString& objectName, QWidget* parent = nullptr);

    TEdMsgBoxWindow* Frame() const { return frame_; }
    // Places the window in the middle of the screen it is on.
    void CenterOnScreen();

protected:
    TEdResButton* AddButton(const QString& name, const QString& caption, int x, int y, int width, int height);
    TEdResButton* AddCloseButton(const QString& name, int x, int y);
    TAALabel* AddText(const QString& name, int x, int y, int width, int height, int pixelSize, const QColor& color);

private:
    TEdMsgBoxWindow* frame_;
};
