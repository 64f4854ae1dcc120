#pragma once

#include "engine/Hapi.h"
#include "speechlib/CT_Segment.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

class CT_Context;

// Called with the context when a result arrives; a non-zero answer marks a failure.
using ResultHandler = std::int32_t (*)(CT_Context& context);

// The recognition context: the engine objects of one recogniser, the handlers
// of its results and the segment holding the latest result. The segment is
// kept twice: background recognition fills the one the caller does not read
// and then swaps them, so what a caller reads is never rebuilt under it.
class CT_Context {
public:
    static constexpr std::int32_t kNetworkType = HAPI_NET_LATTICE;
    static constexpr std::int32_t kRecogniserMode = HAPI_REC_UTTERANCE;
    static constexpr int kResultMask = HAPI_RI_ALL;

    explicit CT_Context(std::int32_t sourceKind);
    ~CT_Context();
    CT_Context(const CT_Context&) = delete;
    CT_Context& operator=(const CT_Context&) = delete;

    // Creates and initialises the engine objects in the engine's order; false
    // (with the last error recorded) on the first failure, after deleting what
    // was created.
    bool b_Create(const char* configName);
    // Deletes the engine objects in the engine's order; the first failing
    // deletion ends it. True when all were deleted.
    bool b_DeleteObjects();

    // Deletes the recogniser and its two results.
    void v_DeleteRecogniser();
    // A new recogniser over `network` with two new results attached to the
    // context; answers the engine's initialisation.
    std::int32_t i4_CreateRecogniser(hapiNetObject network);

    // The segment the result queries read, and the one an analysis fills.
    const CT_Segment& pcso_GetSegment() const { return m_segments[m_front.load()]; }
    CT_Segment& so_TargetSegment() { return m_segments[m_background.load() ? 1 - m_front.load() : m_front.load()]; }
    // Shows the target segment to the caller (background recognition).
    void v_PublishTarget();
    // Empties both segments (the score type stays).
    void v_ClearSegments();
    void v_SetScoreType(std::uint32_t type);

    void v_SetWaveName(const char* name);
    std::string s_GetWaveName() const;

    std::int32_t m_networkType = kNetworkType;
    std::int32_t m_recogniserMode = kRecogniserMode;
    std::int32_t m_sourceKind;
    hapiHMMSetObject m_hmmSet = nullptr;
    hapiDictObject m_dictionary = nullptr;
    hapiNetObject m_network = nullptr;
    hapiSourceObject m_source = nullptr;
    hapiCoderObject m_coder = nullptr;
    hapiResObject m_partialResult = nullptr;
    hapiResObject m_finalResult = nullptr;
    hapiRecObject m_recogniser = nullptr;
    ResultHandler m_finalHandler = nullptr;
    ResultHandler m_partialHandler = nullptr;
    std::atomic<std::int32_t> m_partialNumber{0};
    std::atomic<bool> m_background{false};

private:
    bool b_Fail(const char* message);

    std::array<CT_Segment, 2> m_segments;
    std::atomic<int> m_front{0};
    mutable std::mutex m_waveMutex;
    std::string m_waveName;
};
