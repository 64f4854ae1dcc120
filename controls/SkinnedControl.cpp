#include "SkinnedControl.h"

SkinnedControl::~SkinnedControl() = default;

void SkinnedControl::setResourceLibrary(const ResourceLibrary* library)
{
    m_library = library;
    resourceLibraryChanged();
}
