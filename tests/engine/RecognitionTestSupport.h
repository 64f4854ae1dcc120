#pragma once

#include "SoundTestSupport.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kurs::test {

// Speech spoken by espeak-ng (en-us, 140 words a minute) at 22050 Hz, made by
// the build: "fine" (I am fine), "fun" (I am fun), "unrelated" (The weather is
// cold and windy today).
std::string spokenFile(const std::string& name);

// A word of a phrase and its phones in the model's phone names.
using PhraseWord = std::pair<std::string, std::string>;
const std::vector<PhraseWord>& iAmFine();

// The network of a phrase as the course writes it: the garbage sub-network,
// then <s>, the words in order and </s>, with the garbage path beside them.
std::string latticeText(const std::vector<PhraseWord>& words);

// A program folder for recognition: the English engine files of the course
// content, the model pair made by the build, and config.cfg with the given
// lines added (by default the file source).
class RecognitionFolder : public TemporaryFolder {
public:
    explicit RecognitionFolder(const std::string& extraSettings = "SOURCE = FILE\r\n");

    std::string config() const { return file("config.cfg"); }
    // Writes the network and the engine dictionary (tmp0.dct and the words) of a phrase.
    void writePhrase(const std::vector<PhraseWord>& words, const std::string& lattice = "tmp.lat",
                     const std::string& dictionary = "tmp.dct") const;
    void writeFile(const std::string& name, const std::string& bytes) const;
};

std::string readBytes(const std::string& path);
// Samples of a 16-bit mono wave file.
std::vector<std::int16_t> waveSamples(const std::string& path, std::uint32_t* rateHz = nullptr);

} // namespace kurs::test
