#include "speechlib/SpeechRecognition.h"

#include "platform/WaveFile.h"
#include "speechlib/support/Errors.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include <unistd.h>

namespace {

constexpr std::int32_t kConfigNotFound = -106;
constexpr std::int32_t kFileSource = HAPI_SRC_FILE;
constexpr std::int32_t kLiveSource = HAPI_SRC_LIVE;
constexpr int kPartialPeriod = 100;
constexpr std::size_t kConfigLineLength = 256;
constexpr std::size_t kTraceLength = 80;
constexpr std::size_t kStoredHeaderBytes = 12;
// A background pass that failed is not repeated at once, so that a lasting
// fault (no input, a missing file) does not spin.
constexpr auto kPauseAfterFailedPass = std::chrono::milliseconds(200);
constexpr auto kStopPoll = std::chrono::milliseconds(10);

// Folder part of a path ("." when it has none) and its file name.
void splitPath(const std::string& path, std::string& folder, std::string& name)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        folder = ".";
        name = path;
        return;
    }
    folder = slash == 0 ? "/" : path.substr(0, slash);
    name = path.substr(slash + 1);
}

bool fileExists(const char* name)
{
    return name != nullptr && *name != '\0' && ::access(name, F_OK) == 0;
}

} // namespace

SpeechRecognition::~SpeechRecognition()
{
    i4_Exit();
}

std::int32_t SpeechRecognition::i4_SourceKindOf(const char* configName)
{
    std::FILE* file = std::fopen(configName, "rb");
    if (file == nullptr)
        return kLiveSource;
    std::int32_t kind = kLiveSource;
    char line[kConfigLineLength + 1];
    while (kind == kLiveSource && std::fgets(line, sizeof line, file) != nullptr) {
        const char* first = line;
        while (*first == ' ' || *first == '\t')
            ++first;
        if (*first == '#')
            continue;
        std::string text(line);
        for (char& c : text) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        }
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find_first_of(":= \t", start);
            if (end == std::string::npos)
                end = text.size();
            if (text.compare(start, end - start, "SOURCE") == 0 && end - start == 6)
                kind = kFileSource;
            start = end + 1;
        }
    }
    std::fclose(file);
    return kind;
}

void SpeechRecognition::v_MakeFolderCurrent() const
{
    if (!m_folder.empty() && ::chdir(m_folder.c_str()) != 0)
        VX_SetError(-1, "Can't change to the configuration folder\n%s\n%s", m_folder.c_str(), std::strerror(errno));
}

void SpeechRecognition::v_ReportEngineStatus() const
{
    char text[HAPI_TEXT_SIZE];
    const int status = hapiCurrentStatus(text);
    if (status != 0)
        VX_SetError(status, "%s", text);
}

std::int32_t SpeechRecognition::i4_InitSR(const char* configFile)
{
    if (m_context) {
        char text[HAPI_TEXT_SIZE];
        const int status = hapiCurrentStatus(text);
        if (status < 0)
            VX_SetError(status, "%s", text);
        return status;
    }
    std::string name;
    splitPath(configFile != nullptr ? configFile : "", m_folder, name);
    v_MakeFolderCurrent();
    if (!fileExists(name.c_str())) {
        VX_SetError(kConfigNotFound, "config file not found:\n%s", name.c_str());
        return i4_Status();
    }
    auto context = std::unique_ptr<CT_Context>(new (std::nothrow) CT_Context(i4_SourceKindOf(name.c_str())));
    if (!context)
        VX_SetError(-1, "Memory allocation problem");
    if (!context || !context->b_Create(name.c_str())) {
        VX_SetError(-1, "HAPI not initialized");
        return -1;
    }
    context->m_finalHandler = i4_FinalHandler;
    context->m_partialHandler = i4_PartialHandler;
    context->v_SetWaveName(nullptr);
    m_context = std::move(context);
    return 0;
}

std::int32_t SpeechRecognition::i4_Exit()
{
    if (!m_context)
        return 0;
    v_StopBGRecognize();
    const bool deleted = m_context->b_DeleteObjects();
    m_context.reset();
    return deleted ? 1 : 0;
}

std::int32_t SpeechRecognition::i4_NewResource(const char* network, const char* dictionary)
{
    v_MakeFolderCurrent();
    if (!m_context) {
        VX_SetError(-1, "HAPI not initialized");
        return -1;
    }
    CT_Context& context = *m_context;
    hapiDictObject newDictionary = nullptr;
    if (dictionary != nullptr && *dictionary != '\0') {
        newDictionary = hapiCreateDictObject();
        if (newDictionary == nullptr) {
            v_ReportEngineStatus();
            return -1;
        }
        hapiDictOverrideFileName(newDictionary, dictionary);
        const std::int32_t initialised = hapiDictInitialise(newDictionary);
        if (initialised < 0) {
            v_ReportEngineStatus();
            hapiDeleteDictObject(newDictionary);
            return initialised;
        }
    }
    // The old dictionary serves the old network until the new one has loaded:
    // a network that fails to load leaves everything as it was.
    const hapiNetObject newNetwork = hapiLoadNetObject(context.m_networkType, context.m_hmmSet,
                                                       newDictionary != nullptr ? newDictionary : context.m_dictionary,
                                                       network);
    if (newNetwork == nullptr) {
        char text[HAPI_TEXT_SIZE];
        const int status = hapiCurrentStatus(text);
        VX_SetError(status < 0 ? status : -1, "%s", status < 0 ? text : "Couldn't load network");
        if (newDictionary != nullptr)
            hapiDeleteDictObject(newDictionary);
        return status < 0 ? status : -1;
    }
    if (newDictionary != nullptr) {
        hapiDeleteDictObject(context.m_dictionary);
        context.m_dictionary = newDictionary;
    }
    context.v_DeleteRecogniser();
    hapiDeleteNetObject(context.m_network);
    context.m_network = newNetwork;
    const std::int32_t result = context.i4_CreateRecogniser(newNetwork);
    v_ReportEngineStatus();
    return result;
}

std::int32_t SpeechRecognition::i4_NewSoundFile(const char* file)
{
    if (!m_context)
        return 0;
    v_MakeFolderCurrent();
    std::int32_t result = 0;
    if (m_context->m_sourceKind == kFileSource && fileExists(file))
        result = hapiSourceOverrideFilename(m_context->m_source, file) == 0 ? -1 : 0;
    v_ReportEngineStatus();
    return result;
}

void SpeechRecognition::v_SetWave(const char* name)
{
    if (m_context)
        m_context->v_SetWaveName(name);
}

const char* SpeechRecognition::qccz_ResultText(const CT_Segment& segment) const
{
    return m_dictionaryNames.load() != 0 ? segment.qccz_GetWords() : segment.qccz_GetOutputs();
}

std::int32_t SpeechRecognition::i4_RunRecognition(bool keepSourceRunning)
{
    CT_Context& context = *m_context;
    std::int32_t answer = -1;
    if (hapiCoderPrepare(context.m_coder) == 0 && hapiSourceStart(context.m_source) == 0)
        answer = hapiRecRecognise(context.m_recogniser, context.m_network, context.m_coder, context.m_finalResult,
                                  kPartialPeriod, context.m_partialResult,
                                  [](hapiResObject result) -> int { return i4_ResultCallback(result); });
    if (!keepSourceRunning)
        hapiSourceStop(context.m_source);
    hapiCoderComplete(context.m_coder);
    return answer;
}

const char* SpeechRecognition::qccz_Recognize()
{
    if (!m_context) {
        VX_SetError(-1, "HAPI not initialized");
        return nullptr;
    }
    if (m_worker.joinable()) {
        VX_SetError(-1, "Background recognition is running");
        return nullptr;
    }
    m_context->so_TargetSegment().v_Set();
    i4_RunRecognition(false);
    v_ReportEngineStatus();
    return qccz_ResultText(m_context->pcso_GetSegment());
}

std::int32_t SpeechRecognition::i4_ResultCallback(hapiResObject result)
{
    auto* context = static_cast<CT_Context*>(hapiResGetAttachment(result));
    bool failed = context == nullptr;
    if (context != nullptr && result == context->m_finalResult) {
        if (context->m_finalHandler != nullptr && context->m_finalHandler(*context) != 0)
            failed = true;
    } else if (context != nullptr) {
        char trace[kTraceLength];
        if (hapiResTraceInfo(result, 3, static_cast<int>(kTraceLength), trace) < 0)
            failed = true;
        if (context->m_partialHandler != nullptr)
            context->m_partialHandler(*context);
    }
    if (hapiResClear(result) < 0)
        failed = true;
    return failed ? -1 : 0;
}

std::int32_t SpeechRecognition::i4_FinalHandler(CT_Context& context)
{
    CT_Segment& segment = context.so_TargetSegment();
    segment.v_Analyse(context.m_finalResult, context.m_dictionary, context.m_coder);
    const std::string waveName = context.s_GetWaveName();
    if (!waveName.empty())
        v_StoreRecognisedAudio(context, waveName);
    context.v_PublishTarget();
    return segment.i4_GetStatus();
}

std::int32_t SpeechRecognition::i4_PartialHandler(CT_Context& context)
{
    context.so_TargetSegment().v_AnalyseTmp(context.m_partialResult, context.m_dictionary, context.m_coder);
    context.v_PublishTarget();
    ++context.m_partialNumber;
    return 0;
}

void SpeechRecognition::v_StoreRecognisedAudio(CT_Context& context, const std::string& waveName)
{
    const std::string temporary = waveName + ".tmp";
    const int samples = hapiCoderSaveSource(context.m_coder, temporary.c_str());
    if (samples == 0)
        return;
    if (samples < 0) {
        VX_SetError(samples, "Can't store recognition data.");
        return;
    }
    const auto rate = static_cast<std::uint32_t>(1000.0 / hapiSourceSamplePeriod(context.m_source, 0));
    std::FILE* stored = std::fopen(temporary.c_str(), "rb");
    if (stored == nullptr) {
        VX_SetError(-1, "Can't open temporary file to copy recognition data\n%s\n%s", temporary.c_str(),
                    std::strerror(errno));
        return;
    }
    std::vector<std::uint8_t> pcm(2 * static_cast<std::size_t>(samples));
    const bool read = std::fseek(stored, kStoredHeaderBytes, SEEK_SET) == 0
        && std::fread(pcm.data(), 1, pcm.size(), stored) == pcm.size();
    const int readError = errno;
    std::fclose(stored);
    std::remove(temporary.c_str());
    if (!read) {
        VX_SetError(-1, "Can't open temporary file to copy recognition data\n%s\n%s", temporary.c_str(),
                    std::strerror(readError != 0 ? readError : EIO));
        return;
    }
    for (std::size_t i = 0; i + 1 < pcm.size(); i += 2)
        std::swap(pcm[i], pcm[i + 1]);
    kurs::sound::WaveFormat format;
    format.samplesPerSec = rate;
    format.avgBytesPerSec = 2 * rate;
    errno = 0;
    if (!kurs::sound::writeWaveFile(waveName, format, pcm.data(), pcm.size()))
        VX_SetError(-1, "Can't open file to save recognition data\n%s\n%s", waveName.c_str(),
                    std::strerror(errno != 0 ? errno : EIO));
}

std::int32_t SpeechRecognition::i4_Calibrate(std::int32_t kind)
{
    if (!m_context || m_context->m_sourceKind == kFileSource)
        return -1;
    float values[HAPI_CALIBRATION_VALUES] = {};
    if (kind == 1)
        hapiCoderCalibrateSpeech(m_context->m_coder, values);
    else
        hapiCoderCalibrateSilence(m_context->m_coder, values);
    char text[HAPI_TEXT_SIZE];
    const int status = hapiCurrentStatus(text);
    if (status != 0) {
        VX_SetError(status, "%s", text);
        return -1;
    }
    return static_cast<std::int32_t>(values[1]);
}

std::int32_t SpeechRecognition::i4_Status() const
{
    return m_context ? hapiCurrentStatus(nullptr) : -1;
}

const char* SpeechRecognition::qccz_Status()
{
    if (!m_context) {
        std::snprintf(m_statusText.data(), m_statusText.size(), "%s", "HAPI not initialized");
        return m_statusText.data();
    }
    char text[HAPI_TEXT_SIZE];
    const int status = hapiCurrentStatus(text);
    std::snprintf(m_statusText.data(), m_statusText.size(), "%s", status < 0 ? text : "OK");
    return m_statusText.data();
}

bool SpeechRecognition::b_StartBGRecognize()
{
    if (!m_context || m_worker.joinable())
        return false;
    m_stopRequest = false;
    m_resultReady = false;
    m_finished = false;
    m_context->m_background = true;
    try {
        m_worker = std::thread(&SpeechRecognition::v_BackgroundLoop, this);
    } catch (const std::system_error&) {
        m_context->m_background = false;
        return false;
    }
    return true;
}

void SpeechRecognition::v_BackgroundLoop()
{
    CT_Context& context = *m_context;
    while (!m_stopRequest.load()) {
        const std::int32_t answer = i4_RunRecognition(true);
        const CT_Segment& segment = context.pcso_GetSegment();
        bool spoken = false;
        for (std::uint32_t p = segment.n_GetPhones(); p >= 1 && !spoken; --p)
            spoken = std::strcmp(segment.qccz_GetPhone(p), "sil") != 0;
        if (answer >= 0 && spoken) {
            std::lock_guard lock(m_backgroundMutex);
            m_backgroundResult = qccz_ResultText(segment);
            m_resultReady = true;
        }
        if (answer < 0 && !m_stopRequest.load())
            std::this_thread::sleep_for(kPauseAfterFailedPass);
    }
    hapiSourceStop(context.m_source);
    m_finished = true;
}

void SpeechRecognition::v_StopBGRecognize()
{
    m_stopRequest = true;
    m_resultReady = false;
    if (!m_worker.joinable())
        return;
    while (!m_finished.load())
        std::this_thread::sleep_for(kStopPoll);
    m_worker.join();
    // The pass that was running when the stop came may have finished with a
    // result; a stopped recognition reports nothing more.
    m_resultReady = false;
    if (m_context)
        m_context->m_background = false;
}

bool SpeechRecognition::b_BGRecognize() const
{
    return !m_context || m_context->pcso_GetSegment().n_GetPhones() == 0;
}

void SpeechRecognition::v_ResetBGRecognize()
{
    if (m_context)
        m_context->v_ClearSegments();
}

const char* SpeechRecognition::qccz_Check()
{
    std::lock_guard lock(m_backgroundMutex);
    if (!m_resultReady.load()) {
        m_checked.clear();
        return m_checked.c_str();
    }
    m_resultReady = false;
    m_checked = m_backgroundResult;
    return m_checked.c_str();
}

const char* SpeechRecognition::qccz_CheckTmp()
{
    if (!m_context)
        return "";
    const std::int32_t number = m_context->m_partialNumber.load();
    if (number == m_lastPartialSeen)
        return "";
    m_lastPartialSeen = number;
    return qccz_ResultText(m_context->pcso_GetSegment());
}

void SpeechRecognition::v_ScoreType(std::uint32_t type)
{
    if (m_context)
        m_context->v_SetScoreType(type);
}

const CT_Segment* SpeechRecognition::pcso_GetSegment() const
{
    return m_context ? &m_context->pcso_GetSegment() : nullptr;
}
