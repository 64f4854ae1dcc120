#pragma once

#include "TElement.h"

#include <QString>

#include <memory>
#include <stdexcept>

// Raised when an element would get more children than the model holds.
class TreeFullError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The course tree. It owns the root ("Root", NodeType -1, expanded) and every
// element added below it; everything is freed, depth first, with the tree.
class TDrzewo {
public:
    TDrzewo();
    ~TDrzewo();
    TDrzewo(const TDrzewo&) = delete;
    TDrzewo& operator=(const TDrzewo&) = delete;

    TElement* Root() const { return root_; }

    // Appends a new element to `parent` (the root when null) and returns it.
    // Throws TreeFullError when the parent already has 100 children.
    TElement* Append(TElement* parent);
    // Inserts a new element at `slot` (1..ChildCount+1) of `parent`, moving the
    // children from that slot on one slot down. Throws TreeFullError when full
    // and std::out_of_range for a slot outside 1..ChildCount+1.
    TElement* Insert(TElement* parent, int slot);
    // First child of `parent` (the root when null) whose Id equals `id`.
    static TElement* FindChild(const TElement* parent, int id);
    TElement* FindChild(int id) const { return FindChild(root_, id); }

private:
    static void FreeBelow(TElement* element);
    TElement* root_;
};
