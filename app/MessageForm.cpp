#include "MessageForm.h"

#include "Skin.h"

#include "controls/SkinFonts.h"
#include "controls/TAALabel.h"
#include "controls/TEdMsgBoxWindow.h"
#include "controls/TEdResButton.h"
#include "controls/WindowShape.h"

#include <QGuiApplication>
#include <QScreen>

MessageForm::MessageForm(int width, int height, const QString& objectName, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , frame_(new TEdMsgBoxWindow(this))
{
    setObjectName(objectName);
    setFixedSize(width, height);
    setAttribute(Qt::WA_TranslucentBackground);
    ShapeWindowToItsFrame(this);
    frame_->setObjectName(QStringLiteral("EdMsgBoxWindow1"));
    frame_->setGeometry(0, 0, width, height);
    frame_->setBelkaSize(bs40);
    frame_->setDialogStyle(dsBlue);
}

void MessageForm::CenterOnScreen()
{
    QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    move(area.x() + area.width() / 2 - width() / 2, area.y() + area.height() / 2 - height() / 2);
}

TEdResButton* MessageForm::AddButton(const QString& name, const QString& caption, int x, int y, int width, int height)
{
    auto* button = new TEdResButton(this);
    button->setObjectName(name);
    button->setRozmiar(height >= 32 ? roz32 : roz22);
    button->setSkladowe(el3);
    button->setGeometry(x, y, width, height);
    button->setCaption(caption);
    button->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 14, true));
    button->setFontColor(Qt::white);
    return button;
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
