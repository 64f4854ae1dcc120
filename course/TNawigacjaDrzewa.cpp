#include "TNawigacjaDrzewa.h"

#include "CourseModel.h"
#include "FieldOf.h"

TNawigacjaDrzewa::TNawigacjaDrzewa(const CourseModel& course, Diagnostic diagnostic)
    : course_(course)
    , diagnostic_(std::move(diagnostic))
{
}

int TNawigacjaDrzewa::IndexOf(const TElement* element) const
{
    if (element == nullptr)
        return -1;
    bool ok = false;
    const int index = FieldOf(1, element->Name, u'=').toInt(&ok);
    const auto& flat = course_.FlatList();
    return ok && index >= 0 && index < static_cast<int>(flat.size()) && flat[index] == element ? index : -1;
}

bool TNawigacjaDrzewa::BelongsToLesson(const TElement& element) const
{
    if (Lesson == nullptr)
        return false;
    const bool hasChildren = element.HasChildren();
    return (hasChildren || IsStandaloneKind(element.Kind) || element.Id == Lesson->Id)
           && (!hasChildren || element.Child(1)->Id == Lesson->Id);
}

void TNawigacjaDrzewa::SetCurrentElement(TElement* element)
{
    Current = element;
    Lesson = Package = PrevLesson = NextLesson = Prev = Next = nullptr;
    ElementIndex = ElementCount = 0;
    if (element == nullptr)
        return;
    const TElement* root = course_.Tree().Root();
    Lesson = TDrzewo::FindChild(root, element->Id);
    // An element directly under the root or its lesson has no package.
    if (element->Parent != Lesson && element->Parent != root)
        Package = element->Parent;
    ElementIndex = element->Position;

    if (Package != nullptr) {
        for (int slot = 1; slot <= Package->ChildCount; ++slot) {
            if (Package->Children[slot]->ElementPaczki)
                ++ElementCount;
            else if (diagnostic_)
                diagnostic_(QStringLiteral("Child #%1 is not ElementPaczki.").arg(slot));
        }
    }

    if (Lesson != nullptr) {
        for (int slot = Lesson->Position - 1; slot >= 1 && PrevLesson == nullptr; --slot)
            if (root->Children[slot]->HasChildren())
                PrevLesson = root->Children[slot];
        for (int slot = Lesson->Position + 1; slot <= root->ChildCount && NextLesson == nullptr; ++slot)
            if (root->Children[slot]->HasChildren())
                NextLesson = root->Children[slot];
    }

    // An element of an ordinary kind placed directly in a lesson is navigated by itself.
    const TElement* reference = IsStandaloneKind(element->Kind) || Package == nullptr ? element : Package;
    const auto& flat = course_.FlatList();
    const int at = IndexOf(reference);
    if (at < 0)
        return;
    for (int i = at + 1; i < static_cast<int>(flat.size()); ++i) {
        TElement* entry = flat[i];
        if (entry->ElementPaczki || entry->Kind == 6)
            continue;
        if (BelongsToLesson(*entry))
            Next = entry;
        break;
    }
    for (int i = at - 1; i >= 0; --i) {
        TElement* entry = flat[i];
        const bool candidate = (!entry->ElementPaczki && entry->NodeType != TElement::NodeLesson)
                               || IsStandaloneKind(entry->Kind);
        if (!candidate || entry->Kind == 6)
            continue;
        if (BelongsToLesson(*entry))
            Prev = entry;
        break;
    }
}

void TNawigacjaDrzewa::SetElementIndex(int n)
{
    if (n < 1) {
        if (diagnostic_)
            diagnostic_(QStringLiteral("SetElementIndex < 1"));
        return;
    }
    if (Package == nullptr || Package->ChildCount < n) {
        if (diagnostic_)
            diagnostic_(QStringLiteral("Błąd w ustawianiu FElementIndex"));
        return;
    }
    ElementIndex = n;
    Current = Package->Children[n];
}

TElement* TNawigacjaDrzewa::OpeningOf(TElement* target)
{
    if (target != nullptr && target->HasChildren())
        return target->Child(1);
    return target;
}

TElement* TNawigacjaDrzewa::NextLessonTarget() const
{
    // The scan starts at the next lesson, which the button's hover text names;
    // started at Current it would stop at the next page of Current's own package.
    const auto& flat = course_.FlatList();
    const int from = IndexOf(NextLesson != nullptr ? NextLesson : Current);
    for (int i = from + 1; i > 0 && i < static_cast<int>(flat.size()); ++i) {
        TElement* entry = flat[i];
        if (entry->Kind != 6 && (entry->ElementPaczki || IsStandaloneKind(entry->Kind)))
            return entry;
    }
    return nullptr;
}

std::vector<TElement*> TNawigacjaDrzewa::LessonContents() const
{
    std::vector<TElement*> entries;
    const auto& flat = course_.FlatList();
    const int at = IndexOf(Lesson);
    if (at < 0)
        return entries;
    for (int i = at + 1; i < static_cast<int>(flat.size()); ++i) {
        TElement* entry = flat[i];
        if (entry->ElementPaczki || entry->Kind == 6)
            continue;
        const bool foreign = entry->HasChildren() ? entry->Child(1)->Id != Lesson->Id : entry->Id != Lesson->Id;
        if (foreign)
            break;
        entries.push_back(entry);
    }
    return entries;
}

QString KindName(int kind)
{
    switch (kind) {
    case 1: return QStringLiteral("rozumienie");
    case 2: return QStringLiteral("dialog");
    case 3: return QStringLiteral("zdania");
    case 4: return QStringLiteral("prezentacja");
    case 5:
    case 6: return QStringLiteral("gramatyka");
    case 7: return QStringLiteral("słówka");
    case 8: return QStringLiteral("film");
    case 9: return QStringLiteral("pisanie");
    case 10: return QStringLiteral("ciekawostka");
    case 11: return QStringLiteral("słówka dodatkowe");
    case 12: return QStringLiteral("słówka zwroty");
    case 13: return QStringLiteral("literki");
    case 14:
    case 15: return QStringLiteral("test");
    case 16: return QStringLiteral("czytanie");
    default: return {};
    }
}

QString GetHelpPage(const TNawigacjaDrzewa& navigation)
{
    if (navigation.Current == nullptr)
        return {};
    const int kind = navigation.Package != nullptr ? navigation.Package->Kind : navigation.Current->Kind;
    QString page;
    switch (kind) {
    case 1:
    case 8:
    case 16: page = QStringLiteral("rozum.html"); break;
    case 2: page = QStringLiteral("dialogi.html"); break;
    case 3: break;
    case 4: page = QStringLiteral("prez.html"); break;
    case 5: page = QStringLiteral("gram.html"); break;
    case 7:
    case 11:
    case 12: page = QStringLiteral("slowka.html"); break;
    case 9: page = QStringLiteral("pis.html"); break;
    case 10: page = QStringLiteral("ciek.html"); break;
    case 13: page = QStringLiteral("literki.html"); break;
    case 14:
    case 15: page = QStringLiteral("test.html"); break;
    default: page = QStringLiteral("blad.html"); break;
    }
    return QStringLiteral("\\Pomoc\\") + page + QStringLiteral("#%1").arg(navigation.Current->TypCw);
}
