#include "TEDCheckBox.h"

#include "DrawTextAA.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

TEDCheckBox::TEDCheckBox(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TEDCheckBox"));
    resize(width(), 25);
    adjustWidth();
}

void TEDCheckBox::setGfxChecked(const QImage& image) { m_gfxChecked = image; resize(width(), image.height()); adjustWidth(); update(); }
void TEDCheckBox::setGfxUnChecked(const QImage& image) { m_gfxUnChecked = image; resize(width(), image.height()); adjustWidth(); update(); }
void TEDCheckBox::setGfxHotChecked(const QImage& image) { m_gfxHotChecked = image; resize(width(), image.height()); update(); }
void TEDCheckBox::setGfxHotUnChecked(const QImage& image) { m_gfxHotUnChecked = image; resize(width(), image.height()); update(); }
void TEDCheckBox::setCaption(const QString& caption) { m_caption = caption; adjustWidth(); update(); }
void TEDCheckBox::setSpacing(int spacing) { m_spacing = spacing; adjustWidth(); update(); }
void TEDCheckBox::setChecked(bool on) { m_checked = on; adjustWidth(); update(); }
void TEDCheckBox::setRadioStyle(bool on) { m_radioStyle = on; update(); }
void TEDCheckBox::setRadioGroup(int group) { m_radioGroup = group; }
void TEDCheckBox::setKorekta(int v) { m_korekta = v; adjustWidth(); update(); }
void TEDCheckBox::setKorektaY(int v) { m_korektaY = v; update(); }
void TEDCheckBox::setFontColor(const QColor& color) { m_fontColor = color; update(); }

void TEDCheckBox::adjustWidth()
{
    const QImage& picture = m_checked ? m_gfxChecked : m_gfxUnChecked;
    resize(QFontMetrics(font()).horizontalAdvance(m_caption) + picture.width() + m_spacing + m_korekta, height());
}

const QImage& TEDCheckBox::currentPicture() const
{
    if (m_hot)
        return m_checked ? m_gfxHotChecked : m_gfxHotUnChecked;
    return m_checked ? m_gfxChecked : m_gfxUnChecked;
}

void TEDCheckBox::Click()
{
    if (m_radioStyle) {
        if (!m_checked) {
            if (QWidget* p = parentWidget()) {
                const QList<TEDCheckBox*> boxes = p->findChildren<TEDCheckBox*>(Qt::FindDirectChildrenOnly);
                for (TEDCheckBox* other : boxes) {
                    if (other != this && other->m_radioStyle && other->m_radioGroup == m_radioGroup && other->m_checked)
                        other->setChecked(false);
                }
            }
            setChecked(true);
        }
    } else {
        setChecked(!m_checked);
    }
    update();
    emit clicked();
}

void TEDCheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QImage& picture = currentPicture();
    int pictureWidth = picture.width();
    if (!picture.isNull()) {
        painter.drawImage(0, 0, picture);
    } else {
        // Without pictures a plain box shows the state.
        const int side = std::min(height(), 16);
        pictureWidth = side;
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawRect(0, (height() - side) / 2, side - 1, side - 1);
        if (m_checked)
            painter.fillRect(3, (height() - side) / 2 + 3, side - 6, side - 6, QColor(0x40, 0x40, 0x40));
    }
    painter.setFont(font());
    painter.setPen(m_fontColor);
    const QFontMetrics metrics(font());
    DrawTextAA(painter, pictureWidth + m_spacing, height() / 2 + m_korektaY - metrics.height() / 2, m_caption);
}

void TEDCheckBox::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    m_hot = true;
    update();
}

void TEDCheckBox::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_hot = false;
    update();
}

void TEDCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Click();
}

void TEDCheckBox::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        adjustWidth();
        update();
    }
}
