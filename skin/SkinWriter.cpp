#include "SkinWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSaveFile>

void SkinWriter::picture(const QString& name, const QImage& image)
{
    m_pictures.insert(name, image);
}

void SkinWriter::wave(const QString& name, const QByteArray& bytes)
{
    m_waves.insert(name, bytes);
}

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

bool SkinWriter::write(const QString& folder, QString* error) const
{
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("pictures")) || !dir.mkpath(QStringLiteral("sounds"))) {
        *error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (auto it = m_pictures.cbegin(); it != m_pictures.cend(); ++it) {
        const QString relative = QStringLiteral("pictures/%1.png").arg(it.key());
        const QByteArray bytes = pngBytes(it.value());
        // Unchanged pictures keep their file, so rcc sees nothing new.
        QFile existing(dir.filePath(relative));
        const bool same = existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes;
        existing.close();
        if (!same && !writeFile(dir.filePath(relative), bytes)) {
            *error = QStringLiteral("cannot write %1").arg(relative);
            return false;
        }
        qrc += "  <file>" + relative.toUtf8() + "</file>\n";
    }
    for (auto it = m_waves.cbegin(); it != m_waves.cend(); ++it) {
        const QString relative = QStringLiteral("sounds/%1.wav").arg(it.key());
        if (!writeFile(dir.filePath(relative), it.value())) {
            *error = QStringLiteral("cannot write %1").arg(relative);
            return false;
        }
        qrc += "  <file>" + relative.toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    if (!writeFile(dir.filePath(QStringLiteral("resource.qrc")), qrc)) {
        *error = QStringLiteral("cannot write resource.qrc");
        return false;
    }
    return true;
}
