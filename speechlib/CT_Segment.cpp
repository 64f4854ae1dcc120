#include "speechlib/CT_Segment.h"

#include <algorithm>
#include <array>

namespace {

using NameBuffer = std::array<char, HAPI_NAME_SIZE>;

std::uint32_t truncated(double time)
{
    return time > 0.0 ? static_cast<std::uint32_t>(time) : 0u;
}

} // namespace

CT_Segment::CT_Segment()
    : m_status(0)
    , m_emptyTime{0, 0}
    , m_scoreType(kDefaultScoreType)
{
}

void CT_Segment::v_Set()
{
    m_words.v_Set();
    m_outputs.v_Set();
    m_phones.v_Set();
    m_wordsText.v_Set();
    m_outputsText.v_Set();
    m_phonesText.v_Set();
    m_phonesPerWord.clear();
    m_wordTimes.clear();
    m_phoneTimes.clear();
    m_phoneScores.clear();
    m_wordScores.clear();
}

double CT_Segment::r8_StoredScore(double score, std::uint32_t type, double startTime, double endTime, double advance)
{
    if (type == 4)
        return score * 100.0;
    const double value = (score / ((endTime - startTime) / advance) + 90.0) * 3.33;
    if (!(value >= 0.0))
        return 0.0;
    return std::min(value, 100.0);
}

void CT_Segment::v_ReadWords(hapiResObject result, std::uint32_t count, hapiCoderObject coder)
{
    m_wordTimes.assign(2 * static_cast<std::size_t>(count), 0);
    m_wordScores.assign(count, 0.0);
    for (std::uint32_t w = 1; w <= count; ++w) {
        NameBuffer name{};
        hapiResWordName(result, static_cast<int>(w), name.data());
        m_words.v_Append(name.data());
        if (name[0] != '\0') {
            m_wordsText.v_Append(name.data());
            m_wordsText.v_Append(" ");
        }
        NameBuffer output{};
        hapiResOutSym(result, static_cast<int>(w), output.data());
        m_outputs.v_Append(output.data());
        if (output[0] != '\0') {
            m_outputsText.v_Append(output.data());
            m_outputsText.v_Append(" ");
        }
    }
    const double advance = hapiCoderObservationWindowAdvance(coder);
    for (std::uint32_t w = 1; w <= count; ++w) {
        double start = 0.0;
        double end = 0.0;
        hapiResWordTimes(result, static_cast<int>(w), &start, &end);
        m_wordTimes[2 * (w - 1)] = truncated(start);
        m_wordTimes[2 * (w - 1) + 1] = truncated(end);
        const double score = hapiResWordScore(result, static_cast<int>(w), static_cast<int>(m_scoreType));
        m_wordScores[w - 1] = r8_StoredScore(score, m_scoreType, start, end, advance);
    }
}

void CT_Segment::v_Analyse(hapiResObject result, hapiDictObject dictionary, hapiCoderObject coder)
{
    v_Set();
    const std::uint32_t words = static_cast<std::uint32_t>(std::max(0, hapiResAllWordIds(result, nullptr)));
    m_phonesPerWord.assign(words, 0);
    std::size_t total = 0;
    for (std::uint32_t w = 1; w <= words; ++w) {
        const int count = hapiResAllPhoneIds(result, static_cast<int>(w), nullptr);
        m_phonesPerWord[w - 1] = static_cast<std::uint16_t>(std::max(0, count));
        total += m_phonesPerWord[w - 1];
    }
    m_phoneTimes.assign(2 * total, 0);
    m_phoneScores.assign(total, 0.0);
    v_ReadWords(result, words, coder);
    for (std::uint32_t w = 1; w <= words; ++w) {
        for (int j = 0; j < m_phonesPerWord[w - 1]; ++j) {
            NameBuffer name{};
            name[0] = '*';
            const int id = hapiResPhoneId(result, static_cast<int>(w), j);
            hapiDictPhoneName(dictionary, id, name.data());
            m_phones.v_Append(name.data());
            m_phonesText.v_Append(name.data());
            m_phonesText.v_Append(" ");
        }
    }
    const double advance = hapiCoderObservationWindowAdvance(coder);
    std::size_t position = 0;
    for (std::uint32_t w = 1; w <= words; ++w) {
        for (int j = 0; j < m_phonesPerWord[w - 1]; ++j, ++position) {
            double start = 0.0;
            double end = 0.0;
            if (hapiResPhoneTimes(result, static_cast<int>(w), j, &start, &end) < 1)
                start = end = 0.0;
            m_phoneTimes[2 * position] = truncated(start);
            m_phoneTimes[2 * position + 1] = truncated(end);
            const double score = hapiResPhoneScore(result, static_cast<int>(w), j, static_cast<int>(m_scoreType));
            m_phoneScores[position] = r8_StoredScore(score, m_scoreType, start, end, advance);
        }
    }
}

void CT_Segment::v_AnalyseTmp(hapiResObject result, hapiDictObject, hapiCoderObject coder)
{
    v_Set();
    const std::uint32_t words = static_cast<std::uint32_t>(std::max(0, hapiResAllWordIds(result, nullptr)));
    v_ReadWords(result, words, coder);
}

const char* CT_Segment::qccz_GetWord(std::uint32_t word) const
{
    return word == 0 ? nullptr : m_words.qccz_GetAt(word - 1);
}

const char* CT_Segment::qccz_GetOutput(std::uint32_t word) const
{
    return word == 0 ? nullptr : m_outputs.qccz_GetAt(word - 1);
}

const std::uint32_t* CT_Segment::qcn4_GetWordTimes() const
{
    return m_wordTimes.empty() ? nullptr : m_wordTimes.data();
}

const std::uint32_t* CT_Segment::qcn4_GetWordTime(std::uint32_t word) const
{
    if (word == 0 || word > m_wordTimes.size() / 2)
        return m_emptyTime;
    return &m_wordTimes[2 * (word - 1)];
}

const double* CT_Segment::qcr8_GetWordScores() const
{
    return m_wordScores.empty() ? nullptr : m_wordScores.data();
}

double CT_Segment::r8_GetWordScore(std::uint32_t word) const
{
    return word == 0 || word > m_wordScores.size() ? 0.0 : m_wordScores[word - 1];
}

const std::uint16_t* CT_Segment::qcn2_GetPhonesPerWord() const
{
    return m_phonesPerWord.empty() ? nullptr : m_phonesPerWord.data();
}

std::uint16_t CT_Segment::n2_GetPhonesPerWord(std::uint32_t word) const
{
    return word == 0 || word > m_phonesPerWord.size() ? 0 : m_phonesPerWord[word - 1];
}

const char* CT_Segment::qccz_GetPhone(std::uint32_t phone) const
{
    return phone == 0 ? nullptr : m_phones.qccz_GetAt(phone - 1);
}

const std::uint32_t* CT_Segment::qcn4_GetPhoneTimes() const
{
    return m_phoneTimes.empty() ? nullptr : m_phoneTimes.data();
}

const std::uint32_t* CT_Segment::qcn4_GetPhoneTime(std::uint32_t phone) const
{
    if (phone == 0 || phone > m_phoneTimes.size() / 2)
        return m_emptyTime;
    return &m_phoneTimes[2 * (phone - 1)];
}

const double* CT_Segment::qcr8_GetPhoneScores() const
{
    return m_phoneScores.empty() ? nullptr : m_phoneScores.data();
}

double CT_Segment::r8_GetPhoneScore(std::uint32_t phone) const
{
    return phone == 0 || phone > m_phoneScores.size() ? 0.0 : m_phoneScores[phone - 1];
}

std::int64_t CT_Segment::i8_PhonePosition(std::uint32_t word, std::uint32_t phone) const
{
    if (word == 0 || word > m_phonesPerWord.size() || phone == 0 || phone > m_phonesPerWord[word - 1])
        return -1;
    std::int64_t before = 0;
    for (std::uint32_t w = 0; w + 1 < word; ++w)
        before += m_phonesPerWord[w];
    return before + phone - 1;
}

const char* CT_Segment::qccz_GetPhone(std::uint32_t word, std::uint32_t phone) const
{
    const std::int64_t position = i8_PhonePosition(word, phone);
    return position < 0 ? nullptr : m_phones.qccz_GetAt(static_cast<std::uint32_t>(position));
}

const std::uint32_t* CT_Segment::qcn4_GetPhoneTime(std::uint32_t word, std::uint32_t phone) const
{
    const std::int64_t position = i8_PhonePosition(word, phone);
    return position < 0 || static_cast<std::size_t>(position) >= m_phoneTimes.size() / 2
        ? nullptr
        : &m_phoneTimes[2 * static_cast<std::size_t>(position)];
}

double CT_Segment::r8_GetPhoneScore(std::uint32_t word, std::uint32_t phone) const
{
    const std::int64_t position = i8_PhonePosition(word, phone);
    return position < 0 || static_cast<std::size_t>(position) >= m_phoneScores.size()
        ? 0.0
        : m_phoneScores[static_cast<std::size_t>(position)];
}

std::uint32_t CT_Segment::n_GetTime() const
{
    return m_wordTimes.empty() ? 0 : m_wordTimes.back();
}
