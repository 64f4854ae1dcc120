#include "LearnerSettings.h"

namespace {

std::function<LearnerSettings()>& Source()
{
    static std::function<LearnerSettings()> source;
    return source;
}

} // namespace

LearnerSettings CurrentLearnerSettings()
{
    return Source() ? Source()() : LearnerSettings{};
}

void SetLearnerSettingsSource(std::function<LearnerSettings()> source)
{
    Source() = std::move(source);
}
