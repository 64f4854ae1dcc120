#pragma once

#include "engine/PhoneSet.h"

#include <map>
#include <string>
#include <vector>

namespace kurs::engine {

// One pronunciation of a word: its output symbol and its phones (phone-list ids).
struct Pronunciation {
    std::string word;
    std::string output;
    std::vector<int> phones;
};

// A pronunciation dictionary in either of two forms, told apart by the bytes:
//
//  - engine form, 8-bit Windows-1250 text: "word [output] phone phone ..." per
//    line; without the bracket the output symbol is the word, "[]" gives an
//    empty one;
//  - course form, UTF-16LE text with CR LF: "word;output;phones" per line, each
//    field trimmed of blanks.
//
// Several lines of one word are its alternative pronunciations, in file order;
// a repeated identical pronunciation is kept once. A line without phones gives
// the word an entry without pronunciation. Blank lines are skipped.
class PronunciationDictionary {
public:
    // Throws EngineFailure when the file cannot be read or a line names a
    // phone the phone set lacks.
    static PronunciationDictionary read(const std::string& path, const PhoneSet& phones);
    static PronunciationDictionary parse(const std::string& bytes, const PhoneSet& phones,
                                         const std::string& nameForMessages);

    std::size_t size() const { return entries_.size(); }
    const Pronunciation& entry(std::size_t id) const { return entries_[id]; }
    // Ids of the entries of a word (exact spelling), in file order; empty when
    // the word is not in the dictionary.
    std::vector<std::size_t> find(const std::string& word) const;

private:
    void add(Pronunciation pronunciation);

    std::vector<Pronunciation> entries_;
    std::map<std::string, std::vector<std::size_t>> byWord_;
};

} // namespace kurs::engine
