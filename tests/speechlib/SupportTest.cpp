#include "speechlib/support/CT_String.h"
#include "speechlib/support/CT_StringList.h"
#include "speechlib/support/Errors.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

TEST(CtString, AppendsAllOrAGivenLength)
{
    CT_String text;
    EXPECT_STREQ(text.qccz_Get(), "");
    text.v_Append("ay ", -1);
    text.v_Append("ae m", 3);
    text.v_Append("f", 5);
    text.v_Append(nullptr, -1);
    EXPECT_STREQ(text.qccz_Get(), "ay ae f");
    EXPECT_EQ(text.n_GetLength(), 7u);
    text.v_Set();
    EXPECT_EQ(text.n_GetLength(), 0u);
}

TEST(CtStringList, KeepsCopiesInTheirOrder)
{
    CT_StringList list;
    std::string word = "i";
    list.v_Append(word.c_str());
    word = "changed";
    list.v_Append("am");
    list.v_Append("fine");
    ASSERT_EQ(list.n_GetCount(), 3u);
    EXPECT_STREQ(list.qccz_GetAt(0), "i");
    EXPECT_STREQ(list.qccz_GetAt(2), "fine");
    EXPECT_EQ(list.qccz_GetAt(3), nullptr);

    list.v_Insert("so", 2);
    list.v_Insert("end", 99);
    EXPECT_STREQ(list.qccz_GetAt(2), "so");
    EXPECT_STREQ(list.qccz_GetAt(4), "end");
    EXPECT_EQ(list.n_Find("fine", 0), 3u);
    EXPECT_EQ(list.n_Find("i", 1), list.n_GetCount());
    list.v_Remove("so");
    EXPECT_EQ(list.n_Find("fine", 0), 2u);
    list.v_Set();
    EXPECT_EQ(list.n_GetCount(), 0u);
}

class ErrorRecord : public testing::Test {
protected:
    void SetUp() override { VX_ClearError(3); }
    void TearDown() override
    {
        VX_ClearError(3);
        VX_ErrorTarget(0, 0);
    }
};

TEST_F(ErrorRecord, KeepsTheLastErrorAndALogOfTheRecentOnes)
{
    EXPECT_EQ(VX_GetErrorCode(), 0);
    EXPECT_STREQ(VX_GetErrorMessage(), "");
    VX_SetError(-1, "No file to read from for\n%s", "a.wav");
    VX_SetError(6, "Can't open waveIn (Calibrate) \n%s", "no device driver present");
    EXPECT_EQ(VX_GetErrorCode(), 6);
    EXPECT_STREQ(VX_GetErrorMessage(), "Can't open waveIn (Calibrate) \nno device driver present");
    EXPECT_STREQ(VX_GetErrorLog(), "[-1] No file to read from for\na.wav\n"
                                   "[6] Can't open waveIn (Calibrate) \nno device driver present\n");
    VX_ClearError(3);
    EXPECT_EQ(VX_GetErrorCode(), 0);
    EXPECT_STREQ(VX_GetErrorLog(), "");
}

TEST_F(ErrorRecord, TheLogKeepsTheLastHundred)
{
    for (int i = 0; i < 150; ++i)
        VX_SetError(i, "error %d", i);
    const std::string log = VX_GetErrorLog();
    EXPECT_EQ(log.rfind("[50] error 50\n", 0), 0u);
    EXPECT_NE(log.find("[149] error 149\n"), std::string::npos);
    EXPECT_EQ(log.find("[49] "), std::string::npos);
}

TEST_F(ErrorRecord, RecordingNeverFails)
{
    const std::string huge(100000, 'x');
    VX_SetError(-1, "%s", huge.c_str());
    EXPECT_EQ(std::string(VX_GetErrorMessage()).size(), 1023u);
    VX_SetError(-2, nullptr);
    EXPECT_EQ(VX_GetErrorCode(), -2);
    EXPECT_STREQ(VX_GetErrorMessage(), "");
}

void message(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    VX_PVMessage(format, arguments);
    va_end(arguments);
}

std::string drain(int fd)
{
    std::string text;
    char buffer[256];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

TEST_F(ErrorRecord, DebugModeWritesErrorsAndMessagesToTheTarget)
{
    int pipe[2];
    ASSERT_EQ(::pipe2(pipe, O_NONBLOCK), 0);
    VX_ErrorTarget(2, pipe[1]);

    VX_SetError(-1, "collected only");
    message("not shown %d", 1);
    EXPECT_EQ(drain(pipe[0]), "");

    VX_ErrorDebug(2);
    VX_SetError(-1, "MCI error: \n%s", "No sound device is open under this alias.");
    message("recognition took %d ms", 42);
    EXPECT_EQ(drain(pipe[0]), "[-1] MCI error: \nNo sound device is open under this alias.\n"
                              "recognition took 42 ms\n");

    VX_ErrorCollect(0);
    VX_SetError(-1, "quiet again");
    EXPECT_EQ(drain(pipe[0]), "");
    EXPECT_STREQ(VX_GetErrorMessage(), "quiet again");
    ::close(pipe[0]);
    ::close(pipe[1]);
}

} // namespace
