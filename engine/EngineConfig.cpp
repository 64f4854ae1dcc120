#include "engine/EngineConfig.h"

#include "engine/EngineFailure.h"
#include "engine/Hapi.h"
#include "engine/TextLines.h"

#include <charconv>

namespace kurs::engine {
namespace {

[[noreturn]] void reject(const std::string& path, std::size_t line, const std::string& what)
{
    throw EngineFailure(HAPI_ERR_FORMAT,
                        "configuration " + path + " line " + std::to_string(line) + ": " + what);
}

std::uint32_t numberIn(std::string_view value, std::uint32_t lowest, std::uint32_t highest, const std::string& path,
                       std::size_t line, std::string_view name)
{
    std::uint32_t number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || number < lowest || number > highest)
        reject(path, line,
               std::string(name) + " must be a whole number from " + std::to_string(lowest) + " to "
                   + std::to_string(highest));
    return number;
}

double scaleIn(std::string_view value, const std::string& path, std::size_t line)
{
    double number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || !(number >= 0.1 && number <= 100.0))
        reject(path, line, "WEIGHTSCALE must be a number from 0.1 to 100");
    return number;
}

} // namespace

std::string EngineConfig::resolve(const std::string& fileName) const
{
    return resolvedAgainst(folder, fileName);
}

std::string EngineConfig::modelListPath() const
{
    return resolve(modelBase + ".list");
}

std::string EngineConfig::modelArchivePath() const
{
    return resolve(modelBase + ".mmf");
}

EngineConfig readEngineConfig(const std::string& path)
{
    std::string bytes;
    if (!readWholeFile(path, bytes))
        throw EngineFailure(HAPI_ERR_FILE, "cannot read the configuration file " + path);
    EngineConfig config;
    config.folder = folderOf(path);
    const std::vector<std::string> lines = splitLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = trimmed(lines[i]);
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t nameEnd = line.find_first_of(":= \t");
        const std::string name = asciiUpper(line.substr(0, nameEnd));
        std::string_view value = nameEnd == std::string_view::npos ? std::string_view() : line.substr(nameEnd);
        value = trimmed(value);
        if (!value.empty() && (value.front() == '=' || value.front() == ':'))
            value = trimmed(value.substr(1));
        const std::size_t number = i + 1;
        if (name == "SOURCE")
            continue;
        if (value.empty())
            reject(path, number, name + " has no value");
        if (name == "MODEL")
            config.modelBase = value;
        else if (name == "DICTIONARY")
            config.dictionaryFile = value;
        else if (name == "NETWORK")
            config.networkFile = value;
        else if (name == "SAMPLERATE")
            config.sampleRateHz = numberIn(value, 8000, 48000, path, number, name);
        else if (name == "ENDSILENCE")
            config.endSilenceMs = numberIn(value, 100, 5000, path, number, name);
        else if (name == "MAXLENGTH")
            config.maxLengthMs = numberIn(value, 1000, 60000, path, number, name);
        else if (name == "CALIBRATION")
            config.calibrationMs = numberIn(value, 200, 10000, path, number, name);
        else if (name == "INPUTDEVICE")
            config.inputDevice = numberIn(value, 0, 255, path, number, name);
        else if (name == "WEIGHTSCALE")
            config.weightScale = scaleIn(value, path, number);
        else
            reject(path, number, "unknown setting " + name);
    }
    for (const auto& [value, name] : {std::pair{&config.modelBase, "MODEL"}, std::pair{&config.dictionaryFile, "DICTIONARY"},
                                      std::pair{&config.networkFile, "NETWORK"}}) {
        if (value->empty())
            throw EngineFailure(HAPI_ERR_FORMAT, "configuration " + path + ": " + name + " is missing");
    }
    return config;
}

} // namespace kurs::engine
