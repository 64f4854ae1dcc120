#pragma once

#include <QPoint>

// Geometry of the login screen's profile list: rows of 75 pixels, at most
// five shown, two small icons on the row under the mouse.
namespace ProfileListLayout {

inline constexpr int RowHeight = 75;
inline constexpr int VisibleRows = 5;
// Where the row paints its avatar and where the name and icons start.
inline constexpr QPoint AvatarAt{20, 8};
inline constexpr int NameGap = 28; // the name starts this far right of the avatar's right edge
inline constexpr int NameY = 25;
inline constexpr int IconsY = 55;
inline constexpr int BinGap = 8;   // the bin icon starts this far right of the modify icon

// Height of the list for `count` profiles: 75 per row up to four, 375 from five on.
int ListHeight(int count);
// The scroll bar shows only in the profile-list state and for more than five profiles.
bool ScrollBarShown(bool profileListState, int count);
// Highest first visible row.
int ScrollMax(int count);

enum class RowSpot { Row, Modify, Delete };
// What a point inside a row (row coordinates) hits: the modify icon
// (x 88..99, y 55..66), the bin (x 107..115, y 55..66) or the row itself.
RowSpot HitTest(QPoint inRow);

// Height of the signed-in panel: the row's position in the visible part of the list.
int PanelTop(int row, int firstVisibleRow, int listTop);

} // namespace ProfileListLayout
