#include "platform/WaveOutput.h"

#include "platform/PlaybackStream.h"
#include "platform/PulseConnection.h"
#include "platform/WaveFile.h"

#include <chrono>
#include <memory>

namespace kurs::sound {
namespace {

// The one background sound of the process. Created after the connection, so
// destroyed before it, and stopped with the connection locked.
struct BackgroundSound {
    PlaybackStream stream;

    ~BackgroundSound()
    {
        ConnectionLock lock;
        stream.stop();
    }
};

PlaybackStream& backgroundSound()
{
    PulseConnection::instance();
    static BackgroundSound sound;
    return sound.stream;
}

bool play(WaveData&& wave, PlayMode mode)
{
    ConnectionLock lock;
    PlaybackStream& background = backgroundSound();
    background.stop();
    auto pcm = std::make_shared<const std::vector<std::uint8_t>>(std::move(wave.pcm));
    if (mode == PlayMode::Background)
        return background.start(wave.format, pcm, 0, pcm->size());
    PlaybackStream stream;
    if (!stream.start(wave.format, pcm, 0, pcm->size()))
        return false;
    lock.connection().waitFor([&stream] { return !stream.isPlaying(); }, std::chrono::hours(24));
    return true;
}

} // namespace

std::uint32_t waveOutputDeviceCount()
{
    ConnectionLock lock;
    return lock.connection().sinkCount();
}

bool playWaveFile(const std::string& path, PlayMode mode)
{
    WaveData wave;
    if (readWaveFile(path, wave) != WaveFileError::None)
        return false;
    return play(std::move(wave), mode);
}

bool playWaveData(const std::uint8_t* bytes, std::size_t sizeBytes, PlayMode mode)
{
    WaveData wave;
    if (bytes == nullptr || parseWave(bytes, sizeBytes, wave) != WaveFileError::None)
        return false;
    return play(std::move(wave), mode);
}

void stopWaveSound()
{
    ConnectionLock lock;
    backgroundSound().stop();
}

bool isWaveSoundPlaying()
{
    ConnectionLock lock;
    return backgroundSound().isPlaying();
}

} // namespace kurs::sound
