#pragma once

#include "MessageForm.h"

class TAALabel;
class TEdResButton;

// The message window with a skip button. The caller sets the text, chooses
// which of the two buttons show, shows it (modal, or without waiting while a
// long task runs) and reads the answer afterwards. Closing it by a key keeps
// the previous answer.
class TfrmMessage : public MessageForm {
    Q_OBJECT
public:
    explicit TfrmMessage(QWidget* parent = nullptr);

    TAALabel* Polecenie() const { return polecenie_; }
    void SetText(const QString& text);
    TEdResButton* btnOK() const { return btnOK_; }
    TEdResButton* btnSkip() const { return btnSkip_; }

    void ShowModal();
    void ShowModeless();
    bool answer() const { return answer_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool answer_ = false;
    TAALabel* polecenie_;
    TEdResButton* btnOK_;
    TEdResButton* btnSkip_;
};
