#pragma once

#include "MessageForm.h"

class TAALabel;
class TEdResButton;

// The program's message box: a question with "Tak" / "Nie" (kind 0) or an
// information with "OK" (kind 1). Created once and reused.
class TfrmMsgBox : public MessageForm {
    Q_OBJECT
public:
    enum Kind : int { Question = 0, Information = 1 };

    explicit TfrmMsgBox(QWidget* parent = nullptr);

    // Shows the box modally in the middle of the screen; true for "Tak" or "OK".
    bool Show(const QString& message, const QString& title, int kind);
    // An information box with the error icon, for failures the learner is told about.
    void ShowError(const QString& message, const QString& title);

    int kind() const { return kind_; }
    bool answer() const { return answer_; }
    TAALabel* lblTresc() const { return lblTresc_; }
    TEdResButton* btnTak() const { return btnTak_; }
    TEdResButton* btnNie() const { return btnNie_; }
    TEdResButton* btnOK() const { return btnOK_; }
    TEdResButton* EdResButton1() const { return close_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Answer(bool value);
    bool Run(const QString& message, const QString& title, int kind, int icon);

    int kind_ = Information;
    bool answer_ = false;
    TAALabel* lblTresc_;
    TEdResButton* btnTak_;
    TEdResButton* btnNie_;
    TEdResButton* btnOK_;
    TEdResButton* close_;
};

// The one message box of the program (created at start-up).
TfrmMsgBox* MsgBoxWindow();
void SetMsgBoxWindow(TfrmMsgBox* box);

// Asks (kind 0) or informs (kind 1) through the program's message box.
bool ShowMsgBox(const QString& message, const QString& title, int kind);
// Reports a failure through the program's message box (error icon, "OK").
void ShowErrorBox(const QString& message, const QString& title);
