#include "GapText.h"

#include "course/FieldOf.h"
#include "course/SkrotyTable.h"
#include "exercises/ScreenRules.h"

namespace {

void AddWords(std::vector<TWyrazTekstu>& tokens, const QString& text)
{
    for (const QString& word : text.split(u' ')) {
        if (word.trimmed().isEmpty())
            continue;
        TWyrazTekstu token;
        token.Text = word;
        tokens.push_back(token);
    }
}

// One side of the comparison: "`" read as "'", trimmed, the answer
// characters removed, words normalised, and a..z capitalised when case does not count.
QString ComparedForm(const QString& text, bool caseSensitive, const SkrotyTable& skroty)
{
    QString s = text;
    s.replace(u'`', u'\'');
    s = skroty.NormalizeWords(NormalizeAnswer(s.trimmed()));
    return caseSensitive ? s : UpperAsciiLetters(s);
}

} // namespace

int GapText::MarkupOf(const QString& token)
{
    const QString t = token.toUpper();
    if (t == u"<BR>")
        return TWyrazTekstu::LineBreak;
    if (t == u"<IMG LEFT>")
        return TWyrazTekstu::ImageLeft;
    if (t == u"<IMG RIGHT>")
        return TWyrazTekstu::ImageRight;
    if (t == u"</IMG>")
        return TWyrazTekstu::ImageEnd;
    if (t == u"<I>")
        return TWyrazTekstu::ItalicOn;
    if (t == u"<B>")
        return TWyrazTekstu::BoldOn;
    if (t == u"</I>")
        return TWyrazTekstu::ItalicOff;
    if (t == u"</B>")
        return TWyrazTekstu::BoldOff;
    if (t.startsWith(u"<AK"))
        return TWyrazTekstu::Move;
    return TWyrazTekstu::None;
}

GapText GapText::Tokenise(const QString& tresc, Variant variant, const std::function<void(QStringList&)>& shuffle)
{
    GapText text;
    std::vector<TWyrazTekstu>& tokens = text.tokens_;
    QString rest = tresc;
    while (!rest.isEmpty()) {
        const qsizetype open = rest.indexOf(u'<');
        if (open < 0) {
            AddWords(tokens, rest);
            break;
        }
        if (open > 0) {
            AddWords(tokens, rest.left(open));
            rest = rest.mid(open);
            continue;
        }
        const qsizetype close = rest.indexOf(u'>');
        TWyrazTekstu token;
        token.Text = close < 0 ? rest : rest.left(close + 1);
        rest = close < 0 ? QString() : rest.mid(close + 1);
        if (close < 0) {
            tokens.push_back(token); // an unclosed "<": the rest is one word
            break;
        }
        token.MarkupKind = MarkupOf(token.Text);
        if (token.MarkupKind == TWyrazTekstu::None) {
            token.IsGap = true;
            const QString inner = token.Text.mid(1, token.Text.size() - 2);
            if (variant == Variant::Typed) {
                token.Answer = inner;
            } else {
                token.Answer = FieldOf(1, inner, u'/');
                QStringList alternatives;
                for (const QString& a : inner.split(u'/'))
                    if (!alternatives.contains(a))
                        alternatives.append(a);
                if (shuffle)
                    shuffle(alternatives);
                token.Text = u'<' + alternatives.join(u'/') + u'>';
            }
            text.gapOrder_.push_back(static_cast<int>(tokens.size()));
        }
        tokens.push_back(token);
    }
    return text;
}

int GapText::NextGap(int tokenIndex) const
{
    for (size_t i = 0; i < gapOrder_.size(); ++i)
        if (gapOrder_[i] == tokenIndex)
            return gapOrder_[(i + 1) % gapOrder_.size()];
    return gapOrder_.empty() ? -1 : gapOrder_.front();
}

QStringList GapText::Alternatives(const TWyrazTekstu& gap)
{
    return gap.Text.mid(1, gap.Text.size() - 2).split(u'/');
}

bool GapText::IsRight(const TWyrazTekstu& gap, const QString& learnerAnswer, bool caseSensitive,
                      const SkrotyTable& skroty)
{
    const QString learner = ComparedForm(learnerAnswer, caseSensitive, skroty);
    const QString accepted = ComparedForm(gap.Answer, caseSensitive, skroty);
    for (int n = 1;; ++n) {
        const QString field = FieldOf(n, accepted, u'/');
        if (field.isEmpty())
            return false;
        if (field == learner)
            return true;
    }
}

void GapText::Count(bool caseSensitive, const SkrotyTable& skroty, int& right, int& wrong) const
{
    right = wrong = 0;
    for (int index : gapOrder_) {
        const TWyrazTekstu& gap = tokens_[index];
        if (IsRight(gap, gap.LearnerAnswer, caseSensitive, skroty))
            ++right;
        else
            ++wrong;
    }
}
