#include "CourseFixture.h"

#include "course/FieldOf.h"
#include "course/TNawigacjaDrzewa.h"

namespace {

QString NameOf(const TElement* e) { return e == nullptr ? QStringLiteral("none") : FieldOf(3, e->Name, u'='); }

// Lesson 1: a package of five pages, a dialogue package, a kind-6 folder and
// a vocabulary package. Lesson 2 is empty. Lesson 3: one package and a test.
class Navigation : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.Write(QStringLiteral("Config/definitions.xml"), Definitions());
        folder.Write(QStringLiteral("Unity1/l1.xml"), Lesson(1, QStringLiteral("Powitania")));
        folder.Write(QStringLiteral("Unity1/l2.xml"), Lesson(2, QStringLiteral("Pusta")));
        folder.Write(QStringLiteral("Unity1/l3.xml"), Lesson(3, QStringLiteral("Rodzina")));
        QString pages;
        for (int i = 1; i <= 5; ++i) {
            folder.Write(QStringLiteral("Dane1/Paczki/r%1.xml").arg(i), PackageElement(4));
            pages += QStringLiteral("<element_paczki>r%1.xml</element_paczki>").arg(i);
        }
        folder.Write(QStringLiteral("Dane1/l1_0a.xml"),
                     Doc{.Typ = 100, .Param1 = 1, .Grupa = 1, .Id = 101, .Name = QStringLiteral("Rozumienie"), .Body = pages}.Xml());
        folder.Write(QStringLiteral("Dane1/l1_0b.xml"),
                     Doc{.Typ = 100, .Param1 = 2, .Param2 = 5, .Grupa = 1, .Id = 102, .Name = QStringLiteral("Dialog")}.Xml());
        folder.Write(QStringLiteral("Dane1/l1_0c.xml"),
                     Doc{.Typ = 100, .Param1 = 6, .Grupa = 1, .Id = 103, .Name = QStringLiteral("Folder"),
                         .Body = "<element_paczki>r1.xml</element_paczki>"}.Xml());
        folder.Write(QStringLiteral("Dane1/l1_1.xml"),
                     Doc{.Typ = 100, .Param1 = 7, .Param2 = 103, .Grupa = 1, .Id = 104, .Name = QStringLiteral("Słówka")}.Xml());
        folder.Write(QStringLiteral("Dane1/l3_0a.xml"),
                     Doc{.Typ = 100, .Param1 = 2, .Param2 = 1, .Grupa = 3, .Id = 301, .Name = QStringLiteral("Dialog 3")}.Xml());
        folder.Write(QStringLiteral("Dane1/l3_test53.xml"),
                     Doc{.Typ = 53, .Grupa = 3, .Id = 9, .Name = QStringLiteral("Literki")}.Xml());
        model.LoadHints(folder.Path() + QStringLiteral("/Config/definitions.xml"), 0);
        model.NewTree();
        model.LoadLessons(folder.Source(), feedback, nullptr);
        model.LoadExercises(folder.Source(), feedback, nullptr);
        ASSERT_TRUE(feedback.Errors.isEmpty()) << feedback.Errors.join(u'\n').toStdString();
        lesson1 = model.Tree().Root()->Child(1);
        lesson3 = model.Tree().Root()->Child(3);
        ASSERT_EQ(lesson1->ChildCount, 4);
    }

    ProgramFolder folder;
    CourseModel model;
    RecordingFeedback feedback;
    QStringList diagnostics;
    TNawigacjaDrzewa nav{model, [this](const QString& text) { diagnostics.append(text); }};
    TElement* lesson1 = nullptr;
    TElement* lesson3 = nullptr;
};

TEST_F(Navigation, PageThreeOfAFivePagePackage)
{
    TElement* package = lesson1->Child(1);
    nav.SetCurrentElement(package->Child(3));
    EXPECT_EQ(nav.Lesson, lesson1);
    EXPECT_EQ(nav.Package, package);
    EXPECT_EQ(nav.ElementIndex, 3);
    EXPECT_EQ(nav.ElementCount, 5);
    EXPECT_EQ(nav.Prev, nullptr) << "the first item of a lesson has no previous";
    EXPECT_EQ(NameOf(nav.Next), QStringLiteral("Dialog"));
    EXPECT_EQ(nav.PrevLesson, nullptr);
    EXPECT_EQ(nav.NextLesson, lesson3) << "the empty lesson 2 is passed over";
    EXPECT_TRUE(diagnostics.isEmpty());

    nav.SetElementIndex(5);
    EXPECT_EQ(nav.Current, package->Child(5));
    EXPECT_EQ(NameOf(nav.Next), QStringLiteral("Dialog")) << "neighbours are not recomputed";
    nav.SetElementIndex(0);
    nav.SetElementIndex(6);
    EXPECT_EQ(diagnostics, (QStringList{QStringLiteral("SetElementIndex < 1"), QStringLiteral("Błąd w ustawianiu FElementIndex")}));
}

TEST_F(Navigation, NeighboursSkipFoldersAndStayInTheLesson)
{
    TElement* dialogue = lesson1->Child(2);
    nav.SetCurrentElement(dialogue->Child(2));
    EXPECT_EQ(NameOf(nav.Prev), QStringLiteral("Rozumienie"));
    EXPECT_EQ(NameOf(TNawigacjaDrzewa::OpeningOf(nav.Prev)), QStringLiteral("Wpisywanie")) << "a package opens at its first page";
    // The kind-6 folder is passed over; the vocabulary package after it is next.
    EXPECT_EQ(NameOf(nav.Next), QStringLiteral("Słówka"));

    TElement* vocabulary = lesson1->Child(4);
    nav.SetCurrentElement(vocabulary->Child(1));
    EXPECT_EQ(NameOf(nav.Prev), QStringLiteral("Dialog"));
    EXPECT_EQ(nav.Next, nullptr) << "the last package of a lesson has no next";
    ASSERT_EQ(nav.NextLesson, lesson3);
    EXPECT_EQ(NameOf(nav.NextLessonTarget()), QStringLiteral("Hint 9"));

    std::vector<QString> contents;
    for (TElement* e : nav.LessonContents())
        contents.push_back(NameOf(e));
    EXPECT_EQ(contents, (std::vector<QString>{QStringLiteral("Rozumienie"), QStringLiteral("Dialog"), QStringLiteral("Słówka")}));
}

TEST_F(Navigation, StandaloneKindsAreNavigatedByThemselves)
{
    TElement* crossword = lesson3->Child(2);
    ASSERT_EQ(crossword->Kind, 13);
    nav.SetCurrentElement(crossword);
    EXPECT_EQ(nav.Package, nullptr);
    EXPECT_EQ(NameOf(nav.Prev), QStringLiteral("Dialog 3"));
    EXPECT_EQ(nav.Next, nullptr);
    EXPECT_EQ(NameOf(nav.PrevLesson), QStringLiteral("Powitania"));
    EXPECT_EQ(GetHelpPage(nav), QStringLiteral("\\Pomoc\\literki.html#53"));

    nav.SetCurrentElement(lesson3->Child(1)->Child(1));
    EXPECT_EQ(NameOf(nav.Next), QStringLiteral("Literki"));
}

TEST_F(Navigation, HelpPagesFollowThePackageKind)
{
    nav.SetCurrentElement(lesson1->Child(2)->Child(2)); // dialogue comprehension, type 14
    EXPECT_EQ(GetHelpPage(nav), QStringLiteral("\\Pomoc\\dialogi.html#14"));
    nav.SetCurrentElement(lesson1->Child(4)->Child(3)); // vocabulary, type 68
    EXPECT_EQ(GetHelpPage(nav), QStringLiteral("\\Pomoc\\slowka.html#68"));
    nav.SetCurrentElement(lesson1->Child(1)->Child(1));
    EXPECT_EQ(GetHelpPage(nav), QStringLiteral("\\Pomoc\\rozum.html#4"));
}

TEST(KindNameTable, NamesEveryCategory)
{
    const std::pair<int, const char*> cases[] = {
        {1, "rozumienie"}, {2, "dialog"}, {3, "zdania"}, {4, "prezentacja"}, {5, "gramatyka"},
        {6, "gramatyka"}, {7, "słówka"}, {8, "film"}, {9, "pisanie"}, {10, "ciekawostka"},
        {11, "słówka dodatkowe"}, {12, "słówka zwroty"}, {13, "literki"}, {14, "test"}, {15, "test"},
        {16, "czytanie"}, {0, ""}, {17, ""}, {99, ""},
    };
    for (const auto& [kind, name] : cases)
        EXPECT_EQ(KindName(kind), QString::fromUtf8(name)) << kind;
}

} // namespace
