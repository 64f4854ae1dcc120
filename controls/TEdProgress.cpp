#include "TEdProgress.h"

#include "ResourceLibrary.h"
#include "SkinCanvas.h"
#include "SkinFonts.h"

#include <QPainter>

TEdProgress::TEdProgress(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TEdProgress"));
    setFixedSize(Width, Height);
}

void TEdProgress::setWynik(int score)
{
    if (score < 0 || score > 100)
        return;
    m_wynik = score;
    update();
}

void TEdProgress::setTekst(const QString& text)
{
    m_tekst = text;
    update();
}

QString TEdProgress::BarPictureName(int score)
{
    if (score <= 0)
        return QStringLiteral("WYKRES_00");
    if (score < 10)
        return QStringLiteral("WYKRES_05");
    if (score < 100)
        return QStringLiteral("WYKRES_%1").arg(5 * (score / 5), 2, 10, QLatin1Char('0'));
    return QStringLiteral("WYKRES_100");
}

void TEdProgress::Paint(SkinCanvas& canvas) const
{
    // Widgets paint into a back buffer, so drawing the pieces in order over
    // the background never flickers.
    canvas.drawPicture(QStringLiteral("WYKRES_BG"), QPoint(0, 0));
    canvas.drawText(QPoint(17, 23), m_tekst, SkinFont(QStringLiteral("Trebuchet MS"), 12), QColor(0x06, 0x36, 0x63));
    canvas.drawPicture(BarPictureName(m_wynik), QPoint(113, 2));
    canvas.drawText(QPoint(185, 17), QStringLiteral("%1%").arg(m_wynik), SkinFont(QStringLiteral("Trebuchet MS"), 18, true),
                    QColor(0x00, 0x9A, 0x2B));
}

void TEdProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (const ResourceLibrary* library = resourceLibrary()) {
        SkinCanvas canvas(painter, *library);
        Paint(canvas);
        return;
    }
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
