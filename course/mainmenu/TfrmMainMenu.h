#pragma once

#include "course/TElement.h"
#include "users/TUser.h"

#include <QImage>
#include <QWidget>

class TAALabel;
class TEdBelka;
class TEdResButton;

// The main menu: start or continue the course, the contents window, the
// progress report, the flashcards, the pronunciation trainer, the settings
// and signing out. Created once; every show reads the logo, the last visit
// and the size of the results file again.
class TfrmMainMenu : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMainMenu(const TUser& signedIn, QWidget* parent = nullptr);

    TEdBelka* Belka() const { return belka_; }
    TEdResButton* btnSpisTresci() const { return spisTresci_; }
    TEdResButton* btnPostepy() const { return postepy_; }
    TEdResButton* btnStartLastLesson() const { return startLastLesson_; }
    TEdResButton* btnFiszki() const { return fiszki_; }
    TEdResButton* btnTrenerWymowy() const { return trenerWymowy_; }
    TEdResButton* btnWyloguj() const { return wyloguj_; }
    TEdResButton* btnUstawienia() const { return ustawienia_; }
    TAALabel* lblLastDate() const { return lblLastDate_; }
    const QImage& imgLogo() const { return logo_; }

    // What showing the menu reads: the top bar, the logo, the last visit and the start button.
    void RefreshOnShow();
    // "Postępy w nauce" is enabled only when some lesson has a stored result.
    void RefreshProgressButton();

    void btnStartLastLessonClick();
    void btnSpisTresciClick();
    void btnPostepyClick();
    void btnTrenerWymowyClick();
    void btnFiszkiClick();
    void btnWylogujClick();

signals:
    // An element is to be made current and opened (start, continue).
    void currentElementChosen(TElement* element);
    void settingsRequested();
    // The progress report is to refresh its data and show.
    void progressRequested();
    // The flashcard selection is to show (in mode 0).
    void flashcardsRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateControls();
    TEdResButton* AddMenuButton(const QString& name, const QString& caption, const QString& glyph, QRect geometry,
                                int grafika, int pixelSize);
    // Leaves the menu for a screen of the screen switch, when that screen exists.
    void GoToScreen(int state);
    void OpenElement(TElement* element);

    const TUser& user_;
    QImage background_;
    QImage logo_;
    TEdBelka* belka_ = nullptr;
    TEdResButton* wyloguj_ = nullptr;
    TEdResButton* ustawienia_ = nullptr;
    TEdResButton* spisTresci_ = nullptr;
    TEdResButton* postepy_ = nullptr;
    TEdResButton* startLastLesson_ = nullptr;
    TEdResButton* fiszki_ = nullptr;
    TEdResButton* trenerWymowy_ = nullptr;
    TAALabel* lblLastDate_ = nullptr;
};
