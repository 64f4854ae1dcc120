#include "GapPrintDocument.h"

#include "exercises/ScreenRules.h"

const char* const kPrintHead =
    "<HTML><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=\"ISO-8859-2\">"
    "<STYLE type=\"text/css\">H2 {font-size: 20pt;}.kwestia{font-family: Times New Roman;font-size: 14pt;}</STYLE>"
    "</head>";

QString PolishLettersAsReferences(const QString& text)
{
    static const QString polish = QStringLiteral("ąćęłńśźżĄĆĘŁŃŚŹŻ");
    QString result;
    for (QChar c : text) {
        if (polish.contains(c))
            result += QStringLiteral("&#%1;").arg(c.unicode());
        else
            result += c;
    }
    return result;
}

QString GapPrintDocument::Html(const std::vector<TWyrazTekstu>& tokens) const
{
    const bool chosen = Variant == GapText::Variant::Chosen;
    QString html = QString::fromLatin1(kPrintHead);
    html += QStringLiteral("<H2>") + PolishLettersAsReferences(PackageTitle) + QStringLiteral("</h2><hr />");
    html += QStringLiteral("<B>") + EscapeForPage(Instruction) + QStringLiteral("</B>");
    if (chosen) {
        // Every gap's alternatives, numbered as the gaps are in the text.
        html += QStringLiteral("<br />");
        int number = 0;
        for (const TWyrazTekstu& t : tokens)
            if (t.IsGap)
                html += QStringLiteral("%1 - %2<br />").arg(++number).arg(GapText::Alternatives(t).join(QStringLiteral(" / ")).toHtmlEscaped());
    }
    html += QStringLiteral("<hr /><P>");
    bool inPicture = false;
    int gapNumber = 0;
    for (const TWyrazTekstu& t : tokens) {
        switch (t.MarkupKind) {
        case TWyrazTekstu::ImageLeft:
        case TWyrazTekstu::ImageRight:
            inPicture = true;
            continue;
        case TWyrazTekstu::ImageEnd:
            inPicture = false;
            continue;
        case TWyrazTekstu::Move:
            continue;
        case TWyrazTekstu::None:
            break;
        default:
            if (!inPicture)
                html += u' ' + t.Text;
            continue;
        }
        if (inPicture)
            continue;
        if (t.IsGap) {
            ++gapNumber;
            if (Editable && chosen)
                html += QStringLiteral(" (%1) ______________________________ ").arg(gapNumber);
            else if (Editable)
                html += QStringLiteral(" __________ ");
            else
                html += u' ' + t.Answer.toHtmlEscaped();
        } else if (t.Text == u"." || t.Text == u",") {
            html += t.Text;
        } else {
            html += u' ' + t.Text.toHtmlEscaped();
        }
    }
    html += QStringLiteral("</P><P ALIGN=\"right\">") + Footer.toHtmlEscaped() + QStringLiteral("</P></HTML>");
    return html;
}
