#include "RecognitionTestSupport.h"
#include "engine/Hapi.h"
#include "engine/PhoneSet.h"
#include "engine/PronunciationDictionary.h"
#include "engine/TextLines.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <set>
#include <string>

using namespace kurs::engine;
using kurs::test::RecognitionFolder;

namespace {

// The words of every phrase of the phrase lessons, lower-cased.
std::set<std::string> lessonWords()
{
    std::set<std::string> words;
    const std::string folder = KURS_LESSONS;
    for (const std::string& lesson : wideLinesAsWindows1250(kurs::test::readBytes(folder + "/Lekcje.txt"))) {
        const std::string file = lesson.substr(lesson.find('=') + 1);
        for (const std::string& phrase : wideLinesAsWindows1250(kurs::test::readBytes(folder + "/" + file))) {
            const std::vector<std::string_view> fields = splitAt(phrase, "=");
            EXPECT_EQ(fields.size(), 4u) << phrase;
            if (fields.size() < 3)
                continue;
            for (const std::string_view word : splitAt(fields[2], "/"))
                words.insert(asciiLower(word));
        }
    }
    return words;
}

class EnglishContent : public testing::Test {
protected:
    RecognitionFolder folder_;
    PhoneSet phones_ = PhoneSet::read(folder_.file("english.list"));
};

TEST_F(EnglishContent, TheDictionaryCoversEveryPhraseWordInTheModelsPhones)
{
    const PronunciationDictionary dictionary = PronunciationDictionary::read(folder_.file("slownik.dct"), phones_);
    const std::set<std::string> words = lessonWords();
    EXPECT_GE(words.size(), 50u);
    for (const std::string& word : words)
        EXPECT_FALSE(dictionary.find(word).empty()) << word;
    EXPECT_GE(dictionary.size(), 250u) << "the phrase words and the A1 word list";
    const std::vector<std::size_t> hello = dictionary.find("hello");
    ASSERT_FALSE(hello.empty());
    EXPECT_EQ(dictionary.entry(hello[0]).output, "hello");
}

TEST_F(EnglishContent, TheDictionaryIsWhatTheToolWritesFromTheLessonsAndTheWordList)
{
    const std::string written = folder_.file("written.dct");
    const std::string command = std::string("'") + KURS_ENGINE_TOOL + "' '" + folder_.file("english.list") + "' '"
        + folder_.file("tmp0.dct") + "' '" + KURS_MODEL_DICTIONARY + "' '" + KURS_LESSONS + "' '" + written + "' '"
        + KURS_A1_WORDS + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(kurs::test::readBytes(written), kurs::test::readBytes(folder_.file("slownik.dct")))
        << "content/Languages/English/slownik.dct is out of date: run kurs_make_dictionary";
}

// The defaults name the word as Slownik.dct spells it, so that the start-up's
// load of tmp.lat with Slownik.dct finds it.
TEST_F(EnglishContent, TheDefaultNetworkIsTheWordHelloAsTheCourseWritesIt)
{
    const PronunciationDictionary course = PronunciationDictionary::read(folder_.file("slownik.dct"), phones_);
    std::string hello;
    for (const int phone : course.entry(course.find("hello")[0]).phones)
        hello += (hello.empty() ? "" : " ") + phones_.name(static_cast<std::size_t>(phone));
    EXPECT_EQ(kurs::test::readBytes(folder_.file("tmp.lat")), kurs::test::latticeText({{"hello", hello}}));
    EXPECT_EQ(kurs::test::readBytes(folder_.file("tmp.dct")),
              kurs::test::readBytes(folder_.file("tmp0.dct")) + "\r\nhello [hello] " + hello + "\r\n");
}

TEST_F(EnglishContent, TheEngineStartsOnTheCourseFilesAndTakesTheCourseDictionary)
{
    ASSERT_EQ(hapiInitHAPI(folder_.config().c_str(), nullptr), 0);
    hapiHMMSetObject hmm = hapiCreateHMMSetObject();
    hapiDictObject engineForm = hapiCreateDictObject();
    hapiDictObject courseForm = hapiCreateDictObject();
    ASSERT_EQ(hapiHMMSetInitialise(hmm), 0);
    ASSERT_EQ(hapiDictInitialise(engineForm), 0) << "the configuration's tmp.dct";
    ASSERT_EQ(hapiDictOverrideFileName(courseForm, folder_.file("slownik.dct").c_str()), 0);
    ASSERT_EQ(hapiDictInitialise(courseForm), 0);
    std::array<char, HAPI_TEXT_SIZE> status{};
    for (hapiDictObject dictionary : {engineForm, courseForm}) {
        hapiNetObject net = hapiLoadNetObject(HAPI_NET_LATTICE, hmm, dictionary, nullptr);
        EXPECT_NE(net, nullptr) << (hapiCurrentStatus(status.data()), status.data());
        hapiDeleteNetObject(net);
    }
    hapiDeleteDictObject(courseForm);
    hapiDeleteDictObject(engineForm);
    hapiDeleteHMMSetObject(hmm);
}

} // namespace
