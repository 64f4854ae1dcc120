#include "ContentPaths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace ContentPaths {

namespace {

QString MatchIgnoringCase(const QString& folder, const QString& name)
{
    if (QFileInfo::exists(folder + u'/' + name))
        return name;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return name;
}

} // namespace

QString Resolve(const QString& base, const QString& relative)
{
    QString path = base;
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    QString rel = relative;
    rel.replace(u'\\', u'/');
    const QStringList parts = rel.split(u'/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part == u"."_qs)
            continue;
        if (part == u".."_qs) {
            path += u"/.."_qs;
            continue;
        }
        path += u'/' + MatchIgnoringCase(path, part);
    }
    return path;
}

QStringList ListFiles(const QString& folder, const QString& suffix)
{
    QStringList names;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& info : entries)
        if (info.fileName().endsWith(suffix, Qt::CaseInsensitive))
            names.append(info.fileName());
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int byCase = a.compare(b, Qt::CaseInsensitive);
        return byCase != 0 ? byCase < 0 : a < b;
    });
    return names;
}

} // namespace ContentPaths
