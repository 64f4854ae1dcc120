#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QListWidget;
class TWOwnrScrllBar;

// The mouse over a list of drawn rows, as the program's skinned lists use it:
// moving hovers, rows react on the left button's release only (presses and
// double clicks are swallowed), the wheel moves the picture scroll bar by one
// small step and hovers again, and leaving the list clears its current row.
// Points are in the list viewport's coordinates.
class RowListMouse : public QObject {
public:
    RowListMouse(QListWidget* list, TWOwnrScrllBar* scrollBar);

    std::function<void(const QPoint& point)> Hovered;
    std::function<void(int row, const QPoint& point)> Released;
    std::function<void()> Left;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* list_;
    TWOwnrScrllBar* scrollBar_;
};
