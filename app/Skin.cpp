#include "Skin.h"

#include "controls/ApplySkin.h"
#include "controls/ResourceLibrary.h"

ResourceLibrary& Resources()
{
    static ResourceLibrary library;
    return library;
}

void SkinWindow(QWidget* form)
{
    ApplySkin(form, Resources().isLoaded() ? &Resources() : nullptr);
}
