#pragma once

#include <QString>

#include <vector>

// The course languages: 1 English, 2 German, 3 Italian, 4 Spanish, 5 French.
inline constexpr int kCourseLanguageCount = 5;

// Polish name of a course language ("Angielski" ... "Francuski"); empty outside 1..5.
QString CourseLanguageName(int language);

// How the login screen offers the installed course languages.
struct LanguageChoiceLayout {
    struct Button {
        int Language = 0;
        QString Caption;
        int X = 0;
        int Y = 0;
    };
    static constexpr int ButtonX = 743;
    static constexpr int FirstButtonY = 272;
    static constexpr int ButtonStep = 75;

    // The highest installed language (0 when none is installed).
    int EditionLanguage = 0;
    // The language chosen at once when exactly one is installed, else 0.
    int OnlyLanguage = 0;
    // One button per installed language, in language order; empty when only
    // one language is installed.
    std::vector<Button> Buttons;
};

// Lays the choice out from the installed-languages flags (character k is
// "1" when language k is installed).
LanguageChoiceLayout LayOutLanguageChoice(const QString& installedLanguages);
