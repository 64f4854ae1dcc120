#include "BarButton.h"

#include "Skin.h"

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
    button->setGlyph(SkinPicture(glyph));
    if (caption.isEmpty()) {
        button->setGlyphHot(SkinPicture(glyph + QStringLiteral("Hot")));
        button->setGlyphDown(SkinPicture(glyph + QStringLiteral("Down")));
    }
    return button;
}
