#include "BarButton.h"

#include "app/Skin.h"

#include "controls/ResourceLibrary.h"
#include "controls/SkinFonts.h"
#include "controls/TEdResButton.h"

TEdResButton* AddBarButton(QWidget* window, const QString& name, const QString& caption, int x, int width,
                           const QString& glyph, int y, int height)
{
    auto* button = new TEdResButton(window);
    button->setObjectName(name);
    button->setRozmiar(rozBelka);
    button->setGeometry(x, y, width, height);
    button->setCaption(caption);
    button->setShowCaption(!caption.isEmpty());
    button->setFont(SkinFont(QStringLiteral("Trebuchet MS"), 12));
    button->setFontColor(Qt::white);
    const ResourceLibrary& library = Resources();
    auto picture = [&library](const QString& n) {
        return library.isLoaded() && library.hasPicture(n) ? library.picture(n) : QImage();
    };
    button->setGlyph(picture(glyph));
    if (caption.isEmpty()) {
        button->setGlyphHot(picture(glyph + QStringLiteral("Hot")));
        button->setGlyphDown(picture(glyph + QStringLiteral("Down")));
    }
    return button;
}
