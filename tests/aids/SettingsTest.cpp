#include "../users/FailingWrites.h"
#include "../users/WindowTestSupport.h"

#include "aids/TfrmUstawienia.h"

#include "users/ProfileDirectory.h"

#include "controls/TAALabel.h"
#include "controls/TEDCheckBox.h"
#include "controls/TEdResButton.h"

#include <QComboBox>
#include <QSignalSpy>

namespace {

// The settings of a signed-in learner whose profile is in the user list.
class Settings : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        Profiles().SetUsersFolder(folder.Path() + QStringLiteral("/Users"));
        Profiles().LoadUserList();
        TUser entered;
        entered.Name = QStringLiteral("Ania");
        entered.Gender = QStringLiteral("K");
        entered.Avatar = 12;
        signedIn = Profiles().CreateProfile(entered);
        dialog = std::make_unique<TfrmUstawienia>(signedIn);
        dialog->FillLanguageList(2);
    }

    // Shows the dialog, toggles both boxes, then closes it with `close`.
    void ToggleAndClose(std::function<void()> close)
    {
        WhenModal([this, close](QWidget*) {
            seenDictionary = dialog->chDictionary()->Checked();
            seenCase = dialog->chUpperLowerCase()->Checked();
            dialog->chDictionary()->Click();
            dialog->chUpperLowerCase()->Click();
            close();
        });
        dialog->exec();
    }

    TUser Stored() const
    {
        ProfileDirectory reread;
        reread.SetUsersFolder(Profiles().UsersFolder());
        reread.LoadUserList();
        return reread.List().At(0);
    }

    TUser signedIn;
    std::unique_ptr<TfrmUstawienia> dialog;
    bool seenDictionary = true;
    bool seenCase = false;
};

TEST_F(Settings, EscStoresTheSwitchesLikeOk)
{
    ToggleAndClose([this] { QTest::keyClick(dialog.get(), Qt::Key_Escape); });
    EXPECT_FALSE(seenDictionary);
    EXPECT_TRUE(seenCase);
    EXPECT_TRUE(signedIn.DictionaryOnRightClick);
    EXPECT_FALSE(signedIn.CaseSensitive);
    EXPECT_TRUE(Stored().DictionaryOnRightClick);
    EXPECT_FALSE(Stored().CaseSensitive);

    // Shown again, the boxes start from the record; OK stores the change back.
    ToggleAndClose([this] { QTest::mouseClick(dialog->b_ok(), Qt::LeftButton); });
    EXPECT_TRUE(seenDictionary);
    EXPECT_FALSE(seenCase);
    EXPECT_FALSE(Stored().DictionaryOnRightClick);
    EXPECT_TRUE(Stored().CaseSensitive);
}

TEST_F(Settings, CancelAndTheCloseCrossKeepTheSwitches)
{
    const QByteArray list = ReadAll(Profiles().ListPath());
    ToggleAndClose([this] { QTest::mouseClick(dialog->EdResButton2(), Qt::LeftButton); });
    ToggleAndClose([this] { QTest::mouseClick(dialog->EdResButton1(), Qt::LeftButton); });
    EXPECT_FALSE(signedIn.DictionaryOnRightClick);
    EXPECT_TRUE(signedIn.CaseSensitive);
    EXPECT_EQ(ReadAll(Profiles().ListPath()), list);
}

TEST_F(Settings, ShowsTheVersionsTheFolderAndAHiddenLanguageList)
{
    QString version;
    QString path;
    bool listVisible = true;
    WhenModal([&](QWidget*) {
        version = dialog->lblVersion()->Caption();
        path = dialog->lblPath()->Caption();
        listVisible = dialog->cmbJezyk()->isVisible();
        dialog->reject();
    });
    dialog->exec();
    EXPECT_TRUE(version.startsWith(QStringLiteral("Zalpiony kurs 1.1 (APP: ")));
    EXPECT_TRUE(version.endsWith(QStringLiteral("; RES: 0000)")));
    EXPECT_EQ(path, folder.Path());
    EXPECT_FALSE(listVisible);
    EXPECT_EQ(dialog->cmbJezyk()->count(), 2);
    EXPECT_EQ(dialog->cmbJezyk()->itemText(1), QStringLiteral("Niemiecki"));
    EXPECT_EQ(dialog->cmbJezyk()->currentIndex(), 0);
}

TEST_F(Settings, AChangedNamesLanguageLoadsTheCourseAgain)
{
    QSignalSpy reload(dialog.get(), &TfrmUstawienia::reinitialiseRequested);
    ToggleAndClose([this] { QTest::mouseClick(dialog->b_ok(), Qt::LeftButton); });
    EXPECT_EQ(reload.count(), 0);
    WhenModal([this](QWidget*) {
        dialog->cmbJezyk()->setCurrentIndex(1);
        QTest::mouseClick(dialog->b_ok(), Qt::LeftButton);
    });
    dialog->exec();
    EXPECT_EQ(reload.count(), 1);
    EXPECT_EQ(App().NamesLanguage, 1);
    dialog->FillLanguageList(2);
    EXPECT_EQ(App().NamesLanguage, 0);
}

} // namespace
