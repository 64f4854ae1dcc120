#pragma once

#include <QWidget>

// The profile dialog's colour slider: six positions (colour index 0..5)
// above the six colour swatches, moved by clicking, dragging or the arrow keys.
class AvatarColourSlider : public QWidget {
    Q_OBJECT
public:
    static constexpr int Positions = 6;
    static constexpr int Step = 26;  // pixels between positions (and swatches)
    static constexpr int Margin = 12; // centre of position 0

    explicit AvatarColourSlider(QWidget* parent = nullptr);

    int Value() const { return value_; }
    void setValue(int value);
    // The position nearest to x.
    static int PositionAt(int x);
    static int CentreOf(int position) { return Margin + Step * position; }

signals:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int value_ = 0;
};
