#pragma once

#include <QListWidget>

#include <functional>

// A list box that never shows its own scroll bars and takes no focus
// rectangle; windows pair it with a picture scroll bar. Rows have one fixed
// height and can be owner-drawn.
class TEdListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TEdListBox(QWidget* parent = nullptr);

    int ItemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);

    // Whether the rows need more height than the list has (a vertical scroll
    // bar would be wanted).
    bool ScrollBarVisible() const;
    // The largest first-visible row: rows less the rows that fit, never below 0.
    int ScrollBarMax() const;

    int TopIndex() const;
    void setTopIndex(int row);
    int visibleRows() const;

    // Paints one row: painter, row rectangle, row index, whether it is the
    // selected row. Without it the row text is drawn plainly.
    std::function<void(QPainter&, const QRect&, int, bool)> OnDrawItem;

signals:
    void mouseLeft();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void layoutNow() const;

    int m_itemHeight = 16;
};
