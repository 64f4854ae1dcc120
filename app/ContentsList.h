#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class CourseModel;
struct TElement;

// The rows of the contents window and what a click on them does. The list
// holds the display keys of the visible rows ("<index>=<depth>=<name>") and
// never pointers; elements are fetched back from the flat list by field 1.
class ContentsList {
public:
    static constexpr int RowHeight = 24;
    static constexpr int VisibleRows = 23;

    enum class Action { None, Toggle, Open, PackageClick, OpenChild };
    struct Hit {
        Action What = Action::None;
        int Child = 0; // 1-based child slot for OpenChild
    };

    explicit ContentsList(const CourseModel& model);

    // Every child of the root and, under each expanded element with children,
    // its children, recursively.
    void Fill();
    const QStringList& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TElement* ElementAt(int row) const;

    // Inserts the visible descendants directly below the row, or removes them,
    // and flips the element's expanded flag.
    void Toggle(int row);
    // Sets (or clears) the expanded flag of every element below the root and refills.
    void SetAllExpanded(bool expanded);

    bool ScrollBarVisible() const { return Count() > VisibleRows; }
    int ScrollMax() const { return ScrollBarVisible() ? Count() - VisibleRows : 0; }

    // What a click at x (inside the row) on this element does.
    static Hit HitTest(const TElement& element, int x);
    // Left edge of the child-type icon strip of an element with children.
    static int StripStart(const TElement& element) { return 780 - 29 * ChildCountOf(element); }

    // Resolves a package click: Kind 6 packages toggle, others open their first child.
    static Hit ResolvePackageClick(const TElement& element);

private:
    static int ChildCountOf(const TElement& element);
    void AppendVisible(QStringList& rows, const TElement* parent) const;

    const CourseModel& model_;
    QStringList items_;
};

// The name of a non-lesson row as drawn: whole when x + its width stays within
// 400, otherwise cut to fit 350 - depth * 30 pixels and ended with "...".
// `width` measures a text in the row font.
QString FitRowName(const QString& name, int depth, const std::function<int(const QString&)>& width);
