#pragma once

#include "GapText.h"

#include <QString>

// The printed sheet of a gap text, as HTML.
struct GapPrintDocument {
    QString PackageTitle;
    QString Instruction;
    // Blanks while the exercise can still be answered, the accepted answers after a check.
    bool Editable = true;
    GapText::Variant Variant = GapText::Variant::Typed;
    // The line at the bottom right of the sheet.
    QString Footer;

    QString Html(const std::vector<TWyrazTekstu>& tokens) const;
};

// The head text of the program's printed sheets.
extern const char* const kPrintHead;

// A title for a printed sheet: every Polish letter except "ó" and "Ó" as a
// numeric character reference.
QString PolishLettersAsReferences(const QString& text);
