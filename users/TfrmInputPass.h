#pragma once

#include "aids/SkinnedDialog.h"

class QLineEdit;
class TAALabel;
class TEdResButton;

// The password prompt of a protected profile: one masked field.
class TfrmInputPass : public SkinnedDialog {
    Q_OBJECT
public:
    static constexpr int MaxLength = 15;

    explicit TfrmInputPass(QWidget* parent = nullptr);

    // Asks for the password; true when confirmed, with the trimmed input in `text`.
    bool AskPassword(QString& text);

    QLineEdit* Edit() const { return edit_; }
    TEdResButton* btnOK() const { return ok_; }
    TEdResButton* btnAnuluj() const { return cancel_; }

private:
    TAALabel* label_;
    QLineEdit* edit_;
    TEdResButton* ok_;
    TEdResButton* cancel_;
};
