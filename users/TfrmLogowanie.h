#pragma once

#include "TUser.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <memory>

class ProfileRowPainter;
class TAALabel;
class TEdBelka;
class TEdListBox;
class TEdResButton;
class TfrmInputPass;
class TfrmNewUser;
class TWOwnrScrllBar;

// The login screen: the list of profiles (create, modify, delete, sign in,
// with the password prompt for protected profiles), then the choice of the
// installed course language for the signed-in profile.
class TfrmLogowanie : public QWidget {
    Q_OBJECT
public:
    enum Mode : int { ProfileListMode = 1, LanguageChoiceMode = 2 };

    TfrmLogowanie(TUser& signedIn, TfrmNewUser& profileDialog, TfrmInputPass& passwordPrompt,
                  QWidget* parent = nullptr);
    ~TfrmLogowanie() override;

    // Shows the window and prepares it: mode 1 the profile list, mode 2 the
    // language choice of the profile still signed in.
    void ShowLoginScreen(int mode);
    // Reads the user list and fills the screen for the mode.
    void PrepareLoginScreen(int mode);
    void ShowProfileList();
    void ShowLanguageChoice();

    // What a release of the mouse at `inRow` on row `row` does: modify,
    // delete or sign in.
    void ListaMouseUp(int row, QPoint inRow);
    void SignIn(int index);
    void EditProfile(int index);
    void DeleteProfile(int index);
    void btnStworzProfilClick();
    // A language button: the course of `language` is loaded and the main menu shows.
    void btnAngielskiClick(int language);

    int State() const { return state_; }
    TEdListBox* Lista() const { return lista_; }
    TWOwnrScrllBar* SB() const { return sb_; }
    TAALabel* Heading() const { return heading_; }
    TEdResButton* btnStworzProfil() const { return create_; }
    TEdResButton* btnWroc() const { return back_; }
    TEdResButton* LanguageButton(int language) const { return languageButtons_.at(language - 1); }
    QWidget* UserPoZalogowaniu() const { return signedInPanel_; }
    TEdBelka* Belka() const { return belka_; }

signals:
    // The course language is chosen (CourseLanguage is set): the course is to be loaded now.
    void languageChosen(int language);
    // A new profile was created and signed in.
    void profileCreated(const TUser& profile);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    TEdResButton* AddButton(const QString& name, const QString& caption, int x, int y, int width, int rozmiar);
    void LoadBackground();
    void RefreshList();
    void UpdateScrollBar();
    bool PasswordCheck(const TUser& user);
    void HoverAt(QPoint viewportPos);
    [[noreturn]] void WywolajWyjatek();

    TUser& signedIn_;
    TfrmNewUser& profileDialog_;
    TfrmInputPass& passwordPrompt_;
    std::unique_ptr<ProfileRowPainter> rowPainter_;
    int state_ = ProfileListMode;
    int signedInRow_ = 0;
    QImage background_;
    std::array<QImage, 5> logos_;
    TEdBelka* belka_ = nullptr;
    TAALabel* heading_ = nullptr;
    TAALabel* info_ = nullptr;
    TAALabel* greeting_ = nullptr;
    TAALabel* greetingInfo_ = nullptr;
    TAALabel* welcomeTitle_ = nullptr;
    TAALabel* welcomeText_ = nullptr;
    TAALabel* coursesLabel_ = nullptr;
    TEdResButton* create_ = nullptr;
    TEdListBox* lista_ = nullptr;
    TWOwnrScrllBar* sb_ = nullptr;
    QWidget* signedInPanel_ = nullptr;
    TAALabel* languageLabel_ = nullptr;
    std::array<TEdResButton*, 5> languageButtons_{};
    TEdResButton* back_ = nullptr;
};
