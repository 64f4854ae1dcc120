#pragma once

#include "SkinnedControl.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

// The speech bubble that shows an instruction's translation. It is hidden
// until ShowBubble places it above and to the right of a point, and keeps
// its picture until it is shown again.
class TEdDymek : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    static constexpr int Width = 332;

    explicit TEdDymek(QWidget* parent = nullptr);

    const QString& Tekst() const { return m_tekst; }
    void setTekst(const QString& text);
    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color) { m_fontColor = color; }
    const QImage& picture() const { return m_picture; }

    // The bottom of the text laid out in (8, 5)-(W - 8, ...): 5 + text height.
    int measuredBottom(const QString& text) const;
    // Composes the bubble's picture for the current text and size.
    void compose();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_tekst;
    QColor m_fontColor{0x06, 0x36, 0x63};
    QImage m_picture;
};

// Places the bubble with its tip near (x, y) of its parent, composes it for
// the text, brings it to the front and shows it. Hiding it is the caller's.
void ShowBubble(TEdDymek* bubble, int x, int y, const QString& text);
