#pragma once

#include <QString>
#include <QVector>

// One entry of the course's pronunciation dictionary.
struct TSlowka {
    QString Word;
    // Loaded, never read by the program; the recognition engine reads it as the
    // word's output symbol when it loads Slownik.dct as its dictionary.
    QString Second;
    QString Transcription;
};

// The course's pronunciation dictionary (Slownik.dct): UTF-16LE lines
// "word;second column;phones", each field trimmed, in file order.
class TDictionary {
public:
    // Appends one entry per line of the file. Throws ContentError when the
    // file cannot be opened.
    void LoadEntries(const QString& fileName);
    // The transcription of the first entry whose word equals `word` ignoring
    // letter case; empty when none does.
    QString FindPronunciation(const QString& word) const;
    const QVector<TSlowka>& Entries() const { return m_entries; }

private:
    QVector<TSlowka> m_entries;
};
