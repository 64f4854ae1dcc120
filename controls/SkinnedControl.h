#pragma once

class ResourceLibrary;

// A control that paints itself from the resource library. ApplySkin hands
// it the library; without one it paints a plain outline.
class SkinnedControl {
public:
    virtual ~SkinnedControl();
    virtual void setResourceLibrary(const ResourceLibrary* library);
    const ResourceLibrary* resourceLibrary() const { return m_library; }

protected:
    // Called after the library changed, so the control can repaint or load
    // what it takes from the library.
    virtual void resourceLibraryChanged() {}

private:
    const ResourceLibrary* m_library = nullptr;
};
