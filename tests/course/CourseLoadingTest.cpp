#include "CourseFixture.h"

#include "course/FieldOf.h"
#include "course/LoadingLog.h"
#include "course/TextCodec.h"

#include <QFile>

namespace {

QString DisplayName(const TElement* e) { return FieldOf(3, e->Name, u'='); }

std::vector<int> ChildTypes(const TElement* e)
{
    std::vector<int> types;
    for (int slot = 1; slot <= e->ChildCount; ++slot)
        types.push_back(e->Children[slot]->TypCw);
    return types;
}

class CourseLoading : public ::testing::Test {
protected:
    void SetUp() override { folder.Write(QStringLiteral("Config/definitions.xml"), Definitions()); }

    void Load()
    {
        model.LoadHints(folder.Path() + QStringLiteral("/Config/definitions.xml"), 0);
        model.NewTree();
        log.Open(folder.Path() + QStringLiteral("/log.txt"));
        model.LoadLessons(folder.Source(), feedback, &log);
        loaded = model.LoadExercises(folder.Source(), feedback, &log);
        log.Close();
    }

    // The log is Windows-1250 text.
    QString LogText() const
    {
        QFile file(folder.Path() + QStringLiteral("/log.txt"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return DecodeWindows1250(file.readAll());
    }

    TElement* Lesson(int slot) const { return model.Tree().Root()->Child(slot); }

    ProgramFolder folder;
    CourseModel model;
    RecordingFeedback feedback;
    LoadingLog log;
    int loaded = 0;
};

TEST_F(CourseLoading, BuildsLessonsExercisesAndPackagesInListingOrder)
{
    folder.Write(QStringLiteral("Unity1/b_lekcja.xml"), ::Lesson(2, QStringLiteral("Rodzina")));
    folder.Write(QStringLiteral("Unity1/A_lekcja.xml"), ::Lesson(1, QStringLiteral("Powitania")));
    folder.Write(QStringLiteral("Unity1/notes.txt"), "not a lesson");
    folder.Write(QStringLiteral("Unity1/other.xml"), "<?xml version=\"1.0\"?><inny/>");
    folder.Write(QStringLiteral("Dane1/lekcja01_b.xml"), Doc{.Typ = 4, .Grupa = 1, .Id = 1}.Xml());
    folder.Write(QStringLiteral("Dane1/Lekcja01_A.XML"), Doc{.Typ = 1, .Grupa = 1, .Id = 1}.Xml());
    folder.Write(QStringLiteral("Dane1/lekcja02_dialog.xml"),
                 Doc{.Typ = 100, .Param1 = 2, .Param2 = 5, .Grupa = 2, .Id = 2}.Xml());
    folder.Write(QStringLiteral("Dane1/lekcja02_paczka.xml"),
                 Doc{.Typ = 100,
                     .Param1 = 1,
                     .Grupa = 2,
                     .Id = 2,
                     .Body = "<element_paczki>p1.xml</element_paczki><element_paczki>P2.xml</element_paczki>"}
                     .Xml());
    folder.Write(QStringLiteral("Dane1/Paczki/p1.xml"), PackageElement(4, 3));
    folder.Write(QStringLiteral("Dane1/Paczki/p2.xml"), PackageElement(1));
    folder.Write(QStringLiteral("Dane1/zz_orphan.xml"), Doc{.Typ = 4, .Grupa = 77, .Id = 77}.Xml());
    Load();

    EXPECT_TRUE(feedback.Errors.isEmpty()) << feedback.Errors.join(u'\n').toStdString();
    EXPECT_EQ(loaded, 5);
    EXPECT_EQ(feedback.ProgressMaximum, 5);
    EXPECT_EQ(feedback.ProgressCaption, QStringLiteral("Wczytuję dane..."));
    EXPECT_EQ(feedback.LastStep, 5);
    EXPECT_EQ(feedback.Closed, 1);

    const TElement* root = model.Tree().Root();
    ASSERT_EQ(root->ChildCount, 3);
    EXPECT_EQ(DisplayName(Lesson(1)), QStringLiteral("Powitania"));
    EXPECT_EQ(Lesson(1)->FileName, QStringLiteral("A_lekcja.xml"));
    EXPECT_EQ(Lesson(1)->Kind, 99);
    EXPECT_EQ(ChildTypes(Lesson(1)), (std::vector<int>{1, 4}));
    EXPECT_EQ(Lesson(1)->Child(1)->FileName, QStringLiteral("Lekcja01_A.XML"));

    const TElement* dialogue = Lesson(2)->Child(1);
    EXPECT_EQ(dialogue->NodeType, TElement::NodePackage);
    EXPECT_EQ(dialogue->TypCw, 102);
    EXPECT_EQ(dialogue->Kind, 2);
    EXPECT_EQ(ChildTypes(dialogue), (std::vector<int>{11, 14}));
    EXPECT_EQ(DisplayName(dialogue->Child(2)), QStringLiteral("Hint 11"));
    EXPECT_EQ(dialogue->Child(2)->FileName, QStringLiteral("lekcja02_dialog.xml"));

    const TElement* package = Lesson(2)->Child(2);
    EXPECT_EQ(package->TypCw, 101);
    ASSERT_EQ(package->ChildCount, 2);
    const TElement* first = package->Child(1);
    EXPECT_EQ(first->FileName, QStringLiteral("Paczki\\p1.xml"));
    EXPECT_EQ(first->NodeType, TElement::NodePackageElement);
    EXPECT_EQ(first->Level, 3);
    EXPECT_EQ(first->Id, 2);
    EXPECT_TRUE(first->ElementPaczki);
    EXPECT_EQ(DisplayName(first), QStringLiteral("Wpisywanie"));

    // An exercise of a lesson that does not exist sits at the root after the lessons.
    EXPECT_EQ(root->Child(3)->FileName, QStringLiteral("zz_orphan.xml"));
    EXPECT_EQ(root->Child(3)->Depth(), 0);

    // Display keys: flat index, depth, name; parents before children.
    const auto& flat = model.FlatList();
    ASSERT_EQ(flat.size(), 11u);
    EXPECT_EQ(flat[0]->Name, QStringLiteral("0=0=Powitania"));
    EXPECT_EQ(flat[1]->Name, QStringLiteral("1=1=Ćwiczenie"));
    EXPECT_EQ(flat[7]->Name, QStringLiteral("7=1=Ćwiczenie"));
    EXPECT_EQ(flat[8]->Name, QStringLiteral("8=2=Wpisywanie"));
    EXPECT_EQ(model.ElementOfKey(flat[8]->Name), flat[8]);
    EXPECT_EQ(model.LessonName(2), QStringLiteral("Rodzina"));
    EXPECT_EQ(model.LessonName(3), QString());
    EXPECT_TRUE(LogText().isEmpty());
}

TEST_F(CourseLoading, VocabularyPackageLandsInTheSlotAfterItsAnchor)
{
    folder.Write(QStringLiteral("Unity1/l3.xml"), ::Lesson(3, QStringLiteral("Jedzenie")));
    for (int i = 1; i <= 5; ++i)
        folder.Write(QStringLiteral("Dane1/lekcja03_0%1.xml").arg(i), Doc{.Typ = 1, .Grupa = 3, .Id = 30 + i}.Xml());
    // lekcja03_2 with its anchor (id 34) in slot 4 goes to slot 6; the anchor
    // must be listed before the package.
    folder.Write(QStringLiteral("Dane1/lekcja03_2.xml"),
                 Doc{.Typ = 100, .Param1 = 7, .Param2 = 34, .Grupa = 3, .Id = 3}.Xml());
    Load();

    ASSERT_TRUE(feedback.Errors.isEmpty()) << feedback.Errors.join(u'\n').toStdString();
    const TElement* lesson = Lesson(1);
    ASSERT_EQ(lesson->ChildCount, 6);
    const TElement* vocabulary = lesson->Child(6);
    EXPECT_EQ(vocabulary->FileName, QStringLiteral("lekcja03_2.xml"));
    EXPECT_EQ(vocabulary->Order, 6);
    EXPECT_EQ(vocabulary->NodeType, TElement::NodeNestedPackage);
    EXPECT_EQ(ChildTypes(vocabulary), (std::vector<int>{61, 62, 68, 64}));
    EXPECT_EQ(vocabulary->Child(1)->NodeType, TElement::NodeNestedPackageElement);
    for (int slot = 1; slot <= 6; ++slot)
        EXPECT_EQ(lesson->Child(slot)->Order, slot);
}

TEST_F(CourseLoading, InsertionMovesLaterChildrenDown)
{
    folder.Write(QStringLiteral("Unity1/l1.xml"), ::Lesson(1, QStringLiteral("Dom")));
    for (int i = 1; i <= 3; ++i)
        folder.Write(QStringLiteral("Dane1/l01_a%1.xml").arg(i), Doc{.Typ = 1, .Grupa = 1, .Id = 10 + i}.Xml());
    folder.Write(QStringLiteral("Dane1/m01_1.xml"), Doc{.Typ = 100, .Param1 = 11, .Param2 = 11, .Grupa = 1}.Xml());
    Load();

    ASSERT_TRUE(feedback.Errors.isEmpty());
    const TElement* lesson = Lesson(1);
    ASSERT_EQ(lesson->ChildCount, 4);
    EXPECT_EQ(lesson->Child(2)->FileName, QStringLiteral("m01_1.xml"));
    EXPECT_EQ(lesson->Child(3)->Id, 12);
    EXPECT_EQ(lesson->Child(3)->Order, 3);
    EXPECT_EQ(lesson->Child(4)->Order, 4);
    EXPECT_EQ(lesson->Child(4)->Position, 3);
}

TEST_F(CourseLoading, SpecialFilesLessonKindsAndHintNames)
{
    folder.Write(QStringLiteral("Unity1/l1.xml"), ::Lesson(1000, QStringLiteral("A")));
    folder.Write(QStringLiteral("Unity1/l2.xml"), ::Lesson(1001, QStringLiteral("B")));
    folder.Write(QStringLiteral("Dane1/ciekawostka_zciek.xml"), Doc{.Typ = 20, .Grupa = 1000, .Id = 999}.Xml());
    folder.Write(QStringLiteral("Dane1/test53.xml"), Doc{.Typ = 53, .Grupa = 1000, .Id = 5}.Xml());
    folder.Write(QStringLiteral("Dane1/test55.xml"), Doc{.Typ = 55, .Grupa = 1001, .Id = 5}.Xml());
    folder.Write(QStringLiteral("Dane1/test56.xml"), Doc{.Typ = 56, .Grupa = 1001, .Id = 5}.Xml());
    folder.Write(QStringLiteral("Dane1/x_range.xml"), Doc{.Typ = 2, .Grupa = 1001, .Id = 10000, .Name = {}}.Xml());
    folder.Write(QStringLiteral("Dane1/y_plain.xml"), Doc{.Typ = 1, .Grupa = 1001, .Name = {}}.Xml());
    folder.Write(QStringLiteral("Dane1/z_nohint.xml"), Doc{.Typ = 3, .Grupa = 1001, .Name = {}}.Xml());
    Load();

    ASSERT_TRUE(feedback.Errors.isEmpty()) << feedback.Errors.join(u'\n').toStdString();
    EXPECT_EQ(Lesson(1)->Kind, 99);
    EXPECT_EQ(Lesson(2)->Kind, 98);
    const TElement* curiosity = Lesson(1)->Child(1);
    EXPECT_EQ(curiosity->Kind, 10);
    EXPECT_EQ(curiosity->Id, 1000);
    EXPECT_EQ(Lesson(1)->Child(2)->Kind, 13);
    EXPECT_EQ(Lesson(2)->Child(1)->Kind, 14);
    EXPECT_EQ(Lesson(2)->Child(2)->Kind, 15);
    EXPECT_EQ(DisplayName(Lesson(2)->Child(3)), QStringLiteral("Lekcje 5-10"));
    EXPECT_EQ(DisplayName(Lesson(2)->Child(4)), QStringLiteral("Słówka"));
    EXPECT_EQ(DisplayName(Lesson(2)->Child(5)), QString());
}

TEST_F(CourseLoading, NamesFollowTheNamesLanguage)
{
    folder.Write(QStringLiteral("Unity1/l1.xml"), ::Lesson(1, QStringLiteral("Powitania")));
    model.NewTree();
    model.LoadLessons(folder.Source(1, 1), feedback, nullptr);
    EXPECT_EQ(model.Tree().Root()->Child(1)->Name, QStringLiteral("Lesson 1"));
    model.NewTree();
    model.LoadLessons(folder.Source(1, 3), feedback, nullptr);
    EXPECT_EQ(model.Tree().Root()->Child(1)->Name, QString());
}

// Each damaged document fails alone, with its message and log line, while the
// good documents around it load.
struct DamagedCase {
    const char* Name;
    const char* Folder; // "Unity1" or "Dane1"
    const char* FileName;
    QByteArray Content;
    bool LessonMessage;
};

class DamagedDocuments : public CourseLoading, public ::testing::WithParamInterface<DamagedCase> {};

QByteArray PackageWith(const QString& item)
{
    return Doc{.Typ = 100, .Param1 = 6, .Grupa = 1, .Id = 1,
               .Body = QStringLiteral("<element_paczki>%1</element_paczki>").arg(item)}
        .Xml();
}

QByteArray HundredAndOne()
{
    QString items;
    for (int i = 0; i < 101; ++i)
        items += QStringLiteral("<element_paczki>good.xml</element_paczki>");
    return Doc{.Typ = 100, .Param1 = 6, .Grupa = 1, .Id = 1, .Body = items}.Xml();
}

const DamagedCase kDamaged[] = {
    {"LessonNotWellFormed", "Unity1", "l5.xml", "<lekcja><ID>5</ID>", true},
    {"LessonIdNotANumber", "Unity1", "l5.xml", "<lekcja><ID>five</ID></lekcja>", true},
    {"LessonNameWithoutNumericId", "Unity1", "l5.xml", "<lekcja><ID>5</ID><nazwa id=\"x\">A</nazwa></lekcja>", true},
    {"ExerciseNotWellFormed", "Dane1", "l01_bad.xml", "<cwiczenie><config>", false},
    {"ExerciseTypeNotANumber", "Dane1", "l01_bad.xml",
     "<cwiczenie><config><typ_cw>4a</typ_cw><grupa>1</grupa></config></cwiczenie>", false},
    {"ExerciseIdNotANumber", "Dane1", "l01_bad.xml",
     "<cwiczenie><config><typ_cw>4</typ_cw><id>1.5</id></config></cwiczenie>", false},
    {"UnknownPackageKind", "Dane1", "l01_bad.xml", Doc{.Typ = 100, .Param1 = 3, .Grupa = 1}.Xml(), false},
    {"MissingPackageElementFile", "Dane1", "l01_bad.xml", PackageWith(QStringLiteral("missing.xml")), false},
    {"PackageElementWithoutHintName", "Dane1", "l01_bad.xml", PackageWith(QStringLiteral("nohint.xml")), false},
    {"PackageElementWithEmptyType", "Dane1", "l01_bad.xml", PackageWith(QStringLiteral("emptytype.xml")), false},
    {"MoreThanHundredChildren", "Dane1", "l01_bad.xml", HundredAndOne(), false},
    {"VocabularyPackageWithoutAnchor", "Dane1", "m01_1.xml",
     Doc{.Typ = 100, .Param1 = 7, .Param2 = 99, .Grupa = 1}.Xml(), false},
    {"VocabularyPackageSlotBeyondLesson", "Dane1", "m01_5.xml",
     Doc{.Typ = 100, .Param1 = 12, .Param2 = 11, .Grupa = 1}.Xml(), false},
};

TEST_P(DamagedDocuments, FailAloneWithMessageAndLogLine)
{
    const DamagedCase& c = GetParam();
    folder.Write(QStringLiteral("Unity1/l1.xml"), ::Lesson(1, QStringLiteral("Jeden")));
    folder.Write(QStringLiteral("Unity1/l9.xml"), ::Lesson(9, QStringLiteral("Dziewięć")));
    folder.Write(QStringLiteral("Dane1/l01_a.xml"), Doc{.Typ = 1, .Grupa = 1, .Id = 11}.Xml());
    folder.Write(QStringLiteral("Dane1/l01_z.xml"), Doc{.Typ = 4, .Grupa = 1, .Id = 12}.Xml());
    folder.Write(QStringLiteral("Dane1/Paczki/good.xml"), PackageElement(4));
    folder.Write(QStringLiteral("Dane1/Paczki/nohint.xml"), PackageElement(7));
    folder.Write(QStringLiteral("Dane1/Paczki/emptytype.xml"),
                 "<cwiczenie><config><typ_cw></typ_cw><poziom>1</poziom></config></cwiczenie>");
    folder.Write(QStringLiteral("%1/%2").arg(c.Folder, c.FileName), c.Content);
    Load();

    const QString expected =
        c.LessonMessage
            ? QStringLiteral("Błąd podczas analizowania pliku ćwiczenia. Dalsze wczytywanie ćwiczeń zostało przerwane! (%1)")
                  .arg(c.FileName)
            : QStringLiteral("Błąd podczas analizowania pliku ćwiczenia.(%1)").arg(c.FileName);
    EXPECT_EQ(feedback.Errors, QStringList{expected});
    EXPECT_EQ(LogText(), QStringLiteral("  Błąd wczytywania pliku: %1\r\n").arg(c.FileName));

    // The good documents around the bad one are all there.
    const TElement* root = model.Tree().Root();
    EXPECT_EQ(DisplayName(root->Child(1)), QStringLiteral("Jeden"));
    EXPECT_EQ(DisplayName(root->Child(2)), QStringLiteral("Dziewięć"));
    const TElement* lesson = root->Child(1);
    ASSERT_GE(lesson->ChildCount, 2);
    EXPECT_EQ(lesson->Child(1)->Id, 11);
    EXPECT_EQ(lesson->Children[lesson->ChildCount]->Id, 12);
}

INSTANTIATE_TEST_SUITE_P(Loading, DamagedDocuments, ::testing::ValuesIn(kDamaged),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(DefinitionsFile, ReadsTheRequestedLanguageAndRejectsDamage)
{
    ProgramFolder folder;
    folder.Write(QStringLiteral("d.xml"), Definitions());
    folder.Write(QStringLiteral("bad.xml"),
                 "<d><hinty><hint id=\"1\"><tlumaczenie id=\"0\">A</tlumaczenie></hint><hint id=\"x\"/></hinty></d>");
    HintTable table;
    table.Load(folder.Path() + QStringLiteral("/d.xml"), 1);
    EXPECT_EQ(table.Text(101), QStringLiteral("EN Słówka"));
    EXPECT_EQ(table.Text(5), QString());
    EXPECT_THROW(table.Load(folder.Path() + QStringLiteral("/bad.xml"), 0), ContentError);
    EXPECT_TRUE(table.Entries().isEmpty());
    EXPECT_THROW(table.Load(folder.Path() + QStringLiteral("/none.xml"), 0), ContentError);
}

} // namespace
