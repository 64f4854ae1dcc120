#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

class TfrmNawigacja;
struct TElement;

// The lesson contents pop-up: one row per element of the current lesson; a
// click leaves the screen for that element.
class TfrmNawigacjaLekcji : public QWidget {
    Q_OBJECT
public:
    static constexpr int RowHeight = 22;

    explicit TfrmNawigacjaLekcji(TfrmNawigacja& navigation);

    // Fills the rows from the navigation state and shows the pop-up over the screen.
    void ShowFor(QWidget* screen);
    const std::vector<TElement*>& Rows() const { return rows_; }
    int HoveredRow() const { return hovered_; }
    // What a click on row `row` does (also used by tests).
    void ClickRow(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool IsCurrentRow(int row) const;

    TfrmNawigacja& navigation_;
    QPointer<QWidget> screen_;
    std::vector<TElement*> rows_;
    int hovered_ = -1;
};
