#pragma once

#include "TUser.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;
class ResourceLibrary;

// Paints one row of the login screen's profile list: the window background
// under the row, the highlight for the row under the mouse, the avatar, the
// name and, on the highlighted row, the modify and bin icons.
class ProfileRowPainter {
public:
    explicit ProfileRowPainter(const ResourceLibrary& library);

    // "CK" for a woman ("K" in the gender field), "CM" otherwise, followed by the avatar number.
    static QString AvatarPictureName(const TUser& user);

    // `background` is the window's background picture; `rowInWindow` is where
    // the row lies in the window, so the right part of it shows through.
    void Paint(QPainter& painter, const QRect& target, const QRect& rowInWindow, const QImage& background,
               const TUser& user, bool hovered) const;

    // The signed-in panel: the panel picture, the avatar and the name.
    void PaintSignedIn(QPainter& painter, const TUser& user) const;

    const QFont& NameFont() const { return nameFont_; }

private:
    // Draws the avatar at (20, 8) and returns its width (60 when the library lacks it).
    int PaintAvatar(QPainter& painter, const TUser& user) const;

    const ResourceLibrary& library_;
    QFont nameFont_;
};
