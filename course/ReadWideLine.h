#pragma once

#include <QString>

class QIODevice;

// Reads one line of 2-byte code units, low byte first, from the device's
// current position. Every U+FEFF is dropped wherever it occurs; a CR ends the
// line and the code unit after it (the LF) is skipped unread; the end of the
// file also ends the line. A trailing odd byte is ignored.
QString ReadWideLine(QIODevice& file);
