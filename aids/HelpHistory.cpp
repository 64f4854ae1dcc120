#include "HelpHistory.h"

#include "course/ContentPaths.h"

#include <QDir>

void HelpHistory::Start(const QString& target)
{
    entries_ = QStringList{target};
    index_ = 0;
}

void HelpHistory::Push(const QString& target)
{
    entries_.append(target);
    index_ = static_cast<int>(entries_.size()) - 1;
}

bool HelpHistory::Back()
{
    if (index_ <= 0)
        return false;
    entries_.removeAt(index_);
    --index_;
    return true;
}

namespace HelpTargets {

bool IsWebAddress(const QString& text)
{
    return text.contains(QLatin1String("http"), Qt::CaseSensitive);
}

QString TargetOfPage(const QString& exeDir, const QString& page)
{
    return IsWebAddress(page) ? page : exeDir + page;
}

QString TargetOfLink(const QString& exeDir, const QString& current, const QString& link)
{
    if (link.startsWith(u'#')) {
        const qsizetype hash = current.indexOf(u'#');
        return (hash < 0 ? current : current.left(hash)) + link;
    }
    return exeDir + QStringLiteral("\\Pomoc\\") + link;
}

QString LinkTextOf(const QUrl& link, const QString& pageFolder)
{
    if (!link.isLocalFile())
        return link.toString();
    QString text = QDir(pageFolder).relativeFilePath(link.toLocalFile());
    if (link.hasFragment())
        text += u'#' + link.fragment();
    return text;
}

QString ContentsTarget(const QString& exeDir)
{
    return exeDir + QStringLiteral("\\Pomoc\\index.html");
}

Location Resolve(const QString& exeDir, const QString& target)
{
    QString page = target.startsWith(exeDir) ? target.mid(exeDir.size()) : target;
    Location location;
    const qsizetype hash = page.indexOf(u'#');
    if (hash >= 0) {
        location.Anchor = page.mid(hash + 1);
        page.truncate(hash);
    }
    location.FilePath = ContentPaths::Resolve(exeDir, page);
    return location;
}

} // namespace HelpTargets
