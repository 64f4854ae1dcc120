#include "RowListMouse.h"

#include "TWOwnrScrllBar.h"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QWheelEvent>

RowListMouse::RowListMouse(QListWidget* list, TWOwnrScrllBar* scrollBar)
    : QObject(list)
    , list_(list)
    , scrollBar_(scrollBar)
{
    list->viewport()->installEventFilter(this);
}

bool RowListMouse::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (Hovered)
            Hovered(static_cast<QMouseEvent*>(event)->position().toPoint());
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint point = mouse->position().toPoint();
        const QModelIndex index = list_->indexAt(point);
        if (mouse->button() == Qt::LeftButton && index.isValid() && Released)
            Released(index.row(), point);
        return true;
    }
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (scrollBar_ != nullptr && scrollBar_->isVisible()) {
            const int step = wheel->angleDelta().y() < 0 ? 1 : -1;
            scrollBar_->setPosition(scrollBar_->Position() + step * scrollBar_->SmallChange());
        }
        if (Hovered)
            Hovered(wheel->position().toPoint());
        return true;
    }
    case QEvent::Leave:
        list_->setCurrentRow(-1);
        if (Left)
            Left();
        return false;
    default:
        return false;
    }
}
