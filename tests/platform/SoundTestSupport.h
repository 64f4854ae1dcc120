#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace kurs::test {

inline std::vector<std::int16_t> tone(double frequencyHz, double seconds, std::uint32_t rateHz,
                                      double amplitude = 12000.0)
{
    std::vector<std::int16_t> samples(static_cast<std::size_t>(seconds * rateHz));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(amplitude * std::sin(2.0 * M_PI * frequencyHz * i / rateHz));
    return samples;
}

// Frequency of a steady tone from its upward zero crossings.
inline double measuredFrequencyHz(const std::int16_t* samples, std::size_t count, std::uint32_t rateHz)
{
    std::size_t crossings = 0;
    for (std::size_t i = 1; i < count; ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0)
            ++crossings;
    }
    return count == 0 ? 0.0 : static_cast<double>(crossings) * rateHz / static_cast<double>(count);
}

// A folder of its own for one test, removed with the object.
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kurs-sound-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path_); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace kurs::test
