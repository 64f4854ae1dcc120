#include "engine/DecodingGraph.h"
#include "engine/EngineFailure.h"
#include "engine/Hapi.h"
#include "engine/PronunciationDictionary.h"
#include "engine/PronunciationScorer.h"
#include "engine/ViterbiDecoder.h"
#include "engine/WordNetwork.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

using namespace kurs::engine;

namespace {

// Four phones, each with three senones of its own and the same transitions.
const PhoneSet kPhones({"a", "b", "c", "sil"});
constexpr Score kMismatch = 60;

std::vector<PhoneModel> models()
{
    std::vector<PhoneModel> result(kPhones.size());
    for (std::size_t p = 0; p < result.size(); ++p) {
        for (std::size_t k = 0; k < 3; ++k) {
            result[p].senones[k] = static_cast<int>(3 * p + k);
            result[p].transitions[k].fill(kImpossible);
            result[p].transitions[k][k] = -1;
            result[p].transitions[k][k + 1] = -2;
        }
    }
    return result;
}

// Frames in which one phone fits (cost 0) and the others do not.
ScoreMatrix framesOf(const std::vector<std::pair<std::string, int>>& stretches)
{
    std::vector<std::int16_t> costs;
    for (const auto& [phone, frames] : stretches) {
        const int fitting = *kPhones.find(phone);
        for (int t = 0; t < frames; ++t) {
            for (int s = 0; s < 12; ++s)
                costs.push_back(static_cast<std::int16_t>(s / 3 == fitting ? 0 : kMismatch));
        }
    }
    return ScoreMatrix(12, std::move(costs));
}

struct Phones {
    std::string names;
    std::vector<std::pair<int, int>> frames;
};

Phones phonesOf(const DecodedPath& path)
{
    Phones phones;
    for (const DecodedWord& word : path.words) {
        for (const DecodedPhone& phone : word.phones) {
            phones.names += (phones.names.empty() ? "" : " ") + kPhones.name(static_cast<std::size_t>(phone.phoneId));
            phones.frames.emplace_back(phone.startFrame, phone.endFrame);
        }
    }
    return phones;
}

std::string wordsOf(const DecodedPath& path, const DecodingGraph& graph)
{
    std::string words;
    for (const DecodedWord& word : path.words)
        words += (words.empty() ? "" : " ") + graph.word(word.node);
    return words;
}

class Decoding : public testing::Test {
protected:
    DecodingGraph graph(const std::string& lattice, double scale = 1.0)
    {
        return DecodingGraph(parseLattice(lattice, "test.lat"), PronunciationDictionary::parse(dictionary_, kPhones, "test.dct"),
                             scale);
    }

    std::vector<PhoneModel> models_ = models();
    std::string dictionary_ = "<s> [] sil\n</s> [] sil\nx [X] c\nx [X] a b\ny [Y] c\nsame1 a\nsame2 a\nempty []\n";
    // <s> then x or y, then </s>.
    std::string choice_ = "N=6 L=6\nI=0 W=!NULL\nI=1 W=<s>\nI=2 W=x\nI=3 W=y\nI=4 W=</s>\nI=5 W=!NULL\n"
                          "J=0 S=0 E=1\nJ=1 S=1 E=2\nJ=2 S=1 E=3\nJ=3 S=2 E=4\nJ=4 S=3 E=4\nJ=5 S=4 E=5\n";
};

TEST_F(Decoding, FollowsTheAcousticsThroughWordsAndPronunciations)
{
    const DecodingGraph network = graph(choice_);
    ViterbiDecoder decoder(network, models_);
    const DecodedPath path = decoder.decode(framesOf({{"sil", 4}, {"a", 5}, {"b", 6}, {"sil", 4}}));
    ASSERT_TRUE(path.complete);
    EXPECT_EQ(wordsOf(path, network), "<s> x </s>");
    EXPECT_EQ(network.pronunciation(path.words[1].entry).output, "X");
    const Phones phones = phonesOf(path);
    EXPECT_EQ(phones.names, "sil a b sil");
    const std::vector<std::pair<int, int>> expected = {{0, 3}, {4, 8}, {9, 14}, {15, 18}};
    EXPECT_EQ(phones.frames, expected);
    // A phone that fits its frames costs only its transitions.
    EXPECT_EQ(path.words[1].phones[0].acoustic, -1 * 2 - 2 * 3);
}

TEST_F(Decoding, LinkWeightsTimesTheScaleDecideBetweenEqualAcoustics)
{
    const std::string lattice = "N=4 L=4\nI=0 W=!NULL\nI=1 W=same1\nI=2 W=same2\nI=3 W=!NULL\n"
                                "J=0 S=0 E=1 l=-3\nJ=1 S=0 E=2 l=-1\nJ=2 S=1 E=3\nJ=3 S=2 E=3\n";
    const DecodingGraph network = graph(lattice, 4.0);
    ViterbiDecoder decoder(network, models_);
    const DecodedPath path = decoder.decode(framesOf({{"a", 6}}));
    ASSERT_TRUE(path.complete);
    EXPECT_EQ(wordsOf(path, network), "same2");
    EXPECT_EQ(path.score, unitsOfNats(-4.0) - 1 * 3 - 2 * 3);
}

TEST_F(Decoding, TooFewFramesLeaveTheEndUnreached)
{
    const DecodingGraph network = graph(choice_);
    ViterbiDecoder decoder(network, models_);
    const DecodedPath path = decoder.decode(framesOf({{"sil", 5}}));
    EXPECT_FALSE(path.complete);
    EXPECT_TRUE(path.words.empty());
    EXPECT_FALSE(decoder.decode(ScoreMatrix(12, {})).complete);
}

TEST_F(Decoding, DeliversPartialPathsUntilTheSinkStops)
{
    const DecodingGraph network = graph(choice_);
    ViterbiDecoder decoder(network, models_);
    const ScoreMatrix scores = framesOf({{"sil", 4}, {"a", 5}, {"b", 6}, {"sil", 4}});
    std::vector<int> ends;
    decoder.decode(scores, 5, [&](const DecodedPath& partial) {
        EXPECT_FALSE(partial.complete);
        ends.push_back(phonesOf(partial).frames.back().second);
        return true;
    });
    EXPECT_EQ(ends, (std::vector<int>{4, 9, 14}));
    EXPECT_FALSE(decoder.stopped());

    int calls = 0;
    const DecodedPath stopped = decoder.decode(scores, 5, [&](const DecodedPath&) { return ++calls < 2; });
    EXPECT_EQ(calls, 2);
    EXPECT_TRUE(decoder.stopped());
    EXPECT_FALSE(stopped.complete);
}

struct BadGraph {
    const char* name;
    const char* lattice;
    const char* expected;
};

void PrintTo(const BadGraph& row, std::ostream* out)
{
    *out << row.name;
}

class BadNetwork : public Decoding, public testing::WithParamInterface<BadGraph> {};

TEST_P(BadNetwork, IsRefused)
{
    try {
        graph(GetParam().lattice);
        FAIL() << "accepted";
    } catch (const EngineFailure& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().expected), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, BadNetwork,
    testing::Values(BadGraph{"WordNotInDictionary", "N=1 L=0\nI=0 W=fine\n",
                             "the word fine of the network is not in the dictionary"},
                    BadGraph{"WordWithoutPronunciation", "N=1 L=0\nI=0 W=empty\n",
                             "the word empty of the network has no pronunciation"},
                    BadGraph{"PositiveNullLoop",
                             "N=4 L=4\nI=0 W=x\nI=1 W=!NULL\nI=2 W=!NULL\nI=3 W=y\n"
                             "J=0 S=0 E=1\nJ=1 S=1 E=2 l=1\nJ=2 S=2 E=1\nJ=3 S=2 E=3\n",
                             "a loop of null nodes with a positive weight"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PronunciationScore, AFittingPhoneScoresOneAndALossHalvesItEveryTwoNatsPerFrame)
{
    const std::vector<PhoneModel> phoneModels = models();
    const PronunciationScorer scorer(phoneModels);
    const ScoreMatrix scores = framesOf({{"a", 6}, {"b", 6}});
    // Frames 0..5 fit a: the loop can do no better than a itself.
    EXPECT_EQ(scorer.loopScore(scores, 0, 5), -1 * 3 - 2 * 3);
    EXPECT_EQ(scorer.loopScore(scores, 0, 1), kImpossible) << "no phone is shorter than three frames";

    const Score loop = scorer.loopScore(scores, 6, 11);
    EXPECT_DOUBLE_EQ(PronunciationScorer::goodness(loop, loop, 6), 1.0);
    EXPECT_NEAR(PronunciationScorer::goodness(loop - unitsOfNats(2.0 * 6), loop, 6), 0.5, 0.01);
    EXPECT_NEAR(PronunciationScorer::goodness(loop - unitsOfNats(6.0 * 6), loop, 6), 0.125, 0.01);
    EXPECT_DOUBLE_EQ(PronunciationScorer::goodness(loop + 5, loop, 6), 1.0) << "never above 1";
    EXPECT_DOUBLE_EQ(PronunciationScorer::goodness(loop, kImpossible, 6), 0.0);
    // a forced on frames that fit b: 60 units a frame lost.
    const Score forcedA = -1 * 3 - 2 * 3 - 6 * kMismatch;
    EXPECT_NEAR(PronunciationScorer::goodness(forcedA, loop, 6), std::exp2(-natsOfUnits(kMismatch) / 2.0), 1e-9);
}

} // namespace
