#pragma once

#include <QString>

#include <array>

// One node of the course tree: the root, a lesson, an exercise, a package or
// an element of a package. Owned by its TDrzewo.
struct TElement {
    static constexpr int MaxChildren = 100;

    // NodeType values.
    enum : int {
        NodeRoot = -1,
        NodeLesson = 0,
        NodeExercise = 1,
        NodePackage = 2,
        NodePackageElement = 3,
        NodeNestedPackage = 4,       // nested package or vocabulary package
        NodeNestedPackageElement = 5 // element of a nested or vocabulary package
    };

    int Id = 0;
    TElement* Parent = nullptr;
    int TypCw = 0;
    int Kind = 0;
    QString Name;
    QString Date;
    int Score = -1;
    QString Time;
    bool HasResult = false;
    int Level = 0;
    QString FileName;
    bool ElementPaczki = false;
    int NodeType = NodeExercise;
    bool Expanded = false;
    int ChildCount = 0;
    int Position = 0;
    int Order = 0;
    // Slots 1..100 are used; slot 0 stays empty so indices read as in the content model.
    std::array<TElement*, MaxChildren + 1> Children{};

    TElement* Child(int slot) const { return slot >= 1 && slot <= ChildCount ? Children[slot] : nullptr; }
    bool HasChildren() const { return ChildCount > 0; }
    // Depth below the root: 0 for lessons (and elements placed directly under the root).
    int Depth() const;
};
