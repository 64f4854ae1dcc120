#include "engine/Recogniser.h"

#include "engine/PronunciationScorer.h"
#include "engine/Resampler.h"
#include "engine/ViterbiDecoder.h"

namespace kurs::engine {
namespace {

RecognitionResult resultOf(const DecodedPath& path, const DecodingGraph& graph, const ScoreMatrix& scores,
                           const PronunciationScorer& scorer)
{
    RecognitionResult result;
    result.frames = path.frames;
    result.score = path.score == kImpossible ? 0.0 : natsOfUnits(path.score);
    for (const DecodedWord& decoded : path.words) {
        ResultWord word;
        word.id = static_cast<int>(decoded.entry);
        word.name = graph.word(decoded.node);
        word.output = graph.pronunciation(decoded.entry).output;
        double weighted = 0.0;
        int frames = 0;
        for (const DecodedPhone& phone : decoded.phones) {
            ResultPhone scored;
            scored.phoneId = phone.phoneId;
            scored.startFrame = phone.startFrame;
            scored.endFrame = phone.endFrame;
            const int length = phone.endFrame - phone.startFrame + 1;
            scored.goodness = PronunciationScorer::goodness(
                phone.acoustic, scorer.loopScore(scores, phone.startFrame, phone.endFrame), length);
            scored.logLikelihood = natsOfUnits(phone.acoustic);
            weighted += scored.goodness * length;
            frames += length;
            word.logLikelihood += scored.logLikelihood;
            word.phones.push_back(scored);
        }
        word.goodness = frames > 0 ? weighted / frames : 0.0;
        result.words.push_back(std::move(word));
    }
    return result;
}

} // namespace

Recogniser::Recogniser(std::shared_ptr<AcousticModel> model, std::shared_ptr<const DecodingGraph> graph)
    : model_(std::move(model))
    , graph_(std::move(graph))
{
}

bool Recogniser::recognise(const std::vector<std::int16_t>& samples, std::uint32_t rateHz, int partialPeriodMs,
                           const Delivery& partial, const Delivery& final)
{
    const ScoreMatrix scores = model_->score(resampled(samples, rateHz, AcousticModel::kRateHz));
    const PronunciationScorer scorer(model_->phoneModels());
    ViterbiDecoder decoder(*graph_, model_->phoneModels());
    const int partialFrames = partialPeriodMs > 0 ? std::max(1, partialPeriodMs / 10) : 0;
    const DecodedPath path = decoder.decode(scores, partial ? partialFrames : 0, [&](const DecodedPath& partialPath) {
        return partial(resultOf(partialPath, *graph_, scores, scorer));
    });
    if (decoder.stopped())
        return false;
    return final(resultOf(path, *graph_, scores, scorer));
}

} // namespace kurs::engine
