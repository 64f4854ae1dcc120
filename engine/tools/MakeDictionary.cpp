// Writes the course's pronunciation dictionary Slownik.dct (UTF-16LE with a
// byte-order mark, CR LF, "word;output symbol;phones" per line): first the
// fixed entries of the recognition network (from tmp0.dct), then every word of
// the phrase lessons and of the extra word lists, in alphabetical order, with
// all its transcriptions from the model's pronunciation dictionary.
//
// Usage: kurs_make_dictionary <phone list> <tmp0.dct> <model dictionary>
//                             <lesson folder> <output> [word list ...]
#include "engine/PhoneSet.h"
#include "engine/PronunciationDictionary.h"
#include "engine/TextLines.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace kurs::engine;

namespace {

std::string readFile(const std::string& path)
{
    std::string bytes;
    if (!readWholeFile(path, bytes))
        throw std::runtime_error("cannot read " + path);
    return bytes;
}

// The n-th field (from 0) of a line split at the separator.
std::string fieldOf(const std::string& line, std::size_t n, char separator)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < n; ++i) {
        start = line.find(separator, start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    return line.substr(start, line.find(separator, start) - start);
}

void addWord(std::set<std::string>& words, std::string_view word, const std::string& from)
{
    for (const char c : word) {
        if (static_cast<unsigned char>(c) > 127)
            throw std::runtime_error("the word " + std::string(word) + " of " + from + " is not plain English");
    }
    words.insert(asciiLower(word));
}

std::set<std::string> lessonWords(const std::string& folder)
{
    std::set<std::string> words;
    for (const std::string& lesson : wideLinesAsWindows1250(readFile(folder + "/Lekcje.txt"))) {
        const std::string file = std::string(trimmed(fieldOf(lesson, 1, '=')));
        if (file.empty())
            continue;
        for (const std::string& phrase : wideLinesAsWindows1250(readFile(folder + "/" + file))) {
            const std::string recognised = fieldOf(phrase, 2, '=');
            for (std::size_t k = 0;; ++k) {
                const std::string word = fieldOf(recognised, k, '/');
                if (word.empty())
                    break;
                addWord(words, word, file);
            }
        }
    }
    return words;
}

void appendWide(std::string& out, const std::string& line)
{
    for (const char c : line + "\r\n") {
        out.push_back(c);
        out.push_back('\0');
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6) {
        std::fprintf(stderr,
                     "usage: %s <phone list> <tmp0.dct> <model dictionary> <lesson folder> <output> [word list ...]\n",
                     argv[0]);
        return 2;
    }
    try {
        const PhoneSet phones = PhoneSet::read(argv[1]);
        const PronunciationDictionary fixed = PronunciationDictionary::read(argv[2], phones);

        std::map<std::string, std::vector<std::string>> transcriptions;
        for (const std::string& line : splitLines(readFile(argv[3]))) {
            const std::vector<std::string_view> fields = splitAt(line, " \t");
            if (fields.size() < 2)
                continue;
            std::string word(fields[0].substr(0, fields[0].find('(')));
            std::string phoneText;
            for (std::size_t i = 1; i < fields.size(); ++i) {
                const std::string phone = asciiLower(fields[i]);
                if (!phones.find(phone))
                    throw std::runtime_error("the model dictionary uses the phone " + phone + " for " + word);
                phoneText += (i > 1 ? " " : "") + phone;
            }
            transcriptions[word].push_back(phoneText);
        }

        std::set<std::string> words = lessonWords(argv[4]);
        for (int i = 6; i < argc; ++i) {
            for (const std::string& line : splitLines(readFile(argv[i]))) {
                const std::string_view word = trimmed(line);
                if (!word.empty() && word.front() != '#')
                    addWord(words, word, argv[i]);
            }
        }

        std::string out = "\xFF\xFE";
        for (std::size_t id = 0; id < fixed.size(); ++id) {
            const Pronunciation& entry = fixed.entry(id);
            std::string phoneText;
            for (const int phone : entry.phones)
                phoneText += (phoneText.empty() ? "" : " ") + phones.name(static_cast<std::size_t>(phone));
            appendWide(out, entry.word + ";" + entry.output + ";" + phoneText);
        }
        for (const std::string& word : words) {
            const auto found = transcriptions.find(word);
            if (found == transcriptions.end())
                throw std::runtime_error("the model dictionary has no transcription of " + word);
            for (const std::string& phoneText : found->second)
                appendWide(out, word + ";" + word + ";" + phoneText);
        }
        const std::string part = std::string(argv[5]) + ".part";
        std::ofstream file(part, std::ios::binary);
        file << out;
        if (!file.flush() || (file.close(), std::rename(part.c_str(), argv[5]) != 0))
            throw std::runtime_error(std::string("cannot write ") + argv[5]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
