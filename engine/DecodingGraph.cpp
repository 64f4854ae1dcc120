#include "engine/DecodingGraph.h"

#include "engine/EngineFailure.h"
#include "engine/Hapi.h"

#include <deque>
#include <limits>

namespace kurs::engine {
namespace {

constexpr double kUnreached = -std::numeric_limits<double>::infinity();

struct Closure {
    std::vector<DecodingGraph::Transition> words;
    Score final = kImpossible;
};

// Best weight from `source` to every node, passing through null nodes only.
Closure closureFrom(const WordNetwork& network, const std::vector<std::vector<int>>& outgoing, int source,
                    double weightScale)
{
    const std::size_t count = network.nodes.size();
    std::vector<double> best(count, kUnreached);
    std::vector<std::size_t> relaxations(count, 0);
    std::deque<int> pending;
    const auto relaxFrom = [&](int from, double weight) {
        for (const int linkIndex : outgoing[static_cast<std::size_t>(from)]) {
            const WordNetwork::Link& link = network.links[static_cast<std::size_t>(linkIndex)];
            const double reached = weight + link.weight * weightScale;
            auto& target = best[static_cast<std::size_t>(link.to)];
            if (reached <= target)
                continue;
            target = reached;
            if (network.nodes[static_cast<std::size_t>(link.to)].isNull) {
                if (++relaxations[static_cast<std::size_t>(link.to)] > count)
                    throw EngineFailure(HAPI_ERR_FORMAT, "the network has a loop of null nodes with a positive weight");
                pending.push_back(link.to);
            }
        }
    };
    relaxFrom(source, 0.0);
    while (!pending.empty()) {
        const int node = pending.front();
        pending.pop_front();
        relaxFrom(node, best[static_cast<std::size_t>(node)]);
    }
    Closure closure;
    for (std::size_t node = 0; node < count; ++node) {
        if (best[node] == kUnreached || network.nodes[node].isNull)
            continue;
        closure.words.push_back({static_cast<int>(node), unitsOfNats(best[node])});
    }
    const auto end = static_cast<std::size_t>(network.end);
    if (network.nodes[end].isNull && best[end] != kUnreached)
        closure.final = unitsOfNats(best[end]);
    return closure;
}

} // namespace

DecodingGraph::DecodingGraph(const WordNetwork& network, const PronunciationDictionary& dictionary, double weightScale)
{
    const std::size_t count = network.nodes.size();
    firstPhones_.resize(count);
    successors_.resize(count);
    final_.assign(count, kImpossible);
    words_.resize(count);
    for (std::size_t node = 0; node < count; ++node) {
        const WordNetwork::Node& wordNode = network.nodes[node];
        if (wordNode.isNull)
            continue;
        words_[node] = wordNode.word;
        const std::vector<std::size_t> entries = dictionary.find(wordNode.word);
        if (entries.empty())
            throw EngineFailure(HAPI_ERR_MISMATCH, "the word " + wordNode.word + " of the network is not in the dictionary");
        for (const std::size_t entry : entries) {
            const Pronunciation& pronunciation = dictionary.entry(entry);
            if (pronunciation.phones.empty())
                continue;
            const std::size_t local = pronunciations_.size();
            pronunciations_.push_back(pronunciation);
            firstPhones_[node].push_back(static_cast<int>(phones_.size()));
            for (std::size_t p = 0; p < pronunciation.phones.size(); ++p) {
                PhoneInstance instance;
                instance.node = static_cast<int>(node);
                instance.entry = local;
                instance.position = static_cast<int>(p);
                instance.phoneId = pronunciation.phones[p];
                instance.next = p + 1 < pronunciation.phones.size() ? static_cast<int>(phones_.size() + 1) : -1;
                phones_.push_back(instance);
            }
        }
        if (firstPhones_[node].empty())
            throw EngineFailure(HAPI_ERR_MISMATCH, "the word " + wordNode.word + " of the network has no pronunciation");
    }

    std::vector<std::vector<int>> outgoing(count);
    for (std::size_t j = 0; j < network.links.size(); ++j)
        outgoing[static_cast<std::size_t>(network.links[j].from)].push_back(static_cast<int>(j));
    const auto startNode = static_cast<std::size_t>(network.start);
    if (network.nodes[startNode].isNull)
        start_ = closureFrom(network, outgoing, network.start, weightScale).words;
    else
        start_.push_back({network.start, 0});
    for (std::size_t node = 0; node < count; ++node) {
        if (network.nodes[node].isNull)
            continue;
        Closure closure = closureFrom(network, outgoing, static_cast<int>(node), weightScale);
        successors_[node] = std::move(closure.words);
        final_[node] = static_cast<int>(node) == network.end ? 0 : closure.final;
    }
}

} // namespace kurs::engine
