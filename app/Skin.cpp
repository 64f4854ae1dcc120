#include "Skin.h"

#include "controls/ApplySkin.h"
#include "controls/ResourceLibrary.h"

ResourceLibrary& Resources()
{
    static ResourceLibrary library;
    return library;
}

QImage SkinPicture(const QString& name)
{
    const ResourceLibrary& library = Resources();
    return library.isLoaded() && library.hasPicture(name) ? library.picture(name) : QImage();
}

void SkinWindow(QWidget* form)
{
    ApplySkin(form, Resources().isLoaded() ? &Resources() : nullptr);
}
