#include "speechlib/Fonetra.h"
#include "speechlib/LibraryObjects.h"

#include <algorithm>

namespace {

std::uint32_t rounded(float mean)
{
    return static_cast<std::uint32_t>(mean + 0.5f);
}

} // namespace

extern "C" {

void VX_V_InitDsp(const char* waveFile)
{
    CT_Sound& sound = analysisSound();
    CT_DSP& dsp = analysis();
    sound.v_Set(waveFile);
    if (sound.n_Read() == 0) {
        dsp.v_Set();
        return;
    }
    // The analysis reads 16-bit values: never more than the buffer holds, whatever
    // the header says of the sample size.
    const std::uint32_t count = std::min(sound.n_GetSamples(), sound.n_GetDataSize() / 2);
    dsp.v_Set(reinterpret_cast<const std::int16_t*>(sound.qcc_GetBuffer()), count);
    dsp.v_SetSoundInfo(*sound.pcso_GetWaveFormat());
    dsp.v_Calculate();
}

const int16_t* VX_P32_Waveform(void) { return analysis().qci2_GetData(); }
const int16_t* VX_P32_WaveformOffset(uint32_t i) { return analysis().qci2_GetData(i); }
uint32_t VX_N4_WaveCount(void) { return analysis().n_GetSamples(); }
uint32_t VX_N4_WaveTime(void) { return analysis().n4_GetTime(); }

const uint16_t* VX_P32N2_Energy(void) { return analysis().qcn2_GetEnergy(); }
uint32_t VX_N4_EnergyCount(void) { return analysis().n_GetEnergy(); }
uint32_t VX_N4_EnergyMin(void) { return analysis().n_GetEnergyMin(); }
uint32_t VX_N4_EnergyMax(void) { return analysis().n_GetEnergyMax(); }
uint32_t VX_N4_EnergyMean(void) { return rounded(analysis().r_GetEnergyMean()); }
const uint16_t* VX_P32N2_EnergySegment(uint32_t startMs) { return analysis().qcn2_EnergySegment(startMs); }
uint32_t VX_N4_EnergySegmentCount(uint32_t startMs, uint32_t endMs)
{
    return analysis().n_EnergySegmentCount(startMs, endMs);
}

const uint16_t* VX_P32N2_ZeroX(void) { return analysis().qcn2_GetZeroX(); }
uint32_t VX_N4_ZeroXCount(void) { return analysis().n_GetZeroX(); }
uint32_t VX_N4_ZeroXMean(void) { return rounded(analysis().r_GetZeroXMean()); }
uint32_t VX_N4_ZeroXMin(void) { return analysis().n_GetZeroXMin(); }
uint32_t VX_N4_ZeroXMax(void) { return analysis().n_GetZeroXMax(); }
const uint16_t* VX_P32N2_ZeroXSegment(uint32_t startMs) { return analysis().qcn2_ZeroXSegment(startMs); }
uint32_t VX_N4_ZeroXSegmentCount(uint32_t startMs, uint32_t endMs)
{
    return analysis().n_ZeroXSegmentCount(startMs, endMs);
}

const uint16_t* VX_P32N2_Pitch(void) { return analysis().qcn2_GetPitch(); }
uint32_t VX_N4_PitchCount(void) { return analysis().n_GetPitch(); }
uint32_t VX_N4_PitchMean(void) { return rounded(analysis().r_GetPitchMean()); }
uint32_t VX_N4_PitchMin(void) { return analysis().n_GetPitchMin(); }
uint32_t VX_N4_PitchMax(void) { return analysis().n_GetPitchMax(); }
const uint16_t* VX_P32N2_PitchSegment(uint32_t startMs) { return analysis().qcn2_PitchSegment(startMs); }
uint32_t VX_N4_PitchSegmentCount(uint32_t startMs, uint32_t endMs)
{
    return analysis().n_PitchSegmentCount(startMs, endMs);
}

uint32_t VX_N4_Mean(uint32_t startMs, uint32_t endMs) { return analysis().n4_Mean(startMs, endMs); }
VX_BOOL VX_B_Voiced(uint32_t startMs, uint32_t endMs) { return analysis().b_Voiced(startMs, endMs) ? 1 : 0; }
}
