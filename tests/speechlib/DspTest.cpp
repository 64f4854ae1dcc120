#include "SoundTestSupport.h"
#include "speechlib/CT_DSP.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

constexpr std::uint32_t kRate = 11025;

std::vector<std::uint16_t> copyOf(const std::uint16_t* track, std::uint32_t count)
{
    return track == nullptr ? std::vector<std::uint16_t>{} : std::vector<std::uint16_t>(track, track + count);
}

// An analysis of its own samples at 11025 samples per second.
class Analysis {
public:
    explicit Analysis(std::vector<std::int16_t> samples)
        : samples_(std::move(samples))
    {
        dsp.v_Set(samples_.data(), static_cast<std::uint32_t>(samples_.size()));
        dsp.v_Calculate();
    }

    std::vector<std::uint16_t> pitch() const { return copyOf(dsp.qcn2_GetPitch(), dsp.n_GetPitch()); }
    std::vector<std::uint16_t> energy() const { return copyOf(dsp.qcn2_GetEnergy(), dsp.n_GetEnergy()); }
    std::vector<std::uint16_t> zeroX() const { return copyOf(dsp.qcn2_GetZeroX(), dsp.n_GetZeroX()); }

    std::vector<std::int16_t> samples_;
    CT_DSP dsp;
};

std::vector<std::int16_t> concat(std::initializer_list<std::vector<std::int16_t>> parts)
{
    std::vector<std::int16_t> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

bool allZero(const std::vector<std::uint16_t>& values, std::size_t from = 0)
{
    return std::all_of(values.begin() + static_cast<std::ptrdiff_t>(std::min(from, values.size())), values.end(),
                       [](std::uint16_t v) { return v == 0; });
}

TEST(DspSilence, GivesZeroTracksAndTheEmptyExtremes)
{
    Analysis silence(std::vector<std::int16_t>(kRate, 0));
    const CT_DSP& dsp = silence.dsp;
    EXPECT_TRUE(allZero(silence.energy()));
    EXPECT_EQ(dsp.r_GetEnergyMean(), 0.0f);
    EXPECT_EQ(dsp.n_GetEnergyMin(), 0u);
    EXPECT_EQ(dsp.n_GetEnergyMax(), 0u);
    EXPECT_TRUE(allZero(silence.pitch()));
    EXPECT_EQ(dsp.n_GetPitchMax(), 0u);
    EXPECT_EQ(dsp.n_GetPitchMin(), 32767u);
    EXPECT_TRUE(allZero(silence.zeroX()));
    EXPECT_EQ(dsp.r_GetZeroXMean(), 0.0f);
}

TEST(DspTone, A150HzToneReadsTheRateOverAMultipleOfThree)
{
    Analysis tone(kurs::test::tone(150.0, 2.0, kRate));
    const auto pitch = tone.pitch();
    ASSERT_GT(pitch.size(), 10u);
    // Away from the ends, where frames reach past the sound.
    for (std::size_t k = 3; k + 3 < pitch.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(pitch[k] == 153 || pitch[k] == 147) << pitch[k];
    }
    EXPECT_GE(tone.dsp.n_GetPitchMin(), 147u);
    EXPECT_LE(tone.dsp.n_GetPitchMax(), 153u);
    EXPECT_GE(tone.dsp.r_GetPitchMean(), 147.0f);
    EXPECT_LE(tone.dsp.r_GetPitchMean(), 153.0f);
}

TEST(DspTone, A400HzToneIsOutsideTheBandFromIndexTwoOn)
{
    Analysis tone(kurs::test::tone(400.0, 1.0, kRate));
    const auto pitch = tone.pitch();
    EXPECT_TRUE(allZero(pitch, 2));
    EXPECT_EQ(tone.dsp.r_GetPitchMean(), 0.0f);
}

// 150 Hz, a third of a second of silence, 150 Hz again.
std::vector<std::int16_t> toneGapTone()
{
    return concat({kurs::test::tone(150.0, 0.5, kRate), std::vector<std::int16_t>(kRate / 3, 0),
                   kurs::test::tone(150.0, 0.5, kRate)});
}

TEST(DspBridge, FillsTheUnvoicedGapBetweenVoicedFramesOnlyWhenOn)
{
    Analysis bridged(toneGapTone());
    const auto withBridge = bridged.pitch();
    bridged.dsp.v_SetBridge(false);
    const auto withoutBridge = bridged.pitch();
    ASSERT_EQ(withBridge.size(), withoutBridge.size());

    // Frames 20..30 lie around the gap (0.45 s to 0.84 s); frame 25 lies wholly inside it.
    EXPECT_EQ(withoutBridge[25], 0);
    for (std::size_t k = 20; k <= 30; ++k) {
        SCOPED_TRACE(k);
        EXPECT_GE(withBridge[k], 30);
    }
}

TEST(DspBridge, SwitchingItOffAndOnAgainGivesTheFirstAnalysis)
{
    Analysis analysis(toneGapTone());
    const auto first = analysis.pitch();
    const float firstMean = analysis.dsp.r_GetPitchMean();
    analysis.dsp.v_SetBridge(false);
    ASSERT_NE(analysis.pitch(), first);
    analysis.dsp.v_SetBridge(true);
    EXPECT_EQ(analysis.pitch(), first);
    EXPECT_EQ(analysis.dsp.r_GetPitchMean(), firstMean);
}

TEST(DspEnergy, ASteadyLevelGivesTheLogarithmOfItsWindowedMean)
{
    // A constant 1000 under the triangular window averages about 500: 100 x log10(501) rounds to 270.
    Analysis steady(std::vector<std::int16_t>(kRate, 1000));
    const auto energy = steady.energy();
    ASSERT_GT(energy.size(), 6u);
    for (std::size_t k = 2; k + 4 < energy.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(energy[k], 270);
    }
    EXPECT_EQ(steady.dsp.n_GetEnergyMax(), 270u);
    EXPECT_LT(steady.dsp.n_GetEnergyMin(), 270u);
    // Every frame above the threshold (integer part of 50 x log10(501), 134) enters the mean.
    float mean = 0.0f;
    std::uint32_t n = 0;
    for (const std::uint16_t e : energy) {
        if (e > 134)
            mean += (static_cast<float>(e) - mean) / static_cast<float>(++n);
    }
    EXPECT_FLOAT_EQ(steady.dsp.r_GetEnergyMean(), mean);
}

TEST(DspZeroX, CountsOnlyDownwardCrossingsAndSmoothsTheMean)
{
    // +1000, -1000, ... crosses downward 128 times in a frame (and upward 127 times).
    std::vector<std::int16_t> alternating(kRate);
    for (std::size_t i = 0; i < alternating.size(); ++i)
        alternating[i] = i % 2 == 0 ? 1000 : -1000;
    Analysis analysis(alternating);
    const auto zeroX = analysis.zeroX();
    ASSERT_GT(zeroX.size(), 6u);
    EXPECT_EQ(zeroX[5], 128);
    EXPECT_EQ(analysis.dsp.n_GetZeroXMax(), 128u);

    float smoothed = 0.0f;
    for (const std::uint16_t z : zeroX)
        smoothed += (static_cast<float>(z) - smoothed) / 256.0f;
    const double arithmetic = std::accumulate(zeroX.begin(), zeroX.end(), 0.0) / static_cast<double>(zeroX.size());
    EXPECT_FLOAT_EQ(analysis.dsp.r_GetZeroXMean(), smoothed);
    EXPECT_LT(analysis.dsp.r_GetZeroXMean(), arithmetic - 20.0);
}

struct FrameCase {
    std::uint32_t samples;
    std::uint32_t energyFrames;
    std::uint32_t zeroXFrames;
};

TEST(DspFrames, EveryLengthGivesAtLeastOneFrame)
{
    const FrameCase rows[] = {
        {0, 1, 1}, {1, 1, 1}, {100, 1, 3}, {308, 2, 7}, {11025, 37, 213}, {22050, 73, 425},
    };
    for (const FrameCase& row : rows) {
        SCOPED_TRACE(row.samples);
        // One element more, so that even a count of 0 comes with a buffer.
        std::vector<std::int16_t> samples(row.samples + 1, 100);
        CT_DSP dsp(samples.data(), row.samples);
        dsp.v_Calculate();
        EXPECT_EQ(dsp.n_GetEnergy(), row.energyFrames);
        EXPECT_EQ(dsp.n_GetPitch(), row.energyFrames);
        EXPECT_EQ(dsp.n_GetZeroX(), row.zeroXFrames);
    }
}

TEST(DspEmpty, WithoutSamplesNothingIsComputed)
{
    CT_DSP dsp;
    EXPECT_FALSE(dsp.b_Energy());
    EXPECT_FALSE(dsp.b_Pitch());
    EXPECT_FALSE(dsp.b_ZeroX());
    EXPECT_EQ(dsp.n_GetEnergy(), 0u);
    EXPECT_EQ(dsp.qcn2_GetEnergy(), nullptr);
    EXPECT_EQ(dsp.qcn2_GetPitch(), nullptr);
    EXPECT_EQ(dsp.qcn2_GetZeroX(), nullptr);
    EXPECT_EQ(dsp.n_GetEnergyMin(), 32767u);
    EXPECT_EQ(dsp.n4_GetTime(), 0u);
    EXPECT_EQ(dsp.qcn2_EnergySegment(0), nullptr);
    EXPECT_EQ(dsp.n_EnergySegmentCount(0, 100), 0u);
    EXPECT_FALSE(dsp.b_Voiced(0, 100));
    EXPECT_EQ(dsp.pcso_GetSoundInfo()->samplesPerSec, 11025u);
}

TEST(DspReset, SetDropsTheTracksAndRestoresTheDefaults)
{
    Analysis analysis(kurs::test::tone(150.0, 0.5, kRate));
    analysis.dsp.v_SetRate(22050);
    analysis.dsp.v_SetBridge(false);
    analysis.dsp.v_Set();
    EXPECT_EQ(analysis.dsp.n_GetSamples(), 0u);
    EXPECT_EQ(analysis.dsp.qcn2_GetPitch(), nullptr);
    EXPECT_EQ(analysis.dsp.pcso_GetSoundInfo()->samplesPerSec, 11025u);
    EXPECT_EQ(analysis.dsp.pcso_GetSoundInfo()->avgBytesPerSec, 22050u);
    EXPECT_EQ(analysis.dsp.r_GetPitchMean(), 0.0f);
}

TEST(DspData, TheIndexStrideIsTheBlockAlign)
{
    std::vector<std::int16_t> samples(100);
    std::iota(samples.begin(), samples.end(), std::int16_t{0});
    CT_DSP dsp(samples.data(), 100);
    ASSERT_NE(dsp.qci2_GetData(5), nullptr);
    EXPECT_EQ(*dsp.qci2_GetData(5), 10);
    EXPECT_EQ(dsp.qci2_GetData(5), dsp.qci2_GetData() + 10);
    EXPECT_EQ(*dsp.qci2_GetData(49), 98);
    EXPECT_EQ(dsp.qci2_GetData(50), nullptr);
}

struct SegmentCase {
    const char* name;
    std::uint32_t t0;
    std::uint32_t t1;
    std::uint32_t index;  // of the element for t0; kNoElement for null
    std::uint32_t count;
};

constexpr std::uint32_t kNoElement = 0xFFFFFFFF;

class DspSegments : public testing::TestWithParam<SegmentCase> {};

// 22050 samples at 11025 per second: 2000 ms, 73 energy frames, 425 zero-crossing frames.
TEST_P(DspSegments, SliceTheTracksByTime)
{
    const SegmentCase& c = GetParam();
    static Analysis analysis(kurs::test::tone(150.0, 2.0, kRate));
    const CT_DSP& dsp = analysis.dsp;
    ASSERT_EQ(dsp.n4_GetTime(), 2000u);
    ASSERT_EQ(dsp.n_GetEnergy(), 73u);
    const std::uint16_t* element = dsp.qcn2_EnergySegment(c.t0);
    if (c.index == kNoElement)
        EXPECT_EQ(element, nullptr);
    else
        EXPECT_EQ(element, dsp.qcn2_GetEnergy() + c.index);
    EXPECT_EQ(dsp.n_EnergySegmentCount(c.t0, c.t1), c.count);
    EXPECT_EQ(dsp.qcn2_PitchSegment(c.t0), c.index == kNoElement ? nullptr : dsp.qcn2_GetPitch() + c.index);
    EXPECT_EQ(dsp.n_PitchSegmentCount(c.t0, c.t1), c.count);
}

INSTANTIATE_TEST_SUITE_P(Times, DspSegments,
                         testing::Values(SegmentCase{"start", 0, 0, 0, 0},
                                         SegmentCase{"one_millisecond_is_no_frame", 1000, 1000, 36, 0},
                                         SegmentCase{"a_hundred_milliseconds", 1000, 1099, 36, 3},
                                         SegmentCase{"whole_sound", 0, 1999, 0, 73},
                                         SegmentCase{"last_millisecond", 1999, 1999, 72, 0},
                                         SegmentCase{"past_the_end", 2000, 2100, kNoElement, 0},
                                         SegmentCase{"runs_past_the_end", 1900, 2500, 69, 4},
                                         SegmentCase{"end_before_start", 500, 100, 18, 0}),
                         [](const testing::TestParamInfo<SegmentCase>& info) { return std::string(info.param.name); });

TEST(DspMean, AveragesOnlyTheNonZeroValues)
{
    const std::vector<std::uint16_t> values{0, 10, 0, 20, 0};
    EXPECT_DOUBLE_EQ(CT_DSP::r8_Mean(values.data(), 5), 15.0);
    EXPECT_DOUBLE_EQ(CT_DSP::r8_Mean(values.data(), 3), 10.0);
    EXPECT_DOUBLE_EQ(CT_DSP::r8_Mean(values.data(), 1), 0.0);
    EXPECT_DOUBLE_EQ(CT_DSP::r8_Mean(nullptr, 4), 0.0);
}

TEST(DspVoiced, ALowToneIsVoicedAndNoiseIsNot)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> noise(-8000, 8000);
    std::vector<std::int16_t> hiss(kRate);
    for (std::int16_t& s : hiss)
        s = static_cast<std::int16_t>(noise(random));
    // 1000 ms of 150 Hz, then 1000 ms of noise.
    Analysis analysis(concat({kurs::test::tone(150.0, 1.0, kRate), hiss}));
    EXPECT_TRUE(analysis.dsp.b_Voiced(100, 900));
    EXPECT_FALSE(analysis.dsp.b_Voiced(1100, 1900));
    EXPECT_NEAR(analysis.dsp.n4_Mean(100, 900), 150u, 3u);
    EXPECT_EQ(analysis.dsp.n4_Mean(3000, 3100), 0u);
}

} // namespace
