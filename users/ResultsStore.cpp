#include "ResultsStore.h"

#include "SafeFileWriter.h"

#include "course/LoadFeedback.h"

#include <QFile>

namespace {

const QString kRoot = QStringLiteral("cwiczenia");
const QString kPlik = QStringLiteral("plik");
const QString kNazwa = QStringLiteral("nazwa");
const QString kDane = QStringLiteral("dane");
const QString kId = QStringLiteral("id");
const QString kData = QStringLiteral("data");
const QString kPostep = QStringLiteral("postep");
const QString kCzas = QStringLiteral("czas");
const QString kExerciseTime = QStringLiteral("00:00:00");

QString DateText(const QDate& date)
{
    return date.toString(QStringLiteral("dd-MM-yyyy"));
}

// Sets the text of the child element `name`, adding the child when missing.
void SetChildText(QDomDocument& document, QDomElement& parent, const QString& name, const QString& text)
{
    QDomElement child = parent.firstChildElement(name);
    if (child.isNull()) {
        child = document.createElement(name);
        parent.appendChild(child);
    }
    while (child.hasChildNodes())
        child.removeChild(child.firstChild());
    child.appendChild(document.createTextNode(text));
}

void AppendChildText(QDomDocument& document, QDomElement& parent, const QString& name, const QString& text)
{
    QDomElement child = document.createElement(name);
    child.appendChild(document.createTextNode(text));
    parent.appendChild(child);
}

} // namespace

QString ResultsFileErrorMessage()
{
    return QStringLiteral("Błąd podczas odczytu pliku definicji. Wykonywanie aplikacji zostało przerwane!");
}

ResultsStore::ResultsStore(SafeFileWriter& writer)
    : writer_(writer)
    , today_([] { return QDate::currentDate(); })
{
    ResetLastLesson();
}

ResultsStore::ResultsStore()
    : ResultsStore(DefaultFileWriter())
{
}

bool ResultsStore::IsUnscoredType(int typCw)
{
    return typCw == 11 || typCw == 41 || typCw == 51 || typCw == 61;
}

void ResultsStore::ResetLastLesson()
{
    lastLesson_ = TElement{};
    lastLesson_.FileName = QString::fromLatin1(LastLessonName);
    lastLesson_.TypCw = -1;
    lastLesson_.Score = 0;
}

void ResultsStore::Open(const QString& path)
{
    QDomDocument document;
    QFile file(path);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            throw ResultsFileError(QStringLiteral("Cannot read \"%1\": %2").arg(path, file.errorString()));
        QString message;
        int line = 0;
        int column = 0;
        if (!document.setContent(file.readAll(), &message, &line, &column))
            throw ResultsFileError(QStringLiteral("\"%1\" is not well-formed (line %2, column %3): %4")
                                       .arg(path)
                                       .arg(line)
                                       .arg(column)
                                       .arg(message));
        if (document.documentElement().tagName() != kRoot)
            throw ResultsFileError(QStringLiteral("\"%1\" is not a results document").arg(path));
    } else {
        document.appendChild(document.createElement(kRoot));
    }
    document_ = document;
    root_ = document_.documentElement();
    path_ = path;
    IndexDocument();
}

void ResultsStore::IndexDocument()
{
    files_.clear();
    for (QDomElement plik = root_.firstChildElement(kPlik); !plik.isNull(); plik = plik.nextSiblingElement(kPlik)) {
        const QString name = plik.attribute(kNazwa);
        if (files_.contains(name))
            continue;
        FileEntry entry{plik, {}};
        for (QDomElement dane = plik.firstChildElement(kDane); !dane.isNull(); dane = dane.nextSiblingElement(kDane)) {
            bool ok = false;
            const int id = dane.attribute(kId).trimmed().toInt(&ok);
            if (ok && !entry.Dane.contains(id))
                entry.Dane.insert(id, dane);
        }
        files_.insert(name, entry);
    }
}

const QDomElement* ResultsStore::FindDane(const QString& fileName, int id) const
{
    const auto file = files_.constFind(fileName);
    if (file == files_.constEnd())
        return nullptr;
    const auto dane = file->Dane.constFind(id);
    return dane == file->Dane.constEnd() ? nullptr : &*dane;
}

bool ResultsStore::Store(TElement& element)
{
    if (!IsOpen())
        throw ResultsFileError(QStringLiteral("No results file is open"));
    element.Date = DateText(today_());
    element.HasResult = true;
    if (IsUnscoredType(element.TypCw))
        element.Score = -1;
    const QString score = QString::number(element.Score);

    auto file = files_.find(element.FileName);
    if (file != files_.end()) {
        auto dane = file->Dane.find(element.TypCw);
        if (dane != file->Dane.end()) {
            SetChildText(document_, *dane, kData, element.Date);
            SetChildText(document_, *dane, kPostep, score);
            SetChildText(document_, *dane, kCzas, element.Time);
            return true;
        }
    } else {
        QDomElement plik = document_.createElement(kPlik);
        plik.setAttribute(kNazwa, element.FileName);
        root_.appendChild(plik);
        file = files_.insert(element.FileName, FileEntry{plik, {}});
    }
    QDomElement dane = document_.createElement(kDane);
    dane.setAttribute(kId, element.TypCw);
    AppendChildText(document_, dane, kData, element.Date);
    AppendChildText(document_, dane, kPostep, score);
    AppendChildText(document_, dane, kCzas, element.Time);
    file->Plik.appendChild(dane);
    file->Dane.insert(element.TypCw, dane);
    return false;
}

void ResultsStore::WriteOut()
{
    // The declaration says what the bytes are, whatever the file held before.
    const QDomNode first = document_.firstChild();
    if (first.isProcessingInstruction())
        document_.removeChild(first);
    document_.insertBefore(document_.createProcessingInstruction(QStringLiteral("xml"),
                                                                 QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")),
                           document_.firstChild());
    try {
        writer_.WriteWhole(path_, document_.toByteArray(1));
    } catch (const FileWriteError& error) {
        throw ResultsFileError(QString::fromStdString(error.what()));
    }
}

bool ResultsStore::SaveElementResult(TElement& element)
{
    const bool updated = Store(element);
    WriteOut();
    return updated;
}

void ResultsStore::AverageUp(TElement* element)
{
    // The root (the one element without a parent) is never scored.
    for (TElement* e = element; e != nullptr && e->Parent != nullptr; e = e->Parent) {
        int sum = 0;
        int scored = 0;
        for (int slot = 1; slot <= e->ChildCount; ++slot) {
            const TElement* child = e->Children[slot];
            if (child != nullptr && child->Score >= 0) {
                sum += child->Score;
                ++scored;
            }
        }
        e->Score = scored > 0 ? sum / scored : 0;
        Store(*e);
    }
}

void ResultsStore::UpdateParentAverages(TElement* element)
{
    AverageUp(element);
    WriteOut();
}

bool ResultsStore::LoadElementResult(TElement& element) const
{
    element.Date.clear();
    element.Time.clear();
    element.HasResult = false;
    element.Score = IsUnscoredType(element.TypCw) || element.Kind == 10 || element.Kind == 13 ? -1 : 0;
    const QDomElement* dane = FindDane(element.FileName, element.TypCw);
    if (dane == nullptr)
        return false;
    const QString postep = dane->firstChildElement(kPostep).text().trimmed();
    bool ok = false;
    const int score = postep.toInt(&ok);
    if (!ok)
        throw ResultsFileError(
            QStringLiteral("\"%1\": the score of \"%2\" (%3) is not a number").arg(path_, element.FileName).arg(element.TypCw));
    element.Date = dane->firstChildElement(kData).text();
    element.Score = score;
    element.Time = dane->firstChildElement(kCzas).text();
    element.HasResult = true;
    return true;
}

void ResultsStore::LoadAll(const std::vector<TElement*>& flatList, LoadFeedback& feedback)
{
    feedback.StartProgress(static_cast<int>(flatList.size()) - 1, QStringLiteral("Wczytuję statystyki..."));
    int position = 0;
    for (TElement* element : flatList) {
        LoadElementResult(*element);
        feedback.StepProgress(position++);
    }
    feedback.CloseProgress();
}

void ResultsStore::Record(TElement& current, std::optional<int> panelScore)
{
    lastLesson_.Time = current.FileName + u'=' + QString::number(current.TypCw);
    lastLesson_.TypCw = -1;
    lastLesson_.FileName = QString::fromLatin1(LastLessonName);
    lastLesson_.Score = 0;
    Store(lastLesson_);
    if (IsUnscoredType(current.TypCw)) {
        current.Score = -1;
        current.Time = kExerciseTime;
    } else if (panelScore) {
        current.Score = *panelScore;
        current.Time = kExerciseTime;
        Store(current);
        AverageUp(current.Parent);
    }
    WriteOut();
}

ResultsStore& Results()
{
    static ResultsStore store;
    return store;
}
