#pragma once

#include "SkinnedDialog.h"

#include "users/TUser.h"

class QComboBox;
class TAALabel;
class TEDCheckBox;
class TEdGroupFrame;
class TEdResButton;

// The settings dialog: the signed-in learner's two switches, the program and
// resource-library versions and the installation folder. "OK" (and Esc)
// stores the switches in the user list; "Anuluj" and the close cross keep
// them as they were. Created once and reused.
class TfrmUstawienia : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TfrmUstawienia(TUser& signedIn, QWidget* parent = nullptr);

    // The interface-language list after a language choice: "Polski" and the
    // course language's name, with "Polski" selected.
    void FillLanguageList(int courseLanguage);

    TEDCheckBox* chDictionary() const { return chDictionary_; }
    TEDCheckBox* chUpperLowerCase() const { return chUpperLowerCase_; }
    QComboBox* cmbJezyk() const { return cmbJezyk_; }
    TAALabel* lblVersion() const { return lblVersion_; }
    TAALabel* lblPath() const { return lblPath_; }
    TEdResButton* b_ok() const { return ok_; }
    TEdResButton* EdResButton2() const { return cancel_; }
    TEdResButton* EdResButton1() const { return close_; }

signals:
    // The names language changed: the course is to be loaded again.
    void reinitialiseRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Confirm();

    TUser& user_;
    int languageIndexAtShow_ = 0;
    TEDCheckBox* chDictionary_;
    TEDCheckBox* chUpperLowerCase_;
    QComboBox* cmbJezyk_;
    TAALabel* lblVersion_;
    TAALabel* lblPath_;
    TEdResButton* ok_;
    TEdResButton* cancel_;
    TEdResButton* close_;
};
