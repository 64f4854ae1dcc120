#include "TEdOdpList.h"

#include "DrawTextAA.h"

#include <QMouseEvent>
#include <QPainter>

TEdOdpList::TEdOdpList(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TEdOdpList"));
    setMouseTracking(true);
}

QString TEdOdpList::Odp(int i) const
{
    return i >= 1 && i <= FixedCount ? m_odp[i - 1] : QString();
}

void TEdOdpList::setOdp(int i, const QString& text)
{
    if (i < 1 || i > FixedCount)
        return;
    m_odp[i - 1] = text;
    update();
}

void TEdOdpList::setCzyZmiennaLiczbaOdpowiedzi(bool on) { m_variable = on; update(); }
void TEdOdpList::setIleOdpowiedzi(int n) { m_ileOdpowiedzi = n; update(); }
void TEdOdpList::setOdpowiedzi(const QStringList& items) { m_items = items; update(); }
void TEdOdpList::setSelectedItem(int i) { m_selectedItem = i; update(); }
void TEdOdpList::setCorrect(int i) { m_correct = i; update(); }
void TEdOdpList::setHighLightCorrect(bool on) { m_highLightCorrect = on; update(); }
void TEdOdpList::setMargines(int v) { m_margines = v; update(); }
void TEdOdpList::setInterlinia(int v) { m_interlinia = v; update(); }
void TEdOdpList::setMarginesImage(int v) { m_marginesImage = v; update(); }

QStringList TEdOdpList::texts() const
{
    if (m_variable)
        return m_items.mid(0, std::max(0, m_ileOdpowiedzi));
    QStringList list;
    for (const QString& t : m_odp)
        list << t;
    return list;
}

QList<TEdOdpList::ItemLook> TEdOdpList::layoutItems() const
{
    QList<ItemLook> looks;
    const QStringList answers = texts();
    int bottom = 0;
    const int W = width();
    for (int k = 0; k < answers.size(); ++k) {
        const QString& text = answers.at(k);
        if (text.isEmpty())
            continue;
        const int i = k + 1;
        ItemLook look;
        look.index = i;
        const int top = bottom + m_interlinia + 2;
        const int left = m_icon.width() + m_marginesImage + m_margines;
        const QRect measured = MeasureTextAA(font(), QRect(left, top, W - m_margines - left, 0), Qt::AlignLeft, text);
        bottom = std::max(measured.bottom() + 1, top + m_icon.height());
        look.text = QRect(QPoint(left, top), QPoint(W - m_margines - 1, bottom - 1));
        look.band = QRect(QPoint(m_margines, top - (m_interlinia - 3)),
                          QPoint(W - m_margines - 1, bottom + (m_interlinia - 3) - 1));
        if (i == m_hoverItem || i == m_selectedItem)
            look.fill = Band::Grey;
        else if (i == m_correct && m_highLightCorrect && (i != m_selectedItem || m_correct < 0))
            look.fill = Band::Green;
        if (i == m_selectedItem && m_correct >= 0) {
            look.marker = i == m_correct ? Marker::IconOK : Marker::IconWrong;
            look.markerAt = QPoint(m_marginesImage, i == m_correct ? top - 3 : top - 1);
        } else if (i == m_correct) {
            look.marker = Marker::IconOK;
            look.markerAt = QPoint(m_marginesImage, top - 3);
        } else if (m_selectedItem <= 0) {
            look.marker = Marker::Icon;
            look.markerAt = QPoint(m_marginesImage, top - 3);
        }
        looks << look;
        bottom += m_interlinia - 3;
    }
    return looks;
}

void TEdOdpList::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font());
    const QStringList answers = texts();
    for (const ItemLook& look : layoutItems()) {
        if (look.fill == Band::Grey) {
            painter.setPen(QColor(0xC3, 0xC3, 0xC3));
            painter.setBrush(QColor(0xF8, 0xF8, 0xF8));
            painter.drawRect(look.band.adjusted(0, 0, -1, -1));
        } else if (look.fill == Band::Green) {
            painter.setPen(QColor(0x49, 0x9C, 0x3F));
            painter.setBrush(QColor(0x3F, 0xD2, 0x57));
            painter.drawRect(look.band.adjusted(0, 0, -1, -1));
        }
        switch (look.marker) {
        case Marker::Icon: painter.drawImage(look.markerAt, m_icon); break;
        case Marker::IconOK: painter.drawImage(look.markerAt, m_iconOK); break;
        case Marker::IconWrong: painter.drawImage(look.markerAt, m_iconWrong); break;
        case Marker::None: break;
        }
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        DrawTextAA(painter, look.text.translated(0, 2), Qt::AlignLeft | Qt::AlignVCenter, answers.at(look.index - 1));
    }
}

bool TEdOdpList::hoverAt(QPoint point)
{
    int hover = -1;
    for (const ItemLook& look : layoutItems()) {
        if (look.band.contains(point)) {
            hover = look.index;
            break;
        }
    }
    const bool changed = hover != m_hoverItem;
    m_hoverItem = hover;
    if (hover > 0) {
        if (m_selectedItem <= 0) {
            setCursor(Qt::PointingHandCursor);
            if (changed)
                update();
        } else {
            setCursor(Qt::ArrowCursor);
        }
    } else {
        setCursor(Qt::ArrowCursor);
        update();
    }
    return changed;
}

void TEdOdpList::mouseMoveEvent(QMouseEvent* event)
{
    hoverAt(event->position().toPoint());
}

void TEdOdpList::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_hoverItem = -1;
    update();
    emit mouseLeft();
}
