#include "WindowLoadFeedback.h"

#include "TfrmMsgBox.h"
#include "TfrmProgress.h"

#include <QCoreApplication>

void WindowLoadFeedback::ShowLoadError(const QString& message)
{
    ShowErrorBox(message, QStringLiteral("Błąd"));
}

void WindowLoadFeedback::StartProgress(int maximum, const QString& caption)
{
    ::StartProgress(TfrmProgress::ModeLoading, maximum, caption);
}

void WindowLoadFeedback::StepProgress(int position)
{
    ::StepProgress(position);
}

void WindowLoadFeedback::CloseProgress()
{
    ::CloseProgress();
}

void WindowLoadFeedback::LetMessagesRun()
{
    QCoreApplication::processEvents();
}
