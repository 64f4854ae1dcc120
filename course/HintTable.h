#pragma once

#include <QString>
#include <QStringList>

// Numbered user-interface texts of Config/definitions.xml, in one language.
// Each entry reads "<number>=<text>"; the first entry of a number wins.
class HintTable {
public:
    // Reads the hints of `path` in `language`. Throws ContentError when the file
    // is missing, not well-formed or holds a hint id that is not a number; the
    // table is left empty then.
    void Load(const QString& path, int language);
    // Text of hint `number`, empty when there is none.
    QString Text(int number) const;
    const QStringList& Entries() const { return entries_; }

private:
    QStringList entries_;
};

// Formats a hint used as an element name: each "%d" takes the next of the two
// integers, "%%" is a percent sign; a text without placeholders comes back
// unchanged. Throws ContentError for any other placeholder or a third "%d".
QString FormatHint(const QString& hint, int first, int second);
