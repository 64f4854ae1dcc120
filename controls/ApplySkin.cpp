#include "ApplySkin.h"

#include "SkinnedControl.h"
#include "TEdResButton.h"

#include <QWidget>

#include <cstring>

namespace {

bool receivesLibrary(const char* className)
{
    static const char* const skinned[] = {"TEdBelka",     "TEdDialogWindow",     "TEdMsgBoxWindow",
                                          "TEdGroupFrame", "TEdZeszytStatystyki", "TEdProgress",
                                          "TEdDymek",      "TEdKostkaPrezentacja", "TEdKlawiaturka"};
    for (const char* name : skinned) {
        if (std::strcmp(className, name) == 0)
            return true;
    }
    return false;
}

} // namespace

void ApplySkin(QWidget* form, const ResourceLibrary* library)
{
    if (!form)
        return;
    const QList<QWidget*> widgets = form->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const char* className = widget->metaObject()->className();
        if (std::strcmp(className, "TEdResButton") == 0) {
            auto* button = static_cast<TEdResButton*>(widget);
            if (button->Rozmiar() != rozUndefined)
                button->setResourceLibrary(library);
        } else if (receivesLibrary(className)) {
            if (auto* control = dynamic_cast<SkinnedControl*>(widget))
                control->setResourceLibrary(library);
        }
    }
}
