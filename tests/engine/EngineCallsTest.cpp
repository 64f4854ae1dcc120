#include "RecognitionTestSupport.h"
#include "engine/Hapi.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include <unistd.h>

using kurs::test::RecognitionFolder;

namespace {

std::string statusText()
{
    std::array<char, HAPI_TEXT_SIZE> text{};
    hapiCurrentStatus(text.data());
    return text.data();
}

// One recogniser over the files of a program folder, made through the C calls
// as the speech library makes it.
class EngineCalls : public testing::Test {
protected:
    void SetUp() override
    {
        folder_.writePhrase(kurs::test::iAmFine(), "fine.lat", "fine.dct");
        ASSERT_EQ(hapiInitHAPI(folder_.config().c_str(), nullptr), 0) << statusText();
        hmm_ = hapiCreateHMMSetObject();
        dict_ = hapiCreateDictObject();
        source_ = hapiCreateSourceObject(HAPI_SRC_FILE);
        coder_ = hapiCreateCoderObject(source_);
        rec_ = hapiCreateRecObject(HAPI_NET_LATTICE, HAPI_REC_UTTERANCE, hmm_, nullptr);
        final_ = hapiCreateResObject(rec_, HAPI_RI_ALL);
        partial_ = hapiCreateResObject(rec_, HAPI_RI_ALL);
        ASSERT_EQ(hapiHMMSetInitialise(hmm_), 0) << statusText();
        ASSERT_EQ(hapiDictOverrideFileName(dict_, folder_.file("fine.dct").c_str()), 0);
        ASSERT_EQ(hapiDictInitialise(dict_), 0) << statusText();
        net_ = hapiLoadNetObject(HAPI_NET_LATTICE, hmm_, dict_, folder_.file("fine.lat").c_str());
        ASSERT_NE(net_, nullptr) << statusText();
        ASSERT_EQ(hapiSourceInitialise(source_), 0);
        ASSERT_EQ(hapiCoderInitialise(coder_, nullptr), 0);
        ASSERT_EQ(hapiRecInitialise(rec_), 0);
    }

    void TearDown() override
    {
        for (hapiResObject result : {final_, partial_})
            hapiDeleteResObject(result);
        hapiDeleteRecObject(rec_);
        hapiDeleteCoderObject(coder_);
        hapiDeleteSourceObject(source_);
        hapiDeleteNetObject(net_);
        hapiDeleteDictObject(dict_);
        hapiDeleteHMMSetObject(hmm_);
    }

    int recognise(const std::string& wave, hapiResultCallback callback = nullptr, int partialMs = 100)
    {
        EXPECT_EQ(hapiSourceOverrideFilename(source_, wave.c_str()), 0) << statusText();
        EXPECT_EQ(hapiCoderPrepare(coder_), 0);
        EXPECT_EQ(hapiSourceStart(source_), 0);
        const int answer = hapiRecRecognise(rec_, net_, coder_, final_, partialMs, partial_, callback);
        hapiSourceStop(source_);
        hapiCoderComplete(coder_);
        return answer;
    }

    std::string wordName(hapiResObject result, int word)
    {
        std::array<char, HAPI_NAME_SIZE> name{};
        hapiResWordName(result, word, name.data());
        return name.data();
    }

    RecognitionFolder folder_;
    hapiHMMSetObject hmm_ = nullptr;
    hapiDictObject dict_ = nullptr;
    hapiSourceObject source_ = nullptr;
    hapiCoderObject coder_ = nullptr;
    hapiRecObject rec_ = nullptr;
    hapiResObject final_ = nullptr;
    hapiResObject partial_ = nullptr;
    hapiNetObject net_ = nullptr;
};

TEST_F(EngineCalls, AFinalResultHoldsWordsPhonesTimesAndScores)
{
    ASSERT_EQ(recognise(kurs::test::spokenFile("fine")), 0) << statusText();
    ASSERT_EQ(hapiResAllWordIds(final_, nullptr), 5);
    const std::vector<std::string> expected = {"<s>", "I", "am", "fine", "</s>"};
    double previousEnd = 0;
    for (int w = 1; w <= 5; ++w) {
        SCOPED_TRACE(expected[static_cast<std::size_t>(w - 1)]);
        EXPECT_EQ(wordName(final_, w), expected[static_cast<std::size_t>(w - 1)]);
        double start = -1;
        double end = -1;
        ASSERT_GE(hapiResWordTimes(final_, w, &start, &end), 0);
        EXPECT_EQ(start, previousEnd) << "words follow each other";
        EXPECT_GT(end, start);
        previousEnd = end;
        const int phones = hapiResAllPhoneIds(final_, w, nullptr);
        double phoneStart = 0;
        double phoneEnd = 0;
        ASSERT_EQ(hapiResPhoneTimes(final_, w, 0, &phoneStart, &phoneEnd), 1);
        EXPECT_EQ(phoneStart, start);
        ASSERT_EQ(hapiResPhoneTimes(final_, w, phones - 1, &phoneStart, &phoneEnd), 1);
        EXPECT_EQ(phoneEnd, end);
        const double goodness = hapiResWordScore(final_, w, HAPI_SCORE_GOODNESS);
        EXPECT_GE(goodness, 0.0);
        EXPECT_LE(goodness, 1.0);
        EXPECT_LE(hapiResWordScore(final_, w, HAPI_SCORE_LIKELIHOOD), 0.0);
    }
    std::array<char, HAPI_NAME_SIZE> phone{};
    ASSERT_GE(hapiDictPhoneName(dict_, hapiResPhoneId(final_, 4, 1), phone.data()), 0);
    EXPECT_STREQ(phone.data(), "ay");
    std::array<char, HAPI_NAME_SIZE> output{};
    hapiResOutSym(final_, 1, output.data());
    EXPECT_STREQ(output.data(), "") << "<s> has an empty output symbol in tmp0.dct";
    EXPECT_EQ(hapiCoderObservationWindowAdvance(coder_), 10.0);
}

TEST_F(EngineCalls, TheResultOnlyAnswersWhatItsMaskKeeps)
{
    hapiResObject bare = hapiCreateResObject(rec_, 0);
    ASSERT_NE(bare, nullptr);
    ASSERT_EQ(hapiSourceOverrideFilename(source_, kurs::test::spokenFile("fine").c_str()), 0);
    hapiCoderPrepare(coder_);
    hapiSourceStart(source_);
    ASSERT_EQ(hapiRecRecognise(rec_, net_, coder_, bare, 100, nullptr, nullptr), 0) << statusText();
    hapiSourceStop(source_);
    hapiCoderComplete(coder_);
    EXPECT_EQ(hapiResAllWordIds(bare, nullptr), 0);
    EXPECT_EQ(wordName(bare, 2), "");
    EXPECT_EQ(hapiResWordScore(bare, 2, HAPI_SCORE_GOODNESS), 0.0);
    double start = 0;
    double end = 0;
    EXPECT_EQ(hapiResPhoneTimes(bare, 2, 0, &start, &end), 0);
    std::array<char, 80> trace{};
    EXPECT_EQ(hapiResTraceInfo(bare, 3, 80, trace.data()), 0);
    hapiDeleteResObject(bare);
}

TEST_F(EngineCalls, PartialResultsComeWhileTheUtteranceIsDecoded)
{
    static int partials;
    static int finals;
    static hapiResObject finalResult;
    static std::string lastTrace;
    partials = finals = 0;
    finalResult = final_;
    const auto count = [](hapiResObject result) -> int {
        if (result == finalResult) {
            ++finals;
            return 0;
        }
        char trace[80];
        hapiResTraceInfo(result, 3, sizeof trace, trace);
        lastTrace = trace;
        ++partials;
        return 0;
    };
    ASSERT_EQ(recognise(kurs::test::spokenFile("unrelated"), count), 0) << statusText();
    EXPECT_EQ(finals, 1);
    // About three seconds, a partial result every 100 ms of audio.
    EXPECT_GE(partials, 25);
    EXPECT_LE(partials, 31);
    EXPECT_EQ(lastTrace.rfind("frames ", 0), 0u) << lastTrace;
    EXPECT_NE(lastTrace.find(": <s>"), std::string::npos) << lastTrace;
}

TEST_F(EngineCalls, ACallbackThatRefusesStopsTheRecognition)
{
    const auto refuse = [](hapiResObject) -> int { return -1; };
    EXPECT_EQ(recognise(kurs::test::spokenFile("fine"), refuse), HAPI_ERR_ABORTED);
    EXPECT_EQ(hapiCurrentStatus(nullptr), HAPI_ERR_ABORTED);
    EXPECT_EQ(statusText(), "the result callback stopped the recognition");
}

TEST_F(EngineCalls, TheSourceIsStoredAtItsOwnRate)
{
    ASSERT_EQ(recognise(kurs::test::spokenFile("fine")), 0);
    std::uint32_t rate = 0;
    const std::vector<std::int16_t> spoken = kurs::test::waveSamples(kurs::test::spokenFile("fine"), &rate);
    const std::string stored = folder_.file("heard.tmp");
    ASSERT_EQ(hapiCoderSaveSource(coder_, stored.c_str()), static_cast<int>(spoken.size()));
    EXPECT_EQ(kurs::test::readBytes(stored).size(), 12 + 2 * spoken.size());
    EXPECT_EQ(static_cast<std::uint32_t>(1000.0 / hapiSourceSamplePeriod(source_, 0)), rate);
}

TEST_F(EngineCalls, BeginningOperationsClearTheStatusAndClosingOnesKeepIt)
{
    folder_.writeFile("bad.lat", kurs::test::latticeText({{"I", "ay"}, {"unknown", "ay"}}));
    EXPECT_EQ(hapiLoadNetObject(HAPI_NET_LATTICE, hmm_, dict_, folder_.file("bad.lat").c_str()), nullptr);
    EXPECT_EQ(hapiCurrentStatus(nullptr), HAPI_ERR_MISMATCH);
    EXPECT_EQ(statusText(), "the word unknown of the network is not in the dictionary");
    hapiResClear(final_);
    hapiSourceStop(source_);
    hapiCoderComplete(coder_);
    EXPECT_EQ(hapiCurrentStatus(nullptr), HAPI_ERR_MISMATCH);
    EXPECT_EQ(hapiCoderPrepare(coder_), 0);
    EXPECT_EQ(hapiCurrentStatus(nullptr), HAPI_OK);
    EXPECT_EQ(statusText(), "");
}

TEST_F(EngineCalls, CalibratingAFileSourceIsRefused)
{
    std::array<float, HAPI_CALIBRATION_VALUES> values{};
    EXPECT_EQ(hapiCoderCalibrateSpeech(coder_, values.data()), HAPI_ERR_STATE);
    EXPECT_EQ(statusText(), "only a live source can be calibrated");
}

TEST_F(EngineCalls, UnknownHandlesAndPositionsAreRefusedWithoutHarm)
{
    int notAnObject = 0;
    EXPECT_EQ(hapiDeleteNetObject(reinterpret_cast<hapiNetObject>(&notAnObject)), HAPI_ERR_ARGUMENT);
    EXPECT_EQ(statusText(), "not a valid network object");
    EXPECT_EQ(hapiResAllWordIds(reinterpret_cast<hapiResObject>(net_), nullptr), HAPI_ERR_ARGUMENT)
        << "a handle of another kind";
    hapiResObject spare = hapiCreateResObject(rec_, HAPI_RI_ALL);
    EXPECT_EQ(hapiDeleteResObject(spare), 0);
    EXPECT_EQ(hapiDeleteResObject(spare), HAPI_ERR_ARGUMENT) << "deleted twice";
    std::array<char, HAPI_NAME_SIZE> name{};
    EXPECT_EQ(hapiResWordName(final_, 1, name.data()), HAPI_ERR_ARGUMENT) << "no words yet";
    EXPECT_EQ(hapiDictPhoneName(dict_, 999, name.data()), HAPI_ERR_ARGUMENT);
    EXPECT_EQ(hapiCreateSourceObject(3), nullptr);
    EXPECT_EQ(hapiCreateRecObject(7, HAPI_REC_UTTERANCE, hmm_, nullptr), nullptr);
}

TEST(EngineBeforeInitialisation, CreatesNothing)
{
    // The engine of this test program is initialised by the other tests only
    // when they run first; a fresh process sees the uninitialised engine.
    if (hapiCreateHMMSetObject() != nullptr)
        GTEST_SKIP() << "the engine was initialised by an earlier test";
    EXPECT_EQ(hapiCurrentStatus(nullptr), HAPI_ERR_NOT_INITIALISED);
    EXPECT_EQ(hapiInitHAPI("/nonexistent/config.cfg", nullptr), HAPI_ERR_FILE);
}

} // namespace
