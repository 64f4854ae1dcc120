#pragma once

#include <QString>

// What exercise screens ask of the media window; the media window of the
// pronunciation module implements it and registers itself at start-up.
class ExerciseMedia {
public:
    virtual ~ExerciseMedia() = default;
    // Plays a sound or film file, showing the window when asked.
    virtual void PlayMedia(const QString& path, bool showWindow) = 0;
    // Shows a text package (an exercise document of the Paczki folder).
    virtual void ShowTextPackage(const QString& path) = 0;
    virtual void StopMedia() = 0;
    virtual bool IsPlaying() const = 0;
    virtual bool IsShown() const = 0;
    virtual void HideMedia() = 0;
};

ExerciseMedia* Media();
void SetMedia(ExerciseMedia* media);
