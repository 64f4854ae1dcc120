#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include <cstdint>

// The rules of the media window that need no window: what a file is, which
// file plays after the extension fall-backs, where the parts go for a kind,
// and the arithmetic of the seek bar.
namespace MediaRules {

enum Kind : int {
    Film = 1,      // ".mpg"
    Sound = 2,     // ".wav"
    Animation = 3, // ".swf"
    Mp3 = 5,       // ".mp3"
};

// The kind of a file by its extension (exact lower-case comparison); any
// other extension keeps `previous`.
int KindOf(const QString& path, int previous);
bool IsFilmKind(int kind);

// The file played for `path`, the fall-backs applied in this order: a
// missing ".swf" becomes ".mpg", a missing ".wav" becomes ".mp3", a missing
// ".mp3" becomes ".wav" (so a sound missing in both forms keeps its name).
QString AfterFallbacks(const QString& path);

// Where the window's parts go for a kind (client coordinates).
struct Layout {
    QSize Client;
    QPoint Play, Pause, Stop, Knob, Bar;
    bool ShowsPicture = false; // the film or animation panel
};
Layout LayoutOf(int kind);

// The seek bar: a track 227 pixels wide and a knob travelling along it.
inline constexpr int TrackWidth = 227;
// Where the knob stands for a position of the media's length.
int KnobLeft(int barLeft, int knobWidth, std::int64_t position, std::int64_t length);
// Width of the filled part for a knob.
int FilledWidth(int knobLeft, int trackLeft);
// The knob kept on the track while it is dragged.
int ClampKnob(int knobLeft, int trackLeft, int knobWidth);
// The position a knob released at `knobLeft` stands for.
std::int64_t PositionOfKnob(std::int64_t length, int knobLeft, int trackLeft, int knobWidth);
// The position a press on the track at `x` (from the track's left) stands for.
std::int64_t PositionOfPress(int x, std::int64_t length);

} // namespace MediaRules
