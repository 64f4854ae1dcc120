#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

class SkinWriter;

// Each painter draws one family of pictures into the writer under the names
// the program looks them up by.
void drawButtons(SkinWriter& out);
void drawFrames(SkinWriter& out);
void drawTopBars(SkinWriter& out);
void drawIcons(SkinWriter& out);
void drawAvatars(SkinWriter& out);
void drawPanels(SkinWriter& out);
void drawScreenPictures(SkinWriter& out);
// Window backgrounds go to files of the Gfx folder, not into the library.
bool drawBackgrounds(const QString& gfxFolder, QString* error);

// Shared by the icon and background painters.
void paintTypeIcon(QPainter& p, const QRectF& box, int number);
// An avatar: gender 'K' or 'M', set 1 or 2, colour 0..5, in a square box.
void paintAvatar(QPainter& p, const QRectF& box, char gender, int set, int colour);
// The mark of a course language (1..5) or of the program (0): a rounded
// badge in the language's colours with its two-letter code.
void paintLanguageBadge(QPainter& p, const QRectF& box, int language);
