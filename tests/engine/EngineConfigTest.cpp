#include "engine/EngineConfig.h"
#include "engine/EngineFailure.h"
#include "engine/Hapi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <ostream>
#include <string>

#include <unistd.h>

using kurs::engine::EngineConfig;
using kurs::engine::EngineFailure;
using kurs::engine::readEngineConfig;

namespace {

class ConfigFile : public testing::Test {
protected:
    void TearDown() override { std::remove(path_.c_str()); }

    EngineConfig read(const std::string& text)
    {
        std::ofstream(path_, std::ios::binary) << text;
        return readEngineConfig(path_);
    }

    // The failure's text, or "" when the file was accepted.
    std::string failure(const std::string& text)
    {
        try {
            read(text);
        } catch (const EngineFailure& error) {
            EXPECT_EQ(error.code(), HAPI_ERR_FORMAT);
            return error.what();
        }
        return "";
    }

    std::string folder_ = testing::TempDir();
    std::string path_ = folder_ + "engine-config-" + std::to_string(::getpid()) + ".cfg";
    const std::string required_ = "MODEL = english\r\nDICTIONARY = tmp.dct\r\nNETWORK = tmp.lat\r\n";
};

TEST_F(ConfigFile, ReadsEverySettingInAnyLetterCaseWithEitherSeparator)
{
    const EngineConfig config = read("# the course's engine\r\n"
                                     "  # an indented comment\r\n"
                                     "\r\n"
                                     "model: english\r\n"
                                     "Dictionary=tmp.dct\r\n"
                                     "NETWORK\ttmp.lat\r\n"
                                     "SAMPLERATE = 16000\r\n"
                                     "ENDSILENCE = 500\r\n"
                                     "MAXLENGTH = 4000\r\n"
                                     "CALIBRATION = 300\r\n"
                                     "INPUTDEVICE = 1\r\n"
                                     "WEIGHTSCALE = 2.5\r\n"
                                     "SOURCE = FILE\r\n");
    EXPECT_EQ(config.modelBase, "english");
    EXPECT_EQ(config.dictionaryFile, "tmp.dct");
    EXPECT_EQ(config.networkFile, "tmp.lat");
    EXPECT_EQ(config.sampleRateHz, 16000u);
    EXPECT_EQ(config.endSilenceMs, 500u);
    EXPECT_EQ(config.maxLengthMs, 4000u);
    EXPECT_EQ(config.calibrationMs, 300u);
    EXPECT_EQ(config.inputDevice, 1u);
    EXPECT_DOUBLE_EQ(config.weightScale, 2.5);
}

TEST_F(ConfigFile, ResolvesFileNamesAgainstItsFolderAndKeepsTheDefaults)
{
    const EngineConfig config = read(required_);
    const std::string folder = folder_.substr(0, folder_.size() - 1);
    EXPECT_EQ(config.modelListPath(), folder + "/english.list");
    EXPECT_EQ(config.modelArchivePath(), folder + "/english.mmf");
    EXPECT_EQ(config.resolve(config.networkFile), folder + "/tmp.lat");
    EXPECT_EQ(config.resolve("/elsewhere/x.dct"), "/elsewhere/x.dct");
    EXPECT_EQ(config.sampleRateHz, 22050u);
    EXPECT_EQ(config.endSilenceMs, 700u);
    EXPECT_EQ(config.maxLengthMs, 10000u);
    EXPECT_DOUBLE_EQ(config.weightScale, 2.0);
}

struct BadConfig {
    const char* name;
    std::string lines;
    const char* expected;
};

void PrintTo(const BadConfig& row, std::ostream* out)
{
    *out << row.name;
}

class BadConfigFile : public ConfigFile, public testing::WithParamInterface<BadConfig> {};

TEST_P(BadConfigFile, IsRefusedNamingTheLineAndTheFault)
{
    EXPECT_NE(failure(required_ + GetParam().lines).find(GetParam().expected), std::string::npos)
        << failure(required_ + GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Faults, BadConfigFile,
    testing::Values(BadConfig{"UnknownSetting", "BEAM = 1e-80\r\n", "line 4: unknown setting BEAM"},
                    BadConfig{"RateTooLow", "SAMPLERATE = 4000\r\n", "line 4: SAMPLERATE must be a whole number from 8000 to 48000"},
                    BadConfig{"RateNotANumber", "SAMPLERATE = fast\r\n", "SAMPLERATE must be"},
                    BadConfig{"SilenceTooLong", "ENDSILENCE = 9000\r\n", "ENDSILENCE must be"},
                    BadConfig{"ScaleOutOfRange", "WEIGHTSCALE = 0\r\n", "WEIGHTSCALE must be"},
                    BadConfig{"NoValue", "MAXLENGTH =\r\n", "line 4: MAXLENGTH has no value"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigFile, NeedsTheModelTheDictionaryAndTheNetwork)
{
    EXPECT_NE(failure("DICTIONARY = tmp.dct\r\nNETWORK = tmp.lat\r\n").find("MODEL is missing"), std::string::npos);
    EXPECT_NE(failure("MODEL = english\r\nNETWORK = tmp.lat\r\n").find("DICTIONARY is missing"), std::string::npos);
}

TEST(ConfigFileMissing, IsAFileFailure)
{
    try {
        readEngineConfig("/nonexistent/config.cfg");
        FAIL();
    } catch (const EngineFailure& error) {
        EXPECT_EQ(error.code(), HAPI_ERR_FILE);
    }
}

} // namespace
