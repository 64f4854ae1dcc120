#include "HintTable.h"

#include "FieldOf.h"
#include "XmlReading.h"

void HintTable::Load(const QString& path, int language)
{
    entries_.clear();
    QStringList loaded;
    const QDomDocument document = XmlReading::Load(path);
    const QDomElement hinty = document.documentElement().firstChildElement(QStringLiteral("hinty"));
    for (QDomElement hint = hinty.firstChildElement(QStringLiteral("hint")); !hint.isNull();
         hint = hint.nextSiblingElement(QStringLiteral("hint"))) {
        const int number = XmlReading::ToInt(hint.attribute(QStringLiteral("id")), false);
        const QString text = XmlReading::TextForLanguage(hint, QStringLiteral("tlumaczenie"), language);
        loaded.append(QString::number(number) + u'=' + text);
    }
    entries_ = std::move(loaded);
}

QString HintTable::Text(int number) const
{
    const QString key = QString::number(number);
    for (const QString& entry : entries_)
        if (FieldOf(1, entry, u'=') == key)
            return entry.mid(entry.indexOf(u'=') + 1);
    return {};
}

QString FormatHint(const QString& hint, int first, int second)
{
    const int values[2] = {first, second};
    int used = 0;
    QString result;
    for (qsizetype i = 0; i < hint.size(); ++i) {
        if (hint[i] != u'%') {
            result.append(hint[i]);
            continue;
        }
        const QChar spec = i + 1 < hint.size() ? hint[i + 1] : QChar();
        if (spec == u'%') {
            result.append(u'%');
        } else if (spec == u'd' && used < 2) {
            result.append(QString::number(values[used++]));
        } else {
            throw ContentError(QStringLiteral("hint '%1' is not a valid name format").arg(hint));
        }
        ++i;
    }
    return result;
}
