#include "SoundTestSupport.h"
#include "engine/EngineFailure.h"
#include "engine/Hapi.h"
#include "engine/ModelArchive.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace kurs::engine;

namespace {

TEST(ModelFile, KeepsEveryMemberByName)
{
    kurs::test::TemporaryFolder folder;
    const ModelMembers members = {{"mdef", "0.3\n"}, {"means", std::string("\0\1\2\3", 4)}, {"empty", ""}};
    ASSERT_TRUE(writeModelArchive(folder.file("m.mmf"), members));
    EXPECT_EQ(readModelArchive(folder.file("m.mmf")), members);
    EXPECT_FALSE(std::filesystem::exists(folder.file("m.mmf.part")));
}

TEST(ModelFile, ADamagedOrForeignFileIsAFormatFailure)
{
    kurs::test::TemporaryFolder folder;
    ASSERT_TRUE(writeModelArchive(folder.file("m.mmf"), {{"means", std::string(1000, 'x')}}));
    std::filesystem::resize_file(folder.file("m.mmf"), 500);
    std::ofstream(folder.file("other.mmf")) << "RIFF....WAVEfmt ";
    for (const char* name : {"m.mmf", "other.mmf"}) {
        try {
            readModelArchive(folder.file(name));
            FAIL() << name;
        } catch (const EngineFailure& error) {
            EXPECT_EQ(error.code(), HAPI_ERR_FORMAT) << name;
        }
    }
}

} // namespace
