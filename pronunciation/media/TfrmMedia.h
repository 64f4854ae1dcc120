#pragma once

#include "TMicRecording.h"

#include "exercises/ExerciseMedia.h"

#include <QImage>
#include <QPoint>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;
class TAALabel;
class TEdResButton;
class TMediaPart;
class TfrmTlumaczenie;

// The media window: a small borderless window, kept on top, that plays
// sounds (".wav", ".mp3") and films (".mpg") with play, pause, stop and a
// seek bar; plays lists of sounds with pauses, reporting each item and the
// end; records the microphone; and shows text packages. One window for the
// program's lifetime; every screen plays through it.
class TfrmMedia : public QWidget, public ExerciseMedia {
    Q_OBJECT
public:
    explicit TfrmMedia(QWidget* parent = nullptr);
    ~TfrmMedia() override;

    // Plays a file (a full path) and shows the window when asked. While a
    // list pause runs nothing happens. A missing file is reported.
    void PlayMedia(const QString& path, bool showWindow) override;
    // Plays the files one after another without showing the window; after
    // file k the k-th pause (milliseconds as decimal text) is waited.
    void PlayMediaList(const QStringList& files, const QStringList& pauses);
    void StopMediaList();
    // Stops everything and hides the window.
    void CloseMedia();

    void StartMicRecording(const QString& file) { recording_.Start(file); }
    void StopMicRecording(bool save) { recording_.Stop(save); }
    bool IsRecording() const { return recording_.IsRecording(); }

    // Shows the text (`translated` false) or the translation of a text
    // package of the course's Paczki folder in a translation window placed
    // left or right of the screen's middle; returns that window's result.
    int ShowTextPackage(const QString& name, bool translated);

    // The exercise screens' view of the window.
    void ShowTextPackage(const QString& path) override;
    void StopMedia() override { CloseMedia(); }
    bool IsPlaying() const override { return playing_; }
    bool IsShown() const override { return isVisible(); }
    void HideMedia() override { hide(); }

    // Number of list items started after the first.
    int CurrentListItem = 0;
    // Called when the next list item starts, and after a list has ended and the window was closed.
    std::function<void()> OnListItem;
    std::function<void()> OnListFinished;

    int Kind() const { return kind_; }
    bool ListMode() const { return listMode_; }
    bool InPause() const { return inPause_; }
    QMediaPlayer* Player() const { return player_; }
    QWidget* DisplayArea() const;
    QWidget* Knob() const;
    QWidget* Track() const;
    QWidget* Filled() const;
    TEdResButton* btnPlay() const { return btnPlay_; }
    TEdResButton* btnPause() const { return btnPause_; }
    TEdResButton* btnStop() const { return btnStop_; }
    TEdResButton* btnClose() const { return btnClose_; }

    void btnPlayClick();
    void btnPauseClick();
    void btnStopClick();

    // The knob dragged to `knobLeft` and released there.
    void ReleaseKnobAt(int knobLeft);
    // A press on the track `x` pixels from its left.
    void PressTrackAt(int x);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateComponents();
    void ApplyLayout();
    void Play();
    void Stop();
    void Close(bool hideWindow);
    void ClearList();
    void UpdatePosition();
    void PlaceKnob(int left);
    void MediaStatusChanged();
    void ContinueList();
    void PauseEnded();
    void PaintFilled(QPainter& painter);
    int TrackLeft() const;

    QMediaPlayer* player_ = nullptr;
    QAudioOutput* audio_ = nullptr;
    QWidget* displayArea_ = nullptr;
    QVideoWidget* video_ = nullptr;
    QWidget* animationArea_ = nullptr;
    TEdResButton* btnPlay_ = nullptr;
    TEdResButton* btnPause_ = nullptr;
    TEdResButton* btnStop_ = nullptr;
    TEdResButton* btnClose_ = nullptr;
    TMediaPart* track_ = nullptr;
    TMediaPart* filled_ = nullptr;
    TMediaPart* knob_ = nullptr;
    TAALabel* lblCzas_ = nullptr;
    QTimer timer_;
    QTimer zegarPauza_;
    QImage filmBackground_;
    QImage soundBackground_;
    QImage knobPicture_;
    QImage trackPicture_;

    int kind_ = 2;
    bool playing_ = false;
    bool listMode_ = false;
    bool listNotify_ = false;
    QStringList files_;
    QStringList pauses_;
    bool inPause_ = false;
    bool pauseDone_ = false;
    TMicRecording recording_;

    bool draggingWindow_ = false;
    QPoint grabPoint_;
    bool draggingKnob_ = false;
    int knobGrabX_ = 0;
};

// Creates the program's media window and makes it the one that exercise
// screens play through.
TfrmMedia* CreateMediaWindow();
