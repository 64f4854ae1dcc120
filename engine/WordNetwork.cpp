#include "engine/WordNetwork.h"

#include "engine/EngineFailure.h"
#include "engine/Hapi.h"
#include "engine/TextLines.h"

#include <charconv>
#include <map>
#include <optional>

namespace kurs::engine {
namespace {

struct RawNode {
    bool present = false;
    std::string word;
    std::string sublattice;
};

struct Block {
    std::string name;
    std::size_t firstLine = 0;
    std::optional<int> nodeCount;
    std::optional<int> linkCount;
    std::vector<RawNode> nodes;
    std::vector<std::optional<WordNetwork::Link>> links;
};

class LatticeReader {
public:
    explicit LatticeReader(std::string name)
        : name_(std::move(name))
    {
    }

    WordNetwork read(const std::string& bytes)
    {
        const std::vector<std::string> lines = splitLines(bytes);
        Block block;
        bool inSublattice = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            line_ = i + 1;
            const std::string_view text = trimmed(lines[i]);
            if (text.empty() || text.front() == '#')
                continue;
            if (text == ".") {
                if (!inSublattice)
                    fail("a \".\" outside a sub-lattice");
                sublattices_[block.name] = expand(block);
                block = Block{};
                inSublattice = false;
                continue;
            }
            const std::map<std::string, std::string> fields = fieldsOf(text);
            if (const auto sublat = fields.find("SUBLAT"); sublat != fields.end()) {
                if (inSublattice || block.nodeCount)
                    fail("a sub-lattice must start before any block and end with \".\"");
                block = Block{};
                block.name = sublat->second;
                block.firstLine = line_;
                inSublattice = true;
                continue;
            }
            if (block.firstLine == 0)
                block.firstLine = line_;
            if (fields.count("N") != 0)
                readCounts(block, fields);
            else if (fields.count("I") != 0)
                readNode(block, fields);
            else if (fields.count("J") != 0)
                readLink(block, fields);
        }
        line_ = lines.size();
        if (inSublattice)
            fail("the sub-lattice " + block.name + " does not end with \".\"");
        if (!block.nodeCount)
            fail("no main network");
        return expand(block);
    }

private:
    [[noreturn]] void fail(const std::string& what) const
    {
        throw EngineFailure(HAPI_ERR_FORMAT, "network " + name_ + " line " + std::to_string(line_) + ": " + what);
    }

    static std::map<std::string, std::string> fieldsOf(std::string_view text)
    {
        std::map<std::string, std::string> fields;
        for (const std::string_view piece : splitAt(text, " \t")) {
            const std::size_t equals = piece.find('=');
            if (equals == std::string_view::npos || equals == 0)
                continue;
            fields.emplace(std::string(piece.substr(0, equals)), std::string(piece.substr(equals + 1)));
        }
        return fields;
    }

    int integer(const std::map<std::string, std::string>& fields, const std::string& key, int limit) const
    {
        const auto it = fields.find(key);
        if (it == fields.end())
            fail("no " + key + "=");
        int value = -1;
        const std::string& text = it->second;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || value < 0 || value >= limit)
            fail(key + "=" + text + " is out of range");
        return value;
    }

    void readCounts(Block& block, const std::map<std::string, std::string>& fields)
    {
        if (block.nodeCount)
            fail("a second N= line in one block");
        block.nodeCount = integer(fields, "N", 1000000);
        block.linkCount = integer(fields, "L", 1000000);
        block.nodes.resize(static_cast<std::size_t>(*block.nodeCount));
        block.links.resize(static_cast<std::size_t>(*block.linkCount));
    }

    void readNode(Block& block, const std::map<std::string, std::string>& fields)
    {
        if (!block.nodeCount)
            fail("a node before the N= line");
        RawNode& node = block.nodes[static_cast<std::size_t>(integer(fields, "I", *block.nodeCount))];
        if (node.present)
            fail("node " + fields.at("I") + " appears twice");
        node.present = true;
        if (const auto word = fields.find("W"); word != fields.end()) {
            node.word = word->second;
        } else if (const auto sublat = fields.find("L"); sublat != fields.end()) {
            if (sublattices_.find(sublat->second) == sublattices_.end())
                fail("the sub-lattice " + sublat->second + " is not defined before its use");
            node.sublattice = sublat->second;
        } else {
            fail("node " + fields.at("I") + " has neither W= nor L=");
        }
    }

    void readLink(Block& block, const std::map<std::string, std::string>& fields)
    {
        if (!block.nodeCount)
            fail("a link before the N= line");
        auto& link = block.links[static_cast<std::size_t>(integer(fields, "J", *block.linkCount))];
        if (link)
            fail("link " + fields.at("J") + " appears twice");
        WordNetwork::Link value;
        value.from = integer(fields, "S", *block.nodeCount);
        value.to = integer(fields, "E", *block.nodeCount);
        if (const auto weight = fields.find("l"); weight != fields.end()) {
            const std::string& text = weight->second;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value.weight);
            if (error != std::errc() || end != text.data() + text.size())
                fail("l=" + text + " is not a number");
        }
        link = value;
    }

    WordNetwork expand(const Block& block)
    {
        const std::string blockName = block.name.empty() ? "the main network" : "the sub-lattice " + block.name;
        line_ = block.firstLine;
        if (!block.nodeCount)
            fail(blockName + " has no N= line");
        std::vector<int> incoming(block.nodes.size(), 0);
        std::vector<int> outgoing(block.nodes.size(), 0);
        for (std::size_t j = 0; j < block.links.size(); ++j) {
            if (!block.links[j])
                fail(blockName + " lacks link " + std::to_string(j));
            ++outgoing[static_cast<std::size_t>(block.links[j]->from)];
            ++incoming[static_cast<std::size_t>(block.links[j]->to)];
        }
        std::optional<int> start;
        std::optional<int> end;
        for (std::size_t i = 0; i < block.nodes.size(); ++i) {
            if (!block.nodes[i].present)
                fail(blockName + " lacks node " + std::to_string(i));
            if (incoming[i] == 0) {
                if (start)
                    fail(blockName + " has more than one node without incoming links");
                start = static_cast<int>(i);
            }
            if (outgoing[i] == 0) {
                if (end)
                    fail(blockName + " has more than one node without outgoing links");
                end = static_cast<int>(i);
            }
        }
        if (!start || !end)
            fail(blockName + " has no start or no end node");

        WordNetwork network;
        std::vector<int> entry(block.nodes.size());
        std::vector<int> exit(block.nodes.size());
        for (std::size_t i = 0; i < block.nodes.size(); ++i) {
            const RawNode& raw = block.nodes[i];
            if (!raw.sublattice.empty()) {
                const WordNetwork& copy = sublattices_.at(raw.sublattice);
                const int offset = static_cast<int>(network.nodes.size());
                network.nodes.insert(network.nodes.end(), copy.nodes.begin(), copy.nodes.end());
                for (WordNetwork::Link link : copy.links) {
                    link.from += offset;
                    link.to += offset;
                    network.links.push_back(link);
                }
                entry[i] = offset + copy.start;
                exit[i] = offset + copy.end;
                continue;
            }
            WordNetwork::Node node;
            node.isNull = raw.word == "!NULL";
            if (!node.isNull)
                node.word = raw.word;
            entry[i] = exit[i] = static_cast<int>(network.nodes.size());
            network.nodes.push_back(std::move(node));
        }
        for (const auto& link : block.links) {
            network.links.push_back({exit[static_cast<std::size_t>(link->from)],
                                     entry[static_cast<std::size_t>(link->to)], link->weight});
        }
        network.start = entry[static_cast<std::size_t>(*start)];
        network.end = exit[static_cast<std::size_t>(*end)];
        return network;
    }

    std::string name_;
    std::size_t line_ = 0;
    std::map<std::string, WordNetwork> sublattices_;
};

} // namespace

WordNetwork readLattice(const std::string& path)
{
    std::string bytes;
    if (!readWholeFile(path, bytes))
        throw EngineFailure(HAPI_ERR_FILE, "cannot read the network " + path);
    return parseLattice(bytes, path);
}

WordNetwork parseLattice(const std::string& bytes, const std::string& nameForMessages)
{
    return LatticeReader(nameForMessages).read(bytes);
}

} // namespace kurs::engine
