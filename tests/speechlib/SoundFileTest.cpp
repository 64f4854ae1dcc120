#include "SoundTestSupport.h"
#include "speechlib/CT_Sound.h"
#include "speechlib/support/Errors.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

std::uint32_t field32(const Bytes& bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

std::uint16_t field16(const Bytes& bytes, std::size_t offset)
{
    std::uint16_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 2);
    return value;
}

void put(Bytes& bytes, std::size_t offset, std::uint32_t value, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A canonical 44-byte header of 22050 Hz mono PCM claiming dataSize bytes,
// followed by the given data.
Bytes waveFile(std::uint32_t dataSize, const Bytes& data)
{
    Bytes bytes(44 + data.size(), 0);
    std::memcpy(bytes.data(), "RIFF\0\0\0\0WAVEfmt ", 16);
    put(bytes, 16, 16, 4);
    put(bytes, 20, 1, 2);
    put(bytes, 22, 1, 2);
    put(bytes, 24, 22050, 4);
    put(bytes, 28, 44100, 4);
    put(bytes, 32, 2, 2);
    put(bytes, 34, 16, 2);
    std::memcpy(bytes.data() + 36, "data", 4);
    put(bytes, 40, dataSize, 4);
    std::copy(data.begin(), data.end(), bytes.begin() + 44);
    return bytes;
}

class SoundFile : public testing::Test {
protected:
    void SetUp() override { VX_ClearError(3); }

    kurs::test::TemporaryFolder folder_;
    std::string path_ = folder_.file("zapis.wav");
};

TEST_F(SoundFile, TenThousandWrittenBytesGiveTheHeaderOverTheirFirstSixteen)
{
    CT_Sound sound(path_.c_str());
    Bytes data(10000);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 7);
    ASSERT_TRUE(sound.b_WriteOpen());
    ASSERT_TRUE(sound.b_Write(data.data(), 6000));
    ASSERT_TRUE(sound.b_Write(reinterpret_cast<const std::int16_t*>(data.data() + 6000), 4000));
    ASSERT_TRUE(sound.b_WriteClose());

    const Bytes file = readFile(path_);
    ASSERT_EQ(file.size(), 10028u);
    EXPECT_EQ(std::memcmp(file.data(), "RIFF", 4), 0);
    EXPECT_EQ(field32(file, 4), 10020u);
    EXPECT_EQ(std::memcmp(file.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(field32(file, 16), 16u);
    EXPECT_EQ(field16(file, 20), 1);
    EXPECT_EQ(field16(file, 22), 1);
    EXPECT_EQ(field32(file, 24), 22050u);
    EXPECT_EQ(field32(file, 28), 44100u);
    EXPECT_EQ(field16(file, 32), 2);
    EXPECT_EQ(field16(file, 34), 16);
    EXPECT_EQ(std::memcmp(file.data() + 36, "data", 4), 0);
    EXPECT_EQ(field32(file, 40), 9984u);
    // The data chunk holds the written bytes from the 17th on.
    EXPECT_TRUE(std::equal(file.begin() + 44, file.end(), data.begin() + 16));
    EXPECT_EQ(VX_GetErrorCode(), 0);
}

TEST_F(SoundFile, ClosingWithoutWritesDeletesTheFileQuietly)
{
    writeFile(path_, Bytes{1, 2, 3});
    CT_Sound sound(path_.c_str());
    ASSERT_TRUE(sound.b_WriteOpen());
    EXPECT_FALSE(sound.b_WriteClose());
    EXPECT_FALSE(std::filesystem::exists(path_));
    EXPECT_EQ(VX_GetErrorCode(), 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 0);
}

TEST_F(SoundFile, FewerBytesThanTheHeaderCoversGiveAnEmptyDataChunk)
{
    CT_Sound sound(path_.c_str());
    const Bytes data(10, 0x55);
    ASSERT_TRUE(sound.b_WriteOpen());
    ASSERT_TRUE(sound.b_Write(data.data(), 10));
    ASSERT_TRUE(sound.b_WriteClose());
    const Bytes file = readFile(path_);
    ASSERT_EQ(file.size(), 44u);
    EXPECT_EQ(field32(file, 4), 36u);
    EXPECT_EQ(field32(file, 40), 0u);
}

TEST_F(SoundFile, AnOldFileStaysWholeUntilTheNewOneIsClosed)
{
    const Bytes old = waveFile(4, Bytes{1, 2, 3, 4});
    writeFile(path_, old);
    CT_Sound sound(path_.c_str());
    ASSERT_TRUE(sound.b_WriteOpen());
    const Bytes data(100, 9);
    ASSERT_TRUE(sound.b_Write(data.data(), 100));
    EXPECT_EQ(readFile(path_), old);
    ASSERT_TRUE(sound.b_WriteClose());
    EXPECT_EQ(readFile(path_).size(), 128u);
}

TEST_F(SoundFile, WriteSequenceErrorsNameTheFile)
{
    CT_Sound sound(path_.c_str());
    const Bytes data(4, 0);

    EXPECT_FALSE(sound.b_Write(data.data(), 4));
    EXPECT_EQ(std::string(VX_GetErrorMessage()), "No file to write to for\n" + path_);
    EXPECT_EQ(VX_GetErrorCode(), -1);

    EXPECT_FALSE(sound.b_WriteClose());
    EXPECT_EQ(std::string(VX_GetErrorMessage()), "No file to close for\n" + path_);

    ASSERT_TRUE(sound.b_WriteOpen());
    EXPECT_FALSE(sound.b_WriteOpen());
    EXPECT_EQ(std::string(VX_GetErrorMessage()), "File already open \n" + path_);

    const std::string missing = folder_.file("missing/zapis.wav");
    CT_Sound nowhere(missing.c_str());
    EXPECT_FALSE(nowhere.b_WriteOpen());
    EXPECT_EQ(std::string(VX_GetErrorMessage()), "Can't open file \n" + missing);
}

TEST_F(SoundFile, ResettingAnUnfinishedWriteLeavesNoFile)
{
    CT_Sound sound(path_.c_str());
    ASSERT_TRUE(sound.b_WriteOpen());
    const Bytes data(100, 1);
    ASSERT_TRUE(sound.b_Write(data.data(), 100));
    sound.v_Set();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 0);
}

struct ReadCase {
    const char* name;
    Bytes file;
    std::uint32_t dataSize;
    const char* error;  // null when reading succeeds
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class SoundRead : public testing::TestWithParam<ReadCase> {};

TEST_P(SoundRead, ReadsTheCanonicalHeaderAndNeverPastTheEnd)
{
    const ReadCase& c = GetParam();
    VX_ClearError(3);
    kurs::test::TemporaryFolder folder;
    const std::string path = folder.file("a.wav");
    writeFile(path, c.file);
    CT_Sound sound(path.c_str());
    EXPECT_EQ(sound.n_Read(), c.dataSize);
    EXPECT_EQ(sound.n_GetDataSize(), c.dataSize);
    if (c.error != nullptr)
        EXPECT_EQ(std::string(VX_GetErrorMessage()), c.error + path);
    else
        EXPECT_EQ(VX_GetErrorCode(), 0);
    if (c.dataSize > 0) {
        ASSERT_NE(sound.qcc_GetBuffer(), nullptr);
        EXPECT_TRUE(std::equal(c.file.begin() + 44, c.file.begin() + 44 + c.dataSize, sound.qcc_GetBuffer()));
    } else {
        EXPECT_EQ(sound.qcc_GetBuffer(), nullptr);
    }
}

Bytes withListChunk()
{
    // "LIST", size 4, "INFO" where the reader expects "data" and its size.
    Bytes file = waveFile(0, Bytes{'I', 'N', 'F', 'O', 'd', 'a', 't', 'a', 2, 0, 0, 0, 7, 7});
    std::memcpy(file.data() + 36, "LIST", 4);
    const std::uint32_t listSize = 4;
    std::memcpy(file.data() + 40, &listSize, 4);
    return file;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SoundRead,
    testing::Values(ReadCase{"canonical", waveFile(6, Bytes{1, 2, 3, 4, 5, 6}), 6, nullptr},
                    ReadCase{"claims_more_than_it_holds", waveFile(1000000, Bytes{1, 2, 3, 4}), 4, nullptr},
                    ReadCase{"claims_four_gigabytes", waveFile(0xFFFFFFF0u, Bytes{9, 9}), 2, nullptr},
                    ReadCase{"header_only", waveFile(100, {}), 0, nullptr},
                    ReadCase{"chunk_before_data_read_with_its_size", withListChunk(), 4, nullptr},
                    ReadCase{"shorter_than_a_header", Bytes{'R', 'I', 'F', 'F'}, 0, "No file to read from for\n"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST_F(SoundFile, AMissingFileReadsNothing)
{
    CT_Sound sound(folder_.file("none.wav").c_str());
    EXPECT_EQ(sound.n_Read(), 0u);
    EXPECT_EQ(std::string(VX_GetErrorMessage()), "No file to read from for\n" + folder_.file("none.wav"));
    EXPECT_EQ(sound.n_GetSamples(), 0u);
    EXPECT_EQ(sound.n_GetRate(), 0u);
}

TEST_F(SoundFile, BufferOffsetsStepByTheBlockAlign)
{
    writeFile(path_, waveFile(8, Bytes{0, 1, 2, 3, 4, 5, 6, 7}));
    CT_Sound sound(path_.c_str());
    ASSERT_EQ(sound.n_Read(), 8u);
    EXPECT_EQ(sound.n_GetSamples(), 4u);
    EXPECT_EQ(sound.n_GetRate(), 22050u);
    ASSERT_NE(sound.qcc_GetBuffer(3), nullptr);
    EXPECT_EQ(sound.qcc_GetBuffer(3), sound.qcc_GetBuffer() + 6);
    EXPECT_EQ(*sound.qcc_GetBuffer(3), 6);
    EXPECT_EQ(sound.qcc_GetBuffer(4), nullptr);
}

TEST_F(SoundFile, FormatSettersKeepTheFormatConsistent)
{
    CT_Sound sound;
    const tWAVEFORMATEX& format = *sound.pcso_GetWaveFormat();
    EXPECT_EQ(format.samplesPerSec, 22050u);
    EXPECT_EQ(format.avgBytesPerSec, 44100u);
    EXPECT_EQ(sound.r_GetSilenceLevel(), 3.0f);
    EXPECT_EQ(sound.n_GetPauseSeconds(), 2u);
    sound.v_SetBits(8);
    EXPECT_EQ(format.bitsPerSample, 8);
    EXPECT_EQ(format.blockAlign, 1);
    EXPECT_EQ(format.avgBytesPerSec, 22050u);
    sound.v_SetRate(11025);
    EXPECT_EQ(format.avgBytesPerSec, 11025u);
    sound.v_SetSilenceLevel(7.5f);
    sound.v_SetPauseSeconds(4);
    sound.v_Set("x.wav");
    EXPECT_EQ(format.bitsPerSample, 16);
    EXPECT_EQ(sound.r_GetSilenceLevel(), 3.0f);
    EXPECT_EQ(sound.n_GetPauseSeconds(), 2u);
    EXPECT_STREQ(sound.qccz_GetFileName(), "x.wav");
}

} // namespace
