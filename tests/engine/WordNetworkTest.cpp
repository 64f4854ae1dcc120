#include "RecognitionTestSupport.h"
#include "engine/EngineFailure.h"
#include "engine/WordNetwork.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

using kurs::engine::EngineFailure;
using kurs::engine::parseLattice;
using kurs::engine::WordNetwork;

namespace {

int nodeOf(const WordNetwork& network, const std::string& word)
{
    for (std::size_t i = 0; i < network.nodes.size(); ++i) {
        if (!network.nodes[i].isNull && network.nodes[i].word == word)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<WordNetwork::Link> linksFrom(const WordNetwork& network, int node)
{
    std::vector<WordNetwork::Link> links;
    std::copy_if(network.links.begin(), network.links.end(), std::back_inserter(links),
                 [node](const WordNetwork::Link& link) { return link.from == node; });
    return links;
}

TEST(Lattice, TheGarbageSubLatticeTakesThePlaceOfItsNode)
{
    const WordNetwork network = parseLattice(kurs::test::latticeText(kurs::test::iAmFine()), "tmp.lat");
    // Four main nodes and three words of the main block, six copied nodes.
    ASSERT_EQ(network.nodes.size(), 13u);
    ASSERT_EQ(network.links.size(), 14u);
    EXPECT_TRUE(network.nodes[static_cast<std::size_t>(network.start)].isNull);
    EXPECT_TRUE(network.nodes[static_cast<std::size_t>(network.end)].isNull);

    const int start = nodeOf(network, "<s>");
    const int end = nodeOf(network, "</s>");
    const int garbage = nodeOf(network, "P__GV_GBGE_");
    const int marker = nodeOf(network, "_GV_GBGEMARKER_");
    ASSERT_TRUE(start >= 0 && end >= 0 && garbage >= 0 && marker >= 0);

    // From <s>: the first phrase word, and the garbage entry weighted -16.
    const auto fromStart = linksFrom(network, start);
    ASSERT_EQ(fromStart.size(), 2u);
    const auto toGarbage = std::find_if(fromStart.begin(), fromStart.end(),
                                        [](const WordNetwork::Link& link) { return link.weight == -16.0; });
    ASSERT_NE(toGarbage, fromStart.end());
    EXPECT_TRUE(network.nodes[static_cast<std::size_t>(toGarbage->to)].isNull);
    EXPECT_TRUE(std::any_of(fromStart.begin(), fromStart.end(),
                            [&](const WordNetwork::Link& link) { return link.to == nodeOf(network, "I"); }));

    // The loop back over the garbage word is weighted -16; the marker leads to </s>.
    const auto afterGarbage = linksFrom(network, garbage);
    ASSERT_EQ(afterGarbage.size(), 1u);
    const auto fromJoin = linksFrom(network, afterGarbage[0].to);
    ASSERT_EQ(fromJoin.size(), 2u);
    EXPECT_TRUE(std::any_of(fromJoin.begin(), fromJoin.end(),
                            [](const WordNetwork::Link& link) { return link.weight == -16.0; }));
    const auto afterMarker = linksFrom(network, marker);
    ASSERT_EQ(afterMarker.size(), 1u);
    ASSERT_EQ(linksFrom(network, afterMarker[0].to).size(), 1u);
    EXPECT_EQ(linksFrom(network, afterMarker[0].to)[0].to, end);
}

TEST(Lattice, OneWordNetworkWithoutSubLatticesOrWeights)
{
    const WordNetwork network = parseLattice("N=1 L=0\nI=0 W=hello\n", "one.lat");
    ASSERT_EQ(network.nodes.size(), 1u);
    EXPECT_EQ(network.start, 0);
    EXPECT_EQ(network.end, 0);
    EXPECT_EQ(network.nodes[0].word, "hello");
}

struct BadLattice {
    const char* name;
    const char* text;
    const char* expected;
};

void PrintTo(const BadLattice& row, std::ostream* out)
{
    *out << row.name;
}

class BadLatticeFile : public testing::TestWithParam<BadLattice> {};

TEST_P(BadLatticeFile, IsRefusedNamingTheLine)
{
    try {
        parseLattice(GetParam().text, "bad.lat");
        FAIL() << "accepted";
    } catch (const EngineFailure& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().expected), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, BadLatticeFile,
    testing::Values(
        BadLattice{"UndefinedSubLattice", "N=2 L=1\nI=0 W=a\nI=1 L=<GARBAGE>\nJ=0 S=0 E=1\n",
                   "line 3: the sub-lattice <GARBAGE> is not defined before its use"},
        BadLattice{"MissingNode", "N=3 L=1\nI=0 W=a\nI=1 W=b\nJ=0 S=0 E=1\n", "lacks node 2"},
        BadLattice{"NodeTwice", "N=2 L=1\nI=0 W=a\nI=0 W=b\nJ=0 S=0 E=1\n", "line 3: node 0 appears twice"},
        BadLattice{"LinkOutOfRange", "N=2 L=1\nI=0 W=a\nI=1 W=b\nJ=0 S=0 E=2\n", "line 4: E=2 is out of range"},
        BadLattice{"TwoStarts", "N=3 L=1\nI=0 W=a\nI=1 W=b\nI=2 W=c\nJ=0 S=0 E=1\n", "more than one node without incoming links"},
        BadLattice{"UnclosedSubLattice", "SUBLAT=x\nN=1 L=0\nI=0 W=a\n", "does not end with \".\""},
        BadLattice{"BadWeight", "N=2 L=1\nI=0 W=a\nI=1 W=b\nJ=0 S=0 E=1 l=heavy\n", "l=heavy is not a number"},
        BadLattice{"NoMainNetwork", "SUBLAT=x\nN=1 L=0\nI=0 W=a\n.\n", "no main network"},
        BadLattice{"NodeWithoutWord", "N=1 L=0\nI=0 x=10\n", "node 0 has neither W= nor L="}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
