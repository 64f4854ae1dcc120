#pragma once

#include <QFont>
#include <QString>

#include <vector>

// Word-by-word layout of the program's hover text: words split at single
// spaces, "<BR>" starts a new line, a word holding "<B>" switches to bold red
// from that word on and a word holding "</B>" switches back after it.
struct HintLayout {
    struct Word {
        QString Text;
        int X = 0;
        int Y = 0; // top of the word's line
        bool Bold = false;
    };
    std::vector<Word> Words;
    int Lines = 1;
    int Width = 0;  // the widest line's end + 20
    int Height = 0; // the standard hint height + 20 per further line

    static constexpr int StandardHeight = 22;

    static HintLayout Of(const QString& text, const QFont& regular, const QFont& bold);
};
