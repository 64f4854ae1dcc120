#pragma once

#include <QString>

#include <functional>
#include <vector>

class CourseModel;
struct TElement;

// The navigation state: which element is current and what lies before and
// after it inside its lesson. Recreated by every course loading.
class TNawigacjaDrzewa {
public:
    // Plain diagnostics that content built by the loader never produces.
    using Diagnostic = std::function<void(const QString&)>;

    TNawigacjaDrzewa(const CourseModel& course, Diagnostic diagnostic = {});

    TElement* PrevLesson = nullptr;
    TElement* Lesson = nullptr;
    TElement* NextLesson = nullptr;
    TElement* Prev = nullptr;
    TElement* Package = nullptr;
    TElement* Next = nullptr;
    TElement* Current = nullptr;
    int ElementIndex = 0;
    int ElementCount = 0;

    // Makes the element current and recomputes every other field.
    void SetCurrentElement(TElement* element);
    // Makes child n of the package current without recomputing the neighbours.
    void SetElementIndex(int n);

    // Curiosity texts, crosswords and tests are navigated by themselves.
    static bool IsStandaloneKind(int kind) { return kind == 10 || kind == 13 || kind == 14 || kind == 15; }
    // Whether an element of the flat list belongs to the current lesson.
    bool BelongsToLesson(const TElement& element) const;
    // What the previous / next buttons open: the target, or its first child
    // when it has children (a package opens at its first page).
    static TElement* OpeningOf(TElement* target);
    // The element the next-lesson button opens: the first entry of the next
    // lesson that is a package element or of a standalone kind (Kind 6 skipped).
    TElement* NextLessonTarget() const;
    // The entries of the lesson contents pop-up.
    std::vector<TElement*> LessonContents() const;

private:
    int IndexOf(const TElement* element) const;

    const CourseModel& course_;
    Diagnostic diagnostic_;
};

// The category word of a Kind used in hover texts ("słówka", "dialog", ...).
QString KindName(int kind);

// The help address of the current element, e.g. "\Pomoc\slowka.html#61".
QString GetHelpPage(const TNawigacjaDrzewa& navigation);
