#include "../course/CourseFixture.h"

#include "exercises/ExerciseDocument.h"

namespace {

QByteArray Document(int typ, const QString& body, const QString& extraConfig = {})
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<cwiczenie><config><id>7</id>"
                          "<multimedia>  l01.wav </multimedia><nazwa id=\"0\">Nazwa</nazwa><nazwa id=\"1\">Name</nazwa>"
                          "<grupa>3</grupa><poziom></poziom><typ_cw>%1</typ_cw><param1>2</param1><param2>32</param2>%3"
                          "</config><body>%2</body></cwiczenie>")
        .arg(typ)
        .arg(body, extraConfig)
        .toUtf8();
}

const QString kPolecenie = QStringLiteral("<polecenie id=\"0\">Uzupełnij~zdania.</polecenie><polecenie id=\"1\">Fill in</polecenie>");
const QString kPolecenia = QStringLiteral("<polecenia><typ id=\"1\"><polecenie id=\"0\">Posłuchaj</polecenie></typ>"
                                          "<typ id=\"2\"><polecenie id=\"0\">Wybierz~tłumaczenie~(reszta)</polecenie></typ></polecenia>");

struct FamilyCase {
    const char* Name;
    int Typ;
    ExerciseFamily Family;
    QString Body;
    int Mode;
    const char* Instruction;
    const char* Repeated; // element of the body (or of its container) that repeats
    int Count;
};

TEST(ExerciseDocument, ReadsEveryFamilyThroughOneModel)
{
    const FamilyCase cases[] = {
        {"pairs", 2, ExerciseFamily::Pairs,
         QStringLiteral("<html>p.html</html>") + kPolecenie + QStringLiteral("<pary><para id=\"1\">cat=kot</para><para id=\"2\">dog=pies</para></pary>"),
         0, "Uzupełnij\n\rzdania.", "pary/para", 2},
        {"dialogues", 14, ExerciseFamily::Dialogues,
         kPolecenia + QStringLiteral("<kwestia id=\"1\" osoba=\"1\" sampel=\"a.wav\" visible=\"1\"><tresc>Hi</tresc>"
                                     "<tlumaczenie id=\"0\">Cześć</tlumaczenie></kwestia>"),
         2, "Wybierz\n\rtłumaczenie", "kwestia", 1},
        {"gap typing", 4, ExerciseFamily::GapTyping,
         QStringLiteral("<html>x.html</html>") + kPolecenie + QStringLiteral("<tresc>I [am] fine.</tresc><tlumaczenie id=\"0\">Mam się dobrze.</tlumaczenie>"),
         0, "Uzupełnij\n\rzdania.", "tlumaczenie", 1},
        {"tests", 3, ExerciseFamily::Tests,
         kPolecenie + QStringLiteral("<grupy><grupa id=\"1\"><naglowek>Q</naglowek><poprawne>1</poprawne>"
                                     "<odpowiedz id=\"1\">A</odpowiedz></grupa></grupy>"),
         0, "Uzupełnij\n\rzdania.", "grupy/grupa", 1},
        {"true/false", 31, ExerciseFamily::TrueFalse,
         QStringLiteral("<html/><kolumna id=\"1\">Prawda</kolumna>") + kPolecenie
             + QStringLiteral("<zdanie id=\"1\" odp=\"1\" sampel=\"\"><tresc>Sky is blue</tresc></zdanie>"),
         0, "Uzupełnij\n\rzdania.", "zdanie", 1},
        {"presentation", 41, ExerciseFamily::Presentation,
         QStringLiteral("<obrazek>room.png</obrazek><slowko id=\"1\" sampel=\"s.wav\" X=\"10\" Y=\"20\"><hot_rect>1,2,3,4</hot_rect>"
                        "<tresc>bed</tresc><tlumaczenie id=\"0\">łóżko</tlumaczenie></slowko>"),
         0, "", "slowko", 1},
        {"sentence gaps", 5, ExerciseFamily::SentenceGaps,
         kPolecenie + QStringLiteral("<zdania><zdanie id=\"1\">a</zdanie><zdanie id=\"2\">b</zdanie><zdanie id=\"3\">c</zdanie></zdania>"),
         0, "Uzupełnij\n\rzdania.", "zdania/zdanie", 3},
        {"reading text", 51, ExerciseFamily::ReadingText, QStringLiteral("<html1>a.html</html1><html2>b.html</html2>"),
         0, "", "html1", 1},
        {"vocabulary", 61, ExerciseFamily::Vocabulary,
         kPolecenia + QStringLiteral("<slowko id=\"1\" sampel=\"cat.wav\"><tresc>cat</tresc><tlumaczenie id=\"0\">kot</tlumaczenie></slowko>"
                                     "<slowko id=\"2\" sampel=\"dog.wav\"><tresc>dog</tresc></slowko>"),
         1, "Posłuchaj", "slowko", 2},
    };
    ProgramFolder folder;
    for (const FamilyCase& c : cases) {
        SCOPED_TRACE(c.Name);
        folder.Write(QStringLiteral("doc.xml"), Document(c.Typ, c.Body));
        const ExerciseDocument doc = ExerciseDocument::Open(folder.Path() + QStringLiteral("/doc.xml"));
        EXPECT_EQ(doc.Family(), c.Family);
        EXPECT_EQ(doc.Header().TypCw, c.Typ);
        EXPECT_EQ(doc.Header().Multimedia, QStringLiteral("l01.wav"));
        EXPECT_EQ(doc.Header().Grupa, 3);
        EXPECT_EQ(doc.Header().Poziom, 0);
        EXPECT_EQ(doc.Header().Param2, 32);
        EXPECT_EQ(doc.Header().Name(1), QStringLiteral("Name"));
        EXPECT_EQ(doc.Header().Name(4), QString());
        EXPECT_EQ(doc.Instruction(0, c.Mode), QString::fromUtf8(c.Instruction));
        const QString repeated = QString::fromUtf8(c.Repeated);
        ExerciseNode parent = doc.Body();
        QString name = repeated;
        if (repeated.contains(u'/')) {
            parent = parent.Child(repeated.section(u'/', 0, 0));
            name = repeated.section(u'/', 1);
        }
        EXPECT_EQ(parent.Count(name), c.Count);
        EXPECT_EQ(parent.Children(name).size(), static_cast<size_t>(c.Count));
        EXPECT_FALSE(parent.At(name, c.Count - 1).IsNull());
        EXPECT_TRUE(parent.At(name, c.Count).IsNull());
    }
}

TEST(ExerciseDocument, StrictIntegersAndMissingTexts)
{
    ProgramFolder folder;
    folder.Write(QStringLiteral("v.xml"),
                 Document(61, QStringLiteral("<slowko id=\"x\" sampel=\"a.wav\"><tresc>  cat\t</tresc></slowko><slowko sampel=\"b\"/>"),
                          QStringLiteral("<tlo>t.png</tlo><tekst>t</tekst>")));
    const ExerciseDocument doc = ExerciseDocument::Open(folder.Path() + QStringLiteral("/v.xml"));
    const ExerciseNode first = doc.Body().At(QStringLiteral("slowko"), 0);
    EXPECT_THROW(first.IntAttribute(QStringLiteral("id")), ContentError);
    EXPECT_THROW(doc.Body().At(QStringLiteral("slowko"), 1).IntAttribute(QStringLiteral("id")), ContentError);
    EXPECT_THROW(first.ChildInt(QStringLiteral("tresc")), ContentError);
    EXPECT_EQ(TrimText(first.ChildText(QStringLiteral("tresc"))), QStringLiteral("cat"));
    EXPECT_EQ(first.ChildText(QStringLiteral("brak")), QString());
    EXPECT_EQ(first.LanguageText(QStringLiteral("tlumaczenie"), 0), QString()) << "no item for the code";
    EXPECT_EQ(doc.Instruction(0, 1), QString()) << "no polecenia at all";

    // "tlo" and "tekst" present or absent load the same.
    folder.Write(QStringLiteral("w.xml"), Document(61, QStringLiteral("<slowko id=\"1\" sampel=\"a\"/>")));
    EXPECT_NO_THROW(ExerciseDocument::Open(folder.Path() + QStringLiteral("/w.xml")));
}

TEST(ExerciseDocument, UnreadableDocumentsFailToOpen)
{
    ProgramFolder folder;
    folder.Write(QStringLiteral("broken.xml"), "<cwiczenie><config>");
    folder.Write(QStringLiteral("other.xml"), "<lekcja/>");
    folder.Write(QStringLiteral("notype.xml"), "<cwiczenie><config><typ_cw>cztery</typ_cw></config></cwiczenie>");
    for (const char* name : {"broken.xml", "other.xml", "notype.xml", "missing.xml"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(ExerciseDocument::Open(folder.Path() + u'/' + QString::fromLatin1(name)), ContentError);
    }
}

TEST(InstructionRule, SplitsAtTheFirstTwoTildes)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Jedna część", "Jedna część"},
        {"Pierwsza~druga~trzecia", "Pierwsza\n\rdruga"},
        {"Tylko przed~", "Tylko przed\n\r"},
        {"~po", "\n\rpo"},
        {"", ""},
    };
    for (const auto& [raw, shown] : cases)
        EXPECT_EQ(InstructionText(QString::fromUtf8(raw)), QString::fromUtf8(shown)) << raw;
    EXPECT_EQ(TrimText(QStringLiteral("\r\n\t kot \x01")), QStringLiteral("kot"));
    EXPECT_EQ(TrimText(QStringLiteral("   ")), QString());
}

} // namespace
