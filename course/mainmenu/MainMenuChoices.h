#pragma once

#include "course/TElement.h"

#include <QString>

#include <vector>

// What the main menu decides from the course and the learner's results.
namespace MainMenuChoices {

// The start button: "Rozpocznij naukę" (tag 0) while the results file is
// fresh (at most 94 bytes) or missing, "Kontynuuj naukę" (tag 1) after.
enum StartTag : int { StartTagStart = 0, StartTagContinue = 1 };
// `fileSize` is -1 when the file cannot be opened.
StartTag StartTagOf(qint64 fileSize);
QString StartCaption(StartTag tag);

// Where "Rozpocznij naukę" goes: the first package element of the course
// (not of a grammar folder, kind 6). Null when the course has none.
TElement* StartElement(const std::vector<TElement*>& flatList);
// Where "Kontynuuj naukę" goes: the first element whose file name and type
// are those stored in the last-visit entry ("<file name>=<type>"). Null when
// the course no longer has it.
TElement* ContinueElement(const std::vector<TElement*>& flatList, const QString& lastVisit);
// Whether some lesson (kind 99 or 98) has a stored result.
bool AnyLessonHasResult(const std::vector<TElement*>& flatList);

} // namespace MainMenuChoices
