#include "TDrzewo.h"

int TElement::Depth() const
{
    int depth = -1;
    for (const TElement* e = Parent; e != nullptr; e = e->Parent)
        ++depth;
    return depth;
}

TDrzewo::TDrzewo()
    : root_(new TElement)
{
    root_->Name = QStringLiteral("Root");
    root_->NodeType = TElement::NodeRoot;
    root_->Expanded = true;
}

TDrzewo::~TDrzewo()
{
    FreeBelow(root_);
    delete root_;
}

void TDrzewo::FreeBelow(TElement* element)
{
    for (int slot = 1; slot <= element->ChildCount; ++slot) {
        FreeBelow(element->Children[slot]);
        delete element->Children[slot];
        element->Children[slot] = nullptr;
    }
    element->ChildCount = 0;
}

TElement* TDrzewo::Append(TElement* parent)
{
    if (parent == nullptr)
        parent = root_;
    return Insert(parent, parent->ChildCount + 1);
}

TElement* TDrzewo::Insert(TElement* parent, int slot)
{
    if (parent == nullptr)
        parent = root_;
    if (parent->ChildCount >= TElement::MaxChildren)
        throw TreeFullError("more than 100 children under one element");
    if (slot < 1 || slot > parent->ChildCount + 1)
        throw std::out_of_range("slot outside the children of the element");
    auto element = std::make_unique<TElement>();
    for (int i = parent->ChildCount; i >= slot; --i) {
        parent->Children[i + 1] = parent->Children[i];
        parent->Children[i + 1]->Order = i + 1;
    }
    element->Parent = parent;
    element->Order = slot;
    parent->Children[slot] = element.get();
    ++parent->ChildCount;
    element->Position = parent->ChildCount;
    return element.release();
}

TElement* TDrzewo::FindChild(const TElement* parent, int id)
{
    for (int slot = 1; slot <= parent->ChildCount; ++slot)
        if (parent->Children[slot]->Id == id)
            return parent->Children[slot];
    return nullptr;
}
