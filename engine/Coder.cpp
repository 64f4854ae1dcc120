#include "engine/Coder.h"

#include "engine/EngineFailure.h"
#include "engine/Hapi.h"
#include "engine/UtteranceDetector.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kurs::engine {
namespace {

void putBigEndian(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = size - 1; i >= 0; --i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

Coder::Coder(std::shared_ptr<AudioSource> source, const EngineConfig& config)
    : source_(std::move(source))
    , config_(config)
{
}

void Coder::prepare()
{
    utterance_.clear();
    utteranceRateHz_ = source_->rateHz();
    prepared_ = true;
}

const std::vector<std::int16_t>& Coder::listen()
{
    if (!prepared_)
        throw EngineFailure(HAPI_ERR_STATE, "the coder was not prepared for an utterance");
    if (!source_->started())
        throw EngineFailure(HAPI_ERR_STATE, "the source was not started");
    utteranceRateHz_ = source_->rateHz();
    if (source_->kind() == AudioSource::Kind::File) {
        utterance_ = source_->fileSamples();
        return utterance_;
    }
    UtteranceDetector detector({source_->rateHz(), config_.endSilenceMs, config_.maxLengthMs}, noiseFloorDb_);
    std::vector<std::int16_t> chunk;
    while (!detector.ended()) {
        chunk.clear();
        if (!source_->live().read(chunk, std::chrono::milliseconds(200)))
            throw EngineFailure(HAPI_ERR_DEVICE, "the sound input stopped delivering sound");
        const std::size_t used = detector.feed(chunk.data(), chunk.size());
        if (used < chunk.size())
            source_->live().unread(chunk.data() + used, chunk.size() - used);
    }
    noiseFloorDb_ = detector.noiseFloorDb();
    utterance_ = detector.takeUtterance();
    return utterance_;
}

void Coder::calibrate(bool speech, float* values)
{
    if (source_->kind() != AudioSource::Kind::Live)
        throw EngineFailure(HAPI_ERR_STATE, "only a live source can be calibrated");
    const bool temporary = !source_->started();
    if (temporary)
        source_->start();
    const std::size_t wanted = static_cast<std::size_t>(config_.calibrationMs) * source_->rateHz() / 1000;
    std::vector<std::int16_t> samples;
    bool delivering = true;
    while (delivering && samples.size() < wanted)
        delivering = source_->live().read(samples, std::chrono::milliseconds(200));
    if (samples.size() > wanted) {
        source_->live().unread(samples.data() + wanted, samples.size() - wanted);
        samples.resize(wanted);
    }
    if (temporary)
        source_->stop();
    if (!delivering)
        throw EngineFailure(HAPI_ERR_DEVICE, "the sound input stopped delivering sound");

    const std::size_t frameSize = std::max<std::size_t>(1, source_->rateHz() / 100);
    std::vector<double> levels;
    for (std::size_t at = 0; at + frameSize <= samples.size(); at += frameSize)
        levels.push_back(levelDb(samples.data() + at, frameSize));
    if (levels.empty())
        throw EngineFailure(HAPI_ERR_DEVICE, "the sound input delivered no sound to measure");
    std::sort(levels.begin(), levels.end());
    const std::size_t tenth = std::max<std::size_t>(1, levels.size() / 10);
    const auto mean = [](auto first, auto last) {
        double sum = 0;
        for (auto it = first; it != last; ++it)
            sum += *it;
        return sum / static_cast<double>(last - first);
    };
    double level = 0;
    if (speech) {
        level = mean(levels.end() - static_cast<std::ptrdiff_t>(tenth), levels.end());
        noiseFloorDb_ = mean(levels.begin(), levels.begin() + static_cast<std::ptrdiff_t>(tenth));
    } else {
        level = mean(levels.begin(), levels.end());
        noiseFloorDb_ = level;
    }
    values[0] = static_cast<float>(levels.size());
    values[1] = static_cast<float>(level);
    values[2] = static_cast<float>(levels.front());
    values[3] = static_cast<float>(levels.back());
}

int Coder::saveSource(const std::string& path) const
{
    if (utterance_.empty())
        return 0;
    std::string bytes;
    bytes.reserve(12 + 2 * utterance_.size());
    putBigEndian(bytes, static_cast<std::uint32_t>(utterance_.size()), 4);
    putBigEndian(bytes, static_cast<std::uint32_t>(std::lround(1e7 / std::max<std::uint32_t>(1, utteranceRateHz_))), 4);
    putBigEndian(bytes, 2, 2);
    putBigEndian(bytes, 0, 2);
    for (const std::int16_t sample : utterance_)
        putBigEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        throw EngineFailure(HAPI_ERR_FILE, "cannot write the utterance to " + path);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::remove(path.c_str());
        throw EngineFailure(HAPI_ERR_FILE, "cannot write the utterance to " + path);
    }
    return static_cast<int>(utterance_.size());
}

} // namespace kurs::engine
