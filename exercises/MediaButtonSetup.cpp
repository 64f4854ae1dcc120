#include "MediaButtonSetup.h"

#include "course/ContentPaths.h"

#include <QFileInfo>

namespace {

bool Exists(const QString& folder, const QString& name)
{
    return !name.isEmpty() && QFileInfo::exists(ContentPaths::Resolve(folder, name));
}

QString WithExtension(const QString& name, const QString& extension)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return (dot < 0 ? name : name.left(dot)) + extension;
}

} // namespace

MediaButtonSetup MediaButtonSetup::For(const QString& multimedia, const QString& mediaFolder,
                                       const QString& packageFolder)
{
    MediaButtonSetup setup;
    QString value = multimedia;
    if (value.endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive)) {
        setup.Shows = Look::Text;
        setup.Value = value;
        setup.Picture = QStringLiteral("btn_tekst");
        if (Exists(packageFolder, value))
            setup.Caption = QStringLiteral("Tekst");
        return setup;
    }
    if (value.endsWith(QStringLiteral(".swf"), Qt::CaseInsensitive) && !Exists(mediaFolder, value))
        value = WithExtension(value, QStringLiteral(".mpg"));
    if (value.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive) && !Exists(mediaFolder, value))
        value = WithExtension(value, QStringLiteral(".mp3"));
    setup.Value = value;
    if (!Exists(mediaFolder, value))
        return setup;
    const QString extension = QFileInfo(value).suffix().toLower();
    if (extension == u"wav" || extension == u"mp3") {
        setup.Shows = Look::Sound;
        setup.Tag = 2;
        setup.Caption = QStringLiteral("Słuchaj");
        setup.Picture = QStringLiteral("btn_speakers");
    } else if (extension == u"mpg" || extension == u"swf") {
        setup.Shows = Look::Film;
        setup.Tag = extension == u"mpg" ? 1 : 3;
        setup.Caption = QStringLiteral("Zobacz");
        setup.Picture = QStringLiteral("btn_movie");
    } else {
        setup.Shows = Look::Other;
    }
    return setup;
}
