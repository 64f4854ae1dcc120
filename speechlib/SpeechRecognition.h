#pragma once

#include "speechlib/CT_Context.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// The library's recogniser: the one recognition context and the state around
// it (configuration folder, status text, dictionary names flag, background
// recognition). The exported recognition functions call it.
class SpeechRecognition {
public:
    SpeechRecognition() = default;
    ~SpeechRecognition();
    SpeechRecognition(const SpeechRecognition&) = delete;
    SpeechRecognition& operator=(const SpeechRecognition&) = delete;

    std::int32_t i4_InitSR(const char* configFile);
    std::int32_t i4_Exit();
    std::int32_t i4_NewResource(const char* network, const char* dictionary);
    std::int32_t i4_NewSoundFile(const char* file);
    void v_SetWave(const char* name);
    const char* qccz_Recognize();
    std::int32_t i4_Calibrate(std::int32_t kind);
    std::int32_t i4_Status() const;
    const char* qccz_Status();
    bool b_StartBGRecognize();
    bool b_BGRecognize() const;
    void v_ResetBGRecognize();
    void v_StopBGRecognize();
    const char* qccz_Check();
    const char* qccz_CheckTmp();
    void v_ScoreType(std::uint32_t type);
    void v_DebugDictionary(std::int32_t flag) { m_dictionaryNames = flag; }

    // The segment of the latest result; null without a context.
    const CT_Segment* pcso_GetSegment() const;

    // Source kind named by a configuration file: 1 (file input) when a line
    // that is not a comment holds the piece SOURCE (upper-cased, split at ':',
    // '=', blank and tab, the line break staying on the last piece), else 5.
    static std::int32_t i4_SourceKindOf(const char* configName);

private:
    void v_MakeFolderCurrent() const;
    void v_ReportEngineStatus() const;
    const char* qccz_ResultText(const CT_Segment& segment) const;
    // One recognition: prepare, start, recognise (the handlers fill the
    // segment), and, unless `keepSourceRunning`, stop the source; then complete.
    std::int32_t i4_RunRecognition(bool keepSourceRunning);
    void v_BackgroundLoop();

    static std::int32_t i4_ResultCallback(hapiResObject result);
    static std::int32_t i4_FinalHandler(CT_Context& context);
    static std::int32_t i4_PartialHandler(CT_Context& context);
    static void v_StoreRecognisedAudio(CT_Context& context, const std::string& waveName);

    std::unique_ptr<CT_Context> m_context;
    std::string m_folder;
    std::array<char, HAPI_TEXT_SIZE> m_statusText{};
    std::atomic<std::int32_t> m_dictionaryNames{0};
    std::mutex m_backgroundMutex;
    std::string m_backgroundResult;
    std::string m_checked;
    std::atomic<bool> m_stopRequest{false};
    std::atomic<bool> m_resultReady{false};
    std::atomic<bool> m_finished{false};
    std::int32_t m_lastPartialSeen = -1;
    std::thread m_worker;
};
