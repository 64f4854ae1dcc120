#include "AppState.h"

#include "ContentPaths.h"

AppState& App()
{
    static AppState state;
    return state;
}

void AppState::FormatLanguageFolders()
{
    DaneDir = QStringLiteral("/Dane%1").arg(CourseLanguage);
    UnityDir = QStringLiteral("/Unity%1").arg(CourseLanguage);
    MediaDir = QStringLiteral("/Media%1").arg(CourseLanguage);
}

QString AppState::ContentPath(const QString& suffix, const QString& name) const
{
    QString relative = suffix;
    if (!name.isEmpty())
        relative += u'/' + name;
    return ContentPaths::Resolve(ExeDir, relative);
}
