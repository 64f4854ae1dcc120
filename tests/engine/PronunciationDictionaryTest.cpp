#include "engine/EngineFailure.h"
#include "engine/Hapi.h"
#include "engine/PhoneSet.h"
#include "engine/PronunciationDictionary.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using kurs::engine::EngineFailure;
using kurs::engine::PhoneSet;
using kurs::engine::PronunciationDictionary;

namespace {

const PhoneSet kPhones({"ae", "ay", "f", "m", "n", "sil", "uw"});

std::vector<int> ids(std::initializer_list<const char*> names)
{
    std::vector<int> result;
    for (const char* name : names)
        result.push_back(*kPhones.find(name));
    return result;
}

// UTF-16LE with a byte-order mark and CR LF, from UTF-16 code units.
std::string wide(const std::u16string& text)
{
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

TEST(EngineDictionary, ReadsOutputSymbolsAndAlternativesInFileOrder)
{
    const PronunciationDictionary dictionary = PronunciationDictionary::parse(
        "<s> [] sil\r\n"
        "\r\n"
        "fine [fine] f ay n\r\n"
        "fine [Fine] f ay n\r\n"
        "fine [fine] f ae n\r\n"
        "am ae m\r\n"
        "word []\r\n",
        kPhones, "tmp.dct");
    ASSERT_EQ(dictionary.size(), 5u);
    EXPECT_EQ(dictionary.entry(dictionary.find("<s>")[0]).output, "");
    const auto fine = dictionary.find("fine");
    ASSERT_EQ(fine.size(), 2u) << "the repeated pronunciation is kept once";
    EXPECT_EQ(dictionary.entry(fine[0]).phones, ids({"f", "ay", "n"}));
    EXPECT_EQ(dictionary.entry(fine[1]).phones, ids({"f", "ae", "n"}));
    EXPECT_EQ(dictionary.entry(dictionary.find("am")[0]).output, "am") << "without brackets the word is its own output";
    EXPECT_TRUE(dictionary.entry(dictionary.find("word")[0]).phones.empty());
    EXPECT_TRUE(dictionary.find("Fine").empty()) << "words are matched exactly";
}

TEST(CourseDictionary, ReadsTheWideFormInWindows1250)
{
    const PronunciationDictionary dictionary = PronunciationDictionary::parse(
        wide(u" fine ; fine ;f ay n\r\n<s>;;sil\r\n\xFEFFma\u0142y;ma\u0142y;m ae\r\n"), kPhones, "Slownik.dct");
    ASSERT_EQ(dictionary.size(), 3u);
    EXPECT_EQ(dictionary.entry(dictionary.find("fine")[0]).phones, ids({"f", "ay", "n"}));
    EXPECT_EQ(dictionary.entry(dictionary.find("<s>")[0]).output, "");
    ASSERT_EQ(dictionary.find("ma\xB3y").size(), 1u) << "l with stroke is 0xB3 in Windows-1250";
}

struct BadEntry {
    const char* name;
    std::string text;
    const char* expected;
};

void PrintTo(const BadEntry& row, std::ostream* out)
{
    *out << row.name;
}

class BadDictionary : public testing::TestWithParam<BadEntry> {};

TEST_P(BadDictionary, IsRefusedNamingTheLine)
{
    try {
        PronunciationDictionary::parse(GetParam().text, kPhones, "tmp.dct");
        FAIL() << "accepted";
    } catch (const EngineFailure& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().expected), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, BadDictionary,
    testing::Values(BadEntry{"UnknownPhone", "fine [fine] f ay n\nfun [fun] f ah n\n",
                             "tmp.dct line 2: the phone ah is not in the model"},
                    BadEntry{"UpperCasePhone", "fine [fine] F AY N\n", "the phone F is not in the model"},
                    BadEntry{"OpenBracket", "fine [fine f ay n\n", "line 1: the output symbol has no closing bracket"},
                    BadEntry{"WideUnknownPhone", wide(u"fine;fine;f aa n\r\n"), "line 1: the phone aa"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PhoneList, RefusesAPhoneNamedTwice)
{
    const std::string path = testing::TempDir() + "twice.list";
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fputs("aa\nsil\n# comment\naa\n", file);
    std::fclose(file);
    try {
        PhoneSet::read(path);
        FAIL();
    } catch (const EngineFailure& error) {
        EXPECT_EQ(error.code(), HAPI_ERR_FORMAT);
        EXPECT_NE(std::string(error.what()).find("names aa twice"), std::string::npos);
    }
    std::remove(path.c_str());
}

} // namespace
