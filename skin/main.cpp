// Draws the resource library of skin pictures and the window backgrounds.
// Usage: kursskingen <output folder for pictures, sounds and resource.qrc> <Gfx folder>

#include "Drawings.h"
#include "PictureNames.h"
#include "SkinWriter.h"
#include "Sounds.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <output folder> <Gfx folder>\n", argv[0]);
        return 2;
    }
    SkinWriter out;
    drawButtons(out);
    drawFrames(out);
    drawTopBars(out);
    drawIcons(out);
    drawAvatars(out);
    drawPanels(out);
    drawScreenPictures(out);
    out.wave(QStringLiteral("wynik"), Sounds::resultChime());
    out.wave(QStringLiteral("d_s_2"), Sounds::tileSelect());
    out.wave(QStringLiteral("d_ok"), Sounds::confirm());
    out.wave(QStringLiteral("No"), Sounds::wrong());

    // Every name the program can ask for must be drawn: a missing one would
    // end a paint with an error in front of the learner.
    int missing = 0;
    for (const QString& name : PictureNames::All()) {
        if (!out.hasPicture(name)) {
            std::fprintf(stderr, "picture not drawn: %s\n", qPrintable(name));
            ++missing;
        }
    }
    for (const QString& name : PictureNames::Waves()) {
        if (!out.hasWave(name)) {
            std::fprintf(stderr, "sound not made: %s\n", qPrintable(name));
            ++missing;
        }
    }
    if (missing > 0)
        return 1;

    QString error;
    if (!out.write(QString::fromLocal8Bit(argv[1]), &error) || !drawBackgrounds(QString::fromLocal8Bit(argv[2]), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
