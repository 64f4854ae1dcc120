#pragma once

#include "engine/AcousticModel.h"
#include "engine/PronunciationDictionary.h"
#include "engine/ScoreUnits.h"
#include "engine/WordNetwork.h"

#include <string>
#include <vector>

namespace kurs::engine {

// A word network expanded for decoding: every pronunciation of every word node
// becomes a chain of phone instances, and the null nodes between word nodes
// are folded into direct word-to-word transitions carrying the best sum of
// link weights (times the weight scale, in score units).
class DecodingGraph {
public:
    struct PhoneInstance {
        int node = 0;            // word node of the network
        std::size_t entry = 0;   // dictionary entry of the pronunciation
        int position = 0;        // position of the phone in the pronunciation
        int phoneId = 0;
        int next = -1;           // next phone of the pronunciation, -1 after the last
    };
    struct Transition {
        int node = 0;
        Score weight = 0;
    };

    // Throws EngineFailure when a word of the network is not in the
    // dictionary or has no pronunciation, or when null nodes form a loop of
    // positive weight.
    DecodingGraph(const WordNetwork& network, const PronunciationDictionary& dictionary, double weightScale);

    const std::vector<PhoneInstance>& phones() const { return phones_; }
    // Phone instances that begin a pronunciation of the node.
    const std::vector<int>& firstPhones(int node) const { return firstPhones_[static_cast<std::size_t>(node)]; }
    // Word nodes that may begin the utterance, and the word nodes that may
    // follow the end of a word node.
    const std::vector<Transition>& startNodes() const { return start_; }
    const std::vector<Transition>& successors(int node) const { return successors_[static_cast<std::size_t>(node)]; }
    // Weight of ending the utterance after the word node; kImpossible when it
    // cannot end there.
    Score finalWeight(int node) const { return final_[static_cast<std::size_t>(node)]; }
    std::size_t nodeCount() const { return words_.size(); }
    const std::string& word(int node) const { return words_[static_cast<std::size_t>(node)]; }
    const Pronunciation& pronunciation(std::size_t entry) const { return pronunciations_[entry]; }

private:
    std::vector<Pronunciation> pronunciations_;
    std::vector<PhoneInstance> phones_;
    std::vector<std::vector<int>> firstPhones_;
    std::vector<Transition> start_;
    std::vector<std::vector<Transition>> successors_;
    std::vector<Score> final_;
    std::vector<std::string> words_;
};

} // namespace kurs::engine
