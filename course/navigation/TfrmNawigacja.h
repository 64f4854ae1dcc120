#pragma once

#include "course/TNawigacjaDrzewa.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <memory>

class QFontMetrics;
class QTimer;
class QWidget;
class TfrmNawigacjaLekcji;

// The navigation controller: owns the navigation state, opens exercise
// screens by their type, and builds the navigation bar every screen carries.
// Opening never happens directly: a navigation action makes an element current,
// closes the old screen and starts the backdrop's 10 ms timer, whose tick opens
// the current element once the old screen is gone.
class TfrmNawigacja : public QObject {
    Q_OBJECT
public:
    // Opens the screen of one exercise type for the full path of its document.
    using ScreenOpener = std::function<void(const QString& path, int typ)>;

    explicit TfrmNawigacja(QTimer& backdropTimer, QObject* parent = nullptr);
    ~TfrmNawigacja() override;

    static TfrmNawigacja* Instance();

    // Screen families register the types they show.
    static void RegisterScreen(int typ, ScreenOpener opener);
    static bool HasScreen(int typ);

    // A new navigation state for a newly loaded course.
    void NewState();
    TNawigacjaDrzewa& State() { return *state_; }

    void SetCurrentElement(TElement* element) { state_->SetCurrentElement(element); }
    void SetElementIndex(int n) { state_->SetElementIndex(n); }
    // Opens the screen of `typ` on ExeDir + DaneDir + fileName, or tells the
    // learner that the type is unknown.
    void OpenExercise(int typ, const QString& fileName);
    // Starts the backdrop timer that opens the current element.
    void OpenCurrentLater();

    void BuildNavigationBar(QWidget* screen, bool withTabs, int tabTop, int tabLeft);
    static void RemoveNavigationBar(QWidget* screen);
    void RestyleScreenBar(QWidget* screen);

    // Keys every screen forwards: F1, and Esc as a press of the contents button.
    void OpenHelpFor(QWidget* screen);
    void PressContentsButton(QWidget* screen);

    // Services of other modules; each is set by the module that provides it.
    std::function<void(QWidget* screen)> RecordExerciseResult;
    std::function<void(const QString& page, QWidget* owner)> OpenHelp;
    std::function<void()> ShowDictionary;
    // Looks a word up in the dictionary window (right click on a screen's word).
    std::function<void(const QString& word)> LookUpWord;

    // Button actions (public so that tests drive them as the buttons do).
    void GoPrevious(QWidget* screen);
    void GoNext(QWidget* screen);
    void GoNextLesson(QWidget* screen);
    void GoPage(QWidget* screen, int n);
    void GoMenu(QWidget* screen);
    void GoContents(QWidget* screen);
    void ShowLessonContents(QWidget* screen);
    // Leaves the screen for an element chosen in the lesson contents pop-up.
    void GoElement(QWidget* screen, TElement* element);

private:
    void GoTo(QWidget* screen, TElement* target);
    void Record(QWidget* screen);
    void TimerTick();

    QTimer& timer_;
    std::unique_ptr<TNawigacjaDrzewa> state_;
    QPointer<TfrmNawigacjaLekcji> lessonContents_;
};

// The label text of the bar: whole when it fits in width - 30 pixels,
// otherwise the characters up to the one that crosses that limit and "...".
QString FitText(const QString& text, int width, const QFontMetrics& metrics);
