#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>

// The anti-aliased label: one line or word-wrapped text, transparent by
// default, in its font and font colour.
class TAALabel : public QWidget {
    Q_OBJECT
public:
    enum TAlignment { taLeftJustify = 0, taRightJustify, taCenter };

    explicit TAALabel(QWidget* parent = nullptr);

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool on);
    bool UseAntiAlias() const { return m_useAntiAlias; }
    void setUseAntiAlias(bool on);
    int ExtraWidth() const { return m_extraWidth; }
    void setExtraWidth(int width);
    QColor Color() const { return m_color; }
    void setColor(const QColor& color);
    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color);

    // The label's own paint event, run after the text is drawn.
    std::function<void(QPainter&)> OnPaint;

    // Applies AutoSize to the current caption and font (also done on every change).
    void adjustToText();
    void Paint(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int alignmentFlag() const;

    QString m_caption = QStringLiteral("AntiAliasLabel");
    QString m_shown = m_caption; // what is drawn and measured
    TAlignment m_alignment = taLeftJustify;
    bool m_autoSize = false;
    bool m_wordWrap = false;
    bool m_transparent = true;
    bool m_useAntiAlias = true;
    int m_extraWidth = 0;
    QColor m_color = Qt::white;
    QColor m_fontColor = Qt::black;
};
