#include "ProfileRowPainter.h"

#include "ProfileListLayout.h"

#include "controls/DrawTextAA.h"
#include "controls/ResourceLibrary.h"
#include "controls/SkinFonts.h"

#include <QPainter>

namespace {
constexpr int kDefaultAvatarWidth = 60;
}

ProfileRowPainter::ProfileRowPainter(const ResourceLibrary& library)
    : library_(library)
    , nameFont_(SkinFontPx(QStringLiteral("Trebuchet MS"), 19))
{
}

QString ProfileRowPainter::AvatarPictureName(const TUser& user)
{
    return (user.Gender == u"K" ? QStringLiteral("CK") : QStringLiteral("CM")) + QString::number(user.Avatar);
}

int ProfileRowPainter::PaintAvatar(QPainter& painter, const TUser& user) const
{
    // A damaged avatar number in the user list leaves the avatar out rather than stopping the program.
    const QString name = AvatarPictureName(user);
    if (!library_.hasPicture(name))
        return kDefaultAvatarWidth;
    const QImage& avatar = library_.picture(name);
    painter.drawImage(ProfileListLayout::AvatarAt, avatar);
    return avatar.width();
}

void ProfileRowPainter::Paint(QPainter& painter, const QRect& target, const QRect& rowInWindow, const QImage& background,
                              const TUser& user, bool hovered) const
{
    using namespace ProfileListLayout;
    QImage row(target.size(), QImage::Format_ARGB32_Premultiplied);
    row.fill(Qt::transparent);
    {
        QPainter p(&row);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (!background.isNull())
            p.drawImage(QPoint(0, 0), background, rowInWindow);
        if (hovered && library_.hasPicture(QStringLiteral("USER_HOVER")))
            p.drawImage(QPoint(0, 0), library_.picture(QStringLiteral("USER_HOVER")));
        const int avatarWidth = PaintAvatar(p, user);
        p.setFont(nameFont_);
        p.setPen(Qt::white);
        DrawTextAA(p, avatarWidth + NameGap, NameY, user.Name);
        if (hovered) {
            const QPoint modifyAt(avatarWidth + NameGap, IconsY);
            if (library_.hasPicture(QStringLiteral("USER_EDIT"))) {
                const QImage& edit = library_.picture(QStringLiteral("USER_EDIT"));
                p.drawImage(modifyAt, edit);
                if (library_.hasPicture(QStringLiteral("USER_DELETE")))
                    p.drawImage(modifyAt + QPoint(edit.width() + BinGap, 0),
                                library_.picture(QStringLiteral("USER_DELETE")));
            }
        }
    }
    painter.drawImage(target.topLeft(), row);
}

void ProfileRowPainter::PaintSignedIn(QPainter& painter, const TUser& user) const
{
    using namespace ProfileListLayout;
    if (library_.hasPicture(QStringLiteral("BTN_Zalogowany")))
        painter.drawImage(QPoint(0, 0), library_.picture(QStringLiteral("BTN_Zalogowany")));
    const int avatarWidth = PaintAvatar(painter, user);
    painter.setFont(nameFont_);
    painter.setPen(Qt::white);
    DrawTextAA(painter, avatarWidth + NameGap, NameY, user.Name);
}
