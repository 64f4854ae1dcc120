#ifndef FONETRA_H
#define FONETRA_H

/* The exported interface of the speech library libfonetra.so: signal analysis
 * of wave files, sound capture and playback, and diagnostics. Plain C, callable
 * from C and C++. Every returned pointer points into the library's own storage
 * and stays valid until the next call that rebuilds the same data; copy what
 * you keep. Times are in milliseconds. All functions are called from one
 * thread. Failures return false, 0 or null and record the last error, which
 * VX_I4_LastError and VX_STRING_LastError read back. */

#include <stdint.h>

#if defined(FONETRA_BUILDING)
#define FONETRA_API __attribute__((visibility("default")))
#else
#define FONETRA_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Boolean result: non-zero means true. */
typedef int32_t VX_BOOL;

/* Signal analysis of one wave file (16-bit mono PCM with the canonical 44-byte
 * header). */
FONETRA_API void VX_V_InitDsp(const char* waveFile);
FONETRA_API const int16_t* VX_P32_Waveform(void);
/* The 16-bit element at index i x block align: every second sample of mono
 * 16-bit sound for i = 0, 1, 2 ...; null past the end of the samples. */
FONETRA_API const int16_t* VX_P32_WaveformOffset(uint32_t i);
FONETRA_API uint32_t VX_N4_WaveCount(void);
FONETRA_API uint32_t VX_N4_WaveTime(void);

FONETRA_API const uint16_t* VX_P32N2_Energy(void);
FONETRA_API uint32_t VX_N4_EnergyCount(void);
FONETRA_API uint32_t VX_N4_EnergyMin(void);
FONETRA_API uint32_t VX_N4_EnergyMax(void);
FONETRA_API uint32_t VX_N4_EnergyMean(void);
FONETRA_API const uint16_t* VX_P32N2_EnergySegment(uint32_t startMs);
FONETRA_API uint32_t VX_N4_EnergySegmentCount(uint32_t startMs, uint32_t endMs);

FONETRA_API const uint16_t* VX_P32N2_ZeroX(void);
FONETRA_API uint32_t VX_N4_ZeroXCount(void);
FONETRA_API uint32_t VX_N4_ZeroXMean(void);
FONETRA_API uint32_t VX_N4_ZeroXMin(void);
FONETRA_API uint32_t VX_N4_ZeroXMax(void);
FONETRA_API const uint16_t* VX_P32N2_ZeroXSegment(uint32_t startMs);
FONETRA_API uint32_t VX_N4_ZeroXSegmentCount(uint32_t startMs, uint32_t endMs);

FONETRA_API const uint16_t* VX_P32N2_Pitch(void);
FONETRA_API uint32_t VX_N4_PitchCount(void);
FONETRA_API uint32_t VX_N4_PitchMean(void);
FONETRA_API uint32_t VX_N4_PitchMin(void);
FONETRA_API uint32_t VX_N4_PitchMax(void);
FONETRA_API const uint16_t* VX_P32N2_PitchSegment(uint32_t startMs);
FONETRA_API uint32_t VX_N4_PitchSegmentCount(uint32_t startMs, uint32_t endMs);

/* Mean of the non-zero pitch values over the stretch, rounded. */
FONETRA_API uint32_t VX_N4_Mean(uint32_t startMs, uint32_t endMs);
/* Few zero crossings over the stretch: voiced sound. */
FONETRA_API VX_BOOL VX_B_Voiced(uint32_t startMs, uint32_t endMs);

/* Sound capture and playback on the recording sound (default PCM 22050 Hz,
 * 16 bits, mono). */
FONETRA_API void VX_V_InitSound(const char* waveFile);
FONETRA_API void VX_V_SetRate(uint32_t samplesPerSec);
FONETRA_API void VX_V_SetBits(uint32_t bitsPerSample);
FONETRA_API const int16_t* VX_P32I2_Buffer(void);
/* Buffer + i x block align bytes; null past the end of the data. */
FONETRA_API const int16_t* VX_P32I2_BufferOffset(uint32_t i);
FONETRA_API uint32_t VX_N4_Samples(void);
/* Measures the input noise for the given time; 0 when that fails. */
FONETRA_API uint32_t VX_N4_VCCalibrate(uint32_t milliseconds);
FONETRA_API void VX_V_VCSetPauseSeconds(uint32_t seconds);
FONETRA_API void VX_V_VCSetSilenceLevel(uint32_t level);
/* Recording triggered by the voice into the sound's file. */
FONETRA_API VX_BOOL VX_B_VCRecord(void);
FONETRA_API VX_BOOL VX_B_Record(void);
FONETRA_API VX_BOOL VX_B_StopRecord(void);
FONETRA_API VX_BOOL VX_B_IsRecording(void);
FONETRA_API VX_BOOL VX_B_Play(void);
FONETRA_API VX_BOOL VX_B_PlayWait(void);
FONETRA_API VX_BOOL VX_B_StopPlay(void);
FONETRA_API VX_BOOL VX_B_IsPlaying(void);

/* Diagnostics. Mode 0 collects errors, 2 also writes each error and debug
 * message as a line to the target, 3 clears what was collected; other modes do
 * nothing. Target kind 0 standard error (default), 1 standard output, 2 the
 * open file descriptor given as value. */
FONETRA_API void VX_V_DebugMode(int32_t mode);
FONETRA_API void VX_V_DebugTarget(int32_t kind, int32_t value);
FONETRA_API void VX_V_DebugMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

/* The last error recorded: its code (0 when none) and its message ("" when
 * none); and the recent errors, one "[code] message" entry per line. */
FONETRA_API int32_t VX_I4_LastError(void);
FONETRA_API const char* VX_STRING_LastError(void);
FONETRA_API const char* VX_STRING_ErrorLog(void);

#ifdef __cplusplus
}
#endif

#endif
