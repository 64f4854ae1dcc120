#include "SkrotyTable.h"

#include "FieldOf.h"
#include "TextCodec.h"

#include <QFile>

void SkrotyTable::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded_ = false;
        return;
    }
    loaded_ = true;
    entries_.clear();
    while (!file.atEnd()) {
        QByteArray raw = file.readLine();
        while (raw.endsWith('\n') || raw.endsWith('\r'))
            raw.chop(1);
        const QString line = DecodeWindows1250(raw);
        const qsizetype colon = line.indexOf(u':');
        Entry entry;
        entry.Canonical = colon < 0 ? line : line.left(colon);
        const QString variants = colon < 0 ? QString() : line.mid(colon + 1);
        for (int n = 1;; ++n) {
            const QString variant = FieldOf(n, variants, u',');
            if (variant.isEmpty())
                break;
            entry.Variants.append(variant);
        }
        entries_.push_back(std::move(entry));
    }
}

QString SkrotyTable::NormalizeWords(const QString& text) const
{
    if (!loaded_)
        return text;
    QString result;
    for (int n = 1;; ++n) {
        const QString word = FieldOf(n, text, u' ');
        if (word.isEmpty())
            break;
        QString replacement = word;
        for (const Entry& entry : entries_) {
            if (entry.Variants.contains(word)) {
                replacement = entry.Canonical;
                break;
            }
        }
        result += replacement + u' ';
    }
    result.chop(1);
    return result;
}
