#pragma once

#include "HintTable.h"
#include "SkrotyTable.h"
#include "TDrzewo.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class LoadFeedback;
class LoadingLog;
class QDomElement;

// The course of one language in memory: the tree of lessons, exercises and
// packages, the flat list of its elements, and the hint and normalisation
// tables. The windows read it; it knows nothing of them.
class CourseModel {
public:
    // Where the content lies and which language names are read in.
    struct Source {
        QString ExeDir;   // program folder
        QString UnityDir; // lesson folder suffix, e.g. "/Unity1"
        QString DaneDir;  // exercise folder suffix, e.g. "/Dane1"
        int NamesLanguage = 0;
    };

    CourseModel();
    ~CourseModel();

    // Hints in `language` from Config/definitions.xml; throws ContentError.
    void LoadHints(const QString& path, int language);
    QString HintText(int number) const { return hints_.Text(number); }
    const HintTable& Hints() const { return hints_; }

    // Drops the current course and starts an empty tree.
    void NewTree();
    TDrzewo& Tree() { return *tree_; }
    const TDrzewo& Tree() const { return *tree_; }

    // Reads every lesson document of the source's lesson folder. Returns the
    // number of lessons added.
    int LoadLessons(const Source& source, LoadFeedback& feedback, LoadingLog* log);
    // Reads every exercise and package document of the exercise folder, loads
    // the dictionary (when a loader is set) and builds the flat list. Returns
    // the number of files loaded.
    int LoadExercises(const Source& source, LoadFeedback& feedback, LoadingLog* log);
    // Called by LoadExercises with the path of the course dictionary (Dane<n>/Slownik.txtde).
    void SetDictionaryLoader(std::function<void(const QString& path)> loader) { dictionaryLoader_ = std::move(loader); }

    // Orders every element below the root depth first into the flat list and
    // prefixes each Name with its display key "<index>=<depth>=".
    void BuildFlatList();
    const std::vector<TElement*>& FlatList() const { return flatList_; }
    // Element of a display key (field 1 is its index in the flat list); null when out of range.
    TElement* ElementOfKey(const QString& displayKey) const;

    void LoadSkroty(const QString& path) { skroty_.Load(path); }
    QString NormalizeWords(const QString& text) const { return skroty_.NormalizeWords(text); }
    const SkrotyTable& Skroty() const { return skroty_; }

    // Display name (field 3 of the key) of the first lesson numbered `lessonNumber`.
    QString LessonName(int lessonNumber) const;

private:
    void LoadExerciseFile(const Source& source, const QString& fileName);
    void AddPackageChildren(const Source& source, TElement* package, const QDomElement& body, int param1,
                            int param2, int grupa);

    HintTable hints_;
    SkrotyTable skroty_;
    std::unique_ptr<TDrzewo> tree_;
    std::vector<TElement*> flatList_;
    std::function<void(const QString&)> dictionaryLoader_;
};

// The one course model of the program.
CourseModel& Course();
// Hint text `number` of the program's course model.
QString HintText(int number);
