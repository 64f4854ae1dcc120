#include "../course/CourseFixture.h"

#include "app/ContentsList.h"

#include "course/FieldOf.h"

namespace {

using Action = ContentsList::Action;

// A course of `lessons` lessons, each with `perLesson` exercises, and one
// package (kind 1) of two elements in lesson 1.
void WriteCourse(const ProgramFolder& folder, int lessons, int perLesson)
{
    folder.Write(QStringLiteral("Config/definitions.xml"), Definitions());
    for (int l = 1; l <= lessons; ++l) {
        folder.Write(QStringLiteral("Unity1/l%1.xml").arg(l, 2, 10, QLatin1Char('0')),
                     Lesson(l, QStringLiteral("Lekcja %1").arg(l)));
        for (int e = 1; e <= perLesson; ++e)
            folder.Write(QStringLiteral("Dane1/l%1_%2.xml").arg(l, 2, 10, QLatin1Char('0')).arg(e),
                         Doc{.Typ = 4, .Grupa = l, .Id = l}.Xml());
    }
    folder.Write(QStringLiteral("Dane1/l01_p.xml"),
                 Doc{.Typ = 100, .Param1 = 1, .Grupa = 1, .Id = 1,
                     .Body = "<element_paczki>a.xml</element_paczki><element_paczki>b.xml</element_paczki>"}
                     .Xml());
    folder.Write(QStringLiteral("Dane1/Paczki/a.xml"), PackageElement(4));
    folder.Write(QStringLiteral("Dane1/Paczki/b.xml"), PackageElement(1));
}

class ContentsRows : public ::testing::Test {
protected:
    void Load(int lessons, int perLesson)
    {
        WriteCourse(folder, lessons, perLesson);
        model.LoadHints(folder.Path() + QStringLiteral("/Config/definitions.xml"), 0);
        model.NewTree();
        model.LoadLessons(folder.Source(), feedback, nullptr);
        model.LoadExercises(folder.Source(), feedback, nullptr);
        ASSERT_TRUE(feedback.Errors.isEmpty()) << feedback.Errors.join(u'\n').toStdString();
        rows.Fill();
    }

    ProgramFolder folder;
    CourseModel model;
    RecordingFeedback feedback;
    ContentsList rows{model};
};

TEST_F(ContentsRows, ExpandAndCollapseInsertAndRemoveTheVisibleDescendants)
{
    Load(3, 2);
    ASSERT_EQ(rows.Count(), 3); // only lessons after loading
    rows.Toggle(0);             // lesson 1: two exercises and the package
    EXPECT_EQ(rows.Count(), 6);
    EXPECT_EQ(FieldOf(2, rows.Items()[3], u'='), QStringLiteral("1"));
    TElement* package = rows.ElementAt(3);
    ASSERT_EQ(package->NodeType, TElement::NodePackage);
    rows.Toggle(3);
    EXPECT_EQ(rows.Count(), 8);
    EXPECT_EQ(rows.ElementAt(4), package->Child(1));
    // Collapsing the lesson hides the package rows too but keeps the package expanded.
    rows.Toggle(0);
    EXPECT_EQ(rows.Count(), 3);
    EXPECT_TRUE(package->Expanded);
    rows.Toggle(0);
    EXPECT_EQ(rows.Count(), 8);

    rows.SetAllExpanded(false);
    EXPECT_EQ(rows.Count(), 3);
    rows.SetAllExpanded(true);
    EXPECT_EQ(rows.Count(), 3 + 3 * 2 + 1 + 2);
}

TEST_F(ContentsRows, ScrollBarShowsFromTwentyFourRows)
{
    Load(23, 0);
    EXPECT_EQ(rows.Count(), 23 + 0);
    EXPECT_FALSE(rows.ScrollBarVisible()); // 23 lesson rows (the package sits in lesson 1, collapsed)
    EXPECT_EQ(rows.ScrollMax(), 0);
    rows.Toggle(0); // the package row appears
    EXPECT_EQ(rows.Count(), 24);
    EXPECT_TRUE(rows.ScrollBarVisible());
    EXPECT_EQ(rows.ScrollMax(), 1);
}

struct ZoneCase {
    const char* Name;
    int NodeType;
    int Kind;
    int Children;
    int X;
    Action Expected;
    int Child;
};

TEST(ContentsClickZones, FollowTheRowKind)
{
    const ZoneCase cases[] = {
        {"lesson left edge", TElement::NodeLesson, 99, 2, 9, Action::None, 0},
        {"lesson start", TElement::NodeLesson, 99, 2, 10, Action::Toggle, 0},
        {"lesson end", TElement::NodeLesson, 99, 2, 600, Action::Toggle, 0},
        {"lesson beyond", TElement::NodeLesson, 99, 2, 601, Action::None, 0},
        {"exercise icon", TElement::NodeExercise, 0, 0, 54, Action::None, 0},
        {"exercise name", TElement::NodeExercise, 0, 0, 55, Action::Open, 0},
        {"exercise end", TElement::NodeExercise, 0, 0, 365, Action::Open, 0},
        {"exercise beyond", TElement::NodeExercise, 0, 0, 366, Action::None, 0},
        {"package element icon", TElement::NodePackageElement, 0, 0, 82, Action::None, 0},
        {"package element name", TElement::NodePackageElement, 0, 0, 83, Action::Open, 0},
        {"nested element name", TElement::NodeNestedPackageElement, 0, 0, 300, Action::Open, 0},
        {"package name", TElement::NodePackage, 1, 3, 60, Action::PackageClick, 0},
        {"package plus", TElement::NodePackage, 1, 3, 785, Action::Toggle, 0},
        {"package plus edge", TElement::NodePackage, 1, 3, 779, Action::None, 0},
        // three children: strip at 780 - 87 = 693, icons 693..717, 722..746, 751..775
        {"package first icon", TElement::NodePackage, 1, 3, 693, Action::OpenChild, 1},
        {"package first icon end", TElement::NodePackage, 1, 3, 717, Action::OpenChild, 1},
        {"package gap", TElement::NodePackage, 1, 3, 720, Action::None, 0},
        {"package third icon", TElement::NodePackage, 1, 3, 775, Action::OpenChild, 3},
        {"nested package name", TElement::NodeNestedPackage, 7, 4, 100, Action::PackageClick, 0},
        {"package between zones", TElement::NodePackage, 1, 3, 500, Action::None, 0},
    };
    for (const ZoneCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TDrzewo tree;
        TElement* element = tree.Append(nullptr);
        element->NodeType = c.NodeType;
        element->Kind = c.Kind;
        for (int i = 0; i < c.Children; ++i)
            tree.Append(element);
        const ContentsList::Hit hit = ContentsList::HitTest(*element, c.X);
        EXPECT_EQ(hit.What, c.Expected);
        EXPECT_EQ(hit.Child, c.Child);
    }
}

TEST(ContentsClickZones, PackageClickTogglesKindSixAndOpensTheFirstChildOtherwise)
{
    TDrzewo tree;
    TElement* package = tree.Append(nullptr);
    package->NodeType = TElement::NodePackage;
    tree.Append(package);
    package->Kind = 6;
    EXPECT_EQ(ContentsList::ResolvePackageClick(*package).What, Action::Toggle);
    package->Kind = 1;
    const ContentsList::Hit hit = ContentsList::ResolvePackageClick(*package);
    EXPECT_EQ(hit.What, Action::OpenChild);
    EXPECT_EQ(hit.Child, 1);
}

// Every character is 10 pixels wide, "..." 9, so the arithmetic is visible.
int FixedWidth(const QString& text)
{
    return text == u"..." ? 9 : static_cast<int>(text.size()) * 10;
}

TEST(ContentsRowName, EllipsisRule)
{
    // Depth 0: drawn at x 50; whole while 50 + width <= 400, i.e. up to 35 characters.
    const QString fits(35, u'a');
    EXPECT_EQ(FitRowName(fits, 0, FixedWidth), fits);
    // 36 characters pass 400: keep what fits in 350 (35 characters); "..." (9) is
    // narrower than the last two kept characters (20), so nothing more is dropped.
    EXPECT_EQ(FitRowName(QString(36, u'a'), 0, FixedWidth), QString(35, u'a') + QStringLiteral("..."));
    // Depth 2: x 110, room 290 -> 29 characters.
    EXPECT_EQ(FitRowName(QString(40, u'b'), 2, FixedWidth), QString(29, u'b') + QStringLiteral("..."));
    // When "..." is at least as wide as the last two kept characters, one more goes.
    auto wideDots = [](const QString& text) { return text == u"..." ? 20 : static_cast<int>(text.size()) * 10; };
    EXPECT_EQ(FitRowName(QString(40, u'c'), 0, wideDots), QString(34, u'c') + QStringLiteral("..."));
}

} // namespace
