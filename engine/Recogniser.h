#pragma once

#include "engine/AcousticModel.h"
#include "engine/DecodingGraph.h"
#include "engine/RecognitionResult.h"

#include <functional>
#include <memory>
#include <vector>

namespace kurs::engine {

// One recognition: the utterance is brought to the model's rate, scored by the
// acoustic model, decoded in its network, and every phone of the best path is
// scored for pronunciation. Partial results come every partial period of audio
// while the utterance is decoded, the final result at the end.
class Recogniser {
public:
    // Answers false to stop the recognition.
    using Delivery = std::function<bool(const RecognitionResult& result)>;

    Recogniser(std::shared_ptr<AcousticModel> model, std::shared_ptr<const DecodingGraph> graph);

    // False when a delivery stopped it. Throws EngineFailure when the acoustic
    // decoder fails.
    bool recognise(const std::vector<std::int16_t>& samples, std::uint32_t rateHz, int partialPeriodMs,
                   const Delivery& partial, const Delivery& final);

private:
    std::shared_ptr<AcousticModel> model_;
    std::shared_ptr<const DecodingGraph> graph_;
};

} // namespace kurs::engine
