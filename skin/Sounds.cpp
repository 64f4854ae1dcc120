#include "Sounds.h"

#include <QList>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace Sounds {

namespace {

constexpr int RateHz = 22050;

struct Note {
    double startS;
    double frequencyHz;
    double decayPerS;   // how fast the note fades
    double gain;
};

// Bell-like notes: a fundamental with two soft partials, a 4 ms attack and
// an exponential fade.
QList<float> render(const QList<Note>& notes, double lengthS, double brightness)
{
    const int n = static_cast<int>(lengthS * RateHz);
    QList<float> out(n, 0.0f);
    for (const Note& note : notes) {
        const int start = static_cast<int>(note.startS * RateHz);
        for (int i = start; i < n; ++i) {
            const double t = static_cast<double>(i - start) / RateHz;
            const double attack = std::min(1.0, t / 0.004);
            const double env = attack * std::exp(-note.decayPerS * t);
            const double w = 2 * M_PI * note.frequencyHz * t;
            const double v = std::sin(w) + brightness * 0.35 * std::sin(2 * w) * std::exp(-3 * t)
                             + brightness * 0.12 * std::sin(3 * w) * std::exp(-6 * t);
            out[i] += static_cast<float>(note.gain * env * v);
        }
    }
    // A short fade at the very end avoids a click.
    const int fade = std::min(n, RateHz / 100);
    for (int i = 0; i < fade; ++i)
        out[n - 1 - i] *= static_cast<float>(i) / fade;
    return out;
}

} // namespace

QByteArray waveFile(const QList<float>& samples, int sampleRateHz)
{
    const quint32 dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray bytes(44, '\0');
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, bytes.data() + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, bytes.data() + at); };
    bytes.replace(0, 4, "RIFF");
    put32(4, 36 + dataBytes);
    bytes.replace(8, 4, "WAVE");
    bytes.replace(12, 4, "fmt ");
    put32(16, 16);
    put16(20, 1);
    put16(22, 1);
    put32(24, static_cast<quint32>(sampleRateHz));
    put32(28, static_cast<quint32>(sampleRateHz * 2));
    put16(32, 2);
    put16(34, 16);
    bytes.replace(36, 4, "data");
    put32(40, dataBytes);
    float peak = 0.0f;
    for (float s : samples)
        peak = std::max(peak, std::fabs(s));
    const float scale = peak > 0 ? 0.7f / peak : 0.0f;
    bytes.reserve(44 + static_cast<int>(dataBytes));
    for (float s : samples) {
        const qint16 v = static_cast<qint16>(std::lround(std::clamp(s * scale, -1.0f, 1.0f) * 32767));
        char le[2];
        qToLittleEndian(v, le);
        bytes.append(le, 2);
    }
    return bytes;
}

QByteArray resultChime()
{
    return waveFile(render({{0.00, 1046.5, 5.0, 0.8}, {0.09, 1318.5, 4.5, 0.8}, {0.18, 1568.0, 3.5, 0.9},
                            {0.30, 2093.0, 3.0, 0.55}},
                           1.2, 1.0),
                    RateHz);
}

QByteArray tileSelect()
{
    return waveFile(render({{0.0, 880.0, 40.0, 1.0}}, 0.12, 0.4), RateHz);
}

QByteArray confirm()
{
    return waveFile(render({{0.0, 784.0, 9.0, 0.9}, {0.08, 1046.5, 7.0, 1.0}}, 0.45, 0.8), RateHz);
}

QByteArray wrong()
{
    return waveFile(render({{0.0, 392.0, 8.0, 1.0}, {0.12, 311.1, 7.0, 1.0}}, 0.5, 0.3), RateHz);
}

} // namespace Sounds
