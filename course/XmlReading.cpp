#include "XmlReading.h"

#include <QFile>

namespace XmlReading {

QDomDocument Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError(QStringLiteral("cannot open %1").arg(path));
    QDomDocument document;
    QString error;
    int line = 0;
    if (!document.setContent(file.readAll(), &error, &line))
        throw ContentError(QStringLiteral("%1: line %2: %3").arg(path).arg(line).arg(error));
    return document;
}

int ToInt(const QString& text, bool emptyIsZero)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        if (emptyIsZero)
            return 0;
        throw ContentError(QStringLiteral("empty value where a number is required"));
    }
    bool ok = false;
    const int value = trimmed.toInt(&ok, 10);
    if (!ok)
        throw ContentError(QStringLiteral("'%1' is not a valid integer value").arg(trimmed));
    return value;
}

int ChildInt(const QDomElement& parent, const QString& name, bool emptyIsZero)
{
    return ToInt(parent.firstChildElement(name).text(), emptyIsZero);
}

QString TextForLanguage(const QDomElement& parent, const QString& name, int language)
{
    for (QDomElement e = parent.firstChildElement(name); !e.isNull(); e = e.nextSiblingElement(name))
        if (ToInt(e.attribute(QStringLiteral("id")), false) == language)
            return e.text();
    return {};
}

} // namespace XmlReading
