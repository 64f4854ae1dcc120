#pragma once

#include "TUser.h"

#include "aids/SkinnedDialog.h"

#include <QImage>

class AvatarColourSlider;
class QLineEdit;
class TAALabel;
class TEDCheckBox;
class TEdResButton;
class UserList;

// The profile dialog, for a new profile and for changing one: name, gender,
// avatar (set and colour) and an optional password.
class TfrmNewUser : public SkinnedDialog {
    Q_OBJECT
public:
    static constexpr int MaxNameLength = 15;

    explicit TfrmNewUser(QWidget* parent = nullptr);

    // Shows the dialog modally on `record` (an empty record with gender "K"
    // when creating). On confirmation returns true and the record holds the
    // trimmed name, the gender letter, the avatar (set + colour + 1), the
    // password flag and the trimmed password. `users` is checked for names
    // already taken by other profiles.
    bool RunProfileDialog(TUser& record, bool modify, const UserList& users);

    int AvatarSet() const { return avatarSet_; }
    int ColourIndex() const;
    QString GenderLetter() const;
    // "C" + gender letter + (set + colour + 1), e.g. "CK11".
    QString AvatarPictureName() const;
    const QImage& AvatarPicture() const { return avatar_; }

    QLineEdit* eLogin() const { return eLogin_; }
    TEDCheckBox* rbKobieta() const { return rbKobieta_; }
    TEDCheckBox* rbMezczyzna() const { return rbMezczyzna_; }
    TEDCheckBox* chHaslo() const { return chHaslo_; }
    QLineEdit* eHaslo() const { return eHaslo_; }
    QLineEdit* ePowtorz() const { return ePowtorz_; }
    TEdResButton* btnOK() const { return ok_; }
    TEdResButton* btnAnuluj() const { return cancel_; }
    TEdResButton* btnPoprzedni() const { return previousSet_; }
    TEdResButton* btnNastepny() const { return nextSet_; }
    AvatarColourSlider* Slider() const { return slider_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Confirm();
    void UpdateConfirmButton();
    void UpdatePasswordFields();
    void SetAvatarSet(int set);
    void ReloadAvatar();

    TUser* record_ = nullptr;
    const UserList* users_ = nullptr;
    int avatarSet_ = 10;
    QImage avatar_;
    QWidget* area_;
    TAALabel* lblNazwa_;
    TAALabel* lblPlec_;
    TAALabel* lblPowtorz_;
    TAALabel* lblOpis_;
    QLineEdit* eLogin_;
    TEDCheckBox* rbKobieta_;
    TEDCheckBox* rbMezczyzna_;
    TEDCheckBox* chHaslo_;
    QLineEdit* eHaslo_;
    QLineEdit* ePowtorz_;
    TEdResButton* previousSet_;
    TEdResButton* nextSet_;
    AvatarColourSlider* slider_;
    TEdResButton* ok_;
    TEdResButton* cancel_;
};
