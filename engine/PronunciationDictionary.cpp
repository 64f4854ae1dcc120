#include "engine/PronunciationDictionary.h"

#include "engine/EngineFailure.h"
#include "engine/Hapi.h"
#include "engine/TextLines.h"

#include <algorithm>

namespace kurs::engine {
namespace {

std::vector<int> phonesOf(std::string_view text, const PhoneSet& phones, const std::string& name, std::size_t line)
{
    std::vector<int> ids;
    for (const std::string_view phone : splitAt(text, " \t")) {
        const std::optional<int> id = phones.find(phone);
        if (!id)
            throw EngineFailure(HAPI_ERR_MISMATCH, "dictionary " + name + " line " + std::to_string(line) + ": the phone "
                                                       + std::string(phone) + " is not in the model");
        ids.push_back(*id);
    }
    return ids;
}

std::string_view field(std::string_view line, std::size_t index)
{
    for (std::size_t i = 0; i < index; ++i) {
        const std::size_t separator = line.find(';');
        if (separator == std::string_view::npos)
            return {};
        line.remove_prefix(separator + 1);
    }
    return trimmed(line.substr(0, line.find(';')));
}

} // namespace

PronunciationDictionary PronunciationDictionary::read(const std::string& path, const PhoneSet& phones)
{
    std::string bytes;
    if (!readWholeFile(path, bytes))
        throw EngineFailure(HAPI_ERR_FILE, "cannot read the dictionary " + path);
    return parse(bytes, phones, path);
}

PronunciationDictionary PronunciationDictionary::parse(const std::string& bytes, const PhoneSet& phones,
                                                       const std::string& nameForMessages)
{
    PronunciationDictionary dictionary;
    if (looksLikeUtf16(bytes)) {
        const std::vector<std::string> lines = wideLinesAsWindows1250(bytes);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string_view word = field(lines[i], 0);
            if (word.empty())
                continue;
            dictionary.add({std::string(word), std::string(field(lines[i], 1)),
                            phonesOf(field(lines[i], 2), phones, nameForMessages, i + 1)});
        }
        return dictionary;
    }
    const std::vector<std::string> lines = splitLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view rest = trimmed(lines[i]);
        if (rest.empty())
            continue;
        const std::size_t wordEnd = rest.find_first_of(" \t");
        Pronunciation pronunciation;
        pronunciation.word = rest.substr(0, wordEnd);
        rest = wordEnd == std::string_view::npos ? std::string_view() : trimmed(rest.substr(wordEnd));
        pronunciation.output = pronunciation.word;
        if (!rest.empty() && rest.front() == '[') {
            const std::size_t close = rest.find(']');
            if (close == std::string_view::npos)
                throw EngineFailure(HAPI_ERR_FORMAT, "dictionary " + nameForMessages + " line " + std::to_string(i + 1)
                                                         + ": the output symbol has no closing bracket");
            pronunciation.output = rest.substr(1, close - 1);
            rest = rest.substr(close + 1);
        }
        pronunciation.phones = phonesOf(rest, phones, nameForMessages, i + 1);
        dictionary.add(std::move(pronunciation));
    }
    return dictionary;
}

void PronunciationDictionary::add(Pronunciation pronunciation)
{
    std::vector<std::size_t>& ids = byWord_[pronunciation.word];
    const bool repeated = std::any_of(ids.begin(), ids.end(), [&](std::size_t id) {
        return entries_[id].phones == pronunciation.phones;
    });
    if (repeated)
        return;
    ids.push_back(entries_.size());
    entries_.push_back(std::move(pronunciation));
}

std::vector<std::size_t> PronunciationDictionary::find(const std::string& word) const
{
    const auto it = byWord_.find(word);
    return it == byWord_.end() ? std::vector<std::size_t>{} : it->second;
}

} // namespace kurs::engine
