#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Word-normalisation table of a course language (Config/Skroty_<n>.txt): each
// canonical word with the variants that stand for it ("am" for "'m").
class SkrotyTable {
public:
    struct Entry {
        QString Canonical;
        QStringList Variants;
    };

    // Reads the table from `path` (Windows-1250 text, one "canonical:v1,v2,"
    // line per entry). A missing file only marks the table not loaded; the
    // entries read earlier are kept but ignored.
    void Load(const QString& path);
    bool IsLoaded() const { return loaded_; }
    const std::vector<Entry>& Entries() const { return entries_; }

    // Replaces every word of `text` (split at single spaces) that is a variant
    // by its canonical word. Processing stops at the first empty word, so two
    // spaces in a row end it. Unchanged when no table is loaded.
    QString NormalizeWords(const QString& text) const;

private:
    bool loaded_ = false;
    std::vector<Entry> entries_;
};
