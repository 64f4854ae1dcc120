#include "TfrmMessage.h"

#include "course/CourseModel.h"

#include "controls/TAALabel.h"
#include "controls/TEdMsgBoxWindow.h"
#include "controls/TEdResButton.h"

#include <QKeyEvent>

TfrmMessage::TfrmMessage(QWidget* parent)
    : MessageForm(495, 304, QStringLiteral("frmMessage"), parent)
{
    Frame()->setCaption(QStringLiteral("Informacja"));
    Frame()->setIcon(icoInformation);
    polecenie_ = AddText(QStringLiteral("Polecenie"), 97, 75, 368, 24, 19, Qt::white);
    polecenie_->setAutoSize(true);
    btnOK_ = AddButton(QStringLiteral("btnOK"), QStringLiteral("OK"), 304, 245, 115, 32);
    btnSkip_ = AddButton(QStringLiteral("btnSkip"), QString(), 183, 245, 115, 32);
    btnSkip_->hide();
    connect(btnOK_, &TEdResButton::clicked, this, [this] {
        answer_ = true;
        accept();
    });
    connect(btnSkip_, &TEdResButton::clicked, this, [this] {
        answer_ = false;
        accept();
    });
}

void TfrmMessage::SetText(const QString& text)
{
    polecenie_->setCaption(text);
}

void TfrmMessage::showEvent(QShowEvent* event)
{
    Frame()->setCaption(HintText(59));
    btnSkip_->setCaption(HintText(185));
    MessageForm::showEvent(event);
}

void TfrmMessage::ShowModal()
{
    CenterOnScreen();
    exec();
}

void TfrmMessage::ShowModeless()
{
    CenterOnScreen();
    show();
    raise();
}

void TfrmMessage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Space)
        accept();
    event->accept();
}
