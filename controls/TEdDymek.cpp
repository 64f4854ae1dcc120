#include "TEdDymek.h"

#include "DrawTextAA.h"
#include "ResourceLibrary.h"
#include "SkinCanvas.h"

#include <QPainter>

TEdDymek::TEdDymek(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TEdDymek"));
    resize(Width, 60);
    hide();
}

void TEdDymek::setTekst(const QString& text)
{
    m_tekst = text;
    update();
}

int TEdDymek::measuredBottom(const QString& text) const
{
    return 5 + MeasureTextAA(font(), QRect(8, 5, Width - 16, 0), Qt::AlignLeft, text).height();
}

void TEdDymek::compose()
{
    const int W = width();
    const int bottom = measuredBottom(m_tekst);
    m_picture = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    m_picture.fill(Qt::transparent);
    QPainter p(&m_picture);
    if (const ResourceLibrary* library = resourceLibrary()) {
        SkinCanvas canvas(p, *library);
        canvas.drawPicture(QStringLiteral("DYMEK_01"), QPoint(0, 0));
        canvas.drawPictureStretched(QStringLiteral("DYMEK_02"), QRect(0, 5, W, bottom - 5));
        canvas.drawPicture(QStringLiteral("DYMEK_03"), QPoint(0, bottom));
    } else {
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawRect(m_picture.rect().adjusted(0, 0, -1, -1));
    }
    p.setFont(font());
    p.setPen(m_fontColor);
    DrawTextAA(p, QRect(QPoint(8, 5), QPoint(W - 9, bottom + 2)), Qt::AlignLeft | Qt::AlignTop, m_tekst);
}

void TEdDymek::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void ShowBubble(TEdDymek* bubble, int x, int y, const QString& text)
{
    if (!bubble)
        return;
    bubble->setTekst(text);
    const int height = bubble->measuredBottom(text) + 18;
    bubble->setGeometry(x - 4, y - height - 4, TEdDymek::Width, height);
    bubble->compose();
    bubble->raise();
    bubble->show();
    bubble->update();
}
