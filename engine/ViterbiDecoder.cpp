#include "engine/ViterbiDecoder.h"

#include <algorithm>

namespace kurs::engine {
namespace {

struct Candidate {
    Score score = kImpossible;
    int previous = -1;
    Score weight = 0;

    void offer(Score value, int from, Score addedWeight)
    {
        if (value > score) {
            score = value;
            previous = from;
            weight = addedWeight;
        }
    }
};

} // namespace

ViterbiDecoder::ViterbiDecoder(const DecodingGraph& graph, const std::vector<PhoneModel>& models, Score beam)
    : graph_(graph)
    , models_(models)
    , beam_(beam)
{
}

DecodedPath ViterbiDecoder::decode(const ScoreMatrix& scores, int partialEveryFrames, const PartialSink& sink)
{
    history_.clear();
    stopped_ = false;
    const std::size_t phones = graph_.phones().size();
    const int frames = static_cast<int>(scores.frames());
    std::vector<Score> state(phones * 3, kImpossible);
    std::vector<int> stateHistory(phones * 3, -1);
    std::vector<Score> next(phones * 3);
    std::vector<int> nextHistory(phones * 3);
    std::vector<Candidate> entries(phones);
    std::vector<Score> exitScore(phones, kImpossible);
    std::vector<int> exitHistory(phones, -1);
    std::vector<Candidate> wordEnds(graph_.nodeCount());

    const auto computeExits = [&]() {
        std::fill(wordEnds.begin(), wordEnds.end(), Candidate{});
        for (std::size_t p = 0; p < phones; ++p) {
            const PhoneModel& model = models_[static_cast<std::size_t>(graph_.phones()[p].phoneId)];
            Score best = kImpossible;
            int from = -1;
            for (std::size_t k = 0; k < 3; ++k) {
                const Score transition = model.transitions[k][3];
                if (transition == kImpossible || state[p * 3 + k] == kImpossible)
                    continue;
                if (state[p * 3 + k] + transition > best) {
                    best = state[p * 3 + k] + transition;
                    from = stateHistory[p * 3 + k];
                }
            }
            exitScore[p] = best;
            exitHistory[p] = from;
            if (best != kImpossible && graph_.phones()[p].next < 0)
                wordEnds[static_cast<std::size_t>(graph_.phones()[p].node)].offer(best, from, 0);
        }
    };

    for (int t = 0; t < frames; ++t) {
        std::fill(entries.begin(), entries.end(), Candidate{});
        if (t == 0) {
            for (const DecodingGraph::Transition& start : graph_.startNodes()) {
                for (const int q : graph_.firstPhones(start.node))
                    entries[static_cast<std::size_t>(q)].offer(start.weight, -1, start.weight);
            }
        } else {
            for (std::size_t p = 0; p < phones; ++p) {
                const int following = graph_.phones()[p].next;
                if (following >= 0 && exitScore[p] != kImpossible)
                    entries[static_cast<std::size_t>(following)].offer(exitScore[p], exitHistory[p], 0);
            }
            for (std::size_t node = 0; node < wordEnds.size(); ++node) {
                const Candidate& end = wordEnds[node];
                if (end.score == kImpossible)
                    continue;
                for (const DecodingGraph::Transition& successor : graph_.successors(static_cast<int>(node))) {
                    for (const int q : graph_.firstPhones(successor.node))
                        entries[static_cast<std::size_t>(q)].offer(end.score + successor.weight, end.previous,
                                                                   successor.weight);
                }
            }
        }

        Score best = kImpossible;
        for (std::size_t p = 0; p < phones; ++p) {
            const PhoneModel& model = models_[static_cast<std::size_t>(graph_.phones()[p].phoneId)];
            int entryHistory = -1;
            if (entries[p].score != kImpossible) {
                entryHistory = static_cast<int>(history_.size());
                history_.push_back({static_cast<int>(p), t, entries[p].previous, entries[p].score, entries[p].weight});
            }
            for (std::size_t j = 0; j < 3; ++j) {
                Score value = kImpossible;
                int from = -1;
                if (j == 0 && entryHistory >= 0) {
                    value = entries[p].score;
                    from = entryHistory;
                }
                for (std::size_t i = 0; i <= j; ++i) {
                    const Score transition = model.transitions[i][j];
                    const Score previous = state[p * 3 + i];
                    if (transition == kImpossible || previous == kImpossible)
                        continue;
                    if (previous + transition > value) {
                        value = previous + transition;
                        from = stateHistory[p * 3 + i];
                    }
                }
                if (value != kImpossible)
                    value -= scores.cost(static_cast<std::size_t>(t), static_cast<std::size_t>(model.senones[j]));
                next[p * 3 + j] = value;
                nextHistory[p * 3 + j] = from;
                best = std::max(best, value);
            }
        }
        for (std::size_t s = 0; s < next.size(); ++s) {
            if (next[s] != kImpossible && next[s] < best - beam_)
                next[s] = kImpossible;
        }
        state.swap(next);
        stateHistory.swap(nextHistory);
        computeExits();

        const bool last = t + 1 == frames;
        if (!last && partialEveryFrames > 0 && sink && (t + 1) % partialEveryFrames == 0 && best != kImpossible) {
            const auto bestState = static_cast<std::size_t>(std::max_element(state.begin(), state.end()) - state.begin());
            DecodedPath partial = traceBack(stateHistory[bestState], t, state[bestState]);
            partial.score = state[bestState];
            if (!sink(partial)) {
                stopped_ = true;
                DecodedPath none;
                none.frames = t + 1;
                return none;
            }
        }
    }

    DecodedPath result;
    result.frames = frames;
    Candidate final;
    for (std::size_t node = 0; node < wordEnds.size(); ++node) {
        const Score weight = graph_.finalWeight(static_cast<int>(node));
        if (wordEnds[node].score != kImpossible && weight != kImpossible)
            final.offer(wordEnds[node].score + weight, wordEnds[node].previous, weight);
    }
    if (frames == 0 || final.score == kImpossible)
        return result;
    result = traceBack(final.previous, frames - 1, final.score - final.weight);
    result.complete = true;
    result.score = final.score;
    return result;
}

DecodedPath ViterbiDecoder::traceBack(int history, int endFrame, Score endScore) const
{
    std::vector<int> chain;
    for (int h = history; h >= 0; h = history_[static_cast<std::size_t>(h)].previous)
        chain.push_back(h);
    std::reverse(chain.begin(), chain.end());
    DecodedPath path;
    path.frames = endFrame + 1;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const History& entry = history_[static_cast<std::size_t>(chain[i])];
        const DecodingGraph::PhoneInstance& instance = graph_.phones()[static_cast<std::size_t>(entry.instance)];
        DecodedPhone phone;
        phone.phoneId = instance.phoneId;
        phone.startFrame = entry.startFrame;
        if (i + 1 < chain.size()) {
            const History& following = history_[static_cast<std::size_t>(chain[i + 1])];
            phone.endFrame = following.startFrame - 1;
            phone.acoustic = following.entryScore - following.weight - entry.entryScore;
        } else {
            phone.endFrame = endFrame;
            phone.acoustic = endScore - entry.entryScore;
        }
        if (instance.position == 0 || path.words.empty())
            path.words.push_back({instance.node, instance.entry, {}});
        path.words.back().phones.push_back(phone);
    }
    return path;
}

} // namespace kurs::engine
