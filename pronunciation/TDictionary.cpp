#include "pronunciation/TDictionary.h"

#include "course/FieldOf.h"
#include "course/ReadWideLine.h"
#include "course/TextCodec.h"
#include "course/XmlReading.h"

#include <QFile>

namespace {

// Without leading and trailing characters below code 33.
QString trimmedField(const QString& field)
{
    qsizetype first = 0;
    qsizetype last = field.size();
    while (first < last && field.at(first).unicode() < 33)
        ++first;
    while (last > first && field.at(last - 1).unicode() < 33)
        --last;
    return field.mid(first, last - first);
}

// Lower case as the single-byte code page maps it: characters the code page
// lacks compare as it would store them ("?").
QString lowerAsWindows1250(const QString& text)
{
    return DecodeWindows1250(EncodeWindows1250(text)).toLower();
}

} // namespace

void TDictionary::LoadEntries(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    while (!file.atEnd()) {
        const QString line = ReadWideLine(file);
        TSlowka entry;
        entry.Word = trimmedField(FieldOf(1, line, QLatin1Char(';')));
        entry.Second = trimmedField(FieldOf(2, line, QLatin1Char(';')));
        entry.Transcription = trimmedField(FieldOf(3, line, QLatin1Char(';')));
        m_entries.push_back(entry);
    }
}

QString TDictionary::FindPronunciation(const QString& word) const
{
    const QString wanted = lowerAsWindows1250(word);
    for (const TSlowka& entry : m_entries) {
        if (lowerAsWindows1250(entry.Word) == wanted)
            return entry.Transcription;
    }
    return QString();
}
