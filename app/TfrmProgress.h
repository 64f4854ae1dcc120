#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

class QLabel;

// The progress window: a caption and a bar that grows while files are read.
// While it is open, the windows that its mode names ignore input.
class TfrmProgress : public QWidget {
    Q_OBJECT
public:
    static constexpr int BarFullWidth = 200;
    // Course, dictionary and results loading; any other mode is a progress report.
    static constexpr int ModeLoading = 1;

    explicit TfrmProgress(QWidget* parent = nullptr);

    // Windows disabled while a progress of the given mode runs: mode 1 names
    // the login window and the settings dialog, any other mode the progress
    // report window.
    void RegisterDisabledWindow(bool forLoadingMode, QWidget* window);

    void StartProgress(int mode, int maximum, const QString& caption);
    void StepProgress(int position);

    int mode() const { return mode_; }
    int maximum() const { return maximum_; }
    int barWidth() const { return barWidth_; }
    QString caption() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void SetWindowsEnabled(bool enabled);

    int mode_ = ModeLoading;
    int maximum_ = 0;
    int barWidth_ = 0;
    QLabel* label1_;
    std::vector<QPointer<QWidget>> loadingWindows_;
    std::vector<QPointer<QWidget>> reportWindows_;
};

// The one progress window of the program (created at start-up).
TfrmProgress* ProgressWindow();
void SetProgressWindow(TfrmProgress* window);
void StartProgress(int mode, int maximum, const QString& caption);
void StepProgress(int position);
void CloseProgress();
