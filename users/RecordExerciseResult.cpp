#include "RecordExerciseResult.h"

#include "ResultsStore.h"
#include "UserFiles.h"

#include "app/TfrmMsgBox.h"
#include "app/TfrmProgress.h"

#include "course/AppState.h"
#include "course/CourseModel.h"
#include "course/LoadFeedback.h"
#include "course/Rounding.h"

#include "controls/TEdProgress.h"

#include <QPointer>
#include <QWidget>

#include <cstdlib>
#include <optional>
#include <vector>

namespace {

std::function<TElement*()>& CurrentElementSource()
{
    static std::function<TElement*()> source;
    return source;
}

std::vector<QPointer<QWidget>>& WindowsToClose()
{
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

// The progress window while the results are read. It repaints the bar only
// when its width changes, so that a long course costs a few repaints.
class ResultsLoadFeedback : public LoadFeedback {
public:
    void ShowLoadError(const QString&) override {}
    void StartProgress(int maximum, const QString& caption) override
    {
        maximum_ = maximum;
        shownWidth_ = 0;
        ::StartProgress(TfrmProgress::ModeLoading, maximum, caption);
    }
    void StepProgress(int position) override
    {
        if (maximum_ <= 0)
            return;
        const int width = RoundHalfEven(static_cast<double>(position) / maximum_ * TfrmProgress::BarFullWidth);
        if (width == shownWidth_)
            return;
        shownWidth_ = width;
        ::StepProgress(position);
    }
    void CloseProgress() override { ::CloseProgress(); }

private:
    int maximum_ = 0;
    int shownWidth_ = 0;
};

} // namespace

namespace ResultRecording {

void SetCurrentElementSource(std::function<TElement*()> source)
{
    CurrentElementSource() = std::move(source);
}

void CloseBeforeRecording(QWidget* window)
{
    WindowsToClose().emplace_back(window);
}

} // namespace ResultRecording

void StopOnResultsError()
{
    ShowErrorBox(ResultsFileErrorMessage(), QStringLiteral("Błąd"));
    std::_Exit(0);
}

void RecordExerciseResult(QWidget* screen)
{
    for (const QPointer<QWidget>& window : WindowsToClose())
        if (window && window->isVisible())
            window->close();
    TElement* current = CurrentElementSource() ? CurrentElementSource()() : nullptr;
    if (current == nullptr)
        return;
    std::optional<int> score;
    if (screen != nullptr) {
        const auto* panel = screen->findChild<TEdProgress*>(QStringLiteral("Panel_Wynik"));
        if (panel != nullptr && panel->isVisibleTo(screen))
            score = panel->Wynik();
    }
    try {
        Results().Record(*current, score);
    } catch (const ResultsFileError&) {
        StopOnResultsError();
    }
}

QString ResultsFileOf(std::uint32_t userId, int courseLanguage)
{
    return UserFiles::ResultsFilePath(App().ContentPath(QStringLiteral("/Users"), QString()), userId, courseLanguage);
}

void LoadAllResults(std::uint32_t userId)
{
    ResultsLoadFeedback feedback;
    try {
        Results().Open(ResultsFileOf(userId, App().CourseLanguage));
        Results().LoadAll(Course().FlatList(), feedback);
    } catch (const ResultsFileError&) {
        feedback.CloseProgress();
        StopOnResultsError();
    }
}
