#pragma once

#include <QColor>
#include <QImage>

// Draws anti-aliased lines straight into a bitmap, as the matching-pairs
// screen does between the cards: every pixel near the segment is blended
// with the line colour by its distance to the segment.
class TEZLine {
public:
    // Pen modes, numbered as stored in window layouts (the copy mode is 4).
    enum TPenMode {
        pmBlack = 0, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, pmMergeNotPen,
        pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
    };
    enum TPenStyle { psSolid = 0, psDash, psDot, psDashDot, psDashDotDot, psClear };

    void SetLine(const QColor& colour, bool antiAliased, TPenMode mode, TPenStyle style, bool endCaps,
                 double dashOffset, double opacity, double width);
    void DrawLine(double x1, double y1, double x2, double y2, QImage& bitmap) const;

    // The coverage 0..255 of a pixel at distance d from the segment.
    static int Coverage(double width, double distance);
    // The rectangle margin around the segment that may be touched.
    static int Margin(double width);

    QColor colour() const { return m_colour; }
    double width() const { return m_width; }

private:
    double dashFactor(double along) const;
    int mixChannel(int line, int old, int weight) const;

    QColor m_colour = Qt::black;
    bool m_antiAliased = true;
    TPenMode m_mode = pmCopy;
    TPenStyle m_style = psSolid;
    bool m_endCaps = false;
    double m_dashOffset = 0.0;
    double m_opacity = 1.0;
    double m_width = 1.0;
};
