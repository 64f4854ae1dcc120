#pragma once

#include <QString>

// What course loading tells the learner while it runs. The windows of the
// program implement it with message boxes and the progress window; tests
// record the calls.
class LoadFeedback {
public:
    virtual ~LoadFeedback() = default;
    // A file failed to load (an error box captioned "Błąd"); loading goes on afterwards.
    virtual void ShowLoadError(const QString& message) = 0;
    virtual void StartProgress(int maximum, const QString& caption) { (void)maximum; (void)caption; }
    virtual void StepProgress(int position) { (void)position; }
    virtual void CloseProgress() {}
    // Lets pending window messages run so that the windows repaint between files.
    virtual void LetMessagesRun() {}
};
