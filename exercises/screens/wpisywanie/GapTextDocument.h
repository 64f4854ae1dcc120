#pragma once

#include <QString>

class ExerciseDocument;

// What a gap-typing document gives its screen, and what the media window
// shows of a text package (a gap-typing document of the Paczki folder).
struct GapTextDocument {
    QString Multimedia;
    // The instruction after the instruction-text rule.
    QString Instruction;
    QString Tresc;
    QString Translation;

    // Reads the header's media item, the instruction and the translation in
    // their language codes (when several items carry a code, the last one
    // wins) and the text. Throws ContentError as the document does.
    static GapTextDocument Read(const ExerciseDocument& document, int instructionLanguage, int translationLanguage);
    // Opens and reads a document file.
    static GapTextDocument Open(const QString& path, int instructionLanguage, int translationLanguage);
};
