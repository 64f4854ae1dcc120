#include "speechlib/CT_DSP.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr std::uint32_t kEnergyFrame = 1024;
constexpr std::uint32_t kEnergyStep = 308;
constexpr float kEnergyStepFactor = 0.0032467532f;
constexpr std::uint32_t kZeroXFrame = 256;
constexpr std::uint32_t kZeroXStep = 52;
constexpr float kZeroXStepFactor = 0.01923077f;
constexpr std::uint32_t kNoMinimum = 0x7FFF;
constexpr std::uint32_t kPitchLow = 30;
constexpr std::uint32_t kPitchHigh = 300;

// x lies within the fraction f of v: f x v > |x - v|.
bool isNear(double x, double v, double f)
{
    return f * v > std::fabs(x - v);
}

// The current value is half the two before it: an octave error downward.
bool isHalved(std::uint32_t c, std::uint32_t a, std::uint32_t b)
{
    return c < a && isNear(2.0 * c, a, 0.1) && c < b && isNear(2.0 * c, b, 0.2);
}

} // namespace

CT_DSP::CT_DSP()
{
    v_Null();
    v_Init();
}

CT_DSP::CT_DSP(const std::int16_t* samples, std::uint32_t count)
    : CT_DSP()
{
    m_samples = samples;
    m_sampleCount = count;
}

void CT_DSP::v_Null()
{
    m_samples = nullptr;
    m_energy.clear();
    m_zeroX.clear();
    m_pitch.clear();
}

void CT_DSP::v_Init()
{
    m_sampleCount = 0;
    m_soundInfo = tWAVEFORMATEX{};
    m_soundInfo.samplesPerSec = 11025;
    m_soundInfo.avgBytesPerSec = 22050;
    m_energyCount = 0;
    m_energyMean = 0.0f;
    m_energyMax = 0;
    m_energyMin = kNoMinimum;
    m_zeroXCount = 0;
    m_zeroXMean = 0.0f;
    m_zeroXMax = 0;
    m_zeroXMin = kNoMinimum;
    m_pitchCount = 0;
    m_pitchMean = 0.0f;
    m_pitchMax = 0;
    m_pitchMin = kNoMinimum;
    m_bridge = true;
}

void CT_DSP::v_Exit()
{
    m_energy = {};
    m_zeroX = {};
    m_pitch = {};
    v_Null();
}

void CT_DSP::v_Set()
{
    v_Exit();
    v_Init();
}

void CT_DSP::v_Set(const std::int16_t* samples, std::uint32_t count)
{
    v_Set();
    m_samples = samples;
    m_sampleCount = count;
}

void CT_DSP::v_SetRate(std::uint32_t rate)
{
    m_soundInfo.samplesPerSec = rate;
    m_soundInfo.avgBytesPerSec = rate * m_soundInfo.blockAlign;
}

void CT_DSP::v_SetSoundInfo(const tWAVEFORMATEX& format)
{
    m_soundInfo = format;
}

void CT_DSP::v_Calculate()
{
    b_Energy();
    b_Pitch();
    b_ZeroX();
}

void CT_DSP::v_SetBridge(bool bridge)
{
    m_bridge = bridge;
    b_Pitch();
}

std::uint32_t CT_DSP::n4_GetTime() const
{
    if (m_soundInfo.samplesPerSec == 0)
        return 0;
    // 64-bit so that sounds longer than about three minutes keep their duration.
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(m_sampleCount) * 1000u / m_soundInfo.samplesPerSec);
}

const std::int16_t* CT_DSP::qci2_GetData(std::uint32_t i) const
{
    const std::uint64_t index = static_cast<std::uint64_t>(i) * m_soundInfo.blockAlign;
    if (m_samples == nullptr || index >= m_sampleCount)
        return nullptr;
    return m_samples + index;
}

std::uint32_t CT_DSP::n_FrameCount(std::uint32_t samples, float stepFactor)
{
    return static_cast<std::uint32_t>(static_cast<float>(samples) * stepFactor + 1.5f);
}

void CT_DSP::v_Transfer(std::int16_t* destination, std::uint32_t length, const std::int16_t* source,
                        std::uint32_t sourceCount, std::int64_t offset)
{
    for (std::uint32_t i = 0; i < length; ++i) {
        const std::int64_t at = offset + i;
        destination[i] = at >= 0 && at < sourceCount ? source[at] : 0;
    }
}

float CT_DSP::r_Triangle(float x)
{
    return x < 0.5f ? 2.0f * x : 2.0f - 2.0f * x;
}

void CT_DSP::v_Win(std::uint32_t length, std::int16_t* frame)
{
    const float step = 1.0f / static_cast<float>(length + 1);
    float x = 0.0f;
    for (std::uint32_t i = 0; i < length; ++i) {
        x += step;
        frame[i] = static_cast<std::int16_t>(r_Triangle(x) * static_cast<float>(frame[i]));
    }
}

bool CT_DSP::b_Energy()
{
    if (m_samples == nullptr)
        return false;
    const std::uint32_t count = n_FrameCount(m_sampleCount, kEnergyStepFactor);
    m_energy.assign(count, 0);
    m_energyCount = count;
    m_energyMin = kNoMinimum;
    m_energyMax = 0;

    std::vector<std::int16_t> frame(kEnergyFrame);
    std::vector<float> means(count);
    std::int16_t peak = -32768;
    for (std::uint32_t k = 0; k < count; ++k) {
        v_Transfer(frame.data(), kEnergyFrame, m_samples, m_sampleCount,
                   static_cast<std::int64_t>(k) * kEnergyStep - kEnergyFrame / 2);
        v_Win(kEnergyFrame, frame.data());
        float mean = 0.0f;
        for (std::uint32_t j = 1; j <= kEnergyFrame; ++j)
            mean += (std::fabs(static_cast<float>(frame[j - 1])) - mean) / static_cast<float>(j);
        means[k] = mean;
        peak = std::max(peak, static_cast<std::int16_t>(mean + 0.5f));
    }

    const int threshold = static_cast<int>(50.0 * std::log10(static_cast<double>(peak) + 1.0));
    float energyMean = m_energyMean;
    std::uint32_t loud = 0;
    for (std::uint32_t k = 0; k < count; ++k) {
        const auto energy
            = static_cast<std::uint16_t>(static_cast<int>(100.0 * std::log10(static_cast<double>(means[k]) + 1.0) + 0.5));
        m_energy[k] = energy;
        if (energy > threshold) {
            ++loud;
            energyMean += (static_cast<float>(energy) - energyMean) / static_cast<float>(loud);
        }
        m_energyMax = std::max<std::uint32_t>(m_energyMax, energy);
        m_energyMin = std::min<std::uint32_t>(m_energyMin, energy);
    }
    m_energyMean = energyMean;
    return true;
}

bool CT_DSP::b_ZeroX()
{
    if (m_samples == nullptr)
        return false;
    const std::uint32_t count = n_FrameCount(m_sampleCount, kZeroXStepFactor);
    m_zeroX.assign(count, 0);
    m_zeroXCount = count;
    m_zeroXMax = 0;
    m_zeroXMin = kNoMinimum;

    std::vector<std::int16_t> frame(kZeroXFrame);
    for (std::uint32_t k = 0; k < count; ++k) {
        v_Transfer(frame.data(), kZeroXFrame, m_samples, m_sampleCount,
                   static_cast<std::int64_t>(k) * kZeroXStep - kZeroXFrame / 2);
        std::uint16_t crossings = 0;
        for (std::uint32_t j = 0; j + 1 < kZeroXFrame; ++j) {
            if (frame[j] >= 0 && frame[j + 1] < 0)
                ++crossings;
        }
        m_zeroX[k] = crossings;
        // Exponential smoothing, not an arithmetic mean.
        m_zeroXMean += (static_cast<float>(crossings) - m_zeroXMean) / 256.0f;
        m_zeroXMax = std::max<std::uint32_t>(m_zeroXMax, crossings);
        m_zeroXMin = std::min<std::uint32_t>(m_zeroXMin, crossings);
    }
    return true;
}

std::int32_t CT_DSP::i_amdfPitch(const std::int16_t* frame, std::uint32_t length, std::uint32_t* differences)
{
    const std::uint32_t half = length / 2;
    const std::uint32_t terms = (half + 1) / 3;

    // Only every third sample takes part; gathering them side by side turns the
    // lag 3t into an offset of t and lets the compiler vectorise the sums.
    std::int32_t sampled[(kEnergyFrame + 2) / 3];
    const std::uint32_t sampledCount = length > 1 ? std::min<std::uint32_t>((length + 1) / 3, std::size(sampled)) : 0;
    for (std::uint32_t i = 0; i < sampledCount; ++i)
        sampled[i] = frame[1 + 3 * i];

    std::uint32_t largest = 0;
    for (std::uint32_t lag = 0;; lag += 3) {
        std::uint32_t sum = 0;
        if (half > 1) {
            const std::int32_t* shifted = sampled + lag / 3;
            for (std::uint32_t j = 0; j < terms; ++j)
                sum += static_cast<std::uint32_t>(std::abs(sampled[j] - shifted[j]));
        }
        differences[lag] = differences[lag + 1] = differences[lag + 2] = sum;
        largest = std::max(largest, sum);
        if (lag + 3 >= half)
            break;
    }

    const auto high = static_cast<std::uint32_t>(0.6 * largest + 0.5);
    const auto low = static_cast<std::uint32_t>(0.1 * largest + 0.5);
    std::uint32_t i = 1;
    while (i < half && differences[i] < high)
        ++i;
    if (i >= half)
        return 0;
    std::uint32_t smallest = largest;
    std::int32_t bestLag = 0;
    for (; i < half && smallest > low; ++i) {
        if (differences[i] < smallest) {
            smallest = differences[i];
            bestLag = static_cast<std::int32_t>(i);
        }
    }
    return 0.5 * largest >= smallest ? bestLag : 0;
}

bool CT_DSP::b_Pitch()
{
    if (m_samples == nullptr)
        return false;
    const std::uint32_t count = n_FrameCount(m_sampleCount, kEnergyStepFactor);
    m_pitch.assign(count, 0);
    m_pitchCount = count;
    m_pitchMin = kNoMinimum;
    m_pitchMax = 0;
    m_pitchMean = 0.0f;

    std::vector<std::int16_t> frame(kEnergyFrame);
    std::vector<std::uint32_t> differences(kEnergyFrame / 2 + 3);
    for (std::uint32_t k = 0; k < count; ++k) {
        v_Transfer(frame.data(), kEnergyFrame, m_samples, m_sampleCount,
                   static_cast<std::int64_t>(k) * kEnergyStep - kEnergyFrame / 2);
        v_Win(kEnergyFrame, frame.data());
        const std::int32_t lag = i_amdfPitch(frame.data(), kEnergyFrame, differences.data());
        m_pitch[k] = lag == 0 ? 0 : static_cast<std::uint16_t>(m_soundInfo.samplesPerSec / static_cast<std::uint32_t>(lag));
        v_PitchSmooth(k);
    }
    v_PitchPostSmooth(count, kPitchLow, kPitchHigh);
    for (const std::uint16_t pitch : m_pitch) {
        if (pitch != 0) {
            m_pitchMax = std::max<std::uint32_t>(m_pitchMax, pitch);
            m_pitchMin = std::min<std::uint32_t>(m_pitchMin, pitch);
        }
    }
    return true;
}

void CT_DSP::v_PitchSmooth(std::uint32_t k)
{
    if (k < 2)
        return;
    const std::uint32_t c = m_pitch[k];
    const std::uint32_t a = m_pitch[k - 1];
    const std::uint32_t b = m_pitch[k - 2];
    const bool third = c < a && isNear(3.0 * c, a, 0.1) && c < b && isNear(3.0 * c, b, 0.2);
    const bool doubled = c > a && isNear(c / 2, a, 0.05) && c > b && isNear(c / 2, b, 0.01);
    const bool tripled = c > a && isNear(c / 3, a, 0.1) && c > b && isNear(c / 3, b, 0.2);
    if (isHalved(c, a, b) || third || doubled || tripled)
        m_pitch[k] = static_cast<std::uint16_t>((a + b) / 2);
}

void CT_DSP::v_PitchPostSmooth(std::uint32_t count, std::uint32_t low, std::uint32_t high)
{
    std::uint32_t kept = 0;
    for (std::uint32_t k = 2; k < count; ++k) {
        const std::uint32_t a = m_pitch[k - 1];
        const std::uint32_t b = m_pitch[k - 2];
        if (isHalved(m_pitch[k], a, b))
            m_pitch[k] = static_cast<std::uint16_t>((a + b) / 2);
        if (m_pitch[k] < low || m_pitch[k] >= high)
            m_pitch[k] = 0;
        if (m_pitch[k] > low) {
            ++kept;
            m_pitchMean += (static_cast<float>(m_pitch[k]) - m_pitchMean) / static_cast<float>(kept);
        }
    }
    if (m_bridge)
        v_BridgeSilence(m_pitch.data(), count, low);
    for (std::uint32_t k = 2; k < count; ++k) {
        const std::uint32_t e = m_pitch[k - 2];
        const std::uint32_t d = m_pitch[k - 1];
        const std::uint32_t c = m_pitch[k];
        if ((d > e && d > c) || (d < e && d < c))
            m_pitch[k - 1] = static_cast<std::uint16_t>((e + c) / 2);
    }
}

void CT_DSP::v_BridgeSilence(std::uint16_t* values, std::uint32_t count, std::uint32_t low)
{
    std::uint32_t i = 0;
    while (i < count && values[i] == 0)
        ++i;
    while (i < count) {
        if (values[i] >= low) {
            ++i;
            continue;
        }
        std::uint32_t end = i;
        while (end < count && values[end] < low)
            ++end;
        if (end == count)
            return;
        // Only a gap after a voiced value is filled.
        if (i > 0)
            std::fill(values + i, values + end, values[i - 1]);
        i = end + 1;
    }
}

double CT_DSP::r8_Mean(const std::uint16_t* values, std::uint32_t count)
{
    double mean = 0.0;
    std::uint32_t n = 0;
    for (std::uint32_t i = 0; values != nullptr && i < count; ++i) {
        if (values[i] != 0) {
            ++n;
            mean += (values[i] - mean) / n;
        }
    }
    return mean;
}

const std::uint16_t* CT_DSP::qcn2_Segment(const std::vector<std::uint16_t>& values, std::uint32_t t) const
{
    const std::uint32_t duration = n4_GetTime();
    if (values.empty() || duration == 0)
        return nullptr;
    const std::uint64_t index = static_cast<std::uint64_t>(t) * values.size() / duration;
    return index < values.size() ? values.data() + index : nullptr;
}

std::uint32_t CT_DSP::n_SegmentCount(const std::vector<std::uint16_t>& values, std::uint32_t t0,
                                     std::uint32_t t1) const
{
    const std::uint32_t duration = n4_GetTime();
    if (values.empty() || duration == 0 || t1 < t0)
        return 0;
    const std::uint64_t start = static_cast<std::uint64_t>(t0) * values.size() / duration;
    if (start >= values.size())
        return 0;
    const std::uint64_t count = (static_cast<std::uint64_t>(t1) - t0 + 1) * values.size() / duration;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(count, values.size() - start));
}

const std::uint16_t* CT_DSP::qcn2_EnergySegment(std::uint32_t t) const { return qcn2_Segment(m_energy, t); }
const std::uint16_t* CT_DSP::qcn2_ZeroXSegment(std::uint32_t t) const { return qcn2_Segment(m_zeroX, t); }
const std::uint16_t* CT_DSP::qcn2_PitchSegment(std::uint32_t t) const { return qcn2_Segment(m_pitch, t); }

std::uint32_t CT_DSP::n_EnergySegmentCount(std::uint32_t t0, std::uint32_t t1) const
{
    return n_SegmentCount(m_energy, t0, t1);
}

std::uint32_t CT_DSP::n_ZeroXSegmentCount(std::uint32_t t0, std::uint32_t t1) const
{
    return n_SegmentCount(m_zeroX, t0, t1);
}

std::uint32_t CT_DSP::n_PitchSegmentCount(std::uint32_t t0, std::uint32_t t1) const
{
    return n_SegmentCount(m_pitch, t0, t1);
}

std::uint32_t CT_DSP::n4_Mean(std::uint32_t t0, std::uint32_t t1) const
{
    const std::uint16_t* slice = qcn2_PitchSegment(t0);
    if (slice == nullptr)
        return 0;
    return static_cast<std::uint32_t>(r8_Mean(slice, n_PitchSegmentCount(t0, t1)) + 0.5);
}

bool CT_DSP::b_Voiced(std::uint32_t t0, std::uint32_t t1) const
{
    const std::uint16_t* slice = qcn2_ZeroXSegment(t0);
    if (slice == nullptr)
        return false;
    return 0.2 * m_zeroXMax >= r8_Mean(slice, n_ZeroXSegmentCount(t0, t1));
}
