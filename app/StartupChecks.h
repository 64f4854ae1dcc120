#pragma once

// The checks that decide whether this machine can run the program.
namespace StartupChecks {

enum ExitCode : int {
    ExitFatal = 0,
    ExitSecondInstance = 3,
    ExitScreenTooSmall = 4,
    ExitWrongDpi = 5,
};

// Refused only when the screen is both narrower than 1000 and lower than 760
// pixels; a screen that fails one of the two passes.
inline bool ScreenTooSmall(int width, int height) { return width < 1000 && height < 760; }

// The windows are laid out for 96 logical dots per inch. The logical DPI is
// the one after the desktop's integer device-pixel-ratio scaling, so a desktop
// scaled 2x at 192 DPI passes.
inline bool DpiRejected(int logicalDpi) { return logicalDpi != 96; }

} // namespace StartupChecks
