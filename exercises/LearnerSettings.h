#pragma once

#include <functional>

// The signed-in learner's two settings that exercise screens follow. The
// module that keeps the learner's profile provides them at start-up.
struct LearnerSettings {
    // "Rozróżniaj wielkość liter": answers compare letter case.
    bool CaseSensitive = true;
    // "Uruchom słownik prawym przyciskiem myszki".
    bool DictionaryOnRightClick = false;
};

// The settings now in force; the defaults above until a source is set.
LearnerSettings CurrentLearnerSettings();
void SetLearnerSettingsSource(std::function<LearnerSettings()> source);
