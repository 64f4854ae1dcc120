#include "MessageForm.h"

#include "Skin.h"
#include "SkinnedWindowParts.h"

#include "controls/SkinFonts.h"
#include "controls/TAALabel.h"
#include "controls/TEdMsgBoxWindow.h"
#include "controls/TEdResButton.h"

MessageForm::MessageForm(int width, int height, const QString& objectName, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , frame_(new TEdMsgBoxWindow(this))
{
    PrepareSkinnedDialog(this, width, height, objectName);
    frame_->setObjectName(QStringLiteral("EdMsgBoxWindow1"));
    frame_->setGeometry(0, 0, width, height);
    frame_->setBelkaSize(bs40);
    frame_->setDialogStyle(dsBlue);
}

void MessageForm::CenterOnScreen()
{
    ::CenterOnScreen(this);
}

TEdResButton* MessageForm::AddButton(const QString& name, const QString& caption, int x, int y, int width, int height)
{
    return AddDialogButton(this, name, caption, x, y, width, height, SkinFontPx(QStringLiteral("Trebuchet MS"), 14, true));
}

TEdResButton* MessageForm::AddCloseButton(const QString& name, int x, int y)
{
    // Only the cross shows until the mouse is over it.
    auto* button = AddButton(name, QStringLiteral("✕"), x, y, 36, 36);
    button->setRozmiar(roz32);
    button->setGeometry(x, y, 36, 36);
    button->setFlat(true);
    button->setFont(SkinFontPx(QStringLiteral("Tahoma"), 14, true));
    return button;
}

TAALabel* MessageForm::AddText(const QString& name, int x, int y, int width, int height, int pixelSize,
                               const QColor& color)
{
    auto* label = new TAALabel(this);
    label->setObjectName(name);
    label->setGeometry(x, y, width, height);
    label->setWordWrap(true);
    label->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), pixelSize));
    label->setFontColor(color);
    return label;
}
