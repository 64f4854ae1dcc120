// Analysis speed on a minute of speech: the whole exported call (read the file,
// energy, pitch and zero-crossing tracks), and the three tracks alone.
#include "speechlib/CT_DSP.h"
#include "speechlib/CT_Sound.h"
#include "speechlib/Fonetra.h"

#include <benchmark/benchmark.h>

namespace {

void BM_VX_V_InitDsp(benchmark::State& state)
{
    for (auto _ : state) {
        VX_V_InitDsp(KURS_BENCH_SPEECH);
        benchmark::DoNotOptimize(VX_P32N2_Pitch());
    }
    if (VX_N4_WaveTime() < 60000)
        state.SkipWithError("the speech file is shorter than a minute");
    state.counters["frames"] = VX_N4_PitchCount();
}
BENCHMARK(BM_VX_V_InitDsp)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_CT_DSP_Calculate(benchmark::State& state)
{
    CT_Sound sound(KURS_BENCH_SPEECH);
    if (sound.n_Read() == 0) {
        state.SkipWithError("cannot read the speech file");
        return;
    }
    CT_DSP dsp;
    for (auto _ : state) {
        dsp.v_Set(reinterpret_cast<const std::int16_t*>(sound.qcc_GetBuffer()), sound.n_GetSamples());
        dsp.v_SetSoundInfo(*sound.pcso_GetWaveFormat());
        dsp.v_Calculate();
        benchmark::DoNotOptimize(dsp.qcn2_GetPitch());
    }
}
BENCHMARK(BM_CT_DSP_Calculate)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
