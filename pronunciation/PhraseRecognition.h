#pragma once

#include "pronunciation/TDictionary.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// The recognition task of one phrase: the engine dictionary tmp.dct (the
// fixed entries of tmp0.dct and the phrase's words with their transcriptions
// from Slownik.dct) and the word network tmp.lat (the phrase word by word, or
// the garbage loop), written into the program folder and handed to the speech
// library. Files are 8-bit Windows-1250 text with CR LF.
class PhraseRecognition {
public:
    // Shows a plain message box with the text.
    using MessageSink = std::function<void(const QString& text)>;

    PhraseRecognition(QString programFolder, MessageSink showMessage);

    // The words of a phrase's recognition text: fields split at "/", up to
    // the first empty one.
    static QStringList PhraseWordList(const QString& phraseWords);

    // Reads Slownik.dct again, writes both files and loads them. Throws
    // ContentError when a file cannot be read or written.
    void PreparePhrase(const QString& phraseWords);
    void WriteEngineDictionary(const QString& phraseWords);
    void WriteLattice(const QString& phraseWords);
    // Hands tmp.lat and tmp.dct to the speech library; when it refuses them
    // the message box says so, the previous resources stay, and the answer is
    // false.
    bool LoadRecognitionResources();

    const TDictionary* Dictionary() const { return m_dictionary.get(); }
    // The network of the words (without the file): the garbage sub-network,
    // "." and the main network, every line ended by CR LF, and one more CR LF.
    static QByteArray LatticeText(const QStringList& words);

    static const QString kDictionaryNotLoaded;

private:
    QString PathOf(const QString& name) const;

    QString m_programFolder;
    MessageSink m_showMessage;
    std::unique_ptr<TDictionary> m_dictionary;
};
