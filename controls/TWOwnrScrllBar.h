#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <functional>

class ResourceLibrary;

// The picture scroll bar placed beside long lists. Its arithmetic (travel,
// thumb rectangle, what a press or a drag does) is public so that it can be
// driven without a window; the mouse events only forward to it.
class TWOwnrScrllBar : public QWidget {
    Q_OBJECT
public:
    enum TKind { osbVertical = 0, osbHorizontil };
    enum TDrawStyle { osbStandard = 0, osbOwnerDraw };

    explicit TWOwnrScrllBar(QWidget* parent = nullptr);

    TKind Kind() const { return m_kind; }
    void setKind(TKind kind);
    TDrawStyle DrawStyle() const { return m_drawStyle; }
    void setDrawStyle(TDrawStyle style);
    bool Ctrl3D() const { return m_ctrl3D; }
    void setCtrl3D(bool on);
    int ButtonHeight() const { return m_buttonHeight; }
    void setButtonHeight(int height);
    int Min() const { return m_min; }
    void setMin(int value);
    int Max() const { return m_max; }
    void setMax(int value);
    int Position() const { return m_position; }
    // Ignored outside Min..Max; otherwise stored, the thumb placed again,
    // repainted and changed() raised.
    void setPosition(int value);
    int TrackHeight() const { return m_trackHeight; }
    void setTrackHeight(int height);
    int MinTrackSize() const { return m_minTrackSize; }
    void setMinTrackSize(int size);
    int SmallChange() const { return m_smallChange; }
    void setSmallChange(int step) { m_smallChange = step; }
    int LargeChange() const { return m_largeChange; }
    void setLargeChange(int step) { m_largeChange = step; }
    bool AutoSizeTrack() const { return m_autoSizeTrack; }
    void setAutoSizeTrack(bool on);
    // Direction of the last change: -1 towards Min, 1 towards Max.
    int LastChange() const { return m_lastChange; }

    const QImage& IMG_UP() const { return m_imgUp; }
    void setIMG_UP(const QImage& image) { m_imgUp = image; update(); }
    const QImage& IMG_DOWN() const { return m_imgDown; }
    void setIMG_DOWN(const QImage& image) { m_imgDown = image; update(); }
    const QImage& IMG_SUWAK() const { return m_imgSuwak; }
    void setIMG_SUWAK(const QImage& image) { m_imgSuwak = image; update(); }
    const QImage& IMG_BKG() const { return m_imgBkg; }
    void setIMG_BKG(const QImage& image) { m_imgBkg = image; update(); }
    const QImage& IMG_RYNNA1() const { return m_imgRynna1; }
    void setIMG_RYNNA1(const QImage& image) { m_imgRynna1 = image; update(); }
    const QImage& IMG_RYNNA2() const { return m_imgRynna2; }
    void setIMG_RYNNA2(const QImage& image) { m_imgRynna2 = image; update(); }
    const QImage& IMG_RYNNA3() const { return m_imgRynna3; }
    void setIMG_RYNNA3(const QImage& image) { m_imgRynna3 = image; update(); }

    // Takes the buttons, thumb and track pictures of the same names from the
    // resource library (the background stays the window's business).
    void UseLibraryPictures(const ResourceLibrary& library);

    // The thumb's travel in pixels and its rectangle for the current position.
    int travel() const;
    QRect thumbRect() const { return m_thumb; }
    bool isDragging() const { return m_dragging; }

    // What a press, a move with the button held and a release at a point do.
    void pressAt(QPoint point);
    void dragTo(QPoint point);
    void release();
    // Whether the pointer shows the hand at that point (buttons and thumb).
    bool handCursorAt(QPoint point) const;

    std::function<void(QPainter&)> OnPaint;

    void Paint(QPainter& painter) const;

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int length() const { return m_kind == osbVertical ? height() : width(); }
    int along(QPoint p) const { return m_kind == osbVertical ? p.y() : p.x(); }
    void placeThumb();
    void autoSizeTrack();
    void paintOwnerDraw(QPainter& painter) const;
    void paintStandard(QPainter& painter) const;

    TKind m_kind = osbVertical;
    TDrawStyle m_drawStyle = osbStandard;
    bool m_ctrl3D = true;
    int m_buttonHeight = 18;
    int m_min = 1;
    int m_max = 100;
    int m_position = 50;
    int m_trackHeight = 18;
    int m_minTrackSize = 6;
    int m_smallChange = 1;
    int m_largeChange = 4;
    bool m_autoSizeTrack = false;
    int m_lastChange = 1;
    QImage m_imgUp, m_imgDown, m_imgSuwak, m_imgBkg, m_imgRynna1, m_imgRynna2, m_imgRynna3;
    QRect m_thumb;
    bool m_dragging = false;
    int m_dragDistance = 0;
};
