#pragma once

#include "engine/AcousticModel.h"
#include "engine/DecodingGraph.h"
#include "engine/ScoreMatrix.h"

#include <functional>
#include <vector>

namespace kurs::engine {

struct DecodedPhone {
    int phoneId = 0;
    int startFrame = 0;
    int endFrame = 0;          // last frame of the phone, inclusive
    Score acoustic = 0;        // senone and transition scores of its frames
};

struct DecodedWord {
    int node = 0;
    std::size_t entry = 0;     // pronunciation (DecodingGraph::pronunciation)
    std::vector<DecodedPhone> phones;
};

// The best path through the graph: complete when it reached the end of the
// network at the last frame; a partial path ends at the frame decoded last.
struct DecodedPath {
    std::vector<DecodedWord> words;
    bool complete = false;
    int frames = 0;
    Score score = kImpossible;
};

// Exact Viterbi search of a decoding graph over the frames of an utterance,
// with a wide beam that only drops paths which can no longer win.
class ViterbiDecoder {
public:
    // Called with the best partial path; false stops the search.
    using PartialSink = std::function<bool(const DecodedPath&)>;

    ViterbiDecoder(const DecodingGraph& graph, const std::vector<PhoneModel>& models, Score beam = 5000);

    // partialEveryFrames 0: no partial paths. Returns the final path (not
    // complete when no path reached the end); throws nothing. A stop from the
    // sink ends the search with an incomplete path and sets stopped().
    DecodedPath decode(const ScoreMatrix& scores, int partialEveryFrames = 0, const PartialSink& sink = {});
    bool stopped() const { return stopped_; }

private:
    struct History {
        int instance;
        int startFrame;
        int previous;
        Score entryScore;
        Score weight;
    };

    DecodedPath traceBack(int history, int endFrame, Score endScore) const;

    const DecodingGraph& graph_;
    const std::vector<PhoneModel>& models_;
    Score beam_;
    std::vector<History> history_;
    bool stopped_ = false;
};

} // namespace kurs::engine
