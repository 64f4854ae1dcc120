#pragma once

#include <string>
#include <vector>

namespace kurs::engine {

struct ResultPhone {
    int phoneId = 0;
    int startFrame = 0;
    int endFrame = 0;          // inclusive
    double goodness = 0.0;     // 0..1
    double logLikelihood = 0.0; // natural log, relative to the best state of each frame
};

struct ResultWord {
    int id = 0;                // the pronunciation the recogniser chose
    std::string name;
    std::string output;
    std::vector<ResultPhone> phones;
    double goodness = 0.0;     // duration-weighted mean of the phones
    double logLikelihood = 0.0;
};

// What a result object holds: the words of the best path in network order
// with their phones, after a partial or the final decoding step.
struct RecognitionResult {
    std::vector<ResultWord> words;
    int frames = 0;
    double score = 0.0;        // of the path, natural log

    void clear() { *this = RecognitionResult{}; }
    // "frames 123" (level 1), then " score -456.7" (level 2), then
    // ": word word ..." (level 3).
    std::string trace(int level) const;
};

} // namespace kurs::engine
