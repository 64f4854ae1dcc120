#include "CourseModel.h"

#include "ContentPaths.h"
#include "FieldOf.h"
#include "LoadFeedback.h"
#include "LoadingLog.h"
#include "XmlReading.h"

#include <QDomDocument>

namespace {

const QString kLessonError =
    QStringLiteral("Błąd podczas analizowania pliku ćwiczenia. Dalsze wczytywanie ćwiczeń zostało przerwane! (%1)");
const QString kExerciseError = QStringLiteral("Błąd podczas analizowania pliku ćwiczenia.(%1)");
const QString kLogError = QStringLiteral("  Błąd wczytywania pliku: ");

constexpr int kPackageType = 100;

// A hint number and the exercise type of one generated package child.
struct GeneratedChild {
    int Bit;
    int Hint;
    int Type;
};

constexpr GeneratedChild kDialogueChildren[] = {
    {1, 9, 11}, {2, 10, 12}, {4, 11, 14}, {8, 12, 18}, {16, 20, 26}};
constexpr GeneratedChild kPresentationChildren[] = {{1, 16, 41}, {2, 17, 42}, {4, 18, 44}, {8, 19, 48}};
// Vocabulary packages always get all four, in this order.
constexpr GeneratedChild kVocabularyChildren[] = {{0, 21, 61}, {0, 22, 62}, {0, 24, 68}, {0, 23, 64}};

bool IsVocabularyPackage(int param1) { return param1 == 7 || param1 == 11 || param1 == 12; }

void ReportFailure(LoadFeedback& feedback, LoadingLog* log, const QString& message, const QString& fileName)
{
    if (log != nullptr)
        log->Line(kLogError + fileName);
    feedback.ShowLoadError(message.arg(fileName));
}

} // namespace

CourseModel::CourseModel()
    : tree_(std::make_unique<TDrzewo>())
{
}

CourseModel::~CourseModel() = default;

void CourseModel::LoadHints(const QString& path, int language)
{
    hints_.Load(path, language);
}

void CourseModel::NewTree()
{
    flatList_.clear();
    tree_ = std::make_unique<TDrzewo>();
}

int CourseModel::LoadLessons(const Source& source, LoadFeedback& feedback, LoadingLog* log)
{
    const QString folder = ContentPaths::Resolve(source.ExeDir, source.UnityDir);
    int added = 0;
    for (const QString& fileName : ContentPaths::ListFiles(folder, QStringLiteral(".xml"))) {
        try {
            const QDomDocument document = XmlReading::Load(folder + u'/' + fileName);
            feedback.LetMessagesRun();
            const QDomElement lekcja = document.documentElement();
            if (lekcja.tagName() != u"lekcja")
                continue;
            const int id = XmlReading::ChildInt(lekcja, QStringLiteral("ID"), false);
            const QString name = XmlReading::TextForLanguage(lekcja, QStringLiteral("nazwa"), source.NamesLanguage);
            TElement* lesson = tree_->Append(nullptr);
            lesson->Kind = id < 1001 ? 99 : 98;
            lesson->Name = name;
            lesson->Id = id;
            lesson->NodeType = TElement::NodeLesson;
            lesson->FileName = fileName;
            lesson->ElementPaczki = false;
            ++added;
        } catch (const std::exception&) {
            ReportFailure(feedback, log, kLessonError, fileName);
        }
    }
    return added;
}

int CourseModel::LoadExercises(const Source& source, LoadFeedback& feedback, LoadingLog* log)
{
    const QString folder = ContentPaths::Resolve(source.ExeDir, source.DaneDir);
    const QStringList files = ContentPaths::ListFiles(folder, QStringLiteral(".xml"));
    feedback.StartProgress(static_cast<int>(files.size()), QStringLiteral("Wczytuję dane..."));
    int loaded = 0;
    int position = 0;
    for (const QString& fileName : files) {
        try {
            LoadExerciseFile(source, fileName);
            feedback.LetMessagesRun();
            ++loaded;
        } catch (const std::exception&) {
            ReportFailure(feedback, log, kExerciseError, fileName);
        }
        feedback.StepProgress(++position);
    }
    if (dictionaryLoader_)
        dictionaryLoader_(ContentPaths::Resolve(folder, QStringLiteral("Slownik.txtde")));
    feedback.CloseProgress();
    BuildFlatList();
    return loaded;
}

void CourseModel::LoadExerciseFile(const Source& source, const QString& fileName)
{
    const QString folder = ContentPaths::Resolve(source.ExeDir, source.DaneDir);
    const QDomDocument document = XmlReading::Load(folder + u'/' + fileName);
    const QDomElement root = document.documentElement();
    if (root.tagName() != u"cwiczenie")
        return;
    const QDomElement config = root.firstChildElement(QStringLiteral("config"));
    const int typ = XmlReading::ChildInt(config, QStringLiteral("typ_cw"), true);
    const int param1 = XmlReading::ChildInt(config, QStringLiteral("param1"), true);
    const int param2 = XmlReading::ChildInt(config, QStringLiteral("param2"), true);
    const int grupa = XmlReading::ChildInt(config, QStringLiteral("grupa"), true);
    const int poziom = XmlReading::ChildInt(config, QStringLiteral("poziom"), true);
    const int id = XmlReading::ChildInt(config, QStringLiteral("id"), true);
    const bool isPackage = typ == kPackageType;

    TElement* lesson = tree_->FindChild(grupa);
    TElement* anchor = lesson;
    const bool anchoredInLesson = isPackage && (param1 == 5 || IsVocabularyPackage(param1));
    if (anchoredInLesson)
        anchor = lesson != nullptr ? TDrzewo::FindChild(lesson, param2) : nullptr;

    // The name is read before anything is added, so a bad "nazwa" leaves no trace.
    const QString name = XmlReading::TextForLanguage(config, QStringLiteral("nazwa"), source.NamesLanguage);

    TElement* element = nullptr;
    if (isPackage && IsVocabularyPackage(param1)) {
        if (anchor == nullptr)
            throw ContentError(QStringLiteral("vocabulary package without its anchor element %1").arg(param2));
        const QString stem = fileName.left(fileName.indexOf(u'.'));
        const int offset = XmlReading::ToInt(FieldOf(2, stem, u'_'), false);
        const int slot = offset + anchor->Order;
        if (slot < 1 || slot > lesson->ChildCount + 1)
            throw ContentError(QStringLiteral("vocabulary package slot %1 outside its lesson").arg(slot));
        element = tree_->Insert(lesson, slot);
    } else {
        element = tree_->Append(anchor);
    }

    element->TypCw = typ;
    element->Kind = 0;
    element->Level = poziom;
    element->FileName = fileName;
    element->Name = name;
    element->NodeType = TElement::NodeExercise;
    element->Id = id;

    static const struct {
        const char* Marker;
        int Kind;
    } kSpecialFiles[] = {{"zciek", 10}, {"test53", 13}, {"test55", 14}, {"test56", 15}};
    for (const auto& special : kSpecialFiles) {
        if (fileName.contains(QLatin1String(special.Marker), Qt::CaseSensitive)) {
            element->Kind = special.Kind;
            element->Id = grupa;
            element->ElementPaczki = false;
        }
    }

    if (element->Name.isEmpty())
        element->Name = FormatHint(hints_.Text(element->TypCw + 100), element->Id / 1000 - 5, element->Id / 1000);

    if (isPackage) {
        element->TypCw = 0;
        element->NodeType = TElement::NodePackage;
        element->Kind = param1;
        element->ElementPaczki = false;
        AddPackageChildren(source, element, root.firstChildElement(QStringLiteral("body")), param1, param2, grupa);
    }
}

void CourseModel::AddPackageChildren(const Source& source, TElement* package, const QDomElement& body, int param1,
                                     int param2, int grupa)
{
    auto addGenerated = [&](const GeneratedChild& spec, int level, int nodeType) {
        TElement* child = tree_->Append(package);
        child->NodeType = nodeType;
        child->Level = level;
        child->Name = hints_.Text(spec.Hint);
        child->TypCw = spec.Type;
        child->FileName = package->FileName;
        child->Kind = 0;
        child->ElementPaczki = true;
        child->Id = grupa;
    };

    switch (param1) {
    case 1:
    case 5:
    case 6:
    case 8:
    case 9:
    case 16: {
        if (param1 == 5)
            package->NodeType = TElement::NodeNestedPackage;
        if (param1 == 1)
            package->TypCw = 101;
        const QString paczki = ContentPaths::Resolve(ContentPaths::Resolve(source.ExeDir, source.DaneDir),
                                                     QStringLiteral("Paczki"));
        const QString elementTag = QStringLiteral("element_paczki");
        for (QDomElement item = body.firstChildElement(elementTag); !item.isNull();
             item = item.nextSiblingElement(elementTag)) {
            const QString itemName = item.text();
            const QDomDocument document = XmlReading::Load(ContentPaths::Resolve(paczki, itemName));
            const QDomElement config = document.documentElement().firstChildElement(QStringLiteral("config"));
            const int typ = XmlReading::ChildInt(config, QStringLiteral("typ_cw"), false);
            const int poziom = XmlReading::ChildInt(config, QStringLiteral("poziom"), false);
            const QString name = hints_.Text(typ + 100);
            if (name.isEmpty())
                throw ContentError(QStringLiteral("no hint names the package element type %1").arg(typ));
            TElement* child = tree_->Append(package);
            child->Kind = 0;
            child->TypCw = typ;
            child->Level = poziom;
            child->NodeType = package->NodeType == TElement::NodeNestedPackage ? TElement::NodeNestedPackageElement
                                                                               : TElement::NodePackageElement;
            child->FileName = QStringLiteral("Paczki\\") + itemName;
            child->Name = name;
            child->ElementPaczki = true;
            child->Id = grupa;
        }
        break;
    }
    case 2:
        package->TypCw = 102;
        for (const GeneratedChild& spec : kDialogueChildren)
            if (param2 & spec.Bit)
                addGenerated(spec, package->Level, TElement::NodePackageElement);
        break;
    case 4:
        for (const GeneratedChild& spec : kPresentationChildren)
            if (param2 & spec.Bit)
                addGenerated(spec, 0, TElement::NodePackageElement);
        break;
    case 7:
    case 11:
    case 12:
        package->NodeType = TElement::NodeNestedPackage;
        for (const GeneratedChild& spec : kVocabularyChildren)
            addGenerated(spec, 0, TElement::NodeNestedPackageElement);
        break;
    default:
        throw ContentError(QStringLiteral("Nieobsługiwany typ paczki"));
    }
}

void CourseModel::BuildFlatList()
{
    flatList_.clear();
    auto visit = [this](auto&& self, TElement* parent, int depth) -> void {
        for (int slot = 1; slot <= parent->ChildCount; ++slot) {
            TElement* child = parent->Children[slot];
            child->Name = QStringLiteral("%1=%2=").arg(flatList_.size()).arg(depth) + child->Name;
            flatList_.push_back(child);
            if (child->HasChildren())
                self(self, child, depth + 1);
        }
    };
    visit(visit, tree_->Root(), 0);
}

TElement* CourseModel::ElementOfKey(const QString& displayKey) const
{
    bool ok = false;
    const int index = FieldOf(1, displayKey, u'=').toInt(&ok);
    if (!ok || index < 0 || index >= static_cast<int>(flatList_.size()))
        return nullptr;
    return flatList_[index];
}

QString CourseModel::LessonName(int lessonNumber) const
{
    const TElement* root = tree_->Root();
    for (int slot = 1; slot <= root->ChildCount; ++slot) {
        const TElement* e = root->Children[slot];
        if (e->NodeType == TElement::NodeLesson && e->Id == lessonNumber)
            return FieldOf(3, e->Name, u'=');
    }
    return {};
}

CourseModel& Course()
{
    static CourseModel model;
    return model;
}

QString HintText(int number)
{
    return Course().HintText(number);
}
