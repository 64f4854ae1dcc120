#include "FailingWrites.h"

#include "users/ResultsStore.h"
#include "users/UserFiles.h"

#include "course/LoadFeedback.h"
#include "course/TDrzewo.h"

#include <QDomDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CountingFeedback : public LoadFeedback {
public:
    void ShowLoadError(const QString&) override {}
    void StartProgress(int maximum, const QString& caption) override
    {
        Maximum = maximum;
        Caption = caption;
    }
    void StepProgress(int position) override { Last = position; ++Steps; }
    void CloseProgress() override { ++Closed; }
    int Maximum = -2;
    QString Caption;
    int Last = -1;
    int Steps = 0;
    int Closed = 0;
};

// What the file holds for one file name and type.
struct Stored {
    QString Data;
    QString Postep;
    QString Czas;
    friend bool operator==(const Stored&, const Stored&) = default;
};

void PrintTo(const Stored& s, std::ostream* os)
{
    *os << "{" << s.Data.toStdString() << ", " << s.Postep.toStdString() << ", " << s.Czas.toStdString() << "}";
}

// A lesson "lekcja01.xml" with four exercises, a vocabulary package with its
// four children under one file name, and the learner's results file.
class ResultsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.path() + QStringLiteral("/1_stat1.xml");
        WriteFile(UserFiles::FreshResultsFile());
        lesson = Add(nullptr, 0, QStringLiteral("lekcja01.xml"), 99);
        typing = Add(lesson, 4, QStringLiteral("l01_wpisywanie.xml"));
        pairs = Add(lesson, 2, QStringLiteral("l01_pary.xml"));
        trueFalse = Add(lesson, 31, QStringLiteral("l01_pf.xml"));
        reading = Add(lesson, 51, QStringLiteral("l01_czytanka.xml"));
        package = Add(lesson, 0, QStringLiteral("lekcja01_1.xml"), 7);
        for (int type : {61, 62, 68, 64})
            vocabulary.push_back(Add(package, type, QStringLiteral("lekcja01_1.xml")));
        crossword = Add(nullptr, 53, QStringLiteral("powtorka01_1_test53.xml"), 13);
        store.SetClock([] { return QDate(2026, 3, 5); });
    }

    TElement* Add(TElement* parent, int type, const QString& fileName, int kind = 0)
    {
        TElement* e = tree.Append(parent);
        e->TypCw = type;
        e->FileName = fileName;
        e->Kind = kind;
        flat.push_back(e);
        return e;
    }

    void WriteFile(const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    void OpenAndLoad()
    {
        store.Open(path);
        CountingFeedback feedback;
        store.LoadAll(flat, feedback);
    }

    QDomDocument Saved() const
    {
        QDomDocument document;
        EXPECT_TRUE(document.setContent(ReadAll(path)));
        return document;
    }

    int EntryCount(const QString& fileName) const
    {
        int count = 0;
        const QDomElement root = Saved().documentElement();
        for (QDomElement plik = root.firstChildElement(QStringLiteral("plik")); !plik.isNull();
             plik = plik.nextSiblingElement(QStringLiteral("plik")))
            if (plik.attribute(QStringLiteral("nazwa")) == fileName)
                ++count;
        return count;
    }

    QStringList FileNames() const
    {
        QStringList names;
        const QDomElement root = Saved().documentElement();
        for (QDomElement plik = root.firstChildElement(QStringLiteral("plik")); !plik.isNull();
             plik = plik.nextSiblingElement(QStringLiteral("plik")))
            names << plik.attribute(QStringLiteral("nazwa"));
        return names;
    }

    std::optional<Stored> Entry(const QString& fileName, int type) const
    {
        const QDomElement root = Saved().documentElement();
        for (QDomElement plik = root.firstChildElement(QStringLiteral("plik")); !plik.isNull();
             plik = plik.nextSiblingElement(QStringLiteral("plik"))) {
            if (plik.attribute(QStringLiteral("nazwa")) != fileName)
                continue;
            for (QDomElement dane = plik.firstChildElement(QStringLiteral("dane")); !dane.isNull();
                 dane = dane.nextSiblingElement(QStringLiteral("dane")))
                if (dane.attribute(QStringLiteral("id")).toInt() == type)
                    return Stored{dane.firstChildElement(QStringLiteral("data")).text(),
                                  dane.firstChildElement(QStringLiteral("postep")).text(),
                                  dane.firstChildElement(QStringLiteral("czas")).text()};
        }
        return std::nullopt;
    }

    QTemporaryDir dir;
    QString path;
    TDrzewo tree;
    std::vector<TElement*> flat;
    TElement* lesson = nullptr;
    TElement* typing = nullptr;
    TElement* pairs = nullptr;
    TElement* trueFalse = nullptr;
    TElement* reading = nullptr;
    TElement* package = nullptr;
    std::vector<TElement*> vocabulary;
    TElement* crossword = nullptr;
    ResultsStore store;
};

TEST_F(ResultsStoreTest, TheLatestScoreReplacesTheStoredOne)
{
    OpenAndLoad();
    store.Record(*typing, 80);
    store.Record(*typing, 40);
    EXPECT_EQ(Entry(QStringLiteral("l01_wpisywanie.xml"), 4),
              (Stored{QStringLiteral("05-03-2026"), QStringLiteral("40"), QStringLiteral("00:00:00")}));
    EXPECT_EQ(EntryCount(QStringLiteral("l01_wpisywanie.xml")), 1);
    EXPECT_EQ(typing->Score, 40);
    EXPECT_TRUE(typing->HasResult);
}

TEST_F(ResultsStoreTest, TypesUnderOneFileNameShareOneEntry)
{
    OpenAndLoad();
    store.Record(*vocabulary[1], 75);
    store.Record(*vocabulary[3], 50);
    EXPECT_EQ(EntryCount(QStringLiteral("lekcja01_1.xml")), 1);
    EXPECT_EQ(Entry(QStringLiteral("lekcja01_1.xml"), 62)->Postep, QStringLiteral("75"));
    EXPECT_EQ(Entry(QStringLiteral("lekcja01_1.xml"), 64)->Postep, QStringLiteral("50"));
    // The package is stored under the same name as type 0; the list (61) has no score.
    EXPECT_EQ(Entry(QStringLiteral("lekcja01_1.xml"), 0)->Postep, QStringLiteral("41"));
    EXPECT_FALSE(Entry(QStringLiteral("lekcja01_1.xml"), 61));
}

TEST_F(ResultsStoreTest, MeansCountUnscoredChildrenAsZeroAndLeaveOutPresentations)
{
    // The package has not been touched, so the lesson's children are
    // typing 90, pairs 45, true/false 0 and the package 0; the reading text (-1) is left out.
    OpenAndLoad();
    store.Record(*typing, 90);
    store.Record(*pairs, 45);
    EXPECT_EQ(lesson->Score, (90 + 45 + 0 + 0) / 4);
    EXPECT_EQ(Entry(QStringLiteral("lekcja01.xml"), 0)->Postep, QString::number((90 + 45 + 0 + 0) / 4));

    // A lesson of three scored exercises and one presentation.
    TDrzewo small;
    TElement* l = small.Append(nullptr);
    l->FileName = QStringLiteral("lekcja02.xml");
    TElement* a = small.Append(l);
    TElement* b = small.Append(l);
    TElement* c = small.Append(l);
    TElement* d = small.Append(l);
    for (auto [e, type, name] : {std::tuple{a, 4, "a.xml"}, {b, 2, "b.xml"}, {c, 31, "c.xml"}, {d, 61, "d.xml"}}) {
        e->TypCw = type;
        e->FileName = QString::fromLatin1(name);
        store.LoadElementResult(*e);
    }
    store.Record(*a, 90);
    store.Record(*b, 45);
    EXPECT_EQ(l->Score, 45);
    store.Record(*d, std::nullopt);
    EXPECT_EQ(d->Score, -1);
    EXPECT_EQ(l->Score, 45);
}

TEST_F(ResultsStoreTest, MeansGoUpToTheLessonButNeverScoreTheRoot)
{
    OpenAndLoad();
    store.Record(*vocabulary[1], 100);
    EXPECT_EQ(package->Score, 100 / 3); // 62: 100, 68 and 64: 0, 61 left out
    EXPECT_EQ(lesson->Score, 100 / 3 / 4);
    EXPECT_EQ(Entry(QStringLiteral("lekcja01.xml"), 0)->Postep, QString::number(100 / 3 / 4));
    EXPECT_EQ(FileNames(), (QStringList{QStringLiteral("LastLesson"), QStringLiteral("lekcja01_1.xml"),
                                        QStringLiteral("lekcja01.xml")}));
    EXPECT_FALSE(tree.Root()->HasResult);
}

class UnscoredTypes : public ResultsStoreTest, public ::testing::WithParamInterface<int> {};

TEST_P(UnscoredTypes, LeavingAPresentationWritesOnlyTheLastVisit)
{
    OpenAndLoad();
    TElement* presentation = Add(lesson, GetParam(), QStringLiteral("prezentacja.xml"));
    store.Record(*presentation, 70);
    EXPECT_EQ(FileNames(), QStringList{QStringLiteral("LastLesson")});
    EXPECT_EQ(presentation->Score, -1);
    EXPECT_EQ(presentation->Time, QStringLiteral("00:00:00"));
    EXPECT_EQ(Entry(QStringLiteral("LastLesson"), -1),
              (Stored{QStringLiteral("05-03-2026"), QStringLiteral("0"),
                      QStringLiteral("prezentacja.xml=%1").arg(GetParam())}));
}

INSTANTIATE_TEST_SUITE_P(Presentations, UnscoredTypes, ::testing::Values(11, 41, 51, 61),
                         [](const ::testing::TestParamInfo<int>& info) { return "type" + std::to_string(info.param); });

TEST_F(ResultsStoreTest, AHiddenResultPanelWritesOnlyTheLastVisit)
{
    OpenAndLoad();
    store.Record(*vocabulary[2], std::nullopt);
    EXPECT_EQ(FileNames(), QStringList{QStringLiteral("LastLesson")});
    EXPECT_EQ(Entry(QStringLiteral("LastLesson"), -1)->Czas, QStringLiteral("lekcja01_1.xml=68"));
    EXPECT_FALSE(vocabulary[2]->HasResult);
}

TEST_F(ResultsStoreTest, StoredResultsComeBackAfterARestartAndFreshOnesAreZeroOrUnscored)
{
    OpenAndLoad();
    store.Record(*typing, 85);
    store.Record(*trueFalse, 60);

    ResultsStore restarted;
    restarted.Open(path);
    for (TElement* e : flat)
        e->Score = 1234;
    CountingFeedback feedback;
    restarted.LoadAll(flat, feedback);
    EXPECT_EQ(feedback.Caption, QStringLiteral("Wczytuję statystyki..."));
    EXPECT_EQ(feedback.Maximum, static_cast<int>(flat.size()) - 1);
    EXPECT_EQ(feedback.Last, feedback.Maximum);
    EXPECT_EQ(feedback.Steps, static_cast<int>(flat.size()));
    EXPECT_EQ(feedback.Closed, 1);

    EXPECT_EQ(typing->Score, 85);
    EXPECT_EQ(typing->Date, QStringLiteral("05-03-2026"));
    EXPECT_TRUE(typing->HasResult);
    EXPECT_EQ(lesson->Score, (85 + 60) / 4);
    EXPECT_EQ(pairs->Score, 0);
    EXPECT_FALSE(pairs->HasResult);
    EXPECT_EQ(reading->Score, -1);
    EXPECT_EQ(crossword->Score, -1) << "sub-kind 13 has no score";

    TElement& last = restarted.LastLesson();
    ASSERT_TRUE(restarted.LoadElementResult(last));
    EXPECT_EQ(last.Time, QStringLiteral("l01_pf.xml=31"));
    EXPECT_EQ(last.Date, QStringLiteral("05-03-2026"));
}

TEST_F(ResultsStoreTest, ReadsUtf16FilesWithEntriesAndAMissingFileIsEmpty)
{
    WriteFile(UserFiles::Utf16LeWithBom(QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<cwiczenia><plik nazwa=\"l01_pary.xml\">"
        "<dane id=\"2\"><data>01-02-2026</data><postep>70</postep><czas>00:00:00</czas></dane></plik></cwiczenia>\r\n")));
    OpenAndLoad();
    EXPECT_EQ(pairs->Score, 70);
    EXPECT_EQ(pairs->Date, QStringLiteral("01-02-2026"));
    store.Record(*typing, 10);
    // After a save the file is UTF-8 and still holds the old entry.
    EXPECT_TRUE(ReadAll(path).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_EQ(Entry(QStringLiteral("l01_pary.xml"), 2)->Postep, QStringLiteral("70"));

    QFile::remove(path);
    ResultsStore missing;
    missing.Open(path);
    EXPECT_FALSE(missing.LoadElementResult(*typing));
    EXPECT_FALSE(QFile::exists(path)) << "nothing is written before a result";
    missing.Record(*typing, 55);
    EXPECT_EQ(Entry(QStringLiteral("l01_wpisywanie.xml"), 4)->Postep, QStringLiteral("55"));
}

TEST_F(ResultsStoreTest, ADamagedFileIsRefusedAndLeftAsItWas)
{
    const QByteArray damaged[] = {
        QByteArray("<?xml version=\"1.0\"?><cwiczenia><plik nazwa=\"a.xml\"><dane id=\"4\">"),
        QByteArray("<?xml version=\"1.0\"?><wyniki></wyniki>"),
        QByteArray("\x00\x01\x02 not xml", 11),
    };
    for (const QByteArray& bytes : damaged) {
        SCOPED_TRACE(bytes.toStdString());
        WriteFile(bytes);
        ResultsStore fresh;
        EXPECT_THROW(fresh.Open(path), ResultsFileError);
        EXPECT_EQ(ReadAll(path), bytes);
    }
    // A score that is not a number is a damaged entry.
    WriteFile("<cwiczenia><plik nazwa=\"l01_pary.xml\"><dane id=\"2\"><postep>dużo</postep></dane></plik></cwiczenia>");
    store.Open(path);
    EXPECT_THROW(store.LoadElementResult(*pairs), ResultsFileError);
}

TEST_F(ResultsStoreTest, ASaveBrokenHalfWayLeavesTheOldFile)
{
    OpenAndLoad();
    store.Record(*typing, 80);
    const QByteArray before = ReadAll(path);

    HalfWayFullWriter full;
    ResultsStore onFullDisk(full);
    onFullDisk.Open(path);
    CountingFeedback feedback;
    onFullDisk.LoadAll(flat, feedback);
    EXPECT_THROW(onFullDisk.Record(*typing, 20), ResultsFileError);
    EXPECT_EQ(full.Failures, 1);
    EXPECT_EQ(ReadAll(path), before);

    UnwritableFolder locked(dir.path());
    if (!locked.Works())
        GTEST_SKIP() << "this file system lets the folder be written";
    EXPECT_THROW(store.Record(*pairs, 30), ResultsFileError);
    EXPECT_EQ(ReadAll(path), before);
}

} // namespace
