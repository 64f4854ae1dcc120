#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The windows are designed for Tahoma, Verdana, Trebuchet MS and Georgia.
// Free fonts from Debian's packages stand in for them under those family
// names (QFont substitutions), so every window can keep naming the designed
// family.
struct FontSubstitute {
    const char* family;         // the family the windows name
    QStringList substitutes;    // free families, the first installed one wins
};

const QList<FontSubstitute>& SkinFontSubstitutes();

// Registers the substitutes; called once at start-up, before any window is
// created. Returns the families for which no substitute is installed.
QStringList RegisterSkinFonts();

// Loads the substitutes' font files and glyphs for Polish text in their
// regular, bold and italic faces, so that the first screen of a run does not
// wait for them. Called at start-up while the backdrop shows.
void WarmUpSkinFonts();

// A font of the designed family at a size in points at 96 dots per inch,
// turned into pixels so that the text looks the same on every screen.
QFont SkinFont(const QString& family, int points, bool bold = false);

// A font whose size is given as a character height in pixels.
QFont SkinFontPx(const QString& family, int pixels, bool bold = false);
