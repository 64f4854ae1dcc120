#include "LanguageChoice.h"

QString CourseLanguageName(int language)
{
    static const char16_t* const names[] = {u"Angielski", u"Niemiecki", u"Włoski", u"Hiszpański", u"Francuski"};
    if (language < 1 || language > kCourseLanguageCount)
        return {};
    return QString::fromUtf16(names[language - 1]);
}

LanguageChoiceLayout LayOutLanguageChoice(const QString& installedLanguages)
{
    LanguageChoiceLayout layout;
    std::vector<int> installed;
    for (int k = 1; k <= kCourseLanguageCount; ++k) {
        if (k <= installedLanguages.size() && installedLanguages.at(k - 1) == u'1') {
            installed.push_back(k);
            layout.EditionLanguage = k;
        }
    }
    if (installed.size() == 1) {
        layout.OnlyLanguage = installed.front();
        return layout;
    }
    int shown = 0;
    for (int language : installed) {
        layout.Buttons.push_back({language, CourseLanguageName(language), LanguageChoiceLayout::ButtonX,
                                  LanguageChoiceLayout::FirstButtonY + LanguageChoiceLayout::ButtonStep * shown});
        ++shown;
    }
    return layout;
}
