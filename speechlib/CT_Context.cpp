#include "speechlib/CT_Context.h"

#include "speechlib/support/Errors.h"

namespace {

void fatalEngineError(int status)
{
    VX_SetError(status, "Fatal HAPI error");
}

} // namespace

CT_Context::CT_Context(std::int32_t sourceKind)
    : m_sourceKind(sourceKind)
{
}

CT_Context::~CT_Context()
{
    b_DeleteObjects();
}

bool CT_Context::b_Fail(const char* message)
{
    if (message != nullptr)
        VX_SetError(-1, "%s", message);
    b_DeleteObjects();
    return false;
}

bool CT_Context::b_Create(const char* configName)
{
    if (hapiInitHAPI(configName, fatalEngineError) < 0)
        return b_Fail(nullptr);
    m_hmmSet = hapiCreateHMMSetObject();
    m_dictionary = hapiCreateDictObject();
    m_source = hapiCreateSourceObject(m_sourceKind);
    m_coder = m_source != nullptr ? hapiCreateCoderObject(m_source) : nullptr;
    m_recogniser = m_hmmSet != nullptr ? hapiCreateRecObject(m_networkType, m_recogniserMode, m_hmmSet, nullptr) : nullptr;
    if (m_recogniser != nullptr) {
        m_partialResult = hapiCreateResObject(m_recogniser, kResultMask);
        m_finalResult = hapiCreateResObject(m_recogniser, kResultMask);
    }
    if (m_hmmSet == nullptr || m_dictionary == nullptr || m_source == nullptr || m_coder == nullptr
        || m_recogniser == nullptr || m_partialResult == nullptr || m_finalResult == nullptr)
        return b_Fail("Couldn't create a HAPI object");
    if (hapiResSetAttachment(m_partialResult, this) < 0 || hapiResSetAttachment(m_finalResult, this) < 0
        || hapiHMMSetInitialise(m_hmmSet) < 0)
        return b_Fail("Couldn't load HMM set");
    if (hapiDictInitialise(m_dictionary) < 0)
        return b_Fail("Couldn't load dictionary");
    m_network = hapiLoadNetObject(m_networkType, m_hmmSet, m_dictionary, nullptr);
    if (m_network == nullptr)
        return b_Fail("Couldn't load network");
    if (hapiSourceInitialise(m_source) < 0)
        return b_Fail("Couldn't open source");
    if (hapiCoderInitialise(m_coder, nullptr) < 0 || hapiRecInitialise(m_recogniser) < 0)
        return b_Fail(nullptr);
    return true;
}

bool CT_Context::b_DeleteObjects()
{
    bool deleted = true;
    const auto remove = [&deleted](auto& object, auto erase) {
        if (deleted && object != nullptr) {
            deleted = erase(object) >= 0;
            if (deleted)
                object = nullptr;
        }
    };
    remove(m_finalResult, hapiDeleteResObject);
    remove(m_partialResult, hapiDeleteResObject);
    remove(m_recogniser, hapiDeleteRecObject);
    remove(m_coder, hapiDeleteCoderObject);
    remove(m_source, hapiDeleteSourceObject);
    remove(m_network, hapiDeleteNetObject);
    remove(m_dictionary, hapiDeleteDictObject);
    remove(m_hmmSet, hapiDeleteHMMSetObject);
    return deleted;
}

void CT_Context::v_DeleteRecogniser()
{
    hapiDeleteResObject(m_finalResult);
    hapiDeleteResObject(m_partialResult);
    hapiDeleteRecObject(m_recogniser);
    m_finalResult = m_partialResult = nullptr;
    m_recogniser = nullptr;
}

std::int32_t CT_Context::i4_CreateRecogniser(hapiNetObject network)
{
    m_recogniser = hapiCreateRecObject(m_networkType, m_recogniserMode, m_hmmSet, network);
    if (m_recogniser != nullptr) {
        m_partialResult = hapiCreateResObject(m_recogniser, kResultMask);
        m_finalResult = hapiCreateResObject(m_recogniser, kResultMask);
    }
    if (m_recogniser == nullptr || m_partialResult == nullptr || m_finalResult == nullptr) {
        VX_SetError(-1, "Couldn't create a HAPI object");
        return -1;
    }
    hapiResSetAttachment(m_partialResult, this);
    hapiResSetAttachment(m_finalResult, this);
    return hapiRecInitialise(m_recogniser);
}

void CT_Context::v_PublishTarget()
{
    if (m_background.load())
        m_front.store(1 - m_front.load());
}

void CT_Context::v_ClearSegments()
{
    m_segments[0].v_Set();
    m_segments[1].v_Set();
}

void CT_Context::v_SetScoreType(std::uint32_t type)
{
    m_segments[0].v_SetScoreType(type);
    m_segments[1].v_SetScoreType(type);
}

void CT_Context::v_SetWaveName(const char* name)
{
    std::lock_guard lock(m_waveMutex);
    m_waveName = name != nullptr ? name : "";
}

std::string CT_Context::s_GetWaveName() const
{
    std::lock_guard lock(m_waveMutex);
    return m_waveName;
}
