#pragma once

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <array>
#include <stdexcept>

// Raised when a control asks for a picture the resource library does not hold.
// It is an unexpected error: it ends the paint and reaches the program's
// handler of unhandled errors.
class PictureMissingError : public std::runtime_error {
public:
    explicit PictureMissingError(const QString& name);
    static constexpr const char* Message = "The png image could not be loaded from the resource ID.";
    const QString& name() const { return m_name; }

private:
    QString m_name;
};

// The resource library of skin pictures: the binary resource file
// "resource.rcc" in the program folder, registered with QResource. It holds
// PNG pictures and wave sounds, each looked up by its exact name.
class ResourceLibrary {
public:
    static constexpr const char* FileName = "resource.rcc";

    // The four dialog corners measured at load time, in this order:
    // top left, top right, bottom left, bottom right.
    enum Corner { DIAL01 = 0, DIAL03 = 1, DIAL07 = 2, DIAL09 = 3 };

    ResourceLibrary() = default;
    ~ResourceLibrary();
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;

    // Registers <folder>/resource.rcc and measures the four dialog corners
    // "DIAL01_B", "DIAL03_B", "DIAL07_B", "DIAL09_B". Returns false, showing
    // nothing, when the file is missing, cannot be registered or lacks a
    // readable corner picture; the library is then left unloaded.
    bool load(const QString& folder);
    void unload();
    bool isLoaded() const { return !m_root.isEmpty(); }
    QString filePath() const { return m_filePath; }

    // The decoded picture of that name; throws PictureMissingError when the
    // library does not hold it. Decoded pictures are kept, so later calls
    // return the same picture without decoding it again.
    const QImage& picture(const QString& name) const;
    bool hasPicture(const QString& name) const;
    QSize pictureSize(const QString& name) const { return picture(name).size(); }
    QStringList pictureNames() const;

    // Wave sounds ("wynik", ...): the file's bytes, empty when missing, and a
    // qrc: address that Qt Multimedia can play.
    QByteArray wave(const QString& name) const;
    bool hasWave(const QString& name) const;
    QUrl waveUrl(const QString& name) const;
    QStringList waveNames() const;

    QSize corner(Corner c) const { return m_corners[c]; }

private:
    QString picturePath(const QString& name) const;
    QString wavePath(const QString& name) const;

    QString m_filePath;
    QString m_root;
    std::array<QSize, 4> m_corners{};
    mutable QHash<QString, QImage> m_pictures;
};
