#include "engine/AudioSource.h"

#include "engine/EngineFailure.h"
#include "engine/Hapi.h"
#include "platform/WaveFile.h"

#include <cmath>

namespace kurs::engine {
namespace {

// Mono 16-bit samples of 8- or 16-bit PCM with any number of channels.
std::vector<std::int16_t> monoSamples(const sound::WaveData& wave)
{
    const std::size_t channels = std::max<std::uint16_t>(1, wave.format.channels);
    const std::size_t bytesPerSample = wave.format.bitsPerSample / 8;
    const std::size_t frames = wave.pcm.size() / (channels * bytesPerSample);
    std::vector<std::int16_t> samples(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        long sum = 0;
        for (std::size_t c = 0; c < channels; ++c) {
            const std::uint8_t* at = &wave.pcm[(i * channels + c) * bytesPerSample];
            sum += bytesPerSample == 1 ? (static_cast<int>(at[0]) - 128) * 256
                                       : static_cast<std::int16_t>(at[0] | (at[1] << 8));
        }
        samples[i] = static_cast<std::int16_t>(sum / static_cast<long>(channels));
    }
    return samples;
}

sound::WaveData readWave(const std::string& path)
{
    sound::WaveData wave;
    const sound::WaveFileError error = sound::readWaveFile(path, wave);
    if (error == sound::WaveFileError::CannotOpen)
        throw EngineFailure(HAPI_ERR_FILE, "cannot read the sound file " + path);
    if (error != sound::WaveFileError::None || (wave.format.bitsPerSample != 8 && wave.format.bitsPerSample != 16)
        || wave.format.samplesPerSec < 4000 || wave.format.samplesPerSec > 192000)
        throw EngineFailure(HAPI_ERR_FORMAT, "the sound file " + path + " is not 8- or 16-bit PCM sound");
    return wave;
}

} // namespace

AudioSource::AudioSource(Kind kind, const EngineConfig& config)
    : kind_(kind)
    , rateHz_(config.sampleRateHz)
{
    if (kind_ == Kind::Live)
        live_ = std::make_unique<LiveInput>(config.inputDevice, config.sampleRateHz);
}

void AudioSource::initialise()
{
    if (kind_ == Kind::Live && LiveInput::inputCount() == 0)
        throw EngineFailure(HAPI_ERR_DEVICE, "there is no sound input");
}

void AudioSource::useFile(const std::string& path)
{
    if (kind_ != Kind::File)
        throw EngineFailure(HAPI_ERR_STATE, "a live source reads no file");
    const sound::WaveData wave = readWave(path);
    fileName_ = path;
    rateHz_ = wave.format.samplesPerSec;
}

void AudioSource::start()
{
    if (kind_ == Kind::Live) {
        live_->start();
        started_ = true;
        return;
    }
    if (fileName_.empty())
        throw EngineFailure(HAPI_ERR_STATE, "the file source has no file to read");
    const sound::WaveData wave = readWave(fileName_);
    fileSamples_ = monoSamples(wave);
    rateHz_ = wave.format.samplesPerSec;
    started_ = true;
}

void AudioSource::stop()
{
    if (kind_ == Kind::Live)
        live_->stop();
    started_ = false;
}

double AudioSource::samplePeriodMs() const
{
    double period = 1000.0 / rateHz_;
    while (static_cast<std::uint32_t>(1000.0 / period) < rateHz_)
        period = std::nextafter(period, 0.0);
    return period;
}

} // namespace kurs::engine
