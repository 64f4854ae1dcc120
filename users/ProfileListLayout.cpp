#include "ProfileListLayout.h"

#include <algorithm>

namespace ProfileListLayout {

int ListHeight(int count)
{
    return RowHeight * std::clamp(count, 0, VisibleRows);
}

bool ScrollBarShown(bool profileListState, int count)
{
    return profileListState && count > VisibleRows;
}

int ScrollMax(int count)
{
    return std::max(0, count - VisibleRows);
}

RowSpot HitTest(QPoint inRow)
{
    const bool iconBand = inRow.y() >= 55 && inRow.y() <= 66;
    if (iconBand && inRow.x() >= 88 && inRow.x() <= 99)
        return RowSpot::Modify;
    if (iconBand && inRow.x() >= 107 && inRow.x() <= 115)
        return RowSpot::Delete;
    return RowSpot::Row;
}

int PanelTop(int row, int firstVisibleRow, int listTop)
{
    return (row - firstVisibleRow) * RowHeight + listTop;
}

} // namespace ProfileListLayout
