#include "TfrmInputPass.h"

#include "HintOr.h"

#include "app/Skin.h"

#include "controls/TAALabel.h"
#include "controls/TEdDialogWindow.h"
#include "controls/TEdResButton.h"

#include <QLineEdit>

TfrmInputPass::TfrmInputPass(QWidget* parent)
    : SkinnedDialog(326, 177, QStringLiteral("frmInputPass"), parent)
{
    auto* close = AddCloseButton(QStringLiteral("EdResButton1"), 286, 2);
    label_ = AddLabel(QStringLiteral("Label1"), QStringLiteral("Wprowadź hasło do profilu:"), 22, 54, 15, true);
    edit_ = AddEdit(QStringLiteral("ePassword"), 22, 80, 282, MaxLength, true);
    ok_ = AddButton(QStringLiteral("btnOK"), QStringLiteral("OK"), 98, 128, 100);
    cancel_ = AddButton(QStringLiteral("btnAnuluj"), QStringLiteral("Anuluj"), 204, 128, 100);
    connect(ok_, &TEdResButton::clicked, this, &QDialog::accept);
    connect(edit_, &QLineEdit::returnPressed, this, &QDialog::accept);
    connect(cancel_, &TEdResButton::clicked, this, &QDialog::reject);
    connect(close, &TEdResButton::clicked, this, &QDialog::reject);
    SkinWindow(this);
}

bool TfrmInputPass::AskPassword(QString& text)
{
    Frame()->setCaption(HintOr(81, QStringLiteral("Hasło")));
    label_->setCaption(HintOr(80, QStringLiteral("Wprowadź hasło do profilu:")));
    cancel_->setCaption(HintOr(32, QStringLiteral("Anuluj")));
    edit_->clear();
    edit_->setFocus();
    CenterOnScreen();
    if (exec() != QDialog::Accepted)
        return false;
    text = edit_->text().trimmed();
    return true;
}
