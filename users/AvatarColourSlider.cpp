#include "AvatarColourSlider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

AvatarColourSlider::AvatarColourSlider(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Slider"));
    setFixedSize(Margin * 2 + Step * (Positions - 1), 22);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void AvatarColourSlider::setValue(int value)
{
    value = std::clamp(value, 0, Positions - 1);
    if (value == value_)
        return;
    value_ = value;
    update();
    emit valueChanged(value_);
}

int AvatarColourSlider::PositionAt(int x)
{
    return std::clamp((x - Margin + Step / 2) / Step, 0, Positions - 1);
}

void AvatarColourSlider::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal mid = height() / 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(Margin - 3, mid - 3, Step * (Positions - 1) + 6, 6), 3, 3);
    p.setBrush(QColor(255, 255, 255, 150));
    for (int i = 0; i < Positions; ++i)
        p.drawEllipse(QPointF(CentreOf(i), mid), 2.5, 2.5);
    const QPointF knob(CentreOf(value_), mid);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(knob + QPointF(0, 1.5), 8.5, 8.5);
    p.setPen(QPen(QColor::fromRgb(0x02, 0x7B, 0xC4), 2));
    p.setBrush(Qt::white);
    p.drawEllipse(knob, 7.5, 7.5);
    if (hasFocus()) {
        p.setPen(QPen(QColor(255, 255, 255, 160), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(knob, 10, 10);
    }
}

void AvatarColourSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setValue(PositionAt(static_cast<int>(event->position().x())));
}

void AvatarColourSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        setValue(PositionAt(static_cast<int>(event->position().x())));
}

void AvatarColourSlider::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        setValue(value_ - 1);
        break;
    case Qt::Key_Right:
        setValue(value_ + 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
