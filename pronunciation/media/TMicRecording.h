#pragma once

#include <QString>

// Records the microphone into a wave file (22050 Hz, 16 bits, mono) through
// the command-string sound service, one recording at a time under the alias
// "RozumienieWAV". Errors of the commands are not reported: a recording that
// failed leaves no file, and whoever plays it reports it missing.
class TMicRecording {
public:
    static constexpr const char* Alias = "RozumienieWAV";

    TMicRecording() = default;
    // Saves a recording still running.
    ~TMicRecording();
    TMicRecording(const TMicRecording&) = delete;
    TMicRecording& operator=(const TMicRecording&) = delete;

    // Starts recording into `file` (an existing file of that name is removed
    // first); a recording in progress is saved before the new one starts.
    void Start(const QString& file);
    // Ends the recording: with `save` the sound is written to the file,
    // otherwise no file is left. Does nothing when nothing is recorded.
    void Stop(bool save);
    bool IsRecording() const { return recording_; }
    const QString& File() const { return file_; }

private:
    bool recording_ = false;
    QString file_;
};
