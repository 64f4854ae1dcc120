#pragma once

#include <QTimer>
#include <QWidget>

// The backdrop: the application's main window, covering the screen behind
// every other window. Its one-shot 10 ms timer opens the next exercise once
// the screen that was closed is gone.
class TfrmPodklad : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPodklad(QWidget* parent = nullptr);

    QTimer& Timer() { return timer_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
};

TfrmPodklad* BackdropWindow();
