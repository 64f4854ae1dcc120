#pragma once

#include <QByteArray>

// The short sounds of the resource library, synthesised as 16-bit mono PCM
// wave files at 22 050 Hz.
namespace Sounds {
QByteArray resultChime();    // "wynik": a bright rising arpeggio
QByteArray tileSelect();     // "d_s_2": a soft tap
QByteArray confirm();        // "d_ok": two rising notes
QByteArray wrong();          // "No": two soft falling notes
QByteArray waveFile(const QList<float>& samples, int sampleRateHz);
} // namespace Sounds
