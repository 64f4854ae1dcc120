// The C interface of the engine: handles, argument checks and the engine
// status around the engine's classes.
#include "engine/Hapi.h"

#include "engine/AcousticModel.h"
#include "engine/AudioSource.h"
#include "engine/Coder.h"
#include "engine/DecodingGraph.h"
#include "engine/EngineConfig.h"
#include "engine/EngineFailure.h"
#include "engine/EngineStatus.h"
#include "engine/PhoneSet.h"
#include "engine/PronunciationDictionary.h"
#include "engine/RecognitionResult.h"
#include "engine/Recogniser.h"
#include "engine/WordNetwork.h"

#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <typeindex>
#include <unordered_map>

using kurs::engine::AcousticModel;
using kurs::engine::AudioSource;
using kurs::engine::Coder;
using kurs::engine::DecodingGraph;
using kurs::engine::EngineConfig;
using kurs::engine::EngineFailure;
using kurs::engine::EngineStatus;
using kurs::engine::PhoneSet;
using kurs::engine::PronunciationDictionary;
using kurs::engine::RecognitionResult;
using kurs::engine::Recogniser;
using kurs::engine::ResultPhone;
using kurs::engine::ResultWord;

namespace {

struct HmmSetState {
    std::shared_ptr<AcousticModel> model;
};

} // namespace

struct hapi_hmmset {
    std::shared_ptr<HmmSetState> state = std::make_shared<HmmSetState>();
};

struct hapi_dict {
    std::string overrideName;
    std::shared_ptr<const PronunciationDictionary> dictionary;
};

struct hapi_net {
    std::shared_ptr<AcousticModel> model;
    std::shared_ptr<const DecodingGraph> graph;
};

struct hapi_source {
    std::shared_ptr<AudioSource> source;
};

struct hapi_coder {
    std::shared_ptr<Coder> coder;
    bool initialised = false;
};

struct hapi_rec {
    std::shared_ptr<HmmSetState> hmm;
    std::shared_ptr<AcousticModel> netModel;
    std::shared_ptr<const DecodingGraph> graph;
    bool initialised = false;
};

struct hapi_res {
    int mask = 0;
    void* attachment = nullptr;
    RecognitionResult result;
};

namespace {

// What hapiInitHAPI read.
struct Engine {
    bool initialised = false;
    EngineConfig config;
    PhoneSet phones;
};

Engine& engine()
{
    static Engine state;
    return state;
}

const Engine& initialisedEngine()
{
    if (!engine().initialised)
        throw EngineFailure(HAPI_ERR_NOT_INITIALISED, "the engine is not initialised");
    return engine();
}

// The handles the engine gave out and not yet took back, with their kinds.
class Handles {
public:
    template <typename T>
    T* add(std::unique_ptr<T> object)
    {
        std::lock_guard lock(mutex_);
        T* handle = object.release();
        live_.emplace(handle, std::type_index(typeid(T)));
        return handle;
    }

    template <typename T>
    T& get(T* handle, const char* what) const
    {
        std::lock_guard lock(mutex_);
        const auto it = live_.find(handle);
        if (handle == nullptr || it == live_.end() || it->second != std::type_index(typeid(T)))
            throw EngineFailure(HAPI_ERR_ARGUMENT, std::string("not a valid ") + what + " object");
        return *handle;
    }

    template <typename T>
    void remove(T* handle, const char* what)
    {
        get(handle, what);
        {
            std::lock_guard lock(mutex_);
            live_.erase(handle);
        }
        delete handle;
    }

private:
    mutable std::mutex mutex_;
    std::unordered_map<const void*, std::type_index> live_;
};

Handles& handles()
{
    static Handles table;
    return table;
}

constexpr int kOk = HAPI_OK;
constexpr int kFailed = HAPI_ERR_GENERAL;

void recordFailure(int code, const std::string& text)
{
    EngineStatus::instance().fail(code, text);
}

// Runs an operation: a begin operation clears the status first; a failure
// records the status and answers `failed` (for status answers, the code).
template <typename Result, typename Body>
Result run(bool begins, Result failed, Body&& body)
{
    if (begins)
        EngineStatus::instance().clear();
    try {
        return body();
    } catch (const EngineFailure& failure) {
        recordFailure(failure.code(), failure.what());
        if constexpr (std::is_same_v<Result, int>)
            return failure.code();
    } catch (const std::bad_alloc&) {
        recordFailure(HAPI_ERR_MEMORY, "out of memory");
        if constexpr (std::is_same_v<Result, int>)
            return HAPI_ERR_MEMORY;
    } catch (const std::exception& error) {
        recordFailure(HAPI_ERR_GENERAL, error.what());
        if constexpr (std::is_same_v<Result, int>)
            return HAPI_ERR_GENERAL;
    }
    return failed;
}

void copyName(const std::string& name, char* buffer)
{
    const std::size_t length = std::min<std::size_t>(name.size(), HAPI_NAME_SIZE - 1);
    std::memcpy(buffer, name.data(), length);
    buffer[length] = '\0';
}

void requireBuffer(const void* buffer)
{
    if (buffer == nullptr)
        throw EngineFailure(HAPI_ERR_ARGUMENT, "no buffer given");
}

const ResultWord& wordOf(const hapi_res& result, int word)
{
    if (word < 1 || static_cast<std::size_t>(word) > result.result.words.size())
        throw EngineFailure(HAPI_ERR_ARGUMENT, "the result has no word " + std::to_string(word));
    return result.result.words[static_cast<std::size_t>(word - 1)];
}

const ResultPhone& phoneOf(const hapi_res& result, int word, int phone)
{
    const ResultWord& found = wordOf(result, word);
    if (phone < 0 || static_cast<std::size_t>(phone) >= found.phones.size())
        throw EngineFailure(HAPI_ERR_ARGUMENT,
                            "word " + std::to_string(word) + " of the result has no phone " + std::to_string(phone));
    return found.phones[static_cast<std::size_t>(phone)];
}

bool keeps(const hapi_res& result, int information)
{
    return (result.mask & information) != 0;
}

double msOfFrame(int frame)
{
    return frame * AcousticModel::kFrameMs;
}

} // namespace

extern "C" {

int hapiInitHAPI(const char* configFile, hapiErrorHandler handler)
{
    return run(true, kFailed, [&] {
        if (configFile == nullptr)
            throw EngineFailure(HAPI_ERR_ARGUMENT, "no configuration file given");
        EngineConfig config = kurs::engine::readEngineConfig(configFile);
        PhoneSet phones = PhoneSet::read(config.modelListPath());
        Engine& state = engine();
        state.config = std::move(config);
        state.phones = std::move(phones);
        state.initialised = true;
        EngineStatus::instance().setHandler(handler);
        return kOk;
    });
}

int hapiCurrentStatus(char* buffer)
{
    return EngineStatus::instance().current(buffer);
}

hapiHMMSetObject hapiCreateHMMSetObject(void)
{
    return run(true, static_cast<hapiHMMSetObject>(nullptr), [] {
        initialisedEngine();
        return handles().add(std::make_unique<hapi_hmmset>());
    });
}

hapiDictObject hapiCreateDictObject(void)
{
    return run(true, static_cast<hapiDictObject>(nullptr), [] {
        initialisedEngine();
        return handles().add(std::make_unique<hapi_dict>());
    });
}

hapiSourceObject hapiCreateSourceObject(int kind)
{
    return run(true, static_cast<hapiSourceObject>(nullptr), [&] {
        const Engine& state = initialisedEngine();
        if (kind != HAPI_SRC_FILE && kind != HAPI_SRC_LIVE)
            throw EngineFailure(HAPI_ERR_ARGUMENT, "unknown source kind " + std::to_string(kind));
        auto source = std::make_unique<hapi_source>();
        source->source = std::make_shared<AudioSource>(
            kind == HAPI_SRC_FILE ? AudioSource::Kind::File : AudioSource::Kind::Live, state.config);
        return handles().add(std::move(source));
    });
}

hapiCoderObject hapiCreateCoderObject(hapiSourceObject source)
{
    return run(true, static_cast<hapiCoderObject>(nullptr), [&] {
        const Engine& state = initialisedEngine();
        const hapi_source& from = handles().get(source, "source");
        auto coder = std::make_unique<hapi_coder>();
        coder->coder = std::make_shared<Coder>(from.source, state.config);
        return handles().add(std::move(coder));
    });
}

hapiRecObject hapiCreateRecObject(int netType, int mode, hapiHMMSetObject hmmSet, hapiNetObject net)
{
    return run(true, static_cast<hapiRecObject>(nullptr), [&] {
        initialisedEngine();
        if (netType != HAPI_NET_LATTICE || mode != HAPI_REC_UTTERANCE)
            throw EngineFailure(HAPI_ERR_ARGUMENT, "unknown network type or recogniser mode");
        auto rec = std::make_unique<hapi_rec>();
        rec->hmm = handles().get(hmmSet, "HMM set").state;
        if (net != nullptr) {
            const hapi_net& network = handles().get(net, "network");
            rec->graph = network.graph;
            rec->netModel = network.model;
        }
        return handles().add(std::move(rec));
    });
}

hapiResObject hapiCreateResObject(hapiRecObject rec, int infoMask)
{
    return run(true, static_cast<hapiResObject>(nullptr), [&] {
        handles().get(rec, "recogniser");
        auto result = std::make_unique<hapi_res>();
        result->mask = infoMask;
        return handles().add(std::move(result));
    });
}

int hapiResSetAttachment(hapiResObject result, void* attachment)
{
    return run(false, kFailed, [&] {
        handles().get(result, "result").attachment = attachment;
        return kOk;
    });
}

void* hapiResGetAttachment(hapiResObject result)
{
    return run(false, static_cast<void*>(nullptr), [&] { return handles().get(result, "result").attachment; });
}

int hapiHMMSetInitialise(hapiHMMSetObject hmmSet)
{
    return run(true, kFailed, [&] {
        const Engine& state = initialisedEngine();
        hapi_hmmset& set = handles().get(hmmSet, "HMM set");
        set.state->model = std::make_shared<AcousticModel>(state.phones, state.config.modelArchivePath());
        return kOk;
    });
}

int hapiDictOverrideFileName(hapiDictObject dict, const char* fileName)
{
    return run(true, kFailed, [&] {
        hapi_dict& dictionary = handles().get(dict, "dictionary");
        if (fileName == nullptr || *fileName == '\0')
            throw EngineFailure(HAPI_ERR_ARGUMENT, "no dictionary file name given");
        dictionary.overrideName = fileName;
        return kOk;
    });
}

int hapiDictInitialise(hapiDictObject dict)
{
    return run(true, kFailed, [&] {
        const Engine& state = initialisedEngine();
        hapi_dict& dictionary = handles().get(dict, "dictionary");
        const std::string path = dictionary.overrideName.empty() ? state.config.resolve(state.config.dictionaryFile)
                                                                 : dictionary.overrideName;
        dictionary.dictionary
            = std::make_shared<const PronunciationDictionary>(PronunciationDictionary::read(path, state.phones));
        return kOk;
    });
}

int hapiSourceInitialise(hapiSourceObject source)
{
    return run(true, kFailed, [&] {
        handles().get(source, "source").source->initialise();
        return kOk;
    });
}

int hapiSourceOverrideFilename(hapiSourceObject source, const char* fileName)
{
    return run(true, kFailed, [&] {
        hapi_source& from = handles().get(source, "source");
        if (fileName == nullptr || *fileName == '\0')
            throw EngineFailure(HAPI_ERR_ARGUMENT, "no sound file name given");
        from.source->useFile(fileName);
        return kOk;
    });
}

int hapiCoderInitialise(hapiCoderObject coder, const char* options)
{
    return run(true, kFailed, [&] {
        hapi_coder& front = handles().get(coder, "coder");
        if (options != nullptr && *options != '\0')
            throw EngineFailure(HAPI_ERR_ARGUMENT, "the coder takes no options");
        front.initialised = true;
        return kOk;
    });
}

int hapiRecInitialise(hapiRecObject rec)
{
    return run(true, kFailed, [&] {
        hapi_rec& recogniser = handles().get(rec, "recogniser");
        if (!recogniser.hmm->model)
            throw EngineFailure(HAPI_ERR_NOT_INITIALISED, "the recogniser's HMM set is not initialised");
        if (recogniser.graph && recogniser.netModel != recogniser.hmm->model)
            throw EngineFailure(HAPI_ERR_ARGUMENT, "the network was built for another HMM set");
        recogniser.initialised = true;
        return kOk;
    });
}

hapiNetObject hapiLoadNetObject(int netType, hapiHMMSetObject hmmSet, hapiDictObject dict, const char* fileName)
{
    return run(true, static_cast<hapiNetObject>(nullptr), [&] {
        const Engine& state = initialisedEngine();
        if (netType != HAPI_NET_LATTICE)
            throw EngineFailure(HAPI_ERR_ARGUMENT, "unknown network type " + std::to_string(netType));
        const hapi_hmmset& set = handles().get(hmmSet, "HMM set");
        const hapi_dict& dictionary = handles().get(dict, "dictionary");
        if (!set.state->model)
            throw EngineFailure(HAPI_ERR_NOT_INITIALISED, "the HMM set is not initialised");
        if (!dictionary.dictionary)
            throw EngineFailure(HAPI_ERR_NOT_INITIALISED, "the dictionary is not initialised");
        const std::string path
            = fileName != nullptr && *fileName != '\0' ? fileName : state.config.resolve(state.config.networkFile);
        auto net = std::make_unique<hapi_net>();
        net->model = set.state->model;
        net->graph = std::make_shared<const DecodingGraph>(kurs::engine::readLattice(path), *dictionary.dictionary,
                                                           state.config.weightScale);
        return handles().add(std::move(net));
    });
}

int hapiCoderPrepare(hapiCoderObject coder)
{
    return run(true, kFailed, [&] {
        hapi_coder& front = handles().get(coder, "coder");
        if (!front.initialised)
            throw EngineFailure(HAPI_ERR_NOT_INITIALISED, "the coder is not initialised");
        front.coder->prepare();
        return kOk;
    });
}

int hapiSourceStart(hapiSourceObject source)
{
    return run(false, kFailed, [&] {
        handles().get(source, "source").source->start();
        return kOk;
    });
}

int hapiRecRecognise(hapiRecObject rec, hapiNetObject net, hapiCoderObject coder, hapiResObject finalResult,
                     int partialPeriodMs, hapiResObject partialResult, hapiResultCallback callback)
{
    return run(false, kFailed, [&] {
        hapi_rec& recogniser = handles().get(rec, "recogniser");
        hapi_coder& front = handles().get(coder, "coder");
        hapi_res* finalTarget = finalResult != nullptr ? &handles().get(finalResult, "result") : nullptr;
        hapi_res* partialTarget = partialResult != nullptr ? &handles().get(partialResult, "result") : nullptr;
        if (!recogniser.initialised)
            throw EngineFailure(HAPI_ERR_NOT_INITIALISED, "the recogniser is not initialised");
        std::shared_ptr<AcousticModel> model = recogniser.hmm->model;
        std::shared_ptr<const DecodingGraph> graph = recogniser.graph;
        if (net != nullptr) {
            const hapi_net& network = handles().get(net, "network");
            if (network.model != model)
                throw EngineFailure(HAPI_ERR_ARGUMENT, "the network was built for another HMM set");
            graph = network.graph;
        }
        if (!graph)
            throw EngineFailure(HAPI_ERR_STATE, "the recogniser has no network");
        const std::vector<std::int16_t>& samples = front.coder->listen();
        const auto deliverTo = [callback](hapi_res* target, hapiResObject handle) {
            return [=](const RecognitionResult& result) {
                if (target == nullptr)
                    return true;
                target->result = result;
                return callback == nullptr || callback(handle) >= 0;
            };
        };
        Recogniser recognition(model, graph);
        bool finished = false;
        try {
            finished = recognition.recognise(samples, front.coder->utteranceRateHz(), partialPeriodMs,
                                             partialTarget != nullptr ? deliverTo(partialTarget, partialResult)
                                                                      : Recogniser::Delivery{},
                                             deliverTo(finalTarget, finalResult));
        } catch (const EngineFailure& failure) {
            if (failure.code() == HAPI_ERR_DECODER)
                EngineStatus::instance().fatal(failure.code(), failure.what());
            throw;
        }
        if (!finished)
            throw EngineFailure(HAPI_ERR_ABORTED, "the result callback stopped the recognition");
        return kOk;
    });
}

int hapiSourceStop(hapiSourceObject source)
{
    return run(false, kFailed, [&] {
        handles().get(source, "source").source->stop();
        return kOk;
    });
}

int hapiCoderComplete(hapiCoderObject coder)
{
    return run(false, kFailed, [&] {
        handles().get(coder, "coder").coder->complete();
        return kOk;
    });
}

int hapiResTraceInfo(hapiResObject result, int level, int size, char* buffer)
{
    return run(false, kFailed, [&] {
        const hapi_res& res = handles().get(result, "result");
        requireBuffer(buffer);
        if (size < 1)
            throw EngineFailure(HAPI_ERR_ARGUMENT, "the trace buffer has no room");
        const std::string text = keeps(res, HAPI_RI_TRACE) ? res.result.trace(level) : std::string();
        const std::size_t length = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1));
        std::memcpy(buffer, text.data(), length);
        buffer[length] = '\0';
        return static_cast<int>(length);
    });
}

int hapiResClear(hapiResObject result)
{
    return run(false, kFailed, [&] {
        handles().get(result, "result").result.clear();
        return kOk;
    });
}

int hapiResAllWordIds(hapiResObject result, int* wordIds)
{
    return run(false, kFailed, [&] {
        const hapi_res& res = handles().get(result, "result");
        if (!keeps(res, HAPI_RI_WORD_IDS))
            return 0;
        const auto& words = res.result.words;
        if (wordIds != nullptr) {
            for (std::size_t w = 0; w < words.size(); ++w)
                wordIds[w] = words[w].id;
        }
        return static_cast<int>(words.size());
    });
}

int hapiResAllPhoneIds(hapiResObject result, int word, int* phoneIds)
{
    return run(false, kFailed, [&] {
        const hapi_res& res = handles().get(result, "result");
        const ResultWord& found = wordOf(res, word);
        if (!keeps(res, HAPI_RI_PHONE_IDS))
            return 0;
        if (phoneIds != nullptr) {
            for (std::size_t p = 0; p < found.phones.size(); ++p)
                phoneIds[p] = found.phones[p].phoneId;
        }
        return static_cast<int>(found.phones.size());
    });
}

int hapiResWordName(hapiResObject result, int word, char* buffer)
{
    return run(false, kFailed, [&] {
        const hapi_res& res = handles().get(result, "result");
        requireBuffer(buffer);
        buffer[0] = '\0';
        const ResultWord& found = wordOf(res, word);
        if (keeps(res, HAPI_RI_WORD_NAMES))
            copyName(found.name, buffer);
        return static_cast<int>(std::strlen(buffer));
    });
}

int hapiResOutSym(hapiResObject result, int word, char* buffer)
{
    return run(false, kFailed, [&] {
        const hapi_res& res = handles().get(result, "result");
        requireBuffer(buffer);
        buffer[0] = '\0';
        const ResultWord& found = wordOf(res, word);
        if (keeps(res, HAPI_RI_OUTPUT_SYMBOLS))
            copyName(found.output, buffer);
        return static_cast<int>(std::strlen(buffer));
    });
}

int hapiResPhoneId(hapiResObject result, int word, int phone)
{
    return run(false, kFailed, [&] {
        const hapi_res& res = handles().get(result, "result");
        const ResultPhone& found = phoneOf(res, word, phone);
        if (!keeps(res, HAPI_RI_PHONE_IDS))
            throw EngineFailure(HAPI_ERR_STATE, "the result keeps no phones");
        return found.phoneId;
    });
}

int hapiDictPhoneName(hapiDictObject dict, int phoneId, char* buffer)
{
    return run(false, kFailed, [&] {
        handles().get(dict, "dictionary");
        requireBuffer(buffer);
        const PhoneSet& phones = initialisedEngine().phones;
        if (phoneId < 0 || static_cast<std::size_t>(phoneId) >= phones.size())
            throw EngineFailure(HAPI_ERR_ARGUMENT, "no phone " + std::to_string(phoneId));
        copyName(phones.name(static_cast<std::size_t>(phoneId)), buffer);
        return static_cast<int>(std::strlen(buffer));
    });
}

int hapiResWordTimes(hapiResObject result, int word, double* startMs, double* endMs)
{
    return run(false, kFailed, [&] {
        const hapi_res& res = handles().get(result, "result");
        requireBuffer(startMs);
        requireBuffer(endMs);
        *startMs = *endMs = 0.0;
        const ResultWord& found = wordOf(res, word);
        if (!keeps(res, HAPI_RI_WORD_TIMES) || found.phones.empty())
            return 0;
        *startMs = msOfFrame(found.phones.front().startFrame);
        *endMs = msOfFrame(found.phones.back().endFrame + 1);
        return 1;
    });
}

int hapiResPhoneTimes(hapiResObject result, int word, int phone, double* startMs, double* endMs)
{
    return run(false, kFailed, [&] {
        const hapi_res& res = handles().get(result, "result");
        requireBuffer(startMs);
        requireBuffer(endMs);
        *startMs = *endMs = 0.0;
        const ResultPhone& found = phoneOf(res, word, phone);
        if (!keeps(res, HAPI_RI_PHONE_TIMES))
            return 0;
        *startMs = msOfFrame(found.startFrame);
        *endMs = msOfFrame(found.endFrame + 1);
        return 1;
    });
}

double hapiResWordScore(hapiResObject result, int word, int scoreType)
{
    return run(false, 0.0, [&] {
        const hapi_res& res = handles().get(result, "result");
        const ResultWord& found = wordOf(res, word);
        if (!keeps(res, HAPI_RI_WORD_SCORES))
            return 0.0;
        return scoreType == HAPI_SCORE_GOODNESS ? found.goodness : found.logLikelihood;
    });
}

double hapiResPhoneScore(hapiResObject result, int word, int phone, int scoreType)
{
    return run(false, 0.0, [&] {
        const hapi_res& res = handles().get(result, "result");
        const ResultPhone& found = phoneOf(res, word, phone);
        if (!keeps(res, HAPI_RI_PHONE_SCORES))
            return 0.0;
        return scoreType == HAPI_SCORE_GOODNESS ? found.goodness : found.logLikelihood;
    });
}

double hapiCoderObservationWindowAdvance(hapiCoderObject coder)
{
    return run(false, 0.0, [&] {
        handles().get(coder, "coder");
        return AcousticModel::kFrameMs;
    });
}

int hapiCoderCalibrateSpeech(hapiCoderObject coder, float* values)
{
    return run(true, kFailed, [&] {
        hapi_coder& front = handles().get(coder, "coder");
        requireBuffer(values);
        front.coder->calibrate(true, values);
        return kOk;
    });
}

int hapiCoderCalibrateSilence(hapiCoderObject coder, float* values)
{
    return run(true, kFailed, [&] {
        hapi_coder& front = handles().get(coder, "coder");
        requireBuffer(values);
        front.coder->calibrate(false, values);
        return kOk;
    });
}

int hapiCoderSaveSource(hapiCoderObject coder, const char* fileName)
{
    return run(false, kFailed, [&] {
        const hapi_coder& front = handles().get(coder, "coder");
        if (fileName == nullptr || *fileName == '\0')
            throw EngineFailure(HAPI_ERR_ARGUMENT, "no file name given");
        return front.coder->saveSource(fileName);
    });
}

double hapiSourceSamplePeriod(hapiSourceObject source, int)
{
    return run(false, 0.0, [&] { return handles().get(source, "source").source->samplePeriodMs(); });
}

int hapiDeleteResObject(hapiResObject result)
{
    return run(false, kFailed, [&] {
        handles().remove(result, "result");
        return kOk;
    });
}

int hapiDeleteRecObject(hapiRecObject rec)
{
    return run(false, kFailed, [&] {
        handles().remove(rec, "recogniser");
        return kOk;
    });
}

int hapiDeleteCoderObject(hapiCoderObject coder)
{
    return run(false, kFailed, [&] {
        handles().remove(coder, "coder");
        return kOk;
    });
}

int hapiDeleteSourceObject(hapiSourceObject source)
{
    return run(false, kFailed, [&] {
        handles().get(source, "source").source->stop();
        handles().remove(source, "source");
        return kOk;
    });
}

int hapiDeleteNetObject(hapiNetObject net)
{
    return run(false, kFailed, [&] {
        handles().remove(net, "network");
        return kOk;
    });
}

int hapiDeleteDictObject(hapiDictObject dict)
{
    return run(false, kFailed, [&] {
        handles().remove(dict, "dictionary");
        return kOk;
    });
}

int hapiDeleteHMMSetObject(hapiHMMSetObject hmmSet)
{
    return run(false, kFailed, [&] {
        handles().remove(hmmSet, "HMM set");
        return kOk;
    });
}
}
