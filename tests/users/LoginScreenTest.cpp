#include "WindowTestSupport.h"

#include "users/AvatarColourSlider.h"
#include "users/ProfileDirectory.h"
#include "users/ProfileListLayout.h"
#include "users/SafeFileWriter.h"
#include "users/TfrmInputPass.h"
#include "users/TfrmLogowanie.h"
#include "users/TfrmNewUser.h"
#include "users/UserFiles.h"

#include "app/Screens.h"
#include "app/TfrmMsgBox.h"

#include "controls/TEDCheckBox.h"
#include "controls/TEdBelka.h"
#include "controls/TEdListBox.h"
#include "controls/TEdResButton.h"
#include "controls/TWOwnrScrllBar.h"

#include <QLineEdit>
#include <QSignalSpy>

namespace {

void Click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
}

class LoginScreen : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        menuShown = 0;
        Screens::Register(Screens::MainMenu, [this] { ++menuShown; });
        login = std::make_unique<TfrmLogowanie>(signedIn, dialog, prompt);
        login->ShowLoginScreen(TfrmLogowanie::ProfileListMode);
    }
    void TearDown() override
    {
        Screens::Register(Screens::MainMenu, {});
        WindowFixture::TearDown();
    }

    // Fills the profile dialog when it comes up and confirms it.
    void FillProfileDialog(const QString& name, const QString& password = {}, bool man = false)
    {
        WhenModal([this, name, password, man](QWidget* modal) {
            ASSERT_EQ(modal, &dialog);
            dialog.eLogin()->setText(name);
            if (man)
                dialog.rbMezczyzna()->Click();
            if (!password.isEmpty()) {
                dialog.chHaslo()->Click();
                dialog.eHaslo()->setText(password);
                dialog.ePowtorz()->setText(password);
            }
            Click(dialog.btnOK());
        });
    }

    void TypePassword(const QString& text)
    {
        WhenModal([this, text](QWidget* modal) {
            ASSERT_EQ(modal, &prompt);
            prompt.Edit()->setText(text);
            Click(prompt.btnOK());
        });
    }

    void CreateProfile(const QString& name, const QString& password = {})
    {
        FillProfileDialog(name, password);
        if (!password.isEmpty())
            QTimer::singleShot(0, [this, password] { TypePassword(password); });
        login->btnStworzProfilClick();
    }

    void BackToProfiles() { Click(login->btnWroc()); }

    std::vector<std::uint32_t> Ids() const
    {
        std::vector<std::uint32_t> ids;
        for (int i = 0; i < Profiles().List().Count(); ++i)
            ids.push_back(Profiles().List().At(i).Id);
        return ids;
    }

    TUser signedIn;
    TfrmNewUser dialog;
    TfrmInputPass prompt;
    std::unique_ptr<TfrmLogowanie> login;
    int menuShown = 0;
};

TEST_F(LoginScreen, CreatingAProfileSignsInAsItAndOffersTheInstalledLanguages)
{
    EXPECT_EQ(login->Heading()->Caption(), QStringLiteral("Brak profili użytkowników:"));
    CreateProfile(QStringLiteral("Ania"));

    EXPECT_EQ(signedIn.Id, 1u);
    EXPECT_EQ(signedIn.Name, QStringLiteral("Ania"));
    EXPECT_EQ(signedIn.Gender, QStringLiteral("K"));
    EXPECT_EQ(signedIn.Avatar, 11);
    EXPECT_EQ(login->State(), TfrmLogowanie::LanguageChoiceMode);
    EXPECT_EQ(App().ScreenState, Screens::LanguageChoice);
    EXPECT_EQ(QFileInfo(UsersPath(QStringLiteral("1_stat1.xml"))).size(), 94);

    EXPECT_TRUE(login->LanguageButton(1)->isVisible());
    EXPECT_EQ(login->LanguageButton(1)->pos(), QPoint(743, 272));
    EXPECT_TRUE(login->LanguageButton(2)->isVisible());
    EXPECT_EQ(login->LanguageButton(2)->pos(), QPoint(743, 347));
    EXPECT_FALSE(login->LanguageButton(3)->isVisible());
    EXPECT_EQ(App().EditionLanguage, 2);

    EXPECT_FALSE(login->Lista()->isVisible());
    EXPECT_FALSE(login->SB()->isVisible());
    EXPECT_TRUE(login->UserPoZalogowaniu()->isVisible());
    EXPECT_EQ(login->UserPoZalogowaniu()->y(), login->Lista()->y());
    EXPECT_EQ(login->Belka()->Zalogowany(), QStringLiteral("Ania"));
    EXPECT_TRUE(login->Belka()->PokazZalogowanie());

    BackToProfiles();
    EXPECT_EQ(login->State(), TfrmLogowanie::ProfileListMode);
    EXPECT_EQ(login->Heading()->Caption(), QStringLiteral("Wybierz swój profil użytkownika:"));
    EXPECT_TRUE(login->Lista()->isVisible());
}

TEST_F(LoginScreen, AfterADeletionTheNewProfileGetsTheNextNumberAndIsSignedIn)
{
    for (const char* name : {"Ania", "Bartek", "Celina"}) {
        CreateProfile(QString::fromUtf8(name));
        BackToProfiles();
    }
    AnswerMessage(true);
    login->DeleteProfile(1);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_EQ(Messages[0], HintText(76));
    EXPECT_EQ(Titles[0], HintText(33));
    EXPECT_FALSE(QFile::exists(UsersPath(QStringLiteral("2_stat1.xml"))));

    CreateProfile(QStringLiteral("Dorota"));
    EXPECT_EQ(Ids(), (std::vector<std::uint32_t>{1, 3, 4}));
    EXPECT_EQ(signedIn.Id, 4u);
    EXPECT_EQ(signedIn.Name, QStringLiteral("Dorota"));
    // Its row was the third one, so the panel stands where that row was.
    EXPECT_EQ(login->UserPoZalogowaniu()->y(), login->Lista()->y() + 2 * ProfileListLayout::RowHeight);
}

TEST_F(LoginScreen, DeletingNeedsATakAndThePassword)
{
    CreateProfile(QStringLiteral("Ola"), QStringLiteral("kot"));
    BackToProfiles();
    // Wrong password: the message, nothing deleted.
    TypePassword(QStringLiteral("pies"));
    QTimer::singleShot(0, [this] { AnswerMessage(); });
    login->DeleteProfile(0);
    // Right password but "Nie".
    TypePassword(QStringLiteral("kot"));
    QTimer::singleShot(0, [this] { AnswerMessage(false); });
    login->DeleteProfile(0);
    EXPECT_EQ(Messages, (QStringList{HintText(75), HintText(76)}));
    EXPECT_EQ(Ids(), std::vector<std::uint32_t>{1});
    EXPECT_TRUE(QFile::exists(UsersPath(QStringLiteral("1_config.xml"))));
}

TEST_F(LoginScreen, AWrongPasswordShowsTheMessageAndSignsNobodyIn)
{
    CreateProfile(QStringLiteral("Ola"), QStringLiteral("kot"));
    ASSERT_EQ(signedIn.Name, QStringLiteral("Ola"));
    BackToProfiles();
    signedIn = TUser{};

    TypePassword(QStringLiteral("Kot"));
    QTimer::singleShot(0, [this] { AnswerMessage(); });
    login->SignIn(0);
    EXPECT_EQ(Messages, QStringList{HintText(75)});
    EXPECT_EQ(Titles, QStringList{HintText(59)});
    EXPECT_EQ(login->State(), TfrmLogowanie::ProfileListMode);
    EXPECT_EQ(signedIn.Id, 0u);

    // A cancelled prompt says nothing.
    WhenModal([this](QWidget*) { Click(prompt.btnAnuluj()); });
    login->SignIn(0);
    EXPECT_EQ(Messages.size(), 1);
    EXPECT_EQ(login->State(), TfrmLogowanie::ProfileListMode);

    // Spaces around the password do not count.
    TypePassword(QStringLiteral(" kot  "));
    login->SignIn(0);
    EXPECT_EQ(login->State(), TfrmLogowanie::LanguageChoiceMode);
    EXPECT_EQ(signedIn.Name, QStringLiteral("Ola"));
}

TEST_F(LoginScreen, ANameTakenInAnotherLetterCaseKeepsTheDialogOpen)
{
    CreateProfile(QStringLiteral("Ania"));
    BackToProfiles();
    bool stillOpen = false;
    WhenModal([this, &stillOpen](QWidget*) {
        dialog.eLogin()->setText(QStringLiteral("ANIA"));
        AnswerMessage();
        Click(dialog.btnOK());
        stillOpen = dialog.isVisible();
        Click(dialog.btnAnuluj());
    });
    login->btnStworzProfilClick();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(Messages, QStringList{HintText(60)});
    EXPECT_EQ(Profiles().List().Count(), 1);
}

TEST_F(LoginScreen, TheModifyIconChangesTheProfileInPlace)
{
    CreateProfile(QStringLiteral("Ania"));
    BackToProfiles();
    WhenModal([this](QWidget*) {
        EXPECT_EQ(dialog.eLogin()->text(), QStringLiteral("Ania"));
        dialog.eLogin()->setText(QStringLiteral("  Anna "));
        dialog.rbMezczyzna()->Click();
        dialog.Slider()->setValue(3);
        Click(dialog.btnNastepny());
        Click(dialog.btnOK());
    });
    login->ListaMouseUp(0, QPoint(90, 60));
    const TUser stored = Profiles().List().At(0);
    EXPECT_EQ(stored.Id, 1u);
    EXPECT_EQ(stored.Name, QStringLiteral("Anna"));
    EXPECT_EQ(stored.Gender, QStringLiteral("M"));
    EXPECT_EQ(stored.Avatar, 24);
    EXPECT_EQ(login->State(), TfrmLogowanie::ProfileListMode);
}

TEST_F(LoginScreen, OneInstalledLanguageIsChosenWithoutButtons)
{
    App().InstalledLanguages = QStringLiteral("01000");
    QSignalSpy chosen(login.get(), &TfrmLogowanie::languageChosen);
    CreateProfile(QStringLiteral("Ania"));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 2);
    EXPECT_EQ(App().CourseLanguage, 2);
    EXPECT_EQ(App().EditionLanguage, 2);
    for (int language = 1; language <= 5; ++language)
        EXPECT_FALSE(login->LanguageButton(language)->isVisible());
    EXPECT_FALSE(login->isVisible());
    EXPECT_EQ(App().ScreenState, Screens::MainMenu);
    EXPECT_EQ(menuShown, 1);
}

TEST_F(LoginScreen, ThreeLanguagesGiveThreeButtonsAndAChoiceStartsTheCourse)
{
    App().InstalledLanguages = QStringLiteral("10101");
    CreateProfile(QStringLiteral("Ania"));
    std::vector<int> ys;
    for (int language : {1, 3, 5}) {
        ASSERT_TRUE(login->LanguageButton(language)->isVisible());
        ys.push_back(login->LanguageButton(language)->y());
    }
    EXPECT_EQ(ys, (std::vector<int>{272, 347, 422}));
    EXPECT_EQ(login->LanguageButton(3)->Caption(), QStringLiteral("Włoski"));

    QSignalSpy chosen(login.get(), &TfrmLogowanie::languageChosen);
    QTest::mouseClick(login->LanguageButton(3), Qt::LeftButton);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 3);
    EXPECT_EQ(App().CourseLanguage, 3);
    EXPECT_EQ(App().EditionLanguage, 5);
    EXPECT_TRUE(login->LanguageButton(3)->Down());
    EXPECT_EQ(menuShown, 1);
}

TEST_F(LoginScreen, MoreThanFiveProfilesScrollAndTheWheelMovesOneRow)
{
    UserList list;
    for (int i = 1; i <= 7; ++i) {
        TUser user;
        user.Id = i;
        user.Name = QStringLiteral("Uczeń %1").arg(i);
        list.Append(user);
    }
    list.Save(UsersPath(QStringLiteral("usr.txt")), DefaultFileWriter());
    login->PrepareLoginScreen(TfrmLogowanie::ProfileListMode);
    EXPECT_EQ(login->Lista()->count(), 7);
    EXPECT_EQ(login->Lista()->height(), 375);
    ASSERT_TRUE(login->SB()->isVisible());
    EXPECT_EQ(login->SB()->Max(), 2);

    QWheelEvent down(QPointF(50, 50), QPointF(), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(login->Lista()->viewport(), &down);
    EXPECT_EQ(login->Lista()->TopIndex(), 1);
    EXPECT_EQ(login->SB()->Position(), 1);

    // Signing in from the scrolled list puts the panel where the row was.
    login->SignIn(2);
    EXPECT_EQ(login->UserPoZalogowaniu()->y(), login->Lista()->y() + ProfileListLayout::RowHeight);
    EXPECT_FALSE(login->SB()->isVisible());
}

TEST(ProfileDialog, TheAvatarFollowsGenderSetAndColour)
{
    TfrmNewUser dialog;
    UserList users;
    struct Case {
        const char* Name;
        TUser Record;
        QString Picture;
        int Set;
        int Colour;
    };
    const Case cases[] = {
        {"new profile", TUser{0, {}, QStringLiteral("K"), 0}, QStringLiteral("CK11"), 10, 0},
        {"first set, last colour", TUser{3, QStringLiteral("Ola"), QStringLiteral("K"), 16}, QStringLiteral("CK16"), 10, 5},
        {"second set", TUser{4, QStringLiteral("Jan"), QStringLiteral("M"), 23}, QStringLiteral("CM23"), 20, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TUser record = c.Record;
        QString picture;
        int set = 0;
        int colour = -1;
        WhenModal([&](QWidget*) {
            picture = dialog.AvatarPictureName();
            set = dialog.AvatarSet();
            colour = dialog.ColourIndex();
            dialog.reject();
        });
        dialog.RunProfileDialog(record, c.Record.Id != 0, users);
        EXPECT_EQ(picture, c.Picture);
        EXPECT_EQ(set, c.Set);
        EXPECT_EQ(colour, c.Colour);
    }
}

TEST(ProfileDialog, ConfirmNeedsANameAndReturnsTheStoredForm)
{
    TfrmNewUser dialog;
    UserList users;
    TUser record;
    record.Gender = QStringLiteral("K");
    bool enabledEmpty = true;
    bool enabledBlank = true;
    bool enabledNamed = false;
    WhenModal([&](QWidget*) {
        enabledEmpty = dialog.btnOK()->isEnabled();
        dialog.eLogin()->setText(QStringLiteral("   "));
        enabledBlank = dialog.btnOK()->isEnabled();
        dialog.eLogin()->setText(QStringLiteral(" Kasia "));
        enabledNamed = dialog.btnOK()->isEnabled();
        Click(dialog.btnNastepny());
        dialog.Slider()->setValue(4);
        dialog.chHaslo()->Click();
        dialog.eHaslo()->setText(QStringLiteral(" abc "));
        dialog.ePowtorz()->setText(QStringLiteral("abc"));
        QTest::keyClick(dialog.eLogin(), Qt::Key_Return);
    });
    ASSERT_TRUE(dialog.RunProfileDialog(record, false, users));
    EXPECT_FALSE(enabledEmpty);
    EXPECT_FALSE(enabledBlank);
    EXPECT_TRUE(enabledNamed);
    EXPECT_EQ(record.Name, QStringLiteral("Kasia"));
    EXPECT_EQ(record.Avatar, 25);
    EXPECT_EQ(record.HasPassword, 1);
    EXPECT_EQ(record.Password, QStringLiteral("abc"));
    EXPECT_EQ(dialog.eLogin()->maxLength(), 15);
}

} // namespace
