#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class SkrotyTable;

// One word, markup tag or gap of a gap-typing text.
struct TWyrazTekstu {
    enum Markup : int {
        None = 0,
        LineBreak = 1,
        ImageLeft = 2,
        ImageRight = 3,
        ImageEnd = 4,
        ItalicOn = 5,
        BoldOn = 6,
        ItalicOff = 7,
        BoldOff = 8,
        Move = 9,
    };

    QString Text;
    bool IsGap = false;
    int MarkupKind = None;
    // Typed answers: every accepted alternative ("/"-separated); chosen
    // answers: the first alternative as written.
    QString Answer;
    QString LearnerAnswer;
    QRect Rect;
};

// The tokens of a gap text and the rules for judging its gaps.
class GapText {
public:
    enum class Variant { Typed, Chosen };

    // Splits "tresc" into words, markup tags and gaps. In the chosen-answers
    // variant each gap's alternatives are shuffled with `shuffle`. A "<" with
    // no ">" after it takes the rest of the text as one word.
    static GapText Tokenise(const QString& tresc, Variant variant,
                            const std::function<void(QStringList&)>& shuffle = {});

    std::vector<TWyrazTekstu>& Tokens() { return tokens_; }
    const std::vector<TWyrazTekstu>& Tokens() const { return tokens_; }
    // Token positions of the gaps, in text order.
    const std::vector<int>& GapOrder() const { return gapOrder_; }
    // The gap after the given one in the gap order, the first after the last.
    int NextGap(int tokenIndex) const;
    // The alternatives of a gap as listed in its drop-down (chosen answers).
    static QStringList Alternatives(const TWyrazTekstu& gap);

    // Whether the learner's answer matches one of the accepted alternatives.
    static bool IsRight(const TWyrazTekstu& gap, const QString& learnerAnswer, bool caseSensitive,
                        const SkrotyTable& skroty);
    // Right and wrong gaps of the learner's answers.
    void Count(bool caseSensitive, const SkrotyTable& skroty, int& right, int& wrong) const;

    // Markup kind of a token ("<BR>", "<IMG LEFT>", ... compared in capitals).
    static int MarkupOf(const QString& token);

private:
    std::vector<TWyrazTekstu> tokens_;
    std::vector<int> gapOrder_;
};
