#include "GapLayout.h"

#include "course/FieldOf.h"
#include "exercises/ScreenRules.h"

#include <QFontMetrics>

#include <algorithm>
#include <cstdlib>

namespace {

// The running state of one layout pass.
class Walker {
public:
    Walker(const std::vector<TWyrazTekstu>& tokens, const GapLayoutParams& params)
        : tokens_(tokens)
        , p_(params)
        , rules_{params.CourseLanguage, true, true}
        , lineHeight_(GapLineHeight(params.Font))
    {
        result_.LineHeight = lineHeight_;
        result_.GapRects.resize(tokens.size());
    }

    GapLayoutResult Run()
    {
        TopAndRightPictures();
        for (size_t i = 0; i < tokens_.size(); ++i)
            Token(static_cast<int>(i));
        BottomPicture();
        return std::move(result_);
    }

private:
    QFont FontOf(bool bold, bool italic) const
    {
        QFont f = p_.Font;
        f.setBold(bold);
        f.setItalic(italic);
        return f;
    }
    int Width(const QString& text, bool bold, bool italic) const
    {
        return QFontMetrics(FontOf(bold, italic)).horizontalAdvance(text);
    }
    int SpaceWidth() const { return QFontMetrics(p_.Font).horizontalAdvance(u' ') + (italic_ ? 4 : 0); }
    int Right() const { return p_.AreaWidth + rightMargin_; }

    void NewLine()
    {
        y_ += lineHeight_;
        x_ = leftIndent_;
        if (y_ >= pictureBottom_ && (leftIndent_ != 0 || rightMargin_ != 0)) {
            x_ -= leftIndent_;
            leftIndent_ = 0;
            rightMargin_ = 0;
        }
        lineUsed_ = false;
        trailingSpace_ = 0;
    }
    // Breaks the line before something `width` wide when it would pass `limit`.
    void BreakBefore(int width, int limit)
    {
        if (x_ > leftIndent_ && x_ + width > limit)
            NewLine();
    }
    void Add(GapDrawItem item)
    {
        lineUsed_ = true;
        result_.Items.push_back(std::move(item));
    }
    void Advance(int width, bool spaceAfter)
    {
        x_ += width;
        trailingSpace_ = spaceAfter ? SpaceWidth() : 0;
        x_ += trailingSpace_;
    }

    void TopAndRightPictures()
    {
        if (!p_.TopPicture.isNull()) {
            Add({GapDrawItem::Picture, QRect(QPoint((p_.AreaWidth - p_.TopPicture.width()) / 2, y_), p_.TopPicture.size()),
                 {}, false, false, {}, -1, p_.TopPicture});
            y_ += p_.TopPicture.height() + 20;
            lineUsed_ = false;
        }
        if (!p_.RightPicture.isNull()) {
            Add({GapDrawItem::Picture,
                 QRect(QPoint(p_.AreaWidth - p_.RightPicture.width(), y_), p_.RightPicture.size()), {}, false, false, {},
                 -1, p_.RightPicture});
            lineUsed_ = false;
        }
    }

    void BottomPicture()
    {
        int bottom = lineUsed_ ? y_ + lineHeight_ : y_;
        bottom = std::max(bottom, pictureBottom_);
        if (!p_.BottomPicture.isNull()) {
            Add({GapDrawItem::Picture,
                 QRect(QPoint((p_.AreaWidth - p_.BottomPicture.width()) / 2, bottom), p_.BottomPicture.size()), {},
                 false, false, {}, -1, p_.BottomPicture});
            bottom += p_.BottomPicture.height() + 20;
        }
        result_.TotalHeight = bottom;
    }

    // The next word of the text after token i, for the look-ahead.
    QString NextWord(int i) const
    {
        const size_t next = static_cast<size_t>(i) + 1;
        if (next >= tokens_.size() || tokens_[next].IsGap || tokens_[next].MarkupKind != TWyrazTekstu::None)
            return {};
        return tokens_[next].Text;
    }

    void Token(int i)
    {
        const TWyrazTekstu& t = tokens_[i];
        switch (t.MarkupKind) {
        case TWyrazTekstu::LineBreak:
            x_ = leftIndent_;
            NewLine();
            return;
        case TWyrazTekstu::ImageLeft:
        case TWyrazTekstu::ImageRight:
            pictureMode_ = true;
            pictureSide_ = t.MarkupKind;
            picturePlaced_ = false;
            return;
        case TWyrazTekstu::ImageEnd:
            // The text goes on beside the picture; without one it simply goes on.
            if (picturePlaced_)
                x_ = leftIndent_;
            pictureMode_ = false;
            return;
        case TWyrazTekstu::ItalicOn:
            italic_ = true;
            return;
        case TWyrazTekstu::ItalicOff:
            italic_ = false;
            return;
        case TWyrazTekstu::BoldOn:
            bold_ = true;
            return;
        case TWyrazTekstu::BoldOff:
            bold_ = false;
            return;
        case TWyrazTekstu::Move:
            Move(t.Text);
            return;
        default:
            break;
        }
        if (t.IsGap)
            Gap(i);
        else if (pictureMode_)
            InlinePicture(t.Text);
        else
            Word(i, t.Text, bold_, italic_, GapColours::Text, GapDrawItem::Word);
    }

    void Move(const QString& tag)
    {
        int d = 30;
        const qsizetype eq = tag.indexOf(u'=');
        const qsizetype close = tag.lastIndexOf(u'>');
        if (eq >= 0 && close > eq) {
            bool ok = false;
            const int n = tag.mid(eq + 1, close - eq - 1).trimmed().toInt(&ok);
            if (ok)
                d = std::abs(x_ - n);
        }
        if (x_ + d > p_.AreaWidth - 12)
            NewLine();
        x_ += d;
        trailingSpace_ = 0;
    }

    void InlinePicture(const QString& name)
    {
        const QImage image = p_.Picture ? p_.Picture(name.trimmed()) : QImage();
        if (image.isNull())
            return;
        if (lineUsed_)
            NewLine();
        x_ = 0;
        QPoint at(0, y_);
        if (pictureSide_ == TWyrazTekstu::ImageLeft) {
            leftIndent_ = image.width() + 10;
        } else {
            at.setX(p_.AreaWidth - image.width());
            rightMargin_ = -(image.width() + 10);
        }
        pictureBottom_ = std::max(pictureBottom_, y_ + image.height());
        picturePlaced_ = true;
        result_.Items.push_back({GapDrawItem::Picture, QRect(at, image.size()), {}, false, false, {}, -1, image});
    }

    // Running text: attached punctuation, the look-ahead for marks that must
    // not begin a line, and the break at the right edge.
    void Word(int i, const QString& text, bool bold, bool italic, const QColor& colour, GapDrawItem::Kind kind)
    {
        const int w = Width(text, bold, italic);
        if (rules_.Attaches(text) && lineUsed_)
            x_ -= trailingSpace_;
        int needed = w;
        const QString mark = FlowTextRules::LeadingMark(NextWord(i));
        if (!mark.isEmpty() && x_ + w + Width(mark, bold_, italic_) > p_.AreaWidth - 10)
            needed = Right() - x_ + 1;
        BreakBefore(needed, Right());
        Add({kind, QRect(x_, y_, w, lineHeight_), text, bold, italic, colour, i, {}});
        Advance(w, rules_.SpaceAfter(text));
    }

    void Gap(int i)
    {
        const TWyrazTekstu& gap = tokens_[i];
        const bool chosen = p_.Variant == GapText::Variant::Chosen;
        const int space = SpaceWidth();
        if (p_.View == GapView::Answering) {
            const int emptyWidth = chosen ? p_.DropDownWidth + GapSizes::DropDownCaps : GapSizes::FieldWidth;
            if (gap.LearnerAnswer.isEmpty()) {
                BreakBefore(emptyWidth, p_.AreaWidth - 12);
                const QRect rect(x_, y_ + (lineHeight_ - GapSizes::FieldHeight) / 2, emptyWidth, GapSizes::FieldHeight);
                Add({chosen ? GapDrawItem::DropDown : GapDrawItem::EmptyField, rect, {}, false, false, {}, i, {}});
                result_.GapRects[i] = rect;
                Advance(emptyWidth, true);
                return;
            }
            // A chosen answer keeps the room of its drop-down, so the text does not jump.
            const int w = Width(gap.LearnerAnswer, true, false);
            BreakBefore(std::max(w, chosen ? emptyWidth : 0), Right());
            Word(i, gap.LearnerAnswer, true, false, GapColours::Answer, GapDrawItem::Answer);
            const QRect drawn = result_.Items.back().Rect;
            const int fieldTop = drawn.y() + (lineHeight_ - GapSizes::FieldHeight) / 2;
            if (chosen) {
                x_ = std::max(x_, drawn.x() + p_.DropDownWidth + space + GapSizes::DropDownCaps);
                result_.GapRects[i] = QRect(drawn.x(), fieldTop, emptyWidth, GapSizes::FieldHeight);
            } else {
                result_.GapRects[i] = QRect(drawn.x(), fieldTop, std::max(drawn.width(), 20), GapSizes::FieldHeight);
            }
            return;
        }

        const bool right = p_.IsRight && p_.IsRight(gap);
        QString text;
        GapDrawItem::Kind mark = GapDrawItem::MarkRight;
        bool withMark = true;
        QColor colour = GapColours::Right;
        if (p_.View == GapView::Checked) {
            text = gap.LearnerAnswer.isEmpty() ? QStringLiteral("______") : gap.LearnerAnswer;
            mark = right ? GapDrawItem::MarkRight : GapDrawItem::MarkWrong;
            colour = right ? GapColours::Right : GapColours::Wrong;
        } else if (right) {
            text = gap.LearnerAnswer;
            withMark = false;
        } else {
            text = FieldOf(1, gap.Answer, u'/').trimmed();
            mark = GapDrawItem::MarkInfo;
        }
        const int markWidth = withMark ? p_.MarkSize.width() + space : 0;
        const int w = Width(text, true, false);
        BreakBefore(markWidth + w, Right());
        const int start = x_;
        if (withMark) {
            Add({mark, QRect(QPoint(x_, y_ + (lineHeight_ - p_.MarkSize.height()) / 2), p_.MarkSize), {}, false, false,
                 {}, i, {}});
            x_ += markWidth;
        }
        Add({GapDrawItem::Answer, QRect(x_, y_, w, lineHeight_), text, true, false, colour, i, {}});
        result_.GapRects[i] = QRect(start, y_, x_ + w - start, lineHeight_);
        Advance(w, true);
    }

    const std::vector<TWyrazTekstu>& tokens_;
    const GapLayoutParams& p_;
    const FlowTextRules rules_;
    const int lineHeight_;
    GapLayoutResult result_;
    int x_ = 0;
    int y_ = 4;
    int leftIndent_ = 0;
    int rightMargin_ = 0;
    int pictureBottom_ = 0;
    bool pictureMode_ = false;
    bool picturePlaced_ = false;
    int pictureSide_ = TWyrazTekstu::ImageLeft;
    bool bold_ = false;
    bool italic_ = false;
    bool lineUsed_ = false;
    int trailingSpace_ = 0;
};

} // namespace

int GapLineHeight(const QFont& font)
{
    return QFontMetrics(font).boundingRect(QStringLiteral("Xy")).height() + 8;
}

GapLayoutResult LayOutGapText(const std::vector<TWyrazTekstu>& tokens, const GapLayoutParams& params)
{
    return Walker(tokens, params).Run();
}

int GapDropDownWidth(const std::vector<TWyrazTekstu>& tokens, const QFont& listFont)
{
    QFont bold = listFont;
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int widest = 0;
    for (const TWyrazTekstu& t : tokens)
        if (t.IsGap)
            for (const QString& alternative : GapText::Alternatives(t))
                widest = std::max(widest, metrics.horizontalAdvance(alternative));
    return std::max(widest + 60, GapSizes::FieldWidth);
}
