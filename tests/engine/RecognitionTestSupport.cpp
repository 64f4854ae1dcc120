#include "RecognitionTestSupport.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace kurs::test {

std::string spokenFile(const std::string& name)
{
    return std::string(KURS_TEST_SPEECH_DIR) + "/" + name + ".wav";
}

const std::vector<PhraseWord>& iAmFine()
{
    static const std::vector<PhraseWord> words = {{"I", "ay"}, {"am", "ae m"}, {"fine", "f ay n"}};
    return words;
}

std::string latticeText(const std::vector<PhraseWord>& words)
{
    std::ostringstream text;
    text << "SUBLAT=<GARBAGE>\r\nN=6 L=6\r\nI=0 W=!NULL x=10 y=10\r\nI=1 W=!NULL x=20 y=10\r\n"
            "I=2 W=!NULL x=30 y=10\r\nI=3 W=_GV_GBGEMARKER_ x=40 y=10\r\nI=4 W=!NULL x=50 y=10\r\n"
            "I=5 W=P__GV_GBGE_ x=25 y=20\r\nJ=0 S=0 E=1\r\nJ=1 S=1 E=5\r\nJ=2 S=2 E=1 l=-16\r\nJ=3 S=2 E=3\r\n"
            "J=4 S=3 E=4\r\nJ=5 S=5 E=2\r\n.\r\n";
    const std::size_t k = words.size();
    text << "N=" << k + 5 << " L=" << k + 5 << "\r\n";
    text << "I=0 W=!NULL x=10 y=10\r\nI=1 W=!NULL x=510 y=10\r\nI=2 W=<s> x=15 y=10\r\nI=3 W=</s> x=505 y=10\r\n"
            "I=4 L=<GARBAGE> x=250 y=5\r\n";
    for (std::size_t j = 0; j < k; ++j)
        text << "I=" << j + 5 << " W=" << words[j].first << " x=" << 5 * j + 25 << " y=15\r\n";
    text << "J=0 S=0 E=2\r\nJ=1 S=3 E=1\r\nJ=2 S=2 E=4 l=-16\r\nJ=3 S=4 E=3\r\nJ=4 S=2 E=5\r\n";
    for (std::size_t j = 0; j + 1 < k; ++j)
        text << "J=" << j + 5 << " S=" << j + 5 << " E=" << j + 6 << "\r\n";
    text << "J=" << k + 4 << " S=" << k + 4 << " E=3\r\n\r\n";
    return text.str();
}

std::string readBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

RecognitionFolder::RecognitionFolder(const std::string& extraSettings)
{
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(KURS_ENGLISH_CONTENT))
        fs::copy_file(entry.path(), path() / entry.path().filename());
    for (const char* extension : {".list", ".mmf"})
        fs::copy_file(std::string(KURS_ENGLISH_MODEL_BASE) + extension,
                      path() / (fs::path(KURS_ENGLISH_MODEL_BASE).filename().string() + extension));
    writeFile("config.cfg", readBytes(config()) + extraSettings);
}

void RecognitionFolder::writeFile(const std::string& name, const std::string& bytes) const
{
    std::ofstream(file(name), std::ios::binary) << bytes;
}

void RecognitionFolder::writePhrase(const std::vector<PhraseWord>& words, const std::string& lattice,
                                    const std::string& dictionary) const
{
    writeFile(lattice, latticeText(words));
    std::string entries = readBytes(file("tmp0.dct")) + "\r\n";
    for (const auto& [word, phones] : words)
        entries += word + " [" + word + "] " + phones + "\r\n";
    writeFile(dictionary, entries);
}

std::vector<std::int16_t> waveSamples(const std::string& path, std::uint32_t* rateHz)
{
    const std::string bytes = readBytes(path);
    if (bytes.size() < 44)
        return {};
    if (rateHz != nullptr)
        *rateHz = static_cast<unsigned char>(bytes[24]) | static_cast<unsigned char>(bytes[25]) << 8
            | static_cast<unsigned char>(bytes[26]) << 16 | static_cast<unsigned char>(bytes[27]) << 24;
    std::vector<std::int16_t> samples((bytes.size() - 44) / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[44 + 2 * i])
                                               | static_cast<unsigned char>(bytes[45 + 2 * i]) << 8);
    return samples;
}

} // namespace kurs::test
