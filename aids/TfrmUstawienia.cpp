#include "TfrmUstawienia.h"

#include "Emblems.h"
#include "TfrmPomoc.h"
#include "VersionText.h"

#include "app/Skin.h"

#include "course/AppState.h"

#include "users/LanguageChoice.h"
#include "users/ProfileDirectory.h"

#include "controls/SkinFonts.h"
#include "controls/TAALabel.h"
#include "controls/TEDCheckBox.h"
#include "controls/TEdDialogWindow.h"
#include "controls/TEdGroupFrame.h"
#include "controls/TEdResButton.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>

TfrmUstawienia::TfrmUstawienia(TUser& signedIn, QWidget* parent)
    : SkinnedDialog(559, 456, QStringLiteral("frmUstawienia"), parent)
    , user_(signedIn)
{
    Frame()->setCaption(QStringLiteral("Ustawienia"));
    close_ = AddCloseButton(QStringLiteral("EdResButton1"), 516, 0);

    auto* emblem = new QLabel(this);
    emblem->setObjectName(QStringLiteral("Image1"));
    emblem->setGeometry(16, 53, 128, 128);
    emblem->setPixmap(QPixmap::fromImage(Emblems::Settings()));

    auto* group = new TEdGroupFrame(this);
    group->setObjectName(QStringLiteral("GR1"));
    group->setFrameType(ftFrame_Blue);
    group->setGeometry(161, 53, 368, 252);

    chDictionary_ = AddCheckBox(QStringLiteral("chDictionary"), QStringLiteral("Uruchom słownik prawym przyciskiem myszki"),
                                177, 74, 13, true);
    chUpperLowerCase_ = AddCheckBox(QStringLiteral("chUpperLowerCase"), QStringLiteral("Rozróżniaj wielkość liter"), 177,
                                    103, 13, true);
    const QColor explanation = QColor::fromRgb(0xBF, 0xE3, 0xF8);
    AddLabel(QStringLiteral("lblSlownikOpis"),
             QStringLiteral("Słownik: kliknięcie słowa w ćwiczeniu prawym przyciskiem myszki otwiera słownik "
                            "na tym słowie."),
             177, 146, 13, false, explanation, 336);
    AddLabel(QStringLiteral("lblLiteryOpis"),
             QStringLiteral("Wielkość liter: w ćwiczeniach z wpisywaniem odpowiedź musi mieć wielkie i małe "
                            "litery dokładnie takie jak w kluczu."),
             177, 196, 13, false, explanation, 336);

    auto* languageLabel = AddLabel(QStringLiteral("L_Ile_Wybrano"), QStringLiteral("Wybierz język interfejsu"), 177, 271,
                                   13, true);
    languageLabel->hide();
    cmbJezyk_ = new QComboBox(this);
    cmbJezyk_->setObjectName(QStringLiteral("cmbJezyk"));
    cmbJezyk_->setGeometry(351, 268, 168, 24);
    cmbJezyk_->installEventFilter(this);
    cmbJezyk_->hide();
    FillLanguageList(App().CourseLanguage);

    lblVersion_ = AddLabel(QStringLiteral("lblVersion"), QString(), 16, 322, 13, true, Qt::white, 513);
    lblPath_ = AddLabel(QStringLiteral("lblPath"), QString(), 16, 346, 13, true, Qt::white, 513);

    ok_ = AddButton(QStringLiteral("b_ok"), QStringLiteral("OK"), 323, 394, 100);
    cancel_ = AddButton(QStringLiteral("EdResButton2"), QStringLiteral("Anuluj"), 429, 394, 100);
    connect(ok_, &TEdResButton::clicked, this, &TfrmUstawienia::Confirm);
    connect(cancel_, &TEdResButton::clicked, this, &QDialog::reject);
    connect(close_, &TEdResButton::clicked, this, &QDialog::reject);
    SkinWindow(this);
}

void TfrmUstawienia::FillLanguageList(int courseLanguage)
{
    cmbJezyk_->clear();
    cmbJezyk_->addItem(QStringLiteral("Polski"));
    cmbJezyk_->addItem(CourseLanguageName(courseLanguage));
    cmbJezyk_->setCurrentIndex(0);
    App().NamesLanguage = 0;
}

void TfrmUstawienia::showEvent(QShowEvent* event)
{
    languageIndexAtShow_ = cmbJezyk_->currentIndex();
    chDictionary_->setChecked(user_.DictionaryOnRightClick);
    chUpperLowerCase_->setChecked(user_.CaseSensitive);
    // The resource library carries no version information of its own.
    lblVersion_->setCaption(VersionLine(ProgramVersion(), QVersionNumber()));
    lblPath_->setCaption(App().ExeDir);
    CenterOnScreen();
    SkinnedDialog::showEvent(event);
}

void TfrmUstawienia::Confirm()
{
    accept();
    if (cmbJezyk_->currentIndex() != languageIndexAtShow_) {
        App().NamesLanguage = cmbJezyk_->currentIndex();
        emit reinitialiseRequested();
    }
    user_.DictionaryOnRightClick = chDictionary_->Checked();
    user_.CaseSensitive = chUpperLowerCase_->Checked();
    SaveUser(user_);
}

void TfrmUstawienia::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        // Esc confirms, like "OK".
        Confirm();
        break;
    case Qt::Key_F1:
        OpenHelp(QStringLiteral("\\Pomoc\\ustaw.html"), this);
        break;
    default:
        SkinnedDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool TfrmUstawienia::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmbJezyk_ && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("\\Pomoc\\ustaw.html"), this);
        return true;
    }
    return SkinnedDialog::eventFilter(watched, event);
}
