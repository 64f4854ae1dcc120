#include "ResourceLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>

#include <atomic>

namespace {

// Each library registers under its own root, so two libraries loaded from
// different folders (tests do that) never see each other's pictures.
QString nextRoot()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("/kursskin%1").arg(++counter);
}

QStringList namesIn(const QString& dirPath, const QString& suffix)
{
    QStringList names;
    const QStringList entries = QDir(dirPath).entryList(QDir::Files, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.endsWith(suffix))
            names << entry.left(entry.size() - suffix.size());
    }
    return names;
}

} // namespace

PictureMissingError::PictureMissingError(const QString& name)
    : std::runtime_error(Message), m_name(name)
{
}

ResourceLibrary::~ResourceLibrary()
{
    // A library kept until the program ends outlives the application object,
    // and Qt may already have dropped its resource registry by then; the
    // process is ending and there is nothing left to release.
    if (QCoreApplication::instance())
        unload();
}

bool ResourceLibrary::load(const QString& folder)
{
    unload();
    const QString path = QDir(folder).filePath(QString::fromLatin1(FileName));
    if (!QFileInfo(path).isFile())
        return false;
    const QString root = nextRoot();
    if (!QResource::registerResource(path, root))
        return false;
    m_filePath = path;
    m_root = root;

    static const char* const cornerNames[] = {"DIAL01_B", "DIAL03_B", "DIAL07_B", "DIAL09_B"};
    for (int i = 0; i < 4; ++i) {
        const QString name = QString::fromLatin1(cornerNames[i]);
        if (!hasPicture(name)) {
            unload();
            return false;
        }
        m_corners[i] = picture(name).size();
    }
    return true;
}

void ResourceLibrary::unload()
{
    if (!m_root.isEmpty())
        QResource::unregisterResource(m_filePath, m_root);
    m_root.clear();
    m_filePath.clear();
    m_pictures.clear();
    m_corners = {};
}

QString ResourceLibrary::picturePath(const QString& name) const
{
    return QStringLiteral(":%1/pictures/%2.png").arg(m_root, name);
}

QString ResourceLibrary::wavePath(const QString& name) const
{
    return QStringLiteral(":%1/sounds/%2.wav").arg(m_root, name);
}

const QImage& ResourceLibrary::picture(const QString& name) const
{
    auto it = m_pictures.constFind(name);
    if (it != m_pictures.constEnd())
        return *it;
    if (!isLoaded() || name.isEmpty())
        throw PictureMissingError(name);
    QImage image;
    QFile file(picturePath(name));
    if (!file.open(QIODevice::ReadOnly) || !image.loadFromData(file.readAll(), "PNG"))
        throw PictureMissingError(name);
    // Premultiplied pixels are what the raster painter blends fastest.
    return *m_pictures.insert(name, image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

bool ResourceLibrary::hasPicture(const QString& name) const
{
    if (m_pictures.contains(name))
        return true;
    if (!isLoaded() || name.isEmpty())
        return false;
    try {
        picture(name);
        return true;
    } catch (const PictureMissingError&) {
        return false;
    }
}

QStringList ResourceLibrary::pictureNames() const
{
    return isLoaded() ? namesIn(QStringLiteral(":%1/pictures").arg(m_root), QStringLiteral(".png"))
                      : QStringList();
}

QByteArray ResourceLibrary::wave(const QString& name) const
{
    if (!isLoaded() || name.isEmpty())
        return {};
    QFile file(wavePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool ResourceLibrary::hasWave(const QString& name) const
{
    return isLoaded() && !name.isEmpty() && QFileInfo::exists(wavePath(name));
}

QUrl ResourceLibrary::waveUrl(const QString& name) const
{
    return QUrl(QStringLiteral("qrc:%1/sounds/%2.wav").arg(m_root, name));
}

QStringList ResourceLibrary::waveNames() const
{
    return isLoaded() ? namesIn(QStringLiteral(":%1/sounds").arg(m_root), QStringLiteral(".wav"))
                      : QStringList();
}
