#ifndef FONETRA_H
#define FONETRA_H

/* The exported interface of the speech library libfonetra.so: signal analysis
 * of wave files, sound capture and playback, speech recognition with its
 * results, and diagnostics. Plain C, callable
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

/* Speech recognition over the recognition engine. VX_I4_InitSR makes the
 * folder of the configuration file the current folder (and so do
 * VX_I4_NewResource and VX_I4_NewSoundFile), so relative names resolve there.
 * Positions of words and phones are 1-based; a position past the count answers
 * null, 0 or the time pair (0, 0). Times are milliseconds; scores are 0..100. */
FONETRA_API int32_t VX_I4_InitSR(const char* configFile);
/* 1 when every engine object was deleted, else 0 (also 0 without a context). */
FONETRA_API int32_t VX_V_Exit(void);
/* Network (lattice) and dictionary of the next recognitions; a failure keeps
 * the previous ones and answers a negative code. */
FONETRA_API int32_t VX_I4_NewResource(const char* network, const char* dictionary);
/* -1 when a file source will read that wave file, else 0. */
FONETRA_API int32_t VX_I4_NewSoundFile(const char* file);
/* When set, the audio of each recognition is stored as a wave file of that name. */
FONETRA_API void VX_V_SetWave(const char* file);
/* One recognition; the recognised text (output symbols, or word names after
 * VX_V_DebugDictionary(1)), null without a context. */
FONETRA_API const char* VX_STRING_Recognize(void);
/* 1 = on speech, other = on silence; the input level, -1 for a file source. */
FONETRA_API int32_t VX_I4_Calibrate(int32_t kind);
FONETRA_API int32_t VX_I4_Status(void);
FONETRA_API const char* VX_STRING_Status(void);

/* Background recognition on a thread of its own; VX_STRING_Check answers each
 * spoken result once, VX_STRING_CheckTmp each new partial result once. */
FONETRA_API VX_BOOL VX_B_StartBGRecognize(void);
FONETRA_API VX_BOOL VX_B_BGRecognize(void);
FONETRA_API void VX_V_ResetBGRecognize(void);
FONETRA_API void VX_V_StopBGRecognize(void);
FONETRA_API const char* VX_STRING_Check(void);
FONETRA_API const char* VX_STRING_CheckTmp(void);

FONETRA_API uint32_t VX_N4_Words(void);
FONETRA_API const char* VX_STRING_Words(void);
FONETRA_API const char* VX_STRING_Word(uint32_t word);
FONETRA_API uint32_t VX_N4_Outputs(void);
FONETRA_API const char* VX_STRING_Outputs(void);
FONETRA_API const char* VX_STRING_Output(uint32_t word);
/* Pairs (start, end). */
FONETRA_API const uint32_t* VX_P32N4_WordTimes(void);
FONETRA_API const uint32_t* VX_P32N4_WordTime(uint32_t word);
FONETRA_API const double* VX_P32R8_WordScores(void);
FONETRA_API double VX_R8_WordScore(uint32_t word);
FONETRA_API uint32_t VX_N4_WordScore(uint32_t word);
FONETRA_API const uint16_t* VX_P32N2_PhonesPerWord(void);
FONETRA_API uint32_t VX_N4_PhonesPerWord(uint32_t word);
FONETRA_API uint32_t VX_N4_Phones(void);
FONETRA_API const char* VX_STRING_Phones(void);
FONETRA_API const char* VX_STRING_Phone(uint32_t phone);
/* Phone `phone` (from 1) of word `word`; null (names, times) or 0 (scores)
 * unless the word has that phone. */
FONETRA_API const char* VX_STRING_WordPhone(uint32_t word, uint32_t phone);
FONETRA_API const uint32_t* VX_P32N4_PhoneTimes(void);
FONETRA_API const uint32_t* VX_P32N4_PhoneTime(uint32_t phone);
FONETRA_API const uint32_t* VX_P32N4_WordPhoneTime(uint32_t word, uint32_t phone);
FONETRA_API const double* VX_P32R8_PhoneScores(void);
FONETRA_API double VX_R8_PhoneScore(uint32_t phone);
FONETRA_API double VX_R8_WordPhoneScore(uint32_t word, uint32_t phone);
FONETRA_API uint32_t VX_N4_PhoneScore(uint32_t phone);
FONETRA_API uint32_t VX_N4_WordPhoneScore(uint32_t word, uint32_t phone);
/* Score type of the next analysis: 4 (default) the pronunciation score, other
 * types the engine's acoustic score turned per frame into 0..100. */
FONETRA_API void VX_V_ScoreType(uint32_t type);
/* End time of the last word; 0 when there is none. */
FONETRA_API uint32_t VX_N4_Time(void);

/* Diagnostics. Mode 0 collects errors, 2 also writes each error and debug
 * message as a line to the target, 3 clears what was collected; other modes do
 * nothing. Target kind 0 standard error (default), 1 standard output, 2 the
 * open file descriptor given as value. */
FONETRA_API void VX_V_DebugMode(int32_t mode);
FONETRA_API void VX_V_DebugTarget(int32_t kind, int32_t value);
FONETRA_API void VX_V_DebugMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
/* 0: recognised texts are built from output symbols (default); other: from word names. */
FONETRA_API void VX_V_DebugDictionary(int32_t flag);

/* The last error recorded: its code (0 when none) and its message ("" when
 * none); and the recent errors, one "[code] message" entry per line. */
FONETRA_API int32_t VX_I4_LastError(void);
FONETRA_API const char* VX_STRING_LastError(void);
FONETRA_API const char* VX_STRING_ErrorLog(void);

#ifdef __cplusplus
}
#endif

#endif
