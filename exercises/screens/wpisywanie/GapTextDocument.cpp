#include "GapTextDocument.h"

#include "exercises/ExerciseDocument.h"

namespace {

QString LastForLanguage(const ExerciseNode& body, const QString& name, int languageCode)
{
    QString text;
    for (const ExerciseNode& item : body.Children(name))
        if (item.Attribute(QStringLiteral("id")).trimmed() == QString::number(languageCode))
            text = item.Text();
    return text;
}

} // namespace

GapTextDocument GapTextDocument::Read(const ExerciseDocument& document, int instructionLanguage,
                                      int translationLanguage)
{
    GapTextDocument read;
    const ExerciseNode body = document.Body();
    read.Multimedia = TrimText(document.Header().Multimedia);
    read.Instruction = InstructionText(LastForLanguage(body, QStringLiteral("polecenie"), instructionLanguage));
    read.Tresc = body.ChildText(QStringLiteral("tresc"));
    read.Translation = TrimText(LastForLanguage(body, QStringLiteral("tlumaczenie"), translationLanguage));
    return read;
}

GapTextDocument GapTextDocument::Open(const QString& path, int instructionLanguage, int translationLanguage)
{
    return Read(ExerciseDocument::Open(path), instructionLanguage, translationLanguage);
}
