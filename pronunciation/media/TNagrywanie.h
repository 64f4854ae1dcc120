#pragma once

#include "platform/WaveFormat.h"
#include "platform/WaveInDevice.h"

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Raised when the sound input cannot be opened; carries the system's text.
class ESndError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The wave format the program records in: PCM, mono, 22050 Hz, 16 bits.
class TWaveObject {
public:
    TWaveObject();
    const kurs::sound::WaveFormat& Format() const { return format_; }

protected:
    kurs::sound::WaveFormat format_;
};

// A recorder on the default sound input with two prepared capture buffers.
// Capture is never started: opening it is the check that a microphone works.
class TSoundRecorder : public TWaveObject {
public:
    static constexpr std::uint32_t BufferBytes = 4096;

    TSoundRecorder();
    // Stops the input, unprepares both buffers and closes the device.
    ~TSoundRecorder();
    TSoundRecorder(const TSoundRecorder&) = delete;
    TSoundRecorder& operator=(const TSoundRecorder&) = delete;

    // Opens the default input and prepares both buffers; throws ESndError
    // with the system's text (at most 128 characters) when it cannot.
    void Open();
    bool IsOpen() const { return device_.isOpen(); }

private:
    kurs::sound::WaveInDevice device_;
    std::array<std::vector<std::uint8_t>, 2> buffers_;
    std::array<kurs::sound::WaveInBuffer, 2> headers_;
};

// The sound-input check: owns one recorder, created and opened with it.
// Creating it throws ESndError when the program has no working microphone.
class TNagrywanie {
public:
    TNagrywanie();
    const TSoundRecorder& Recorder() const { return *recorder_; }

private:
    std::unique_ptr<TSoundRecorder> recorder_;
};
