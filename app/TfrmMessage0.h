#pragma once

#include "MessageForm.h"

class TAALabel;
class TEdResButton;

// The information window: one text and "OK". The caller sets the text of
// Polecenie and shows the window, modal or not; it has no result.
class TfrmMessage0 : public MessageForm {
    Q_OBJECT
public:
    explicit TfrmMessage0(QWidget* parent = nullptr);

    TAALabel* Polecenie() const { return polecenie_; }
    // Sets the text; the label grows downwards with it.
    void SetText(const QString& text);
    void ShowModal();
    void ShowModeless();

    TEdResButton* btnNie() const { return btnNie_; }
    TEdResButton* CloseButton() const { return close_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TAALabel* polecenie_;
    TEdResButton* btnNie_;
    TEdResButton* close_;
};
