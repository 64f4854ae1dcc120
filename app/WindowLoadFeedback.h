#pragma once

#include "course/LoadFeedback.h"

// Course loading as the learner sees it: an error box per failed file and
// the progress window while the exercise documents are read.
class WindowLoadFeedback : public LoadFeedback {
public:
    void ShowLoadError(const QString& message) override;
    void StartProgress(int maximum, const QString& caption) override;
    void StepProgress(int position) override;
    void CloseProgress() override;
    void LetMessagesRun() override;
};
