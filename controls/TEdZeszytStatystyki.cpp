#include "TEdZeszytStatystyki.h"

#include "DrawTextAA.h"
#include "ResourceLibrary.h"
#include "SkinCanvas.h"
#include "SkinFonts.h"

#include <QPainter>

TEdZeszytStatystyki::TEdZeszytStatystyki(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TEdZeszytStatystyki"));
    resize(155, 200);
}

void TEdZeszytStatystyki::setPoprawnie(unsigned v) { m_poprawnie = v; update(); }
void TEdZeszytStatystyki::setBlednie(unsigned v) { m_blednie = v; update(); }
void TEdZeszytStatystyki::setXFactor(unsigned v) { m_xFactor = v; update(); }
void TEdZeszytStatystyki::setShowPowtorki(bool on) { m_showPowtorki = on; update(); }
void TEdZeszytStatystyki::setPowtorki(int v) { m_powtorki = v; update(); }
void TEdZeszytStatystyki::setOstataniaPowtorka(const QString& text) { m_ostatniaPowtorka = text; update(); }
void TEdZeszytStatystyki::setTextPoprawnie(const QString& text) { m_textPoprawnie = text; update(); }
void TEdZeszytStatystyki::setTextBlednie(const QString& text) { m_textBlednie = text; update(); }
void TEdZeszytStatystyki::setTextOgolnie(const QString& text) { m_textOgolnie = text; update(); }
void TEdZeszytStatystyki::setTextStatystyka(const QString& text) { m_textStatystyka = text; update(); }
void TEdZeszytStatystyki::setTextZdanie(const QString& text) { m_textZdanie = text; update(); }

int TEdZeszytStatystyki::NumberX(unsigned value)
{
    if (value < 10)
        return 34;
    if (value < 100)
        return 25;
    if (value <= 1000)
        return 14;
    return -1;
}

void TEdZeszytStatystyki::Paint(QPainter& painter, SkinCanvas* canvas) const
{
    const QColor ink(0x4E, 0x55, 0x00);
    auto text = [&](int x, int y, const QString& s, const QFont& font) {
        if (canvas) {
            canvas->drawText(QPoint(x, y), s, font, ink);
            return;
        }
        painter.save();
        painter.setFont(font);
        painter.setPen(ink);
        DrawTextAA(painter, x, y, s);
        painter.restore();
    };
    const QString tahoma = QStringLiteral("Tahoma");
    text(18, 5, m_textStatystyka, SkinFont(tahoma, 7, true));
    const QFont small = SkinFont(tahoma, 9, true);
    text(77, 34, m_textPoprawnie, small);
    text(77, 67, m_textBlednie, small);
    text(77, 95, m_textOgolnie, small);
    text(14, 123, m_textZdanie, small);
    if (m_showPowtorki) {
        text(17, 140, QStringLiteral("Liczba powtórek: %1").arg(m_powtorki), small);
        text(14, 163, QStringLiteral(" Ostatnia powtórka:"), small);
        text(17, 176, m_ostatniaPowtorka, small);
    }
    const QFont big = SkinFont(tahoma, 14, false);
    const unsigned numbers[] = {m_poprawnie, m_blednie, m_xFactor};
    const int tops[] = {33, 62, 91};
    for (int k = 0; k < 3; ++k) {
        const int x = NumberX(numbers[k]);
        if (x >= 0)
            text(x, tops[k], QString::number(numbers[k]), big);
    }
    if (canvas) {
        canvas->drawPicture(QStringLiteral("ZESZYT_SEP"), QPoint(0, 20));
        canvas->drawPicture(QStringLiteral("ZESZYT_OK"), QPoint(51, 34));
        canvas->drawPicture(QStringLiteral("ZESZYT_BAD"), QPoint(51, 64));
        canvas->drawPicture(QStringLiteral("ZESZYT_XFA"), QPoint(51, 94));
    }
}

void TEdZeszytStatystyki::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (const ResourceLibrary* library = resourceLibrary()) {
        SkinCanvas canvas(painter, *library);
        Paint(painter, &canvas);
        return;
    }
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    Paint(painter, nullptr);
}
