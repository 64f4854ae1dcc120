#include "SoundTestSupport.h"
#include "platform/WaveFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

using kurs::sound::parseWave;
using kurs::sound::WaveData;
using kurs::sound::WaveFileError;
using kurs::sound::WaveFormat;

namespace {

using Bytes = std::vector<std::uint8_t>;

void append32(Bytes& bytes, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void append16(Bytes& bytes, std::uint32_t v)
{
    bytes.push_back(static_cast<std::uint8_t>(v));
    bytes.push_back(static_cast<std::uint8_t>(v >> 8));
}

Bytes chunk(const char* id, const Bytes& body, std::uint32_t claimedSize)
{
    Bytes bytes(id, id + 4);
    append32(bytes, claimedSize);
    bytes.insert(bytes.end(), body.begin(), body.end());
    if (body.size() % 2 == 1 && claimedSize == body.size())
        bytes.push_back(0);
    return bytes;
}

Bytes chunk(const char* id, const Bytes& body)
{
    return chunk(id, body, static_cast<std::uint32_t>(body.size()));
}

Bytes formatBody(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                 std::size_t extraBytes = 0)
{
    Bytes body;
    append16(body, tag);
    append16(body, channels);
    append32(body, rate);
    append32(body, rate * channels * bits / 8);
    append16(body, channels * bits / 8);
    append16(body, bits);
    body.resize(body.size() + extraBytes, 0);
    return body;
}

Bytes riff(const std::vector<Bytes>& chunks)
{
    Bytes inner{'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks)
        inner.insert(inner.end(), c.begin(), c.end());
    Bytes bytes{'R', 'I', 'F', 'F'};
    append32(bytes, static_cast<std::uint32_t>(inner.size()));
    bytes.insert(bytes.end(), inner.begin(), inner.end());
    return bytes;
}

const Bytes kData{1, 2, 3, 4, 5, 6, 7, 8};

struct ParseCase {
    const char* name;
    Bytes file;
    WaveFileError error;
    Bytes pcm;
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.name;
}

class WaveParse : public testing::TestWithParam<ParseCase> {};

TEST_P(WaveParse, ReadsChunksAndRefusesWhatIsNotPcm)
{
    const ParseCase& c = GetParam();
    WaveData wave;
    ASSERT_EQ(parseWave(c.file.data(), c.file.size(), wave), c.error);
    if (c.error == WaveFileError::None) {
        EXPECT_EQ(wave.pcm, c.pcm);
        EXPECT_EQ(wave.format.formatTag, 1);
        EXPECT_EQ(wave.format.samplesPerSec, 22050u);
    }
}

std::vector<ParseCase> parseCases()
{
    Bytes extensible = formatBody(0xFFFE, 1, 22050, 16, 24);
    extensible[24] = 1; // the sub-format starts with the plain PCM tag
    Bytes truncated = riff({chunk("fmt ", formatBody(1, 1, 22050, 16)), chunk("data", kData, 1000)});
    return {
        {"canonical", riff({chunk("fmt ", formatBody(1, 1, 22050, 16)), chunk("data", kData)}), WaveFileError::None,
         kData},
        {"chunk_before_data",
         riff({chunk("fmt ", formatBody(1, 1, 22050, 16)), chunk("LIST", Bytes{'a', 'b', 'c'}), chunk("data", kData)}),
         WaveFileError::None, kData},
        {"long_fmt_chunk", riff({chunk("fmt ", formatBody(1, 1, 22050, 16, 2)), chunk("data", kData)}),
         WaveFileError::None, kData},
        {"extensible_pcm", riff({chunk("fmt ", extensible), chunk("data", kData)}), WaveFileError::None, kData},
        {"data_longer_than_file", truncated, WaveFileError::None, kData},
        {"odd_byte_dropped", riff({chunk("fmt ", formatBody(1, 1, 22050, 16)), chunk("data", Bytes{1, 2, 3})}),
         WaveFileError::None, Bytes{1, 2}},
        {"not_riff", Bytes{'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}, WaveFileError::NotWave, {}},
        {"no_data_chunk", riff({chunk("fmt ", formatBody(1, 1, 22050, 16))}), WaveFileError::NotWave, {}},
        {"data_before_fmt", riff({chunk("data", kData), chunk("fmt ", formatBody(1, 1, 22050, 16))}),
         WaveFileError::NotWave, {}},
        {"compressed", riff({chunk("fmt ", formatBody(0x55, 1, 22050, 16)), chunk("data", kData)}),
         WaveFileError::NotPcm, {}},
        {"float_samples", riff({chunk("fmt ", formatBody(3, 1, 22050, 32)), chunk("data", kData)}),
         WaveFileError::NotPcm, {}},
        {"short_header", Bytes{'R', 'I', 'F', 'F'}, WaveFileError::NotWave, {}},
    };
}

INSTANTIATE_TEST_SUITE_P(Files, WaveParse, testing::ValuesIn(parseCases()),
                         [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

Bytes readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(WaveFileWrite, WritesTheCanonicalHeaderAndReadsBack)
{
    kurs::test::TemporaryFolder folder;
    const std::string path = folder.file("out.wav");
    WaveFormat format;
    ASSERT_TRUE(kurs::sound::writeWaveFile(path, format, kData.data(), kData.size()));

    const Bytes bytes = readFile(path);
    ASSERT_EQ(bytes.size(), 44u + kData.size());
    EXPECT_EQ(std::memcmp(bytes.data(), "RIFF", 4), 0);
    EXPECT_EQ(bytes[4], 36 + kData.size());
    EXPECT_EQ(std::memcmp(bytes.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(std::memcmp(bytes.data() + 36, "data", 4), 0);
    EXPECT_EQ(bytes[40], kData.size());

    WaveData wave;
    ASSERT_EQ(kurs::sound::readWaveFile(path, wave), WaveFileError::None);
    EXPECT_EQ(wave.pcm, kData);
    EXPECT_EQ(wave.format.avgBytesPerSec, 44100u);
    EXPECT_EQ(wave.format.blockAlign, 2);
}

TEST(WaveFileWrite, ReplacesAnOldFileAndLeavesNoTemporaryFile)
{
    kurs::test::TemporaryFolder folder;
    const std::string path = folder.file("out.wav");
    std::ofstream(path) << "old recording";
    ASSERT_TRUE(kurs::sound::writeWaveFile(path, WaveFormat{}, kData.data(), kData.size()));
    EXPECT_EQ(readFile(path).size(), 44u + kData.size());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(WaveFileWrite, FailsInAMissingFolder)
{
    kurs::test::TemporaryFolder folder;
    EXPECT_FALSE(kurs::sound::writeWaveFile(folder.file("missing/out.wav"), WaveFormat{}, kData.data(), kData.size()));
}

TEST(WaveFileRead, AMissingFileCannotBeOpened)
{
    WaveData wave;
    EXPECT_EQ(kurs::sound::readWaveFile("/nonexistent/kurs.wav", wave), WaveFileError::CannotOpen);
}

} // namespace
