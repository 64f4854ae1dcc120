// Runs with PULSE_SERVER naming a socket where no sound server listens.
#include "SoundTestSupport.h"
#include "speechlib/CT_Sound.h"
#include "speechlib/support/Errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

class WithoutSoundServer : public testing::Test {
protected:
    void SetUp() override { VX_ClearError(3); }

    kurs::test::TemporaryFolder folder_;
    std::string path_ = folder_.file("nagranie.wav");
};

TEST_F(WithoutSoundServer, CalibrationFailsWithTheDeviceCode)
{
    CT_Sound sound;
    EXPECT_EQ(sound.r_Calibrate(1000), -1.0f);
    EXPECT_EQ(VX_GetErrorCode(), 6);
    EXPECT_STREQ(VX_GetErrorMessage(), "general sound calibration error\nno device driver present");
    EXPECT_STREQ(VX_GetErrorLog(), "[6] Can't open waveIn (Calibrate) \nno device driver present\n"
                                   "[6] general sound calibration error\nno device driver present\n");
    EXPECT_EQ(sound.r_GetSilenceLevel(), 3.0f);
}

TEST_F(WithoutSoundServer, ATriggeredRecordingFailsAndLeavesNoFile)
{
    CT_Sound sound(path_.c_str());
    EXPECT_FALSE(sound.b_Record());
    EXPECT_EQ(VX_GetErrorCode(), 6);
    EXPECT_STREQ(VX_GetErrorMessage(), "Sound recording trouble\nno device driver present");
    EXPECT_FALSE(std::filesystem::exists(path_));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 0);
}

TEST_F(WithoutSoundServer, PlayingFailsQuietlyWithoutAnOutput)
{
    CT_Sound sound(path_.c_str());
    EXPECT_FALSE(sound.b_MCIPlay(0, 0));
    EXPECT_FALSE(sound.b_MCIPlayWait(0, 0));
    EXPECT_FALSE(sound.b_IsPlaying());
    EXPECT_EQ(VX_GetErrorCode(), 0);
}

TEST_F(WithoutSoundServer, CommandStringRecordingReportsTheServiceErrors)
{
    CT_Sound sound(path_.c_str());
    EXPECT_FALSE(sound.b_MCIRecord());
    EXPECT_EQ(VX_GetErrorCode(), -1);
    EXPECT_STREQ(VX_GetErrorMessage(),
                 "MCI error: \nNo sound device is available: the sound server cannot be reached or has no such device.");
    EXPECT_FALSE(sound.b_IsRecording());
    EXPECT_STREQ(VX_GetErrorMessage(), "MCI error: \nNo sound device is open under this alias.");
    EXPECT_FALSE(sound.b_MCIStopRecord());
    EXPECT_FALSE(std::filesystem::exists(path_));
    EXPECT_FALSE(sound.b_MCIStopPlay());
}

} // namespace
