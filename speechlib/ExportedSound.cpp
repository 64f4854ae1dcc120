#include "speechlib/Fonetra.h"
#include "speechlib/LibraryObjects.h"

extern "C" {

void VX_V_InitSound(const char* waveFile) { recordingSound().v_Set(waveFile); }
void VX_V_SetRate(uint32_t samplesPerSec) { recordingSound().v_SetRate(samplesPerSec); }
void VX_V_SetBits(uint32_t bitsPerSample) { recordingSound().v_SetBits(bitsPerSample); }

const int16_t* VX_P32I2_Buffer(void)
{
    return reinterpret_cast<const int16_t*>(recordingSound().qcc_GetBuffer());
}

const int16_t* VX_P32I2_BufferOffset(uint32_t i)
{
    return reinterpret_cast<const int16_t*>(recordingSound().qcc_GetBuffer(i));
}

uint32_t VX_N4_Samples(void) { return recordingSound().n_GetSamples(); }

uint32_t VX_N4_VCCalibrate(uint32_t milliseconds)
{
    // A failed calibration (-1) reads 0.
    return static_cast<uint32_t>(static_cast<int32_t>(recordingSound().r_Calibrate(milliseconds) + 0.5f));
}

void VX_V_VCSetPauseSeconds(uint32_t seconds) { recordingSound().v_SetPauseSeconds(seconds); }
void VX_V_VCSetSilenceLevel(uint32_t level) { recordingSound().v_SetSilenceLevel(static_cast<float>(level)); }

VX_BOOL VX_B_VCRecord(void) { return recordingSound().b_Record() ? 1 : 0; }
VX_BOOL VX_B_Record(void) { return recordingSound().b_MCIRecord() ? 1 : 0; }
VX_BOOL VX_B_StopRecord(void) { return recordingSound().b_MCIStopRecord() ? 1 : 0; }
VX_BOOL VX_B_IsRecording(void) { return recordingSound().b_IsRecording() ? 1 : 0; }
VX_BOOL VX_B_Play(void) { return recordingSound().b_MCIPlay(0, 0) ? 1 : 0; }
VX_BOOL VX_B_PlayWait(void) { return recordingSound().b_MCIPlayWait(0, 0) ? 1 : 0; }
VX_BOOL VX_B_StopPlay(void) { return recordingSound().b_MCIStopPlay() ? 1 : 0; }
VX_BOOL VX_B_IsPlaying(void) { return recordingSound().b_IsPlaying() ? 1 : 0; }
}
