#pragma once

#include "speechlib/WaveFormatEx.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace kurs::sound {
class WaveInDevice;
struct WaveInBuffer;
} // namespace kurs::sound

// One sound file and its samples: reads and writes wave files, plays and
// records through the command-string sound service (aliases play_sound and
// record_sound), measures the background noise of the microphone and records
// with voice triggering. Failures return false, -1 or 0 and record the last
// error (VX_SetError).
class CT_Sound {
public:
    CT_Sound();
    explicit CT_Sound(const char* name);
    ~CT_Sound();
    CT_Sound(const CT_Sound&) = delete;
    CT_Sound& operator=(const CT_Sound&) = delete;

    // Empties the object and returns to the defaults: PCM 22050 Hz, 16 bits,
    // mono, silence level 3, two pause seconds.
    void v_Set();
    void v_Set(const char* name);

    void v_SetRate(std::uint32_t rate);
    void v_SetBits(std::uint32_t bits);
    void v_SetPauseSeconds(std::uint32_t seconds) { m_pauseSeconds = seconds; }
    void v_SetSilenceLevel(float level) { m_silenceLevel = level; }
    float r_GetSilenceLevel() const { return m_silenceLevel; }
    std::uint32_t n_GetPauseSeconds() const { return m_pauseSeconds; }

    std::uint32_t n_GetSamples() const;
    std::uint32_t n_GetRate() const;
    std::uint32_t n_GetDataSize() const { return m_dataSize; }
    // The data of the file last read; null when nothing is loaded.
    const std::uint8_t* qcc_GetBuffer() const;
    // buffer + i x block align bytes; null past the end of the data.
    const std::uint8_t* qcc_GetBuffer(std::uint32_t i) const;
    const tWAVEFORMATEX* pcso_GetWaveFormat() const { return &m_waveFormat; }
    const char* qccz_GetFileName() const { return m_fileName.c_str(); }

    // Reads the canonical 44-byte header at its fixed offsets (no chunk search).
    bool b_ReadHeader(const char* name);
    // Loads the data of the object's file; a data size larger than the file
    // holds is cut to what the file holds. Returns the data size, 0 on failure.
    std::uint32_t n_Read();

    // Writing: 28 placeholder bytes, the data, then the 44-byte header over the
    // start of the file. The file is written beside its name and renamed over it
    // on closing.
    bool b_WriteOpen();
    bool b_Write(const std::uint8_t* data, std::uint32_t lengthBytes);
    bool b_Write(const std::int16_t* data, std::uint32_t lengthBytes);
    bool b_WriteClose();

    // Sends a formatted command; null on success, else the error text.
    const char* qccz_MCIsend(const char* format, ...) __attribute__((format(printf, 2, 3)));
    bool b_MCIPlay(std::uint32_t fromMs, std::uint32_t toMs);
    bool b_MCIPlayWait(std::uint32_t fromMs, std::uint32_t toMs);
    bool b_MCIStopPlay();
    bool b_IsPlaying();
    bool b_MCIRecord();
    bool b_MCIStopRecord();
    bool b_IsRecording();

    // Mean 8-bit amplitude of the input over the given time, plus 2, which also
    // becomes the silence level; -1 on failure.
    float r_Calibrate(std::uint32_t milliseconds);
    // Waits for speech, keeps the second before it and records until more than
    // the pause seconds were silent; true when a file was written.
    bool b_Record();

private:
    struct Capture;

    void v_Null();
    void v_Init();
    void v_Exit();
    // Records the service's error text; always false.
    bool b_MCIError(const char* text);

    bool b_Trigger(Capture& capture);
    void v_RecordLoop(Capture& capture);
    bool b_WaitDone(const kurs::sound::WaveInBuffer& buffer) const;
    std::uint32_t n_Queue(kurs::sound::WaveInDevice& device, kurs::sound::WaveInBuffer& buffer);
    float r_TriggerLevel(const kurs::sound::WaveInBuffer& buffer) const;
    float r_TriggerLevel(const std::int16_t* data, std::uint32_t samples) const;
    float r_TriggerLevel(const std::uint8_t* data, std::uint32_t samples) const;

    std::vector<std::int16_t> m_buffer;
    std::uint32_t m_dataSize;
    std::string m_fileName;
    std::FILE* m_file;
    std::string m_partName;
    tWAVEFORMATEX m_waveFormat;
    std::int64_t m_bytesWritten;
    std::string m_answer;
    std::string m_command;
    float m_silenceLevel;
    std::uint32_t m_pauseSeconds;
};
