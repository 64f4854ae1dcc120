#include "platform/WaveFile.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kurs::sound {
namespace {

constexpr std::uint16_t kExtensibleFormatTag = 0xFFFE;

std::uint16_t read16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

std::uint32_t read32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8)
        | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void put16(std::uint8_t* p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t* p, std::uint32_t v)
{
    put16(p, v);
    put16(p + 2, v >> 16);
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

WaveFileError parseWave(const std::uint8_t* bytes, std::size_t size, WaveData& wave)
{
    if (size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0)
        return WaveFileError::NotWave;
    bool haveFormat = false;
    std::size_t pos = 12;
    while (pos + 8 <= size) {
        const std::uint8_t* chunk = bytes + pos;
        const std::size_t body = pos + 8;
        const std::size_t available = size - body;
        const std::size_t chunkSize = std::min<std::size_t>(read32(chunk + 4), available);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (chunkSize < 16)
                return WaveFileError::NotWave;
            const std::uint8_t* f = bytes + body;
            WaveFormat format;
            format.formatTag = read16(f);
            format.channels = read16(f + 2);
            format.samplesPerSec = read32(f + 4);
            format.avgBytesPerSec = read32(f + 8);
            format.blockAlign = read16(f + 12);
            format.bitsPerSample = read16(f + 14);
            format.extraSize = 0;
            // The extensible layout carries PCM under a sub-format; its first two
            // bytes repeat the plain format tag.
            if (format.formatTag == kExtensibleFormatTag && chunkSize >= 26)
                format.formatTag = read16(f + 24);
            wave.format = format;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat)
                return WaveFileError::NotWave;
            if (!isSupportedPcmFormat(wave.format))
                return WaveFileError::NotPcm;
            const std::size_t whole = chunkSize - chunkSize % wave.format.blockAlign;
            wave.pcm.assign(bytes + body, bytes + body + whole);
            return WaveFileError::None;
        }
        pos = body + chunkSize + (chunkSize & 1u);
    }
    return WaveFileError::NotWave;
}

WaveFileError readWaveFile(const std::string& path, WaveData& wave)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return WaveFileError::CannotOpen;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return WaveFileError::CannotOpen;
    return parseWave(bytes.data(), bytes.size(), wave);
}

bool writeWaveFile(const std::string& path, const WaveFormat& format, const std::uint8_t* pcm,
                   std::size_t sizeBytes)
{
    if (sizeBytes > std::numeric_limits<std::uint32_t>::max() - 36u)
        return false;
    std::array<std::uint8_t, 44> header{};
    std::memcpy(header.data(), "RIFF", 4);
    put32(header.data() + 4, static_cast<std::uint32_t>(sizeBytes + 36));
    std::memcpy(header.data() + 8, "WAVEfmt ", 8);
    put32(header.data() + 16, 16);
    put16(header.data() + 20, format.formatTag);
    put16(header.data() + 22, format.channels);
    put32(header.data() + 24, format.samplesPerSec);
    put32(header.data() + 28, format.avgBytesPerSec);
    put16(header.data() + 32, format.blockAlign);
    put16(header.data() + 34, format.bitsPerSample);
    std::memcpy(header.data() + 36, "data", 4);
    put32(header.data() + 40, static_cast<std::uint32_t>(sizeBytes));

    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, header.data(), header.size()) && writeAll(fd, pcm, sizeBytes);
    ok = (::fchmod(fd, 0644) == 0) && ok;
    ok = (::close(fd) == 0) && ok;
    if (ok && std::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    std::remove(temporary.c_str());
    return false;
}

} // namespace kurs::sound
