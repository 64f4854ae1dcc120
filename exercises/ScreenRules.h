#pragma once

#include <QChar>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// Rules every exercise screen shares, free of widgets so they are tested
// without a window.

// round(C / (C + W) x 100) with halves to the even neighbour; 0 without items.
int ExerciseScore(int correct, int wrong);

// The character a Ctrl + key combination gives in the answer fields of a
// course language (1 English .. 5 French), or none. `key` is the letter
// (A..Z); with Shift the capital is produced where one exists.
std::optional<QChar> AccentShortcut(QChar key, bool shift, int courseLanguage);

// Text for an HTML page: the characters that have HTML 4 named entities among
// ¡ ¨ ¿ À..ÿ Œ œ Š š Ÿ ˆ £ are replaced by those entities.
QString EscapeForPage(const QString& text);

// Rewrites `path` with the fixed text-page lines around the escaped text, in
// Windows-1250 (temporary file, then rename). False when it cannot be written.
bool WriteTextPage(const QString& path, const QString& text);

// Answer normalisation for comparing answers: characters below 33 removed at
// both ends, then every ! ( ) + { } : " < > ? [ ] ; , . _ removed anywhere
// (no second trim, so "dom ." becomes "dom ").
QString NormalizeAnswer(const QString& text);

// Upper-cases the letters a..z only, as answers are compared when the
// learner's case-sensitivity setting is off.
QString UpperAsciiLetters(const QString& text);

// A word cleaned for the dictionary look-up: trimmed and stripped of leading
// and trailing punctuation, symbols and digits.
QString WordForLookup(const QString& word);

// Words drawn on a screen with their rectangles, for the right-click look-up.
class TPozycjeSlowek {
public:
    struct Entry {
        QString Text;
        QRect Rect;
        int Number = 0;
    };
    void Clear() { entries_.clear(); }
    void Add(const QString& text, const QRect& rect, int number = 0) { entries_.push_back({text, rect, number}); }
    // Text of the first entry whose rectangle holds the point; empty when none does.
    QString TextAt(const QPoint& point) const;
    const std::vector<Entry>& Entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

// Word-by-word placement of running text (gap typing, dialogues, sentence gaps).
struct FlowTextRules {
    int CourseLanguage = 1;
    // The gap-typing screen also attaches "." in a French course.
    bool FrenchAttachesFullStop = false;
    // Italian elision: a word ending in "'" (except "po'") is followed by no space.
    bool ItalianElision = false;

    struct Placed {
        int Index = 0; // index of the token
        QRect Rect;
    };

    // Whether a token is drawn without the space before it.
    bool Attaches(const QString& token) const;
    // Whether a space follows the token (not after an Italian elided word).
    bool SpaceAfter(const QString& token) const;
    // The mark (".", ",", "...", "!", "?", ":", "-") that a following word
    // begins with, which must not start a line; empty when it has none.
    static QString LeadingMark(const QString& nextWord);
    // Places the tokens left to right from `left` in lines of `lineHeight`
    // starting at `top`, breaking at `right`; `width` measures a token and
    // `spaceWidth` is the width of one space.
    std::vector<Placed> Layout(const std::vector<QString>& tokens, int left, int top, int right, int lineHeight,
                               const std::function<int(const QString&)>& width, int spaceWidth) const;
};
