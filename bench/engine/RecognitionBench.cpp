// One recognition of a three-second phrase read from a wave file, as the
// pronunciation lesson runs it: decoding in the phrase's network, the phone
// alignment and the pronunciation scores of every word and phone. Reports the
// real-time factor (wall time per second of speech) and the memory the engine
// holds (resident memory added by starting it and recognising once).
#include "speechlib/Fonetra.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::vector<std::pair<std::string, std::string>> kPhrase = {
    {"There", "dh eh r"}, {"is", "ih z"},     {"a", "ah"},      {"cat", "k ae t"}, {"in", "ih n"},
    {"the", "dh ah"},     {"garden", "g aa r d ah n"}, {"and", "ah n d"}, {"a", "ah"}, {"dog", "d ao g"},
    {"in", "ih n"},       {"the", "dh ah"},   {"house", "hh aw s"}};

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0.0;
}

// The lattice and the engine dictionary of the phrase, as the course writes them.
void writePhrase(const fs::path& folder)
{
    std::ostringstream lattice;
    lattice << "SUBLAT=<GARBAGE>\r\nN=6 L=6\r\nI=0 W=!NULL\r\nI=1 W=!NULL\r\nI=2 W=!NULL\r\nI=3 W=_GV_GBGEMARKER_\r\n"
               "I=4 W=!NULL\r\nI=5 W=P__GV_GBGE_\r\nJ=0 S=0 E=1\r\nJ=1 S=1 E=5\r\nJ=2 S=2 E=1 l=-16\r\nJ=3 S=2 E=3\r\n"
               "J=4 S=3 E=4\r\nJ=5 S=5 E=2\r\n.\r\n";
    const std::size_t k = kPhrase.size();
    lattice << "N=" << k + 5 << " L=" << k + 5 << "\r\nI=0 W=!NULL\r\nI=1 W=!NULL\r\nI=2 W=<s>\r\nI=3 W=</s>\r\n"
            << "I=4 L=<GARBAGE>\r\n";
    std::string dictionary = readFile(folder / "tmp0.dct") + "\r\n";
    for (std::size_t j = 0; j < k; ++j) {
        lattice << "I=" << j + 5 << " W=" << kPhrase[j].first << "\r\n";
        dictionary += kPhrase[j].first + " [" + kPhrase[j].first + "] " + kPhrase[j].second + "\r\n";
    }
    lattice << "J=0 S=0 E=2\r\nJ=1 S=3 E=1\r\nJ=2 S=2 E=4 l=-16\r\nJ=3 S=4 E=3\r\nJ=4 S=2 E=5\r\n";
    for (std::size_t j = 0; j + 1 < k; ++j)
        lattice << "J=" << j + 5 << " S=" << j + 5 << " E=" << j + 6 << "\r\n";
    lattice << "J=" << k + 4 << " S=" << k + 4 << " E=3\r\n\r\n";
    std::ofstream(folder / "bench.lat", std::ios::binary) << lattice.str();
    std::ofstream(folder / "bench.dct", std::ios::binary) << dictionary;
}

void BM_RecognisePhraseFromFile(benchmark::State& state)
{
    std::string pattern = (fs::temp_directory_path() / "kurs-engine-bench-XXXXXX").string();
    const fs::path folder = ::mkdtemp(pattern.data());
    for (const auto& entry : fs::directory_iterator(KURS_ENGLISH_CONTENT))
        fs::copy_file(entry.path(), folder / entry.path().filename());
    for (const char* extension : {".list", ".mmf"})
        fs::copy_file(std::string(KURS_ENGLISH_MODEL_BASE) + extension,
                      folder / (fs::path(KURS_ENGLISH_MODEL_BASE).filename().string() + extension));
    std::ofstream(folder / "config.cfg", std::ios::binary | std::ios::app) << "SOURCE = FILE\r\n";
    writePhrase(folder);

    // Measured when the process first starts the engine: later starts reuse
    // memory the first one gave back.
    static const double before = residentMegabytes();
    if (VX_I4_InitSR((folder / "config.cfg").c_str()) != 0 || VX_I4_NewResource("bench.lat", "bench.dct") < 0) {
        state.SkipWithError("the recogniser did not start");
        return;
    }
    const std::string phrase = KURS_BENCH_PHRASE;
    const double seconds = static_cast<double>(fs::file_size(phrase) - 44) / (2 * 22050.0);
    VX_I4_NewSoundFile(phrase.c_str());
    const std::string recognised = VX_STRING_Recognize();
    static const double engine = residentMegabytes() - before;
    if (recognised != "There is a cat in the garden and a dog in the house ") {
        state.SkipWithError(("recognised \"" + recognised + "\"").c_str());
        return;
    }
    for (auto _ : state) {
        VX_I4_NewSoundFile(phrase.c_str());
        benchmark::DoNotOptimize(VX_STRING_Recognize());
        benchmark::DoNotOptimize(VX_R8_PhoneScore(VX_N4_Phones()));
    }
    state.counters["speech_s"] = seconds;
    state.counters["real_time_factor"] =
        benchmark::Counter(seconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["engine_MB"] = engine;
    VX_V_Exit();
    fs::remove_all(folder);
}

BENCHMARK(BM_RecognisePhraseFromFile)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
