#pragma once

#include <QString>

// How a media button presents the header's "multimedia" item: a text package
// (".xml"), a sound, a film, or nothing (button hidden). Missing ".swf" files
// fall back to ".mpg", missing ".wav" files to ".mp3".
struct MediaButtonSetup {
    enum class Look { Hidden, Text, Sound, Film, Other };
    Look Shows = Look::Hidden;
    QString Value;   // the item after the fall-backs
    QString Caption; // "Tekst", "Słuchaj", "Zobacz"
    QString Picture; // "btn_tekst", "btn_speakers", "btn_movie"
    int Tag = 0;     // 1 film, 2 sound, 3 animation

    // `exists` tells whether a file of the media folder (Teksty) or of the
    // package folder exists; the paths are the program's.
    static MediaButtonSetup For(const QString& multimedia, const QString& mediaFolder, const QString& packageFolder);
};
