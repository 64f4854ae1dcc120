#include "TfrmNewUser.h"

#include "AvatarColourSlider.h"
#include "HintOr.h"
#include "ProfileValidation.h"
#include "UserList.h"

#include "aids/TfrmPomoc.h"

#include "app/Skin.h"
#include "app/TfrmMsgBox.h"

#include "controls/ResourceLibrary.h"
#include "controls/SkinFonts.h"
#include "controls/TAALabel.h"
#include "controls/TEDCheckBox.h"
#include "controls/TEdDialogWindow.h"
#include "controls/TEdResButton.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <functional>

namespace {

// Where the avatar area lies in the dialog, and its parts inside it.
constexpr QRect kAvatarArea{20, 52, 180, 156};
constexpr QPoint kAvatarAt{52, 14};
constexpr int kSliderX = 8;
constexpr int kSliderY = 98;
constexpr int kSwatchesY = 126;
const QColor kHintBlue = QColor::fromRgb(0xBF, 0xE3, 0xF8);

// Paints the avatar on a light disc and the six colour swatches, above the
// dialog frame; a click on a swatch picks its colour.
class AvatarArea : public QWidget {
public:
    explicit AvatarArea(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("imgAvatar"));
        setGeometry(kAvatarArea);
    }

    QImage Avatar;
    QImage Swatches[6];
    int Colour = 0;
    std::function<void(int)> OnSwatch;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(255, 255, 255, 200), 2));
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawEllipse(QRectF(kAvatarAt.x() - 6, kAvatarAt.y() - 6, 72, 72));
        if (!Avatar.isNull())
            p.drawImage(kAvatarAt, Avatar);
        for (int k = 0; k < 6; ++k) {
            const QRect swatch = SwatchRect(k);
            if (!Swatches[k].isNull())
                p.drawImage(swatch.topLeft(), Swatches[k]);
            if (k == Colour) {
                p.setPen(QPen(Qt::white, 2));
                p.setBrush(Qt::NoBrush);
                p.drawRoundedRect(QRectF(swatch).adjusted(-3, -3, 3, 3), 6, 6);
            }
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        for (int k = 0; k < 6; ++k) {
            if (SwatchRect(k).contains(event->position().toPoint()) && OnSwatch) {
                OnSwatch(k);
                return;
            }
        }
        QWidget::mousePressEvent(event);
    }

private:
    static QRect SwatchRect(int k)
    {
        return QRect(kSliderX + AvatarColourSlider::CentreOf(k) - 12, kSwatchesY, 24, 24);
    }
};

} // namespace

TfrmNewUser::TfrmNewUser(QWidget* parent)
    : SkinnedDialog(572, 338, QStringLiteral("frmNewUser"), parent)
{
    auto* close = AddCloseButton(QStringLiteral("EdResButton1"), 532, 2);

    auto* area = new AvatarArea(this);
    area->OnSwatch = [this](int colour) { slider_->setValue(colour); };
    area_ = area;
    previousSet_ = AddButton(QStringLiteral("btnPoprzedni"), QStringLiteral("◀"), 28, 80, 32);
    nextSet_ = AddButton(QStringLiteral("btnNastepny"), QStringLiteral("▶"), 144, 80, 32);
    for (TEdResButton* arrow : {previousSet_, nextSet_})
        arrow->setFont(SkinFontPx(QStringLiteral("Verdana"), 12));
    slider_ = new AvatarColourSlider(this);
    slider_->move(kAvatarArea.x() + kSliderX, kAvatarArea.y() + kSliderY);

    lblNazwa_ = AddLabel(QStringLiteral("lblNazwa"), QStringLiteral("Nazwa:"), 218, 64, 15, true);
    eLogin_ = AddEdit(QStringLiteral("eLogin"), 330, 58, 214, MaxNameLength);
    lblPlec_ = AddLabel(QStringLiteral("lblPlec"), QStringLiteral("Płeć:"), 218, 104, 15, true);
    rbKobieta_ = AddCheckBox(QStringLiteral("rbKobieta"), QStringLiteral("Kobieta"), 330, 101, 15, false, 0);
    rbMezczyzna_ = AddCheckBox(QStringLiteral("rbMezczyzna"), QStringLiteral(" Mężczyzna"), 432, 101, 15, false, 0);
    chHaslo_ = AddCheckBox(QStringLiteral("chHaslo"), QStringLiteral("Hasło do logowania:"), 218, 144, 15, true);
    eHaslo_ = AddEdit(QStringLiteral("eHaslo"), 400, 140, 144, 15, true);
    lblPowtorz_ = AddLabel(QStringLiteral("lblPowtorz"), QStringLiteral("Powtórz hasło:"), 244, 182, 15, true);
    ePowtorz_ = AddEdit(QStringLiteral("ePowtorz"), 400, 176, 144, 15, true);
    lblOpis_ = AddLabel(QStringLiteral("lblOpis"),
                        QStringLiteral("Zaznacz tę opcję, jeżeli chcesz chronić swój profil. Aby rozpocząć pracę z "
                                       "programem, będziesz proszony o podanie hasła dostępu."),
                        218, 218, 13, false, kHintBlue, 326);

    ok_ = AddButton(QStringLiteral("btnUtworz"), QStringLiteral("Utwórz profil"), 318, 290, 124);
    cancel_ = AddButton(QStringLiteral("btnAnuluj"), QStringLiteral("Anuluj"), 448, 290, 100);

    connect(close, &TEdResButton::clicked, this, &QDialog::reject);
    connect(cancel_, &TEdResButton::clicked, this, &QDialog::reject);
    connect(ok_, &TEdResButton::clicked, this, &TfrmNewUser::Confirm);
    connect(eLogin_, &QLineEdit::textChanged, this, &TfrmNewUser::UpdateConfirmButton);
    connect(eLogin_, &QLineEdit::returnPressed, this, [this] {
        if (ok_->isEnabled())
            Confirm();
    });
    connect(chHaslo_, &TEDCheckBox::clicked, this, &TfrmNewUser::UpdatePasswordFields);
    connect(rbKobieta_, &TEDCheckBox::clicked, this, &TfrmNewUser::ReloadAvatar);
    connect(rbMezczyzna_, &TEDCheckBox::clicked, this, &TfrmNewUser::ReloadAvatar);
    connect(previousSet_, &TEdResButton::clicked, this, [this] { SetAvatarSet(10); });
    connect(nextSet_, &TEdResButton::clicked, this, [this] { SetAvatarSet(20); });
    connect(slider_, &AvatarColourSlider::valueChanged, this, &TfrmNewUser::ReloadAvatar);

    for (int k = 0; k < 6; ++k) {
        const QString name = QStringLiteral("COLOR%1").arg(k + 1);
        if (Resources().hasPicture(name))
            static_cast<AvatarArea*>(area_)->Swatches[k] = Resources().picture(name);
    }
    SkinWindow(this);
}

int TfrmNewUser::ColourIndex() const
{
    return slider_->Value();
}

QString TfrmNewUser::GenderLetter() const
{
    return rbMezczyzna_->Checked() ? QStringLiteral("M") : QStringLiteral("K");
}

QString TfrmNewUser::AvatarPictureName() const
{
    return QStringLiteral("C%1%2").arg(GenderLetter()).arg(avatarSet_ + ColourIndex() + 1);
}

void TfrmNewUser::SetAvatarSet(int set)
{
    avatarSet_ = set;
    previousSet_->setEnabled(set != 10);
    nextSet_->setEnabled(set != 20);
    ReloadAvatar();
}

void TfrmNewUser::ReloadAvatar()
{
    const QString name = AvatarPictureName();
    avatar_ = Resources().hasPicture(name) ? Resources().picture(name) : QImage();
    auto* area = static_cast<AvatarArea*>(area_);
    area->Avatar = avatar_;
    area->Colour = ColourIndex();
    area->update();
}

void TfrmNewUser::UpdateConfirmButton()
{
    ok_->setEnabled(!eLogin_->text().trimmed().isEmpty());
}

void TfrmNewUser::UpdatePasswordFields()
{
    const bool on = chHaslo_->Checked();
    eHaslo_->setEnabled(on);
    ePowtorz_->setEnabled(on);
    lblPowtorz_->setFontColor(on ? QColor(Qt::white) : QColor::fromRgb(0x9F, 0xB8, 0xD0));
}

bool TfrmNewUser::RunProfileDialog(TUser& record, bool modify, const UserList& users)
{
    record_ = &record;
    users_ = &users;
    Frame()->setCaption(modify ? HintOr(74, QStringLiteral("Zmiana profilu użytkownika"))
                               : HintOr(73, QStringLiteral("Nowy profil użytkownika")));
    lblNazwa_->setCaption(HintOr(66, QStringLiteral("Nazwa:")));
    lblPlec_->setCaption(HintOr(67, QStringLiteral("Płeć:")));
    rbKobieta_->setCaption(HintOr(68, QStringLiteral("Kobieta")));
    rbMezczyzna_->setCaption(HintOr(69, QStringLiteral(" Mężczyzna")));
    chHaslo_->setCaption(HintOr(70, QStringLiteral("Hasło do logowania:")));
    lblPowtorz_->setCaption(HintOr(71, QStringLiteral("Powtórz hasło:")));
    lblOpis_->setCaption(HintOr(72, lblOpis_->Caption()));
    ok_->setCaption(HintOr(31, QStringLiteral("Utwórz profil")));
    cancel_->setCaption(HintOr(32, QStringLiteral("Anuluj")));

    eLogin_->setText(record.Name);
    const bool man = record.Gender == u"M";
    rbMezczyzna_->setChecked(man);
    rbKobieta_->setChecked(!man);
    const int set = modify && record.Avatar > 20 ? 20 : 10;
    slider_->setValue(modify ? record.Avatar - set - 1 : 0);
    SetAvatarSet(set);
    const bool protectedProfile = modify && record.HasPassword == 1;
    chHaslo_->setChecked(protectedProfile);
    eHaslo_->setText(protectedProfile ? record.Password : QString());
    ePowtorz_->setText(protectedProfile ? record.Password : QString());
    UpdatePasswordFields();
    UpdateConfirmButton();
    eLogin_->setFocus();
    eLogin_->selectAll();
    CenterOnScreen();
    const bool confirmed = exec() == QDialog::Accepted;
    record_ = nullptr;
    users_ = nullptr;
    return confirmed;
}

void TfrmNewUser::Confirm()
{
    if (record_ == nullptr || users_ == nullptr)
        return;
    const ProfileInput input{eLogin_->text(), chHaslo_->Checked(), eHaslo_->text(), ePowtorz_->text()};
    if (const std::optional<ProfileProblem> problem = ValidateProfile(input, *users_, record_->Id)) {
        ShowMsgBox(problem->Hint > 0 ? HintText(problem->Hint) : problem->Text, HintOr(kHintValidationTitle,
                   QStringLiteral("Informacja")), TfrmMsgBox::Information);
        QLineEdit* field = problem->Where == ProfileProblem::Field::Name       ? eLogin_
                           : problem->Where == ProfileProblem::Field::Password ? eHaslo_
                                                                               : ePowtorz_;
        if (problem->Then == ProfileProblem::Action::ClearAndFocus)
            field->clear();
        field->setFocus();
        if (problem->Then == ProfileProblem::Action::Select)
            field->selectAll();
        return;
    }
    record_->Name = input.Name.trimmed();
    record_->Gender = GenderLetter();
    record_->Avatar = avatarSet_ + ColourIndex() + 1;
    record_->HasPassword = input.PasswordTicked ? 1 : 0;
    // A password that is switched off is not kept.
    record_->Password = input.PasswordTicked ? input.Password.trimmed() : QString();
    accept();
}

void TfrmNewUser::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("\\Pomoc\\log.html"), this);
        event->accept();
        return;
    }
    SkinnedDialog::keyPressEvent(event);
}
