#pragma once

#include "course/TElement.h"

#include <QDate>
#include <QDomDocument>
#include <QDomElement>
#include <QHash>
#include <QString>

#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

class LoadFeedback;
class SafeFileWriter;

// A results file that cannot be read (malformed, not a results document) or
// written. The file on disk is left as it was.
class ResultsFileError : public std::runtime_error {
public:
    explicit ResultsFileError(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }
};

// The message the learner sees before the program stops on a results file error.
QString ResultsFileErrorMessage();

// One learner's results in one course language: the document
// Users/<id>_stat<language>.xml, read once at the start of a course and
// written whole after every change. Root "cwiczenia"; one "plik" (attribute
// "nazwa") per file name; in it one "dane" (attribute "id", the exercise
// type) per type, holding "data" (dd-mm-yyyy), "postep" (score, -1 for none)
// and "czas".
class ResultsStore {
public:
    static constexpr const char* LastLessonName = "LastLesson";
    // A results file of at most this many bytes holds no results yet.
    static constexpr qint64 FreshFileSize = 94;

    explicit ResultsStore(SafeFileWriter& writer);
    ResultsStore();

    // Reads the file. A missing file is an empty document, written at the
    // first save. Throws ResultsFileError for a damaged file.
    void Open(const QString& path);
    bool IsOpen() const { return !path_.isEmpty(); }
    const QString& Path() const { return path_; }

    // Writes one element's result (today's date, its score and time) and
    // returns true when an entry was updated, false when one was added.
    bool SaveElementResult(TElement& element);
    // Recomputes the mean of `element` and of each ancestor below the root
    // over their scored children, and saves them.
    void UpdateParentAverages(TElement* element);
    // Fills one element from the document; true when an entry was found.
    bool LoadElementResult(TElement& element) const;
    // Fills every element of the flat list, with the progress window.
    void LoadAll(const std::vector<TElement*>& flatList, LoadFeedback& feedback);

    // What leaving or checking a screen records: the "LastLesson" entry
    // always; for a scored type with a visible result panel also its score
    // and the means above it. All of it goes to disk in one write.
    void Record(TElement& current, std::optional<int> panelScore);

    // The pseudo element of the "LastLesson" entry (type -1, no parent).
    TElement& LastLesson() { return lastLesson_; }
    void ResetLastLesson();

    // Types that never have a score: dialogue presentation, picture
    // presentation, reading text, vocabulary presentation.
    static bool IsUnscoredType(int typCw);

    // The date that results are stamped with (today, unless a test says otherwise).
    void SetClock(std::function<QDate()> today) { today_ = std::move(today); }

private:
    struct FileEntry {
        QDomElement Plik;
        QHash<int, QDomElement> Dane; // first "dane" of each id
    };

    bool Store(TElement& element);
    void AverageUp(TElement* element);
    void WriteOut();
    void IndexDocument();
    const QDomElement* FindDane(const QString& fileName, int id) const;

    SafeFileWriter& writer_;
    std::function<QDate()> today_;
    QString path_;
    QDomDocument document_;
    QDomElement root_;
    QHash<QString, FileEntry> files_; // first "plik" of each name
    TElement lastLesson_;
};

// The results of the signed-in learner in the chosen course language.
ResultsStore& Results();
