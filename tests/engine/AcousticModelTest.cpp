#include "RecognitionTestSupport.h"
#include "engine/AcousticModel.h"
#include "engine/DecodingGraph.h"
#include "engine/PhoneSet.h"
#include "engine/PronunciationDictionary.h"
#include "engine/Recogniser.h"
#include "engine/Resampler.h"
#include "engine/WordNetwork.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace kurs::engine;
using kurs::test::RecognitionFolder;

namespace {

class Model : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        phones_ = std::make_unique<PhoneSet>(PhoneSet::read(folder_->file("english.list")));
        model_ = std::make_shared<AcousticModel>(*phones_, folder_->file("english.mmf"));
    }
    static void TearDownTestSuite()
    {
        model_.reset();
        phones_.reset();
        folder_.reset();
    }

    static std::vector<std::int16_t> speech16k(const std::string& name)
    {
        std::uint32_t rate = 0;
        const std::vector<std::int16_t> samples = kurs::test::waveSamples(kurs::test::spokenFile(name), &rate);
        return resampled(samples, rate, AcousticModel::kRateHz);
    }

    static inline std::unique_ptr<RecognitionFolder> folder_ = std::make_unique<RecognitionFolder>();
    static inline std::unique_ptr<PhoneSet> phones_;
    static inline std::shared_ptr<AcousticModel> model_;
};

TEST_F(Model, ScoresEverySenoneOfEveryTenMillisecondFrame)
{
    const std::vector<std::int16_t> samples = speech16k("fine");
    const ScoreMatrix scores = model_->score(samples);
    EXPECT_EQ(scores.senones(), model_->senoneCount());
    EXPECT_NEAR(static_cast<double>(scores.frames()), samples.size() / 160.0, 3.0);
    for (std::size_t t = 0; t < scores.frames(); ++t) {
        std::int32_t best = 32767;
        for (std::size_t s = 0; s < scores.senones(); ++s)
            best = std::min(best, scores.cost(t, s));
        ASSERT_GE(best, 0);
    }
    EXPECT_TRUE(model_->score({}).frames() == 0);
}

TEST_F(Model, GivesTheSameScoresForTheSameSoundEveryTime)
{
    const std::vector<std::int16_t> samples = speech16k("unrelated");
    const ScoreMatrix first = model_->score(samples);
    model_->score(speech16k("fun"));
    const ScoreMatrix again = model_->score(samples);
    ASSERT_EQ(first.frames(), again.frames());
    for (std::size_t t = 0; t < first.frames(); t += 7) {
        for (std::size_t s = 0; s < first.senones(); s += 5)
            ASSERT_EQ(first.cost(t, s), again.cost(t, s)) << "frame " << t;
    }
}

TEST_F(Model, SilenceDoesNotSwallowSpeech)
{
    // The whole utterance as <s> and </s> only: the silence model must not
    // explain the spoken frames as cheaply as the phrase does.
    const PronunciationDictionary dictionary = PronunciationDictionary::parse(
        "<s> [] sil\r\n</s> [] sil\r\nI [I] ay\r\nam [am] ae m\r\nfine [fine] f ay n\r\n", *phones_, "test.dct");
    const auto silenceOnly = std::make_shared<const DecodingGraph>(
        parseLattice("N=2 L=1\nI=0 W=<s>\nI=1 W=</s>\nJ=0 S=0 E=1\n", "silence.lat"), dictionary, 1.0);
    const auto phrase = std::make_shared<const DecodingGraph>(
        parseLattice("N=5 L=4\nI=0 W=<s>\nI=1 W=I\nI=2 W=am\nI=3 W=fine\nI=4 W=</s>\n"
                     "J=0 S=0 E=1\nJ=1 S=1 E=2\nJ=2 S=2 E=3\nJ=3 S=3 E=4\n",
                     "phrase.lat"),
        dictionary, 1.0);
    std::uint32_t rate = 0;
    const std::vector<std::int16_t> samples = kurs::test::waveSamples(kurs::test::spokenFile("fine"), &rate);
    double silenceScore = 0;
    double phraseScore = 0;
    Recogniser(model_, silenceOnly).recognise(samples, rate, 0, {}, [&](const RecognitionResult& result) {
        silenceScore = result.score;
        return true;
    });
    Recogniser(model_, phrase).recognise(samples, rate, 0, {}, [&](const RecognitionResult& result) {
        phraseScore = result.score;
        return true;
    });
    // About ten nats a spoken frame.
    EXPECT_LT(silenceScore, phraseScore - 300.0);
}

} // namespace
