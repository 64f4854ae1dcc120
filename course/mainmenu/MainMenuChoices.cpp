#include "MainMenuChoices.h"

#include "course/FieldOf.h"

namespace MainMenuChoices {

namespace {
constexpr qint64 kFreshResultsFileSize = 94;
}

StartTag StartTagOf(qint64 fileSize)
{
    return fileSize < 0 || fileSize <= kFreshResultsFileSize ? StartTagStart : StartTagContinue;
}

QString StartCaption(StartTag tag)
{
    return tag == StartTagStart ? QStringLiteral("Rozpocznij naukę") : QStringLiteral("Kontynuuj naukę");
}

TElement* StartElement(const std::vector<TElement*>& flatList)
{
    for (TElement* element : flatList) {
        if (element->ElementPaczki && element->Kind != 6)
            return element;
    }
    return nullptr;
}

TElement* ContinueElement(const std::vector<TElement*>& flatList, const QString& lastVisit)
{
    const QString fileName = FieldOf(1, lastVisit, u'=');
    bool ok = false;
    const int type = FieldOf(2, lastVisit, u'=').trimmed().toInt(&ok);
    if (!ok)
        return nullptr;
    for (TElement* element : flatList) {
        if (element->FileName == fileName && element->TypCw == type)
            return element;
    }
    return nullptr;
}

bool AnyLessonHasResult(const std::vector<TElement*>& flatList)
{
    for (const TElement* element : flatList) {
        if ((element->Kind == 99 || element->Kind == 98) && element->HasResult)
            return true;
    }
    return false;
}

} // namespace MainMenuChoices
