#include "SoundTestSupport.h"
#include "speechlib/CT_Segment.h"
#include "speechlib/SpeechRecognition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <ostream>
#include <string>

namespace {

struct ScoreCase {
    const char* name;
    std::uint32_t type;
    double score;
    double startMs;
    double endMs;
    double stored;
};

void PrintTo(const ScoreCase& row, std::ostream* out)
{
    *out << row.name;
}

class StoredScore : public testing::TestWithParam<ScoreCase> {};

TEST_P(StoredScore, FollowsTheScoreTypesFormula)
{
    const ScoreCase& row = GetParam();
    EXPECT_NEAR(CT_Segment::r8_StoredScore(row.score, row.type, row.startMs, row.endMs, 10.0), row.stored, 1e-9);
}

// 20 frames of 10 ms: a score of -1600 is -80 a frame, (-80 + 90) x 3.33.
INSTANTIATE_TEST_SUITE_P(Types, StoredScore,
    testing::Values(ScoreCase{"GoodnessTimesAHundred", 4, 0.734, 0, 200, 73.4},
                    ScoreCase{"GoodnessIgnoresTheDuration", 4, 0.5, 0, 0, 50.0},
                    ScoreCase{"PerFrameScore", 1, -1600, 100, 300, 33.3},
                    ScoreCase{"ClampedAtZero", 1, -2000, 100, 300, 0.0},
                    ScoreCase{"ClampedAtAHundred", 1, -1000, 100, 300, 100.0},
                    ScoreCase{"NoFramesNegativeScore", 2, -5, 300, 300, 0.0},
                    ScoreCase{"NoFramesNoScore", 2, 0, 300, 300, 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EmptySegment, AnswersNullZeroAndTheEmptyPair)
{
    CT_Segment segment;
    EXPECT_EQ(segment.n_GetWords(), 0u);
    EXPECT_STREQ(segment.qccz_GetWords(), "");
    EXPECT_EQ(segment.qccz_GetWord(0), nullptr);
    EXPECT_EQ(segment.qccz_GetWord(1), nullptr);
    EXPECT_EQ(segment.qcn4_GetWordTimes(), nullptr);
    ASSERT_NE(segment.qcn4_GetWordTime(1), nullptr);
    EXPECT_EQ(segment.qcn4_GetWordTime(1)[0], 0u);
    EXPECT_EQ(segment.qcn4_GetWordTime(1)[1], 0u);
    EXPECT_EQ(segment.qcn4_GetPhoneTime(1, 1), nullptr);
    EXPECT_EQ(segment.r8_GetPhoneScore(1, 1), 0.0);
    EXPECT_EQ(segment.n_GetTime(), 0u);
    EXPECT_EQ(segment.n_GetScoreType(), 4u);
}

struct SourceCase {
    const char* name;
    const char* text;
    std::int32_t kind;
};

void PrintTo(const SourceCase& row, std::ostream* out)
{
    *out << row.name;
}

class SourceLine : public testing::TestWithParam<SourceCase> {};

TEST_P(SourceLine, ChoosesTheFileOrTheLiveSource)
{
    kurs::test::TemporaryFolder folder;
    const std::string path = folder.file("config.cfg");
    std::ofstream(path, std::ios::binary) << GetParam().text;
    EXPECT_EQ(SpeechRecognition::i4_SourceKindOf(path.c_str()), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Lines, SourceLine,
    testing::Values(SourceCase{"WordBeforeEqualsSign", "MODEL = english\r\nSOURCE = FILE\r\n", 1},
                    SourceCase{"LowerCase", "source:file\n", 1},
                    SourceCase{"BetweenEqualsSigns", "A=SOURCE=B\n", 1},
                    SourceCase{"AfterATab", "x\tSOURCE\tFILE\n", 1},
                    SourceCase{"BehindAHash", "# SOURCE = FILE\n", 5},
                    SourceCase{"BehindAnIndentedHash", "  \t# SOURCE = FILE\n", 5},
                    SourceCase{"LongerWord", "SOURCES = FILE\n", 5},
                    SourceCase{"LastWordKeepsTheLineBreak", "INPUT = SOURCE\n", 5},
                    SourceCase{"LastWordOfTheFile", "INPUT = SOURCE", 1},
                    SourceCase{"NoSourceLine", "MODEL = english\n", 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SourceLine, AFileThatCannotBeOpenedGivesTheLiveSource)
{
    EXPECT_EQ(SpeechRecognition::i4_SourceKindOf("/nonexistent/config.cfg"), 5);
}

} // namespace
