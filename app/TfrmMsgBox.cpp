#include "TfrmMsgBox.h"

#include "course/CourseModel.h"

#include "controls/TAALabel.h"
#include "controls/TEdMsgBoxWindow.h"
#include "controls/TEdResButton.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>

namespace {
QPointer<TfrmMsgBox> theMsgBox;
}

TfrmMsgBox* MsgBoxWindow()
{
    return theMsgBox;
}

void SetMsgBoxWindow(TfrmMsgBox* box)
{
    theMsgBox = box;
}

TfrmMsgBox::TfrmMsgBox(QWidget* parent)
    : MessageForm(423, 190, QStringLiteral("frmMsgBox"), parent)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    lblTresc_ = AddText(QStringLiteral("lblTresc"), 94, 67, 305, 73, 16, Qt::white);
    btnTak_ = AddButton(QStringLiteral("btnTak"), QStringLiteral("Tak"), 193, 146, 100, 32);
    btnNie_ = AddButton(QStringLiteral("btnNie"), QStringLiteral("Nie"), 300, 146, 100, 32);
    btnOK_ = AddButton(QStringLiteral("btnOK"), QStringLiteral("OK"), 299, 146, 100, 32);
    close_ = AddCloseButton(QStringLiteral("EdResButton1"), 380, 2);
    connect(btnTak_, &TEdResButton::clicked, this, [this] { Answer(true); });
    connect(btnOK_, &TEdResButton::clicked, this, [this] { Answer(true); });
    connect(btnNie_, &TEdResButton::clicked, this, [this] { Answer(false); });
    connect(close_, &TEdResButton::clicked, this, [this] { Answer(false); });
}

bool TfrmMsgBox::Show(const QString& message, const QString& title, int kind)
{
    return Run(message, title, kind, kind == Question ? icoQuestion : icoInformation);
}

void TfrmMsgBox::ShowError(const QString& message, const QString& title)
{
    Run(message, title, Information, icoError);
}

bool TfrmMsgBox::Run(const QString& message, const QString& title, int kind, int icon)
{
    lblTresc_->setCaption(message);
    Frame()->setCaption(title);
    // The window system shows the caption too (task bar, window lists).
    setWindowTitle(title);
    btnTak_->setCaption(HintText(35));
    btnNie_->setCaption(HintText(36));
    kind_ = kind;
    const bool question = kind == Question;
    Frame()->setIcon(static_cast<TIconType>(icon));
    btnTak_->setVisible(question);
    btnNie_->setVisible(question);
    btnOK_->setVisible(!question);
    CenterOnScreen();
    exec();
    return answer_;
}

void TfrmMsgBox::Answer(bool value)
{
    answer_ = value;
    done(value ? QDialog::Accepted : QDialog::Rejected);
}

void TfrmMsgBox::keyPressEvent(QKeyEvent* event)
{
    const bool question = kind_ == Question;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Answer(true);
        break;
    case Qt::Key_Escape:
        // An information box answers true however it is closed.
        Answer(!question);
        break;
    default:
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool ShowMsgBox(const QString& message, const QString& title, int kind)
{
    TfrmMsgBox* box = MsgBoxWindow();
    if (box == nullptr) {
        // Before the program's own box exists (early start-up) the system's box stands in.
        if (kind == TfrmMsgBox::Question)
            return QMessageBox::question(nullptr, title, message, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
        QMessageBox::information(nullptr, title, message);
        return true;
    }
    return box->Show(message, title, kind);
}

void ShowErrorBox(const QString& message, const QString& title)
{
    if (TfrmMsgBox* box = MsgBoxWindow())
        box->ShowError(message, title);
    else
        QMessageBox::critical(nullptr, title, message);
}
