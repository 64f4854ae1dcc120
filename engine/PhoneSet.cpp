#include "engine/PhoneSet.h"

#include "engine/EngineFailure.h"
#include "engine/Hapi.h"
#include "engine/TextLines.h"

#include <algorithm>

namespace kurs::engine {

PhoneSet::PhoneSet(std::vector<std::string> names)
    : names_(std::move(names))
{
}

PhoneSet PhoneSet::read(const std::string& path)
{
    std::string bytes;
    if (!readWholeFile(path, bytes))
        throw EngineFailure(HAPI_ERR_FILE, "cannot read the phone list " + path);
    std::vector<std::string> names;
    for (const std::string& line : splitLines(bytes)) {
        const std::string_view name = trimmed(line);
        if (name.empty() || name.front() == '#')
            continue;
        if (std::find(names.begin(), names.end(), name) != names.end())
            throw EngineFailure(HAPI_ERR_FORMAT, "phone list " + path + " names " + std::string(name) + " twice");
        names.emplace_back(name);
    }
    if (names.empty())
        throw EngineFailure(HAPI_ERR_FORMAT, "phone list " + path + " names no phone");
    return PhoneSet(std::move(names));
}

std::optional<int> PhoneSet::find(std::string_view name) const
{
    const auto it = std::find(names_.begin(), names_.end(), name);
    if (it == names_.end())
        return std::nullopt;
    return static_cast<int>(it - names_.begin());
}

} // namespace kurs::engine
