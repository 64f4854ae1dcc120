#include "ScreenRules.h"

#include "ExerciseDocument.h"

#include "course/Rounding.h"
#include "course/TextCodec.h"

#include <QFile>
#include <QSaveFile>

#include <map>


int ExerciseScore(int correct, int wrong)
{
    if (correct + wrong <= 0)
        return 0;
    return RoundHalfEven(static_cast<double>(correct) / (correct + wrong) * 100.0);
}

std::optional<QChar> AccentShortcut(QChar key, bool shift, int courseLanguage)
{
    static const std::map<int, std::map<char16_t, char16_t>> table = {
        {1, {{u'E', u'é'}}},
        {2, {{u'A', u'ä'}, {u'O', u'ö'}, {u'S', u'ß'}, {u'U', u'ü'}}},
        {3, {{u'A', u'à'}, {u'E', u'è'}, {u'I', u'ì'}, {u'O', u'ò'}, {u'U', u'ù'}, {u'W', u'é'}}},
        {4, {{u'A', u'á'}, {u'E', u'é'}, {u'I', u'í'}, {u'N', u'ñ'}, {u'O', u'ó'}, {u'Q', u'¡'}, {u'U', u'ú'},
             {u'W', u'¿'}, {u'Y', u'ü'}}},
        {5, {{u'A', u'à'}, {u'C', u'ç'}, {u'D', u'ä'}, {u'E', u'è'}, {u'I', u'î'}, {u'K', u'ï'}, {u'N', u'œ'},
             {u'O', u'ô'}, {u'P', u'ö'}, {u'Q', u'ê'}, {u'R', u'ë'}, {u'S', u'â'}, {u'U', u'ù'}, {u'V', u'æ'},
             {u'W', u'é'}, {u'Y', u'û'}}},
    };
    const auto language = table.find(courseLanguage);
    if (language == table.end())
        return std::nullopt;
    const auto it = language->second.find(key.toUpper().unicode());
    if (it == language->second.end())
        return std::nullopt;
    const QChar c(it->second);
    // ß, ¡ and ¿ have no capital.
    if (!shift || c == u'ß' || c == u'¡' || c == u'¿')
        return c;
    return c.toUpper();
}

QString EscapeForPage(const QString& text)
{
    static const std::map<char16_t, const char*> entities = [] {
        std::map<char16_t, const char*> m = {
            {u'¡', "iexcl"}, {u'¨', "uml"}, {u'¿', "iquest"}, {u'Œ', "OElig"}, {u'œ', "oelig"}, {u'Š', "Scaron"},
            {u'š', "scaron"}, {u'Ÿ', "Yuml"}, {u'ˆ', "circ"}, {u'£', "pound"},
        };
        static const char* const latin[64] = {
            "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",
            "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
            "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave",
            "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",
            "igrave", "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",
            "divide", "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};
        for (int i = 0; i < 64; ++i)
            m[static_cast<char16_t>(192 + i)] = latin[i];
        return m;
    }();
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        const auto it = entities.find(c.unicode());
        if (it == entities.end())
            result.append(c);
        else
            result += u'&' + QLatin1String(it->second) + u';';
    }
    return result;
}

bool WriteTextPage(const QString& path, const QString& text)
{
    const char* const head[] = {
        "<html>",
        "<META HTTP-EQUIV=\"Content-type\" CONTENT=\"text/html; charset=windows-1250\">",
        "<META HTTP-EQUIV=\"Content-Language\" CONTENT=\"pl\">",
        "<LINK REL=\"stylesheet\" HREF=\"style.css\" TYPE=\"text/css\">",
        "</head>",
        "<body>",
        "<div id=\"container_pisanie_pl\">",
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const char* line : head)
        file.write(QByteArray(line) + "\r\n");
    file.write(EncodeWindows1250(EscapeForPage(text)) + "\r\n");
    file.write("</body>\r\n</html>\r\n");
    return file.commit();
}

QString NormalizeAnswer(const QString& text)
{
    static const QString removed = QStringLiteral("!()+{}:\"<>?[];,._");
    QString result;
    for (QChar c : TrimText(text))
        if (!removed.contains(c))
            result.append(c);
    return result;
}

QString UpperAsciiLetters(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return result;
}

QString WordForLookup(const QString& word)
{
    static const QString stripped = QStringLiteral("!#$%^&*()_+{}|:<>?[]\\;',./@\"0123456789");
    QString w = word.trimmed();
    qsizetype start = 0;
    qsizetype end = w.size();
    while (start < end && stripped.contains(w[start]))
        ++start;
    while (end > start && stripped.contains(w[end - 1]))
        --end;
    return w.mid(start, end - start);
}

QString TPozycjeSlowek::TextAt(const QPoint& point) const
{
    for (const Entry& entry : entries_)
        if (entry.Rect.contains(point))
            return entry.Text;
    return {};
}

bool FlowTextRules::Attaches(const QString& token) const
{
    if (CourseLanguage == 5) {
        return token == u"," || token == u"..." || token == u":" || (FrenchAttachesFullStop && token == u".");
    }
    return token == u"." || token == u"," || token == u"..." || token == u":" || token == u"!" || token == u"?";
}

bool FlowTextRules::SpaceAfter(const QString& token) const
{
    return !(ItalianElision && CourseLanguage == 3 && token.endsWith(u'\'') && token != u"po'");
}

QString FlowTextRules::LeadingMark(const QString& nextWord)
{
    static const QString leadingMarks[] = {QStringLiteral("..."), QStringLiteral("."), QStringLiteral(","),
                                           QStringLiteral("!"), QStringLiteral("?"), QStringLiteral(":"),
                                           QStringLiteral("-")};
    for (const QString& mark : leadingMarks)
        if (nextWord.startsWith(mark))
            return mark;
    return {};
}

std::vector<FlowTextRules::Placed> FlowTextRules::Layout(const std::vector<QString>& tokens, int left, int top,
                                                         int right, int lineHeight,
                                                         const std::function<int(const QString&)>& width,
                                                         int spaceWidth) const
{
    std::vector<Placed> placed;
    int x = left;
    int y = top;
    int trailingSpace = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const QString& token = tokens[i];
        const int w = width(token);
        if (Attaches(token) && i > 0)
            x -= trailingSpace;
        int needed = w;
        if (i + 1 < tokens.size()) {
            const QString mark = LeadingMark(tokens[i + 1]);
            if (!mark.isEmpty() && x + w + width(mark) > right - 10)
                needed = right - x + 1; // forces the break below
        }
        if (x > left && x + needed > right) {
            x = left;
            y += lineHeight;
        }
        placed.push_back({static_cast<int>(i), QRect(x, y, w, lineHeight)});
        x += w;
        trailingSpace = SpaceAfter(token) ? spaceWidth : 0;
        x += trailingSpace;
    }
    return placed;
}
