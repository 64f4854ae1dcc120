#include "engine/RecognitionResult.h"

#include <cstdio>

namespace kurs::engine {

std::string RecognitionResult::trace(int level) const
{
    std::string text = "frames " + std::to_string(frames);
    if (level >= 2) {
        char score[32];
        std::snprintf(score, sizeof score, " score %.1f", this->score);
        text += score;
    }
    if (level >= 3) {
        text += ":";
        for (const ResultWord& word : words)
            text += " " + word.name;
    }
    return text;
}

} // namespace kurs::engine
