#pragma once

#include "HintLayout.h"

#include <QObject>
#include <QWidget>

// The program's own hint window. Controls whose hint is a single space show
// the application-wide HintWindowText instead of their own hint; nothing is
// shown while that text is empty.
class TMyHint : public QWidget {
    Q_OBJECT
public:
    TMyHint();

    // Installs the hint window for every widget of the application.
    static void Install();

    void ShowAt(const QPoint& globalPos, const QString& text);
    const HintLayout& layout() const { return layout_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    HintLayout layout_;
    QFont regular_;
    QFont bold_;
};
