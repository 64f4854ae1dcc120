#include "MicrophoneFeeder.h"
#include "SoundTestSupport.h"
#include "platform/DeviceError.h"
#include "platform/SoundCommands.h"
#include "platform/WaveFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using kurs::sound::sendSoundCommand;
using kurs::test::MicrophoneFeeder;

namespace {

std::uint32_t send(const std::string& command, std::string* answer = nullptr)
{
    std::string text;
    const std::uint32_t code = sendSoundCommand(command, text);
    if (answer != nullptr)
        *answer = text;
    return code;
}

std::string answerTo(const std::string& command)
{
    std::string answer;
    EXPECT_EQ(send(command, &answer), kurs::sound::kCommandOk) << command;
    return answer;
}

// Waits (at most the given time) until the alias stops playing.
bool waitUntilStopped(const std::string& alias, std::chrono::seconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (answerTo("status " + alias + " mode") == "playing") {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

class SoundCommands : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(kurs::test::microphonePipe().empty())
            << "the sound tests need the test services: source scripts/test-services.sh; start_test_services";
        send("close all");
        // A name with a blank shows that quoted file names stay whole.
        toneFile_ = folder_.file("tone sound.wav");
        const auto samples = kurs::test::tone(440.0, 0.5, 22050);
        ASSERT_TRUE(kurs::sound::writeWaveFile(toneFile_, kurs::sound::WaveFormat{},
                                               reinterpret_cast<const std::uint8_t*>(samples.data()),
                                               samples.size() * 2));
    }
    void TearDown() override { send("close all"); }

    kurs::test::TemporaryFolder folder_;
    std::string toneFile_;
};

struct CommandCase {
    const char* name;
    std::vector<std::string> before;
    std::string command;
    std::uint32_t error;
};

void PrintTo(const CommandCase& c, std::ostream* os)
{
    *os << c.command;
}

class SoundCommandErrors : public SoundCommands, public testing::WithParamInterface<CommandCase> {};

TEST_P(SoundCommandErrors, AnswerTheirErrorCode)
{
    const CommandCase& c = GetParam();
    for (std::string line : c.before) {
        const auto at = line.find("%TONE%");
        if (at != std::string::npos)
            line.replace(at, 6, toneFile_);
        ASSERT_EQ(send(line), kurs::sound::kCommandOk) << line;
    }
    std::string command = c.command;
    if (const auto at = command.find("%TONE%"); at != std::string::npos)
        command.replace(at, 6, toneFile_);
    const std::uint32_t code = send(command);
    EXPECT_EQ(code, c.error);
    EXPECT_FALSE(kurs::sound::soundCommandErrorText(code).empty());
}

const std::vector<std::string> kOpenRecorder{"open new type waveaudio alias rec"};
const std::vector<std::string> kOpenTone{"open \"%TONE%\" type waveaudio alias tone"};

INSTANTIATE_TEST_SUITE_P(
    Commands, SoundCommandErrors,
    testing::Values(
        CommandCase{"empty_line", {}, "   ", kurs::sound::kCommandUnrecognized},
        CommandCase{"unknown_command", {}, "rewind rec", kurs::sound::kCommandUnrecognized},
        CommandCase{"unknown_alias", {}, "status nothing mode", kurs::sound::kCommandUnknownAlias},
        CommandCase{"close_unknown_alias", {}, "close nothing", kurs::sound::kCommandUnknownAlias},
        CommandCase{"new_without_alias", {}, "open new type waveaudio", kurs::sound::kCommandMissingParameter},
        CommandCase{"new_without_type", {}, "open new alias rec", kurs::sound::kCommandMissingParameter},
        CommandCase{"alias_in_use", kOpenRecorder, "open new type waveaudio alias REC",
                    kurs::sound::kCommandAliasInUse},
        CommandCase{"other_device_type", {}, "open new type sequencer alias rec",
                    kurs::sound::kCommandUnsupportedDevice},
        CommandCase{"missing_file", {}, "open \"/nonexistent/a.wav\" type waveaudio alias a",
                    kurs::sound::kCommandFileNotFound},
        CommandCase{"not_a_wave_file", {}, "open \"/etc/hostname\" type waveaudio alias a",
                    kurs::sound::kCommandInvalidFile},
        CommandCase{"status_without_item", kOpenRecorder, "status rec", kurs::sound::kCommandMissingParameter},
        CommandCase{"status_unknown_item", kOpenRecorder, "status rec colour",
                    kurs::sound::kCommandUnrecognizedKeyword},
        CommandCase{"set_bad_number", kOpenRecorder, "set rec samplespersec fast", kurs::sound::kCommandBadNumber},
        CommandCase{"set_zero_alignment", kOpenRecorder, "set rec alignment 0", kurs::sound::kCommandBadNumber},
        CommandCase{"set_unknown_item", kOpenRecorder, "set rec loudness 3",
                    kurs::sound::kCommandUnrecognizedKeyword},
        CommandCase{"set_unknown_time_format", kOpenRecorder, "set rec time format frames",
                    kurs::sound::kCommandUnrecognizedKeyword},
        CommandCase{"format_of_a_loaded_file", kOpenTone, "set tone samplespersec 8000",
                    kurs::sound::kCommandFormatLocked},
        CommandCase{"record_inconsistent_format",
                    {"open new type waveaudio alias rec", "set rec bitspersample 16 channels 1 samplespersec 22050"},
                    "record rec", kurs::sound::kCommandBadFormat},
        CommandCase{"play_past_the_end", kOpenTone, "play tone from 600", kurs::sound::kCommandOutOfRange},
        CommandCase{"play_backwards", kOpenTone, "play tone from 300 to 100", kurs::sound::kCommandOutOfRange},
        CommandCase{"play_unknown_flag", kOpenTone, "play tone loop", kurs::sound::kCommandUnrecognizedKeyword},
        CommandCase{"save_without_file", kOpenRecorder, "save rec", kurs::sound::kCommandMissingParameter},
        CommandCase{"save_into_missing_folder", kOpenRecorder, "save rec \"/nonexistent/x.wav\"",
                    kurs::sound::kCommandFileNotSaved},
        CommandCase{"break_without_key", kOpenTone, "break tone on", kurs::sound::kCommandUnrecognizedKeyword}),
    [](const testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

TEST_F(SoundCommands, RecordsTheMicrophoneAsTheMediaWindowAsksAndSavesAWaveFile)
{
    MicrophoneFeeder microphone;
    ASSERT_TRUE(microphone.start(kurs::test::tone(500.0, 10.0, MicrophoneFeeder::kRateHz), 100)) << microphone.error();
    const std::string target = folder_.file("nagranie.wav");

    ASSERT_EQ(send("OPEN NEW TYPE WAVEAUDIO ALIAS RozumienieWAV"), kurs::sound::kCommandOk);
    ASSERT_EQ(send("SET RozumienieWAV TIME FORMAT MS BITSPERSAMPLE 16 CHANNELS 1 SAMPLESPERSEC 22050 ALIGNMENT 2 "
                   "BYTESPERSEC 44100"),
              kurs::sound::kCommandOk);
    ASSERT_EQ(send("RECORD RozumienieWAV"), kurs::sound::kCommandOk);
    EXPECT_EQ(answerTo("status RozumienieWAV mode"), "recording");
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    ASSERT_EQ(send("STOP RozumienieWAV"), kurs::sound::kCommandOk);
    EXPECT_EQ(answerTo("status RozumienieWAV mode"), "stopped");
    const std::uint32_t lengthMs = std::stoul(answerTo("status RozumienieWAV length"));
    ASSERT_EQ(send("SAVE RozumienieWAV \"" + target + "\""), kurs::sound::kCommandOk);
    ASSERT_EQ(send("CLOSE RozumienieWAV"), kurs::sound::kCommandOk);
    microphone.stop();

    kurs::sound::WaveData wave;
    ASSERT_EQ(kurs::sound::readWaveFile(target, wave), kurs::sound::WaveFileError::None);
    EXPECT_EQ(wave.format.samplesPerSec, 22050u);
    EXPECT_EQ(wave.format.bitsPerSample, 16);
    EXPECT_EQ(wave.format.channels, 1);
    const std::size_t samples = wave.pcm.size() / 2;
    EXPECT_EQ(samples * 1000 / 22050, lengthMs);
    EXPECT_GT(samples, 22050u * 8 / 10);
    EXPECT_LT(samples, 22050u * 2);
    const auto* data = reinterpret_cast<const std::int16_t*>(wave.pcm.data());
    EXPECT_NEAR(kurs::test::measuredFrequencyHz(data, samples, 22050), 500.0, 15.0);
}

TEST_F(SoundCommands, RecordingAgainContinuesTheSameRecording)
{
    MicrophoneFeeder microphone;
    ASSERT_TRUE(microphone.start({}, 300)) << microphone.error();
    ASSERT_EQ(send("open new type waveaudio alias rec"), kurs::sound::kCommandOk);
    ASSERT_EQ(send("set rec time format bytes format tag pcm samplespersec 22050 bitspersample 16 channels 1 "
                   "alignment 2 bytespersec 44100"),
              kurs::sound::kCommandOk);
    ASSERT_EQ(send("record rec overwrite"), kurs::sound::kCommandOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(send("stop rec"), kurs::sound::kCommandOk);
    const std::uint32_t first = std::stoul(answerTo("status rec length"));
    EXPECT_EQ(send("set rec samplespersec 8000"), kurs::sound::kCommandFormatLocked);
    ASSERT_EQ(send("record rec"), kurs::sound::kCommandOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(send("stop rec"), kurs::sound::kCommandOk);
    const std::uint32_t both = std::stoul(answerTo("status rec length"));
    EXPECT_GT(first, 0u);
    EXPECT_GT(both, first);
    EXPECT_EQ(both % 2, 0u);
}

TEST_F(SoundCommands, PlaysAFileToItsEndAndReportsItsLength)
{
    ASSERT_EQ(send("open \"" + toneFile_ + "\" type waveaudio alias play_sound"), kurs::sound::kCommandOk);
    EXPECT_EQ(answerTo("status play_sound length"), "500");
    EXPECT_EQ(answerTo("status play_sound mode"), "stopped");
    ASSERT_EQ(send("break play_sound on 27"), kurs::sound::kCommandOk);
    ASSERT_EQ(send("play play_sound from 0 "), kurs::sound::kCommandOk);
    EXPECT_EQ(answerTo("status play_sound mode"), "playing");
    ASSERT_TRUE(waitUntilStopped("play_sound", std::chrono::seconds(10)));
    EXPECT_EQ(answerTo("status play_sound position"), "500");
}

TEST_F(SoundCommands, StopEndsPlaybackWhereItWas)
{
    ASSERT_EQ(send("open \"" + toneFile_ + "\" alias tone"), kurs::sound::kCommandOk);
    ASSERT_EQ(send("play tone from 100 to 400"), kurs::sound::kCommandOk);
    ASSERT_EQ(send("stop tone"), kurs::sound::kCommandOk);
    EXPECT_EQ(answerTo("status tone mode"), "stopped");
    const std::uint32_t position = std::stoul(answerTo("status tone position"));
    EXPECT_GE(position, 100u);
    EXPECT_LT(position, 400u);
}

TEST_F(SoundCommands, AWaitingPlayReturnsWhenTheSoundHasBeenPlayed)
{
    ASSERT_EQ(send("open \"" + toneFile_ + "\" type waveaudio alias tone"), kurs::sound::kCommandOk);
    ASSERT_EQ(send("set tone time format samples"), kurs::sound::kCommandOk);
    ASSERT_EQ(send("play tone from 0 to 4410 wait"), kurs::sound::kCommandOk);
    EXPECT_EQ(answerTo("status tone mode"), "stopped");
    EXPECT_EQ(answerTo("status tone position"), "4410");
}

TEST_F(SoundCommands, CloseAllForgetsEveryAlias)
{
    ASSERT_EQ(send("open new type waveaudio alias one"), kurs::sound::kCommandOk);
    ASSERT_EQ(send("open new type waveaudio alias two"), kurs::sound::kCommandOk);
    ASSERT_EQ(send("close all"), kurs::sound::kCommandOk);
    EXPECT_EQ(send("status one mode"), kurs::sound::kCommandUnknownAlias);
    EXPECT_EQ(send("open new type waveaudio alias one"), kurs::sound::kCommandOk);
}

} // namespace
