#include "SkinnedDialog.h"

#include "app/Skin.h"
#include "app/SkinnedWindowParts.h"

#include "controls/ResourceLibrary.h"
#include "controls/SkinFonts.h"
#include "controls/TAALabel.h"
#include "controls/TEDCheckBox.h"
#include "controls/TEdDialogWindow.h"
#include "controls/TEdResButton.h"

#include <QLineEdit>

namespace {

const QString kEditStyle = QStringLiteral(
    "QLineEdit { background: white; color: #063663; border: 1px solid #7FA7CF; border-radius: 4px;"
    " padding: 2px 6px; selection-background-color: #02ADE4; }"
    "QLineEdit:focus { border: 2px solid #02ADE4; padding: 1px 5px; }"
    "QLineEdit:disabled { background: #C9D6E3; color: #7A8A99; border-color: #9FB3C8; }");

} // namespace

void UseLibraryCheckBoxPictures(TEDCheckBox* box, bool radio)
{
    const ResourceLibrary& library = Resources();
    const QString kind = radio ? QStringLiteral("Radio") : QString();
    const QString names[] = {QStringLiteral("Gfx%1Checked").arg(kind), QStringLiteral("Gfx%1UnChecked").arg(kind),
                             QStringLiteral("GfxHot%1Checked").arg(kind), QStringLiteral("GfxHot%1UnChecked").arg(kind)};
    for (const QString& name : names) {
        if (!library.hasPicture(name))
            return;
    }
    box->setGfxChecked(library.picture(names[0]));
    box->setGfxUnChecked(library.picture(names[1]));
    box->setGfxHotChecked(library.picture(names[2]));
    box->setGfxHotUnChecked(library.picture(names[3]));
}

SkinnedDialog::SkinnedDialog(int width, int height, const QString& objectName, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , frame_(new TEdDialogWindow(this))
{
    PrepareSkinnedDialog(this, width, height, objectName);
    setModal(true);
    frame_->setObjectName(QStringLiteral("EdDialogWindow1"));
    frame_->setGeometry(0, 0, width, height);
    frame_->setBelkaSize(bs40);
    frame_->setDialogStyle(dsBlue);
}

void SkinnedDialog::CenterOnScreen()
{
    ::CenterOnScreen(this);
}

TEdResButton* SkinnedDialog::AddButton(const QString& name, const QString& caption, int x, int y, int width, int height)
{
    return AddDialogButton(this, name, caption, x, y, width, height, SkinFontPx(QStringLiteral("Trebuchet MS"), 16));
}

TEdResButton* SkinnedDialog::AddCloseButton(const QString& name, int x, int y)
{
    // Only the cross shows until the mouse is over it.
    auto* button = AddButton(name, QStringLiteral("✕"), x, y, 36, 36);
    button->setGeometry(x, y, 36, 36);
    button->setFlat(true);
    button->setFont(SkinFontPx(QStringLiteral("Tahoma"), 14, true));
    return button;
}

TAALabel* SkinnedDialog::AddLabel(const QString& name, const QString& caption, int x, int y, int pixelSize, bool bold,
                                  const QColor& color, int wrapWidth)
{
    auto* label = new TAALabel(this);
    label->setObjectName(name);
    label->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), pixelSize, bold));
    label->setFontColor(color);
    if (wrapWidth > 0) {
        label->setGeometry(x, y, wrapWidth, pixelSize + 6);
        label->setWordWrap(true);
    } else {
        label->move(x, y);
    }
    label->setAutoSize(true);
    label->setCaption(caption);
    return label;
}

TEDCheckBox* SkinnedDialog::AddCheckBox(const QString& name, const QString& caption, int x, int y, int pixelSize,
                                        bool bold, int radioGroup)
{
    auto* box = new TEDCheckBox(this);
    box->setObjectName(name);
    box->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), pixelSize, bold));
    box->setFontColor(Qt::white);
    box->setCursor(Qt::PointingHandCursor);
    const bool radio = radioGroup >= 0;
    box->setRadioStyle(radio);
    if (radio)
        box->setRadioGroup(radioGroup);
    UseLibraryCheckBoxPictures(box, radio);
    box->setCaption(caption);
    box->setChecked(false);
    box->move(x, y);
    return box;
}

QLineEdit* SkinnedDialog::AddEdit(const QString& name, int x, int y, int width, int maxLength, bool password)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setGeometry(x, y, width, 28);
    edit->setMaxLength(maxLength);
    edit->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 15));
    edit->setStyleSheet(kEditStyle);
    if (password)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}
