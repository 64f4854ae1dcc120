#pragma once

#include "SkinnedControl.h"

#include <QPoint>
#include <QString>
#include <QWidget>

class SkinCanvas;

enum TBelkaSize { bs40 = 0, bs60 };
enum TDialogStyle { dsBlue = 0, dsWhite };

// The frame of a dialog window: nine pieces "DIAL01".."DIAL09" in the blue
// or white style, a title band "DIAL_BELKA" and the caption. It fills its
// window and moves it when the title band is dragged.
class TEdDialogWindow : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    explicit TEdDialogWindow(QWidget* parent = nullptr);

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    TBelkaSize BelkaSize() const { return m_belkaSize; }
    void setBelkaSize(TBelkaSize size);
    int IconIndex() const { return m_iconIndex; }
    void setIconIndex(int index);
    TDialogStyle DialogStyle() const { return m_dialogStyle; }
    void setDialogStyle(TDialogStyle style);
    bool AllowMoveWindow() const { return m_allowMoveWindow; }
    void setAllowMoveWindow(bool on);

    // The height of the title band (39 or 59) and of the band that can be dragged (40 or 60).
    int titleBandHeight() const { return m_belkaSize == bs60 ? 59 : 39; }
    int dragBandHeight() const { return m_belkaSize == bs60 ? 60 : 40; }
    QString styleSuffix() const { return m_dialogStyle == dsWhite ? QStringLiteral("_W") : QStringLiteral("_B"); }
    bool isDragging() const { return m_dragging; }

    virtual void Paint(SkinCanvas& canvas) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resourceLibraryChanged() override;
    virtual void paintOutline(QPainter& painter) const;

private:
    QString m_caption;
    TBelkaSize m_belkaSize = bs40;
    int m_iconIndex = -1;
    TDialogStyle m_dialogStyle = dsBlue;
    bool m_allowMoveWindow = true;
    bool m_dragging = false;
    QPoint m_pressPoint;
};
