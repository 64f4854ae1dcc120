#pragma once

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QString>

// Collects the drawn pictures and sounds and writes them, with the .qrc list
// that rcc packs into the resource library.
class SkinWriter {
public:
    void picture(const QString& name, const QImage& image);
    void wave(const QString& name, const QByteArray& bytes);

    bool hasPicture(const QString& name) const { return m_pictures.contains(name); }
    bool hasWave(const QString& name) const { return m_waves.contains(name); }

    // Writes pictures/<name>.png, sounds/<name>.wav and resource.qrc into the folder.
    bool write(const QString& folder, QString* error) const;

private:
    QMap<QString, QImage> m_pictures;
    QMap<QString, QByteArray> m_waves;
};
