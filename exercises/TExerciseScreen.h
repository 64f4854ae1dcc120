#pragma once

#include "exercises/ScreenRules.h"

#include <QImage>
#include <QString>
#include <QWidget>

class ExerciseDocument;
class QLineEdit;
class TAALabel;
class TEdBelka;
class TEdKlawiaturka;
class TEdProgress;
class TEdResButton;
class TWOwnrScrllBar;

// The base of every exercise screen: the standard components, opening and
// loading with their messages, the media buttons, the check cycle, keys,
// wheel, background, on-screen keyboard and closing. A screen implements the
// steps that read, lay out, evaluate and release its own exercise.
class TExerciseScreen : public QWidget {
    Q_OBJECT
public:
    // What differs between the screens of the framework.
    struct Traits {
        int MissingFileCode = 0;     // shown in "Brak pliku ćwiczenia! (%d)"
        int TabLeft = 770;           // side tabs of the navigation bar
        int TabTop = 150;
        bool WithTabs = true;
        int InstructionPixels = 15;  // "Polecenie" in Georgia
        bool Scored = true;          // records its result when checked
    };

    TExerciseScreen(const QString& name, const Traits& traits, QWidget* parent = nullptr);
    ~TExerciseScreen() override;

    // Whether the document exists; when it does not, tells the learner
    // "Brak pliku ćwiczenia! (code)" and returns false.
    static bool CheckFileExists(const QString& path, int missingFileCode);

    // Resets, loads the document, attaches the navigation bar, starts and shows.
    void OpenExerciseScreen(const QString& path, int mode);
    // "Jeszcze raz": release, reset, reload from the file, start.
    void ResetExercise();
    // The check cycle of "btnSpr".
    void btnSprClick();
    int Mode() const { return mode_; }
    const QString& Path() const { return path_; }
    int LastScore() const;

    // Standard components, found by name by other modules too.
    TEdBelka* Belka() const { return belka_; }
    TAALabel* Polecenie() const { return polecenie_; }
    TAALabel* PaczkaPart() const { return paczkaPart_; }
    TEdProgress* PanelWynik() const { return panelWynik_; }
    TEdResButton* btnSpr() const { return btnSpr_; }
    TEdResButton* btnPopraw() const { return btnPopraw_; }
    TEdResButton* btnMedia() const { return btnMedia_; }
    TEdResButton* btnMedia2() const { return btnMedia2_; }
    TEdResButton* btnKlawiaturka() const { return btnKlawiaturka_; }
    TEdKlawiaturka* Klawiaturka() const { return klawiaturka_; }
    TWOwnrScrllBar* ScrollBar() const { return scrollBar_; }

    // The media item of the header after the button set-up.
    const QString& MediaItem() const { return mediaItem_; }
    void PlayExerciseMedia();

protected:
    // Reads the screen's own structures from the open document.
    virtual void LoadExercise(const ExerciseDocument& document) = 0;
    // Lays the exercise out and resets answers and counters.
    virtual void StartExercise() = 0;
    // Counts the right and wrong items of the learner's answers.
    virtual void EvaluateAnswers(int& correct, int& wrong) = 0;
    // Frees what LoadExercise created.
    virtual void ReleaseExercise() {}
    // The answer field that accent shortcuts and the keyboard write into.
    virtual QLineEdit* AnswerField() const { return nullptr; }
    // After the check: the screen shows its marks.
    virtual void AnswersChecked() {}

    // Set-up helpers for the screen's layout.
    TEdResButton* AddSideButton(const QString& name, const QString& caption, int top, const QString& glyph);
    void SetInstruction(const QString& text);
    void SetUpMediaButtons(const QString& multimedia);
    // Where the working area starts: the instruction and page labels start
    // there when no small media button stands before them.
    void SetWorkingAreaLeft(int left) { workingAreaLeft_ = left; }
    void SetBackground(const QImage& image);
    void SetRandomBackground(const QString& gfxFolder);
    // A background picture of the program folder at the working area's size
    // (1024 x 718), read once per run.
    static const QImage& BackgroundPicture(const QString& path);
    const QImage& Background() const { return background_; }
    // The part of the background behind a rectangle of the window.
    QImage BackgroundBehind(const QRect& windowRect) const;

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateStandardComponents();
    void ResetCheckButton();
    void LoadFromFile();
    void KeyboardSymbol(int index);

    Traits traits_;
    QString path_;
    int mode_ = 0;
    QString mediaItem_;
    int workingAreaLeft_ = 40;
    QImage background_;
    TEdBelka* belka_ = nullptr;
    TAALabel* polecenie_ = nullptr;
    TAALabel* paczkaPart_ = nullptr;
    TEdProgress* panelWynik_ = nullptr;
    TEdResButton* btnSpr_ = nullptr;
    TEdResButton* btnPopraw_ = nullptr;
    TEdResButton* btnMedia_ = nullptr;
    TEdResButton* btnMedia2_ = nullptr;
    TEdResButton* btnKlawiaturka_ = nullptr;
    TEdKlawiaturka* klawiaturka_ = nullptr;
    TWOwnrScrllBar* scrollBar_ = nullptr;
};
