#pragma once

#include "SkinnedControl.h"

#include <QColor>
#include <QString>
#include <QWidget>

class SkinCanvas;

// Group frame types; only the first two have pictures.
enum TFrameType { ftFrame_Blue = 0, ftFrame_White, ftFrame_2, ftFrame_3, ftFrame_4, ftFrame_5 };

// A framed group panel painted from nine pictures "RAMKA<n>_01".."_09",
// with an optional anti-aliased caption.
class TEdGroupFrame : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    explicit TEdGroupFrame(QWidget* parent = nullptr);

    bool ShowCaption() const { return m_showCaption; }
    void setShowCaption(bool on);
    TFrameType FrameType() const { return m_frameType; }
    void setFrameType(TFrameType type);
    int CaptionPositionX() const { return m_captionPositionX; }
    void setCaptionPositionX(int x);
    int CaptionPositionY() const { return m_captionPositionY; }
    void setCaptionPositionY(int y);
    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color);

    // The picture set number and corner size of a frame type.
    static int PictureSet(TFrameType type) { return type == ftFrame_White ? 6 : 1; }
    static int CornerSize(TFrameType type) { return type == ftFrame_White ? 7 : 10; }

    void Paint(SkinCanvas& canvas) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resourceLibraryChanged() override { update(); }

private:
    bool m_showCaption = false;
    TFrameType m_frameType = ftFrame_Blue;
    int m_captionPositionX = 20;
    int m_captionPositionY = 4;
    QString m_caption;
    QColor m_fontColor = Qt::white;
};
