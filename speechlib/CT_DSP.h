#pragma once

#include "speechlib/WaveFormatEx.h"

#include <cstdint>
#include <vector>

// Analysis of 16-bit signed mono sound into three frame tracks: logarithmic
// energy, downward zero crossings and pitch in hertz (0 = unvoiced), with
// their minimum, maximum and mean, and queries over stretches given in
// milliseconds. The sample buffer is borrowed: the caller keeps it alive and
// unchanged while the object refers to it.
class CT_DSP {
public:
    CT_DSP();
    CT_DSP(const std::int16_t* samples, std::uint32_t count);

    // Drops the tracks and returns to the defaults (11025 samples per second, mono, 16 bits).
    void v_Set();
    void v_Set(const std::int16_t* samples, std::uint32_t count);

    void v_SetRate(std::uint32_t rate);
    void v_SetSoundInfo(const tWAVEFORMATEX& format);
    const tWAVEFORMATEX* pcso_GetSoundInfo() const { return &m_soundInfo; }

    // Energy, pitch and zero crossings, in that order.
    void v_Calculate();
    // Each computes one track; false (and nothing changed) without samples.
    bool b_Energy();
    bool b_Pitch();
    bool b_ZeroX();
    // Stores the flag and recomputes the pitch track.
    void v_SetBridge(bool bridge);

    std::uint32_t n_GetSamples() const { return m_sampleCount; }
    // Duration in milliseconds.
    std::uint32_t n4_GetTime() const;
    const std::int16_t* qci2_GetData() const { return m_samples; }
    // The 16-bit element at index i x block align (every second sample of mono
    // 16-bit sound for i = 0, 1, 2 ...); null past the end of the samples.
    const std::int16_t* qci2_GetData(std::uint32_t i) const;

    std::uint32_t n_GetEnergy() const { return m_energyCount; }
    const std::uint16_t* qcn2_GetEnergy() const { return track(m_energy); }
    float r_GetEnergyMean() const { return m_energyMean; }
    std::uint32_t n_GetEnergyMin() const { return m_energyMin; }
    std::uint32_t n_GetEnergyMax() const { return m_energyMax; }

    std::uint32_t n_GetZeroX() const { return m_zeroXCount; }
    const std::uint16_t* qcn2_GetZeroX() const { return track(m_zeroX); }
    float r_GetZeroXMean() const { return m_zeroXMean; }
    std::uint32_t n_GetZeroXMin() const { return m_zeroXMin; }
    std::uint32_t n_GetZeroXMax() const { return m_zeroXMax; }

    std::uint32_t n_GetPitch() const { return m_pitchCount; }
    const std::uint16_t* qcn2_GetPitch() const { return track(m_pitch); }
    float r_GetPitchMean() const { return m_pitchMean; }
    std::uint32_t n_GetPitchMin() const { return m_pitchMin; }
    std::uint32_t n_GetPitchMax() const { return m_pitchMax; }

    // The track element for time t (ms) and the number of elements covering
    // t0..t1 (both included). Past the end of the track: null and the elements
    // left; without a track or with a duration of 0 ms: null and 0.
    const std::uint16_t* qcn2_EnergySegment(std::uint32_t t) const;
    std::uint32_t n_EnergySegmentCount(std::uint32_t t0, std::uint32_t t1) const;
    const std::uint16_t* qcn2_ZeroXSegment(std::uint32_t t) const;
    std::uint32_t n_ZeroXSegmentCount(std::uint32_t t0, std::uint32_t t1) const;
    const std::uint16_t* qcn2_PitchSegment(std::uint32_t t) const;
    std::uint32_t n_PitchSegmentCount(std::uint32_t t0, std::uint32_t t1) const;

    // Mean of the non-zero pitch values of t0..t1, rounded.
    std::uint32_t n4_Mean(std::uint32_t t0, std::uint32_t t1) const;
    // Few zero crossings over t0..t1 (mean at most a fifth of the track's
    // maximum) mean voiced sound. False where there is no track.
    bool b_Voiced(std::uint32_t t0, std::uint32_t t1) const;
    // Mean of the non-zero values among the first count values; 0 when none.
    static double r8_Mean(const std::uint16_t* values, std::uint32_t count);

private:
    static const std::uint16_t* track(const std::vector<std::uint16_t>& values)
    {
        return values.empty() ? nullptr : values.data();
    }

    void v_Null();
    void v_Init();
    void v_Exit();

    static std::uint32_t n_FrameCount(std::uint32_t samples, float stepFactor);
    static void v_Transfer(std::int16_t* destination, std::uint32_t length, const std::int16_t* source,
                           std::uint32_t sourceCount, std::int64_t offset);
    static void v_Win(std::uint32_t length, std::int16_t* frame);
    static float r_Triangle(float x);
    // differences must hold at least length / 2 + 3 values.
    static std::int32_t i_amdfPitch(const std::int16_t* frame, std::uint32_t length, std::uint32_t* differences);
    void v_PitchSmooth(std::uint32_t k);
    void v_PitchPostSmooth(std::uint32_t count, std::uint32_t low, std::uint32_t high);
    static void v_BridgeSilence(std::uint16_t* values, std::uint32_t count, std::uint32_t low);

    const std::uint16_t* qcn2_Segment(const std::vector<std::uint16_t>& values, std::uint32_t t) const;
    std::uint32_t n_SegmentCount(const std::vector<std::uint16_t>& values, std::uint32_t t0,
                                 std::uint32_t t1) const;

    const std::int16_t* m_samples;
    std::uint32_t m_sampleCount;
    tWAVEFORMATEX m_soundInfo;

    std::uint32_t m_energyCount;
    std::vector<std::uint16_t> m_energy;
    float m_energyMean;
    std::uint32_t m_energyMax;
    std::uint32_t m_energyMin;

    std::uint32_t m_zeroXCount;
    std::vector<std::uint16_t> m_zeroX;
    float m_zeroXMean;
    std::uint32_t m_zeroXMax;
    std::uint32_t m_zeroXMin;

    std::uint32_t m_pitchCount;
    std::vector<std::uint16_t> m_pitch;
    float m_pitchMean;
    std::uint32_t m_pitchMax;
    std::uint32_t m_pitchMin;

    bool m_bridge;
};
