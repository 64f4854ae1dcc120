// Without a sound server the sound-input check fails with the system's text.
#include "pronunciation/media/TNagrywanie.h"

#include <gtest/gtest.h>

TEST(SoundInputCheck, FailsWithTheSystemsTextWhenThereIsNoMicrophone)
{
    try {
        TNagrywanie check;
        FAIL() << "the check opened a microphone without a sound server";
    } catch (const ESndError& error) {
        EXPECT_FALSE(std::string(error.what()).empty());
        EXPECT_LE(std::string(error.what()).size(), 128u);
    }
}
