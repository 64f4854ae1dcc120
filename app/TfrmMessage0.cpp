#include "TfrmMessage0.h"

#include "controls/TAALabel.h"
#include "controls/TEdMsgBoxWindow.h"
#include "controls/TEdResButton.h"

#include <QKeyEvent>

TfrmMessage0::TfrmMessage0(QWidget* parent)
    : MessageForm(416, 226, QStringLiteral("frmMessage0"), parent)
{
    Frame()->setCaption(QStringLiteral("Informacja"));
    Frame()->setIcon(icoInformation);
    polecenie_ = AddText(QStringLiteral("Polecenie"), 97, 75, 288, 20, 16, QColor::fromRgb(0xAA, 0xAA, 0xAA));
    polecenie_->setAutoSize(true);
    btnNie_ = AddButton(QStringLiteral("btnNie"), QStringLiteral("OK"), 166, 178, 90, 32);
    close_ = AddCloseButton(QStringLiteral("EdResButton1"), 373, 0);
    connect(btnNie_, &TEdResButton::clicked, this, &QDialog::accept);
    connect(close_, &TEdResButton::clicked, this, &QDialog::accept);
}

void TfrmMessage0::SetText(const QString& text)
{
    polecenie_->setCaption(text);
}

void TfrmMessage0::ShowModal()
{
    CenterOnScreen();
    exec();
}

void TfrmMessage0::ShowModeless()
{
    CenterOnScreen();
    show();
    raise();
}

void TfrmMessage0::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Space)
        accept();
    // Every key that reaches the window stops here.
    event->accept();
}
