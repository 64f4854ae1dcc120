#include "pronunciation/PhraseRecognition.h"

#include "course/ContentPaths.h"
#include "course/FieldOf.h"
#include "course/TextCodec.h"
#include "course/XmlReading.h"
#include "speechlib/Fonetra.h"

#include <QFile>
#include <QSaveFile>

const QString PhraseRecognition::kDictionaryNotLoaded = QStringLiteral("Słownik nie został poprawnie załadowany!");

namespace {

const QString kCourseDictionary = QStringLiteral("Slownik.dct");
const QString kFixedEntries = QStringLiteral("tmp0.dct");
const QString kEngineDictionary = QStringLiteral("tmp.dct");
const QString kLattice = QStringLiteral("tmp.lat");

void AppendLine(QByteArray& text, const QString& line)
{
    text += EncodeWindows1250(line);
    text += "\r\n";
}

void WriteSafely(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ContentError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
}

} // namespace

PhraseRecognition::PhraseRecognition(QString programFolder, MessageSink showMessage)
    : m_programFolder(std::move(programFolder))
    , m_showMessage(std::move(showMessage))
{
}

QString PhraseRecognition::PathOf(const QString& name) const
{
    return ContentPaths::Resolve(m_programFolder, name);
}

QStringList PhraseRecognition::PhraseWordList(const QString& phraseWords)
{
    QStringList words;
    for (int k = 1;; ++k) {
        const QString word = FieldOf(k, phraseWords, QLatin1Char('/'));
        if (word.isEmpty())
            break;
        words.push_back(word);
    }
    return words;
}

void PhraseRecognition::PreparePhrase(const QString& phraseWords)
{
    m_dictionary = std::make_unique<TDictionary>();
    m_dictionary->LoadEntries(PathOf(kCourseDictionary));
    WriteEngineDictionary(phraseWords);
    WriteLattice(phraseWords);
    LoadRecognitionResources();
}

void PhraseRecognition::WriteEngineDictionary(const QString& phraseWords)
{
    const QString fixedPath = PathOf(kFixedEntries);
    QFile fixed(fixedPath);
    if (!fixed.open(QIODevice::ReadOnly))
        throw ContentError(QStringLiteral("Cannot open file \"%1\". %2").arg(fixedPath, fixed.errorString()));
    QByteArray text = fixed.readAll();
    text += "\r\n";
    for (const QString& word : PhraseWordList(phraseWords)) {
        const QString transcription = m_dictionary ? m_dictionary->FindPronunciation(word) : QString();
        AppendLine(text, word + QStringLiteral(" [") + word + QStringLiteral("] ") + transcription);
    }
    WriteSafely(PathOf(kEngineDictionary), text);
}

QByteArray PhraseRecognition::LatticeText(const QStringList& words)
{
    QByteArray text;
    for (const char* line : {"SUBLAT=<GARBAGE>", "N=6 L=6", "I=0 W=!NULL x=10 y=10", "I=1 W=!NULL x=20 y=10",
                             "I=2 W=!NULL x=30 y=10", "I=3 W=_GV_GBGEMARKER_ x=40 y=10", "I=4 W=!NULL x=50 y=10",
                             "I=5 W=P__GV_GBGE_ x=25 y=20", "J=0 S=0 E=1", "J=1 S=1 E=5", "J=2 S=2 E=1 l=-16",
                             "J=3 S=2 E=3", "J=4 S=3 E=4", "J=5 S=5 E=2", "."})
        AppendLine(text, QString::fromLatin1(line));
    const int k = static_cast<int>(words.size());
    // Without words only the garbage path is left, so every attempt counts as
    // not recognised.
    const int links = k == 0 ? 4 : k + 5;
    AppendLine(text, QStringLiteral("N=%1 L=%2").arg(k + 5).arg(links));
    for (const char* line : {"I=0 W=!NULL x=10 y=10", "I=1 W=!NULL x=510 y=10", "I=2 W=<s> x=15 y=10",
                             "I=3 W=</s> x=505 y=10", "I=4 L=<GARBAGE> x=250 y=5"})
        AppendLine(text, QString::fromLatin1(line));
    for (int j = 0; j < k; ++j)
        AppendLine(text, QStringLiteral("I=%1 W=%2 x=%3 y=15").arg(j + 5).arg(words[j]).arg(5 * j + 25));
    for (const char* line : {"J=0 S=0 E=2", "J=1 S=3 E=1", "J=2 S=2 E=4 l=-16", "J=3 S=4 E=3"})
        AppendLine(text, QString::fromLatin1(line));
    if (k > 0) {
        AppendLine(text, QStringLiteral("J=4 S=2 E=5"));
        for (int j = 0; j + 1 < k; ++j)
            AppendLine(text, QStringLiteral("J=%1 S=%1 E=%2").arg(j + 5).arg(j + 6));
        AppendLine(text, QStringLiteral("J=%1 S=%1 E=3").arg(k + 4));
    }
    text += "\r\n";
    return text;
}

void PhraseRecognition::WriteLattice(const QString& phraseWords)
{
    WriteSafely(PathOf(kLattice), LatticeText(PhraseWordList(phraseWords)));
}

bool PhraseRecognition::LoadRecognitionResources()
{
    const QByteArray lattice = QFile::encodeName(PathOf(kLattice));
    const QByteArray dictionary = QFile::encodeName(PathOf(kEngineDictionary));
    if (VX_I4_NewResource(lattice.constData(), dictionary.constData()) >= 0)
        return true;
    if (m_showMessage)
        m_showMessage(kDictionaryNotLoaded);
    return false;
}
