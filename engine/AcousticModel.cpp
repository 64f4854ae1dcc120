#include "engine/AcousticModel.h"

#include "engine/EngineFailure.h"
#include "engine/Hapi.h"
#include "engine/ModelArchive.h"
#include "engine/TextLines.h"
#include "engine/UtteranceDetector.h"

#include <pocketsphinx.h>
#include <sphinxbase/err.h>
#include <sphinxbase/fsg_model.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>

#include <sys/mman.h>
#include <unistd.h>

namespace kurs::engine {
namespace {

const char* const kMembers[] = {"mdef", "means", "variances", "sendump", "transition_matrices", "feat.params",
                                "noisedict"};

struct ModelPhoneLine {
    std::string name;
    bool filler = false;
    int tmat = 0;
    std::array<int, 3> senones{};
};

struct ModelDefinition {
    std::size_t senoneCount = 0;
    std::vector<ModelPhoneLine> phones;
};

[[noreturn]] void damaged(const std::string& what)
{
    throw EngineFailure(HAPI_ERR_FORMAT, "the acoustic model is damaged: " + what);
}

int wholeNumber(std::string_view text, const std::string& what)
{
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || value > 1000000)
            damaged(what);
        value = value * 10 + (c - '0');
    }
    if (text.empty())
        damaged(what);
    return value;
}

// The text model definition: counts, then one line per phone
// "base left right position attribute tmat state state state N"; only the
// context-independent phones (left context "-") are kept.
ModelDefinition parseModelDefinition(const std::string& text)
{
    ModelDefinition definition;
    for (const std::string& line : splitLines(text)) {
        const std::string_view content = trimmed(line);
        if (content.empty() || content.front() == '#')
            continue;
        const std::vector<std::string_view> fields = splitAt(content, " \t");
        if (fields.size() == 2 && fields[1] == "n_tied_state")
            definition.senoneCount = static_cast<std::size_t>(wholeNumber(fields[0], "senone count"));
        if (fields.size() < 10 || fields[1] != "-")
            continue;
        ModelPhoneLine phone;
        phone.name = fields[0];
        phone.filler = fields[4] == "filler";
        phone.tmat = wholeNumber(fields[5], "transition matrix of " + phone.name);
        for (std::size_t k = 0; k < 3; ++k)
            phone.senones[k] = wholeNumber(fields[6 + k], "senone of " + phone.name);
        definition.phones.push_back(std::move(phone));
    }
    if (definition.senoneCount == 0 || definition.phones.empty())
        damaged("no phones in the model definition");
    for (const ModelPhoneLine& phone : definition.phones) {
        for (const int senone : phone.senones) {
            if (static_cast<std::size_t>(senone) >= definition.senoneCount)
                damaged("senone out of range for " + phone.name);
        }
    }
    return definition;
}

std::uint32_t word32(const std::string& bytes, std::size_t at, bool swap)
{
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return swap ? __builtin_bswap32(value) : value;
}

// Transition matrices: a text header ending "endhdr\n", the byte-order word
// 0x11223344, the counts (matrices, source states, destination states, values)
// and the unnormalised transition weights as floats.
std::vector<std::array<std::array<Score, 4>, 3>> parseTransitions(const std::string& bytes)
{
    const std::size_t header = bytes.find("endhdr\n");
    if (header == std::string::npos)
        damaged("transition matrices without header");
    std::size_t at = header + 7;
    if (at + 20 > bytes.size())
        damaged("transition matrices too short");
    const bool swap = word32(bytes, at, false) != 0x11223344u;
    if (swap && word32(bytes, at, true) != 0x11223344u)
        damaged("transition matrices of unknown byte order");
    at += 4;
    const std::uint32_t matrices = word32(bytes, at, swap);
    const std::uint32_t sources = word32(bytes, at + 4, swap);
    const std::uint32_t destinations = word32(bytes, at + 8, swap);
    const std::uint32_t values = word32(bytes, at + 12, swap);
    at += 16;
    if (sources != 3 || destinations != 4 || values != matrices * 12 || at + values * 4u > bytes.size())
        damaged("transition matrices are not of three-state phones");
    std::vector<std::array<std::array<Score, 4>, 3>> result(matrices);
    for (std::uint32_t m = 0; m < matrices; ++m) {
        for (std::size_t i = 0; i < 3; ++i) {
            std::array<float, 4> row{};
            double sum = 0;
            for (std::size_t j = 0; j < 4; ++j) {
                const std::uint32_t raw = word32(bytes, at + 4 * (m * 12 + i * 4 + j), swap);
                std::memcpy(&row[j], &raw, 4);
                if (row[j] > 0)
                    sum += row[j];
            }
            for (std::size_t j = 0; j < 4; ++j) {
                if (!(row[j] > 0) || sum <= 0) {
                    result[m][i][j] = kImpossible;
                    continue;
                }
                // Probabilities are floored as the decoder floors them.
                const double probability = std::max(static_cast<double>(row[j]) / sum, 1e-4);
                result[m][i][j] = -static_cast<Score>(std::lround(-std::log(probability) / std::log(1.0001))) / 1024;
            }
        }
    }
    return result;
}

// "-name value" pairs of feat.params.
std::vector<std::pair<std::string, std::string>> featureParameters(const std::string& text)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    const std::vector<std::string_view> words = splitAt(text, " \t\r\n");
    for (std::size_t i = 0; i + 1 < words.size(); i += 2)
        pairs.emplace_back(words[i], words[i + 1]);
    return pairs;
}

bool isDecoderArgument(const std::string& name)
{
    for (const arg_t* arg = ps_args(); arg->name != nullptr; ++arg) {
        if (name == arg->name)
            return true;
    }
    return false;
}

// The decoder's own messages: errors are kept for the engine's status texts,
// everything else is dropped.
std::mutex g_decoderMessageMutex;
std::string g_decoderMessage;

void keepDecoderMessage(void*, err_lvl_t level, const char* format, ...)
{
    if (level != ERR_ERROR && level != ERR_FATAL)
        return;
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    std::string message(trimmed(text));
    std::lock_guard lock(g_decoderMessageMutex);
    g_decoderMessage = std::move(message);
}

void listenToDecoderMessages()
{
    static std::once_flag once;
    std::call_once(once, [] {
        err_set_logfp(nullptr);
        err_set_callback(keepDecoderMessage, nullptr);
    });
    std::lock_guard lock(g_decoderMessageMutex);
    g_decoderMessage.clear();
}

// The failure with the decoder's last error message, if it gave one.
EngineFailure decoderFailure(const std::string& what)
{
    std::lock_guard lock(g_decoderMessageMutex);
    return EngineFailure(HAPI_ERR_DECODER, g_decoderMessage.empty() ? what : what + " (" + g_decoderMessage + ")");
}

} // namespace

// Each model member lives in an anonymous memory file that the decoder opens by
// its /proc path while it starts, so nothing is unpacked on disk; the senone
// scores of an utterance pass through a private folder that holds a file only
// while an utterance is scored.
struct AcousticModel::Files {
    std::vector<int> descriptors;
    std::map<std::string, std::string> paths;
    std::string scoreFolder;

    ~Files()
    {
        closeMembers();
        if (!scoreFolder.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(scoreFolder, ignored);
        }
    }

    // The decoder has read the members once it has started.
    void closeMembers()
    {
        for (const int fd : descriptors)
            ::close(fd);
        descriptors.clear();
        paths.clear();
    }

    void add(const std::string& name, const std::string& data)
    {
        const int fd = ::memfd_create(name.c_str(), MFD_CLOEXEC);
        if (fd < 0)
            throw EngineFailure(HAPI_ERR_MEMORY, "cannot hold the model member " + name + " in memory");
        descriptors.push_back(fd);
        std::size_t written = 0;
        while (written < data.size()) {
            const ssize_t n = ::write(fd, data.data() + written, data.size() - written);
            if (n <= 0)
                throw EngineFailure(HAPI_ERR_MEMORY, "cannot hold the model member " + name + " in memory");
            written += static_cast<std::size_t>(n);
        }
        paths[name] = "/proc/self/fd/" + std::to_string(fd);
    }

    void makeScoreFolder()
    {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/kursengine-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            throw EngineFailure(HAPI_ERR_FILE, "cannot create a folder for the acoustic scores in " + pattern);
        scoreFolder = pattern;
    }
};

AcousticModel::AcousticModel(const PhoneSet& phones, const std::string& archivePath)
    : phones_(phones)
    , files_(std::make_unique<Files>())
{
    const ModelMembers members = readModelArchive(archivePath);
    for (const char* name : kMembers) {
        if (members.find(name) == members.end())
            throw EngineFailure(HAPI_ERR_FORMAT, "the model file " + archivePath + " has no " + name);
    }
    const ModelDefinition definition = parseModelDefinition(members.at("mdef"));
    const auto transitions = parseTransitions(members.at("transition_matrices"));
    senoneCount_ = definition.senoneCount;
    for (const ModelPhoneLine& line : definition.phones) {
        if (line.filler && equalsIgnoringAsciiCase(line.name, "SIL"))
            silenceSenones_ = line.senones;
    }

    std::string decoderDictionary;
    for (std::size_t id = 0; id < phones_.size(); ++id) {
        const ModelPhoneLine* found = nullptr;
        for (const ModelPhoneLine& line : definition.phones) {
            if (equalsIgnoringAsciiCase(line.name, phones_.name(id)))
                found = &line;
        }
        if (found == nullptr)
            throw EngineFailure(HAPI_ERR_MISMATCH,
                                "the phone " + phones_.name(id) + " of the phone list is not in the model " + archivePath);
        if (static_cast<std::size_t>(found->tmat) >= transitions.size())
            damaged("transition matrix out of range for " + found->name);
        models_.push_back(PhoneModel{found->senones, transitions[static_cast<std::size_t>(found->tmat)]});
        decoderDictionary += "ph" + std::to_string(id) + " " + found->name + "\n";
    }

    for (const char* name : kMembers)
        files_->add(name, members.at(name));
    files_->add("dictionary", decoderDictionary);
    files_->makeScoreFolder();

    std::vector<std::string> arguments = {
        "kursengine",
        "-mdef", files_->paths["mdef"],
        "-mean", files_->paths["means"],
        "-var", files_->paths["variances"],
        "-sendump", files_->paths["sendump"],
        "-tmat", files_->paths["transition_matrices"],
        "-fdict", files_->paths["noisedict"],
        "-dict", files_->paths["dictionary"],
        "-samprate", std::to_string(kRateHz),
        // Every senone of every frame, so that all scores share one reference.
        "-compallsen", "yes",
        "-senlogdir", files_->scoreFolder,
        // Every frame is scored, and alike in every utterance: no frames are
        // dropped as silence and no noise estimate carries over from the
        // utterance before.
        "-remove_silence", "no",
        "-remove_noise", "no",
        "-fsgusefiller", "no",
        "-bestpath", "no",
    };
    for (const auto& [name, value] : featureParameters(members.at("feat.params"))) {
        if (isDecoderArgument(name)) {
            arguments.push_back(name);
            arguments.push_back(value);
        }
    }
    listenToDecoderMessages();
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    cmd_ln_t* config = cmd_ln_parse_r(nullptr, ps_args(), static_cast<int32>(argv.size()), argv.data(), TRUE);
    if (config == nullptr)
        throw decoderFailure("the acoustic decoder does not accept the model's settings");
    decoder_ = ps_init(config);
    cmd_ln_free_r(config);
    files_->closeMembers();
    if (decoder_ == nullptr)
        throw decoderFailure("the acoustic decoder cannot load the model " + archivePath);

    // The scores are all the decoder has to deliver: its own search only has
    // to walk through the frames.
    fsg_model_t* walk = fsg_model_init("frames", ps_get_logmath(decoder_), 1.0f, 2);
    const int silence = phones_.find("sil").value_or(0);
    fsg_model_trans_add(walk, 0, 1, 0, fsg_model_word_add(walk, ("ph" + std::to_string(silence)).c_str()));
    fsg_model_null_trans_add(walk, 1, 0, 0);
    walk->start_state = 0;
    walk->final_state = 1;
    if (ps_set_fsg(decoder_, "frames", walk) < 0 || ps_set_search(decoder_, "frames") < 0) {
        fsg_model_free(walk);
        ps_free(decoder_);
        throw decoderFailure("the acoustic decoder cannot start its search");
    }
    fsg_model_free(walk);
}

AcousticModel::~AcousticModel()
{
    if (decoder_ != nullptr)
        ps_free(decoder_);
}

ScoreMatrix AcousticModel::score(const std::vector<std::int16_t>& samples16k)
{
    std::lock_guard lock(mutex_);
    if (samples16k.empty())
        return ScoreMatrix(senoneCount_, {});
    listenToDecoderMessages();
    if (ps_start_utt(decoder_) < 0)
        throw decoderFailure("the acoustic decoder cannot start an utterance");
    const int processed = ps_process_raw(decoder_, samples16k.data(), samples16k.size(), FALSE, TRUE);
    const int ended = ps_end_utt(decoder_);
    if (processed < 0 || ended < 0)
        throw decoderFailure("the acoustic decoder failed on the utterance");
    return readScoreLog(samples16k);
}

// The senone log of one utterance: a text header ending "endhdr\n", the
// byte-order word, then per frame the number of senones scored and their costs.
ScoreMatrix AcousticModel::readScoreLog(const std::vector<std::int16_t>& samples16k)
{
    std::string bytes;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(files_->scoreFolder, error)) {
        if (bytes.empty())
            readWholeFile(entry.path().string(), bytes);
        std::filesystem::remove(entry.path(), error);
    }
    const std::size_t header = bytes.find("endhdr\n");
    if (header == std::string::npos || header + 11 > bytes.size())
        throw EngineFailure(HAPI_ERR_DECODER, "the acoustic decoder wrote no scores");
    std::size_t at = header + 7;
    const bool swap = word32(bytes, at, false) != 0x11223344u;
    at += 4;
    std::vector<std::int16_t> costs;
    costs.reserve((bytes.size() - at) / 2);
    while (at + 2 <= bytes.size()) {
        std::uint16_t count = 0;
        std::memcpy(&count, bytes.data() + at, 2);
        if (swap)
            count = __builtin_bswap16(count);
        at += 2;
        if (count != senoneCount_ || at + 2 * senoneCount_ > bytes.size())
            throw EngineFailure(HAPI_ERR_DECODER, "the acoustic decoder did not score every senone");
        for (std::size_t s = 0; s < senoneCount_; ++s) {
            std::uint16_t value = 0;
            std::memcpy(&value, bytes.data() + at + 2 * s, 2);
            costs.push_back(static_cast<std::int16_t>(swap ? __builtin_bswap16(value) : value));
        }
        at += 2 * senoneCount_;
    }

    const std::size_t frames = costs.size() / senoneCount_;
    std::vector<double> levels(frames);
    for (std::size_t t = 0; t < frames; ++t) {
        const std::size_t first = std::min(t * kFrameShiftSamples, samples16k.size());
        const std::size_t count = std::min(kFrameSamples, samples16k.size() - first);
        levels[t] = levelDb(samples16k.data() + first, count);
    }
    if (frames > 0 && silenceSenones_[0] >= 0) {
        std::vector<double> sorted = levels;
        std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(frames / 10), sorted.end());
        const double speech = sorted[frames / 10] + kSpeechOverFloorDb;
        const auto extra = static_cast<std::int32_t>(unitsOfNats(kSilenceOnSpeechNats));
        for (std::size_t t = 0; t < frames; ++t) {
            if (levels[t] <= speech)
                continue;
            for (const int senone : silenceSenones_) {
                std::int16_t& cost = costs[t * senoneCount_ + static_cast<std::size_t>(senone)];
                cost = static_cast<std::int16_t>(std::min<std::int32_t>(cost + extra, 32767));
            }
        }
    }
    return ScoreMatrix(senoneCount_, std::move(costs));
}

} // namespace kurs::engine
