#pragma once

#include "engine/Hapi.h"
#include "speechlib/support/CT_String.h"
#include "speechlib/support/CT_StringList.h"

#include <cstdint>
#include <vector>

// One recognition result read back from the engine: the words, their output
// symbols and phones, and start time, end time and score of every word and
// phone, in the engine's time unit. Positions in the queries are 1-based;
// position 0 and positions past the count answer null, 0 or the empty time
// pair (0, 0).
class CT_Segment {
public:
    static constexpr std::uint32_t kDefaultScoreType = 4;

    CT_Segment();

    // Empties the segment; the score type stays.
    void v_Set();
    // Reads a final result: words, outputs, phones with their times and scores.
    void v_Analyse(hapiResObject result, hapiDictObject dictionary, hapiCoderObject coder);
    // Reads a partial result: words, outputs, word times and word scores only.
    void v_AnalyseTmp(hapiResObject result, hapiDictObject dictionary, hapiCoderObject coder);

    std::uint32_t n_GetWords() const { return m_words.n_GetCount(); }
    const char* qccz_GetWords() const { return m_wordsText.qccz_Get(); }
    const char* qccz_GetWord(std::uint32_t word) const;
    std::uint32_t n_GetOutputs() const { return m_outputs.n_GetCount(); }
    const char* qccz_GetOutputs() const { return m_outputsText.qccz_Get(); }
    const char* qccz_GetOutput(std::uint32_t word) const;
    // Pairs (start, end), one per word; null when there are none.
    const std::uint32_t* qcn4_GetWordTimes() const;
    const std::uint32_t* qcn4_GetWordTime(std::uint32_t word) const;
    const double* qcr8_GetWordScores() const;
    double r8_GetWordScore(std::uint32_t word) const;
    const std::uint16_t* qcn2_GetPhonesPerWord() const;
    std::uint16_t n2_GetPhonesPerWord(std::uint32_t word) const;

    std::uint32_t n_GetPhones() const { return m_phones.n_GetCount(); }
    const char* qccz_GetPhones() const { return m_phonesText.qccz_Get(); }
    const char* qccz_GetPhone(std::uint32_t phone) const;
    const std::uint32_t* qcn4_GetPhoneTimes() const;
    const std::uint32_t* qcn4_GetPhoneTime(std::uint32_t phone) const;
    const double* qcr8_GetPhoneScores() const;
    double r8_GetPhoneScore(std::uint32_t phone) const;
    // Phone `phone` (from 1) of word `word`: null (names and times) or 0
    // (scores) unless the word exists and has that many phones.
    const char* qccz_GetPhone(std::uint32_t word, std::uint32_t phone) const;
    const std::uint32_t* qcn4_GetPhoneTime(std::uint32_t word, std::uint32_t phone) const;
    double r8_GetPhoneScore(std::uint32_t word, std::uint32_t phone) const;

    // End time of the last word; 0 when there is none.
    std::uint32_t n_GetTime() const;
    void v_SetScoreType(std::uint32_t type) { m_scoreType = type; }
    std::uint32_t n_GetScoreType() const { return m_scoreType; }
    std::int32_t i4_GetStatus() const { return m_status; }

    // Score as stored: score type 4 gives the engine's 0..1 score times 100;
    // any other type the per-frame score s / frames shifted by 90 and scaled by
    // 3.33, limited to 0..100.
    static double r8_StoredScore(double score, std::uint32_t type, double startTime, double endTime, double advance);

private:
    void v_ReadWords(hapiResObject result, std::uint32_t count, hapiCoderObject coder);
    // Position (0-based) of phone `phone` of `word`, or -1.
    std::int64_t i8_PhonePosition(std::uint32_t word, std::uint32_t phone) const;

    std::int32_t m_status;
    std::uint32_t m_emptyTime[2];
    CT_StringList m_words;
    CT_StringList m_outputs;
    CT_StringList m_phones;
    CT_String m_wordsText;
    CT_String m_outputsText;
    CT_String m_phonesText;
    std::vector<std::uint16_t> m_phonesPerWord;
    std::vector<std::uint32_t> m_wordTimes;
    std::vector<std::uint32_t> m_phoneTimes;
    std::uint32_t m_scoreType;
    std::vector<double> m_phoneScores;
    std::vector<double> m_wordScores;
};
