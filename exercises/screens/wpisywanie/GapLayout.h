#pragma once

#include "GapText.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

// How the gaps of a gap text are shown.
enum class GapView {
    Answering,  // the learner's answers in blue, empty gaps as fields or drop-downs
    Checked,    // a right or wrong mark before every answer
    Correction, // right answers kept, the accepted answer in place of every wrong one
};

// What the layout of a gap text depends on.
struct GapLayoutParams {
    int AreaWidth = 649;
    int CourseLanguage = 1;
    GapText::Variant Variant = GapText::Variant::Typed;
    GapView View = GapView::Answering;
    // The running text's font (Tahoma, 15 pixels); bold and italic derive from it.
    QFont Font;
    // Width of the middle part of a drop-down (chosen answers).
    int DropDownWidth = 93;
    QSize MarkSize{24, 24};
    // The pictures of the exercise above, at the right of and below the text (null when absent).
    QImage TopPicture;
    QImage RightPicture;
    QImage BottomPicture;
    // A picture named in the text (folder Gfx/Cw); a null image when it cannot be loaded.
    std::function<QImage(const QString& name)> Picture;
    // Whether the learner's answer in a gap is right (checked and correction views).
    std::function<bool(const TWyrazTekstu& gap)> IsRight;
};

// One thing to draw, in area coordinates before scrolling.
struct GapDrawItem {
    enum Kind {
        Word,        // running text
        Answer,      // the text in a gap
        EmptyField,  // an empty gap of typed answers
        DropDown,    // an empty gap of chosen answers
        MarkRight,
        MarkWrong,
        MarkInfo,
        Picture,
    };
    Kind What = Word;
    QRect Rect;
    QString Text;
    bool Bold = false;
    bool Italic = false;
    QColor Colour;
    int Token = -1;
    QImage Image;
};

struct GapLayoutResult {
    std::vector<GapDrawItem> Items;
    // Per token: where its gap lies (null for tokens that are not gaps).
    std::vector<QRect> GapRects;
    int LineHeight = 0;
    int TotalHeight = 0;
};

// The colours of the gap text.
namespace GapColours {
inline const QColor Text{0x22, 0x22, 0x22};
inline const QColor Answer{0x07, 0x6B, 0xFF};
inline const QColor Right{0x00, 0x7E, 0x15};
inline const QColor Wrong{0xD3, 0x00, 0x00};
} // namespace GapColours

// Sizes of the gap pictures.
namespace GapSizes {
inline constexpr int FieldWidth = 93;
inline constexpr int FieldHeight = 21;
// The two caps of a drop-down together.
inline constexpr int DropDownCaps = 24;
} // namespace GapSizes

// Lays the tokens out word by word: markup, pictures, the horizontal moves
// and the gaps in the look of the view, following the flowing-text rules.
GapLayoutResult LayOutGapText(const std::vector<TWyrazTekstu>& tokens, const GapLayoutParams& params);

// The line height of a font: the height of "Xy" and 8 pixels.
int GapLineHeight(const QFont& font);

// The width of the drop-down that fits every alternative of the text's gaps
// (bold `listFont`, 20 pixels of margin and 40 of caps and arrow, at least 93).
int GapDropDownWidth(const std::vector<TWyrazTekstu>& tokens, const QFont& listFont);
