#include "TEdListBox.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

class RowDelegate : public QStyledItemDelegate {
public:
    explicit RowDelegate(TEdListBox* list) : QStyledItemDelegate(list), m_list(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return QSize(option.rect.width(), m_list->ItemHeight());
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        if (m_list->OnDrawItem) {
            painter->save();
            m_list->OnDrawItem(*painter, option.rect, index.row(), selected);
            painter->restore();
            return;
        }
        painter->save();
        if (selected)
            painter->fillRect(option.rect, option.palette.highlight());
        painter->setPen(selected ? option.palette.color(QPalette::HighlightedText) : option.palette.color(QPalette::Text));
        painter->drawText(option.rect.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

private:
    TEdListBox* m_list;
};

} // namespace

TEdListBox::TEdListBox(QWidget* parent)
    : QListWidget(parent)
{
    setObjectName(QStringLiteral("TEdListBox"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setUniformItemSizes(true);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    setItemDelegate(new RowDelegate(this));
}

void TEdListBox::setItemHeight(int height)
{
    m_itemHeight = height > 0 ? height : 1;
    doItemsLayout();
    viewport()->update();
}

void TEdListBox::layoutNow() const
{
    // Rows are laid out lazily; the scroll range is right only after that.
    const_cast<TEdListBox*>(this)->executeDelayedItemsLayout();
}

int TEdListBox::visibleRows() const
{
    return viewport()->height() / m_itemHeight;
}

bool TEdListBox::ScrollBarVisible() const
{
    return count() > visibleRows();
}

int TEdListBox::ScrollBarMax() const
{
    return std::max(0, count() - visibleRows());
}

int TEdListBox::TopIndex() const
{
    layoutNow();
    return verticalScrollBar()->value();
}

void TEdListBox::setTopIndex(int row)
{
    layoutNow();
    verticalScrollBar()->setValue(row);
}

void TEdListBox::focusInEvent(QFocusEvent*)
{
    // Taking the focus is ignored: no focus rectangle, no key handling change.
}

void TEdListBox::leaveEvent(QEvent* event)
{
    QListWidget::leaveEvent(event);
    emit mouseLeft();
}
