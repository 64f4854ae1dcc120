#include "ContentsList.h"

#include "course/CourseModel.h"
#include "course/FieldOf.h"

ContentsList::ContentsList(const CourseModel& model)
    : model_(model)
{
}

void ContentsList::AppendVisible(QStringList& rows, const TElement* parent) const
{
    for (int slot = 1; slot <= parent->ChildCount; ++slot) {
        const TElement* child = parent->Children[slot];
        rows.append(child->Name);
        if (child->HasChildren() && child->Expanded)
            AppendVisible(rows, child);
    }
}

void ContentsList::Fill()
{
    items_.clear();
    AppendVisible(items_, model_.Tree().Root());
}

TElement* ContentsList::ElementAt(int row) const
{
    if (row < 0 || row >= Count())
        return nullptr;
    return model_.ElementOfKey(items_[row]);
}

void ContentsList::Toggle(int row)
{
    TElement* element = ElementAt(row);
    if (element == nullptr)
        return;
    if (element->Expanded) {
        // The visible descendants are the rows below that are deeper than this one.
        const int depth = FieldOf(2, items_[row], u'=').toInt();
        int end = row + 1;
        while (end < Count() && FieldOf(2, items_[end], u'=').toInt() > depth)
            ++end;
        items_.remove(row + 1, end - row - 1);
        element->Expanded = false;
    } else {
        QStringList rows;
        AppendVisible(rows, element);
        for (qsizetype i = 0; i < rows.size(); ++i)
            items_.insert(row + 1 + i, rows[i]);
        element->Expanded = true;
    }
}

void ContentsList::SetAllExpanded(bool expanded)
{
    for (TElement* element : model_.FlatList())
        element->Expanded = expanded;
    Fill();
}

int ContentsList::ChildCountOf(const TElement& element)
{
    return element.ChildCount;
}

ContentsList::Hit ContentsList::HitTest(const TElement& element, int x)
{
    switch (element.NodeType) {
    case TElement::NodeLesson:
        return {x > 9 && x <= 600 ? Action::Toggle : Action::None};
    case TElement::NodeExercise:
        return {x > 54 && x <= 365 ? Action::Open : Action::None};
    case TElement::NodePackageElement:
    case TElement::NodeNestedPackageElement:
        return {x > 82 && x <= 365 ? Action::Open : Action::None};
    default:
        break;
    }
    if (x > 54 && x <= 365)
        return {Action::PackageClick};
    if (x > 779 && x <= 789)
        return {Action::Toggle};
    const int start = StripStart(element);
    for (int i = 1; i <= element.ChildCount; ++i) {
        const int left = start + 29 * (i - 1);
        if (x >= left && x <= left + 24)
            return {Action::OpenChild, i};
    }
    return {};
}

ContentsList::Hit ContentsList::ResolvePackageClick(const TElement& element)
{
    if (element.Kind == 6)
        return {Action::Toggle};
    if (element.ChildCount > 0)
        return {Action::OpenChild, 1};
    return {};
}

QString FitRowName(const QString& name, int depth, const std::function<int(const QString&)>& width)
{
    const int x = depth * 30 + 50;
    if (x + width(name) <= 400)
        return name;
    const int room = 350 - depth * 30;
    QString kept;
    int used = 0;
    for (QChar c : name) {
        const int w = width(QString(c));
        if (used + w > room)
            break;
        kept.append(c);
        used += w;
    }
    const QString ellipsis = QStringLiteral("...");
    if (kept.size() >= 2 && width(ellipsis) >= width(kept.right(2)))
        kept.chop(1);
    return kept + ellipsis;
}
