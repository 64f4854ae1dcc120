#include "HintLayout.h"

#include <QFontMetrics>
#include <QStringList>

HintLayout HintLayout::Of(const QString& text, const QFont& regular, const QFont& bold)
{
    HintLayout layout;
    const QFontMetrics regularMetrics(regular);
    const QFontMetrics boldMetrics(bold);
    const QString br = QStringLiteral("<BR>");
    const QString open = QStringLiteral("<B>");
    const QString close = QStringLiteral("</B>");
    int x = 10;
    int widest = 10;
    bool inBold = false;
    for (const QString& token : text.split(u' ')) {
        if (token == br) {
            ++layout.Lines;
            x = 10;
            continue;
        }
        QString word = token;
        const bool opens = word.contains(open);
        const bool closes = word.contains(close);
        if (opens)
            inBold = true;
        word.remove(open);
        word.remove(close);
        const QFontMetrics& metrics = inBold ? boldMetrics : regularMetrics;
        layout.Words.push_back({word, x, 20 * layout.Lines - 18, inBold});
        x += metrics.horizontalAdvance(word) + 4;
        widest = std::max(widest, x - 4);
        if (closes)
            inBold = false;
    }
    layout.Width = widest + 20;
    layout.Height = StandardHeight + 20 * (layout.Lines - 1);
    return layout;
}
