#include "exercises/screens/wpisywanie/GapLayout.h"
#include "exercises/screens/wpisywanie/GapPrintDocument.h"

#include "controls/SkinFonts.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

// Lays a text out in the gap-typing font and finds its items by text.
class GapLayout : public ::testing::Test {
protected:
    GapLayoutResult Lay(const QString& tresc, int courseLanguage = 1, GapView view = GapView::Answering,
                        GapText::Variant variant = GapText::Variant::Typed)
    {
        text = GapText::Tokenise(tresc, variant);
        params.CourseLanguage = courseLanguage;
        params.View = view;
        params.Variant = variant;
        return LayOutGapText(text.Tokens(), params);
    }
    static const GapDrawItem& Item(const GapLayoutResult& r, const QString& text)
    {
        for (const GapDrawItem& item : r.Items)
            if (item.Text == text)
                return item;
        ADD_FAILURE() << "no item " << text.toStdString();
        static const GapDrawItem none;
        return none;
    }
    static const GapDrawItem* ItemOfKind(const GapLayoutResult& r, GapDrawItem::Kind kind, int token)
    {
        for (const GapDrawItem& item : r.Items)
            if (item.What == kind && item.Token == token)
                return &item;
        return nullptr;
    }
    int Width(const QString& t, bool bold = false) const
    {
        QFont f = params.Font;
        f.setBold(bold);
        return QFontMetrics(f).horizontalAdvance(t);
    }
    int Space() const { return QFontMetrics(params.Font).horizontalAdvance(u' '); }
    // Where the next word starts after `item`: right after it, or after a space.
    int RightOf(const GapDrawItem& item) const { return item.Rect.x() + item.Rect.width(); }

    void SetUp() override { params.Font = SkinFontPx(QStringLiteral("Tahoma"), 15); }
    GapLayoutParams params;
    GapText text;
};

TEST_F(GapLayout, SpacesFollowTheLanguageRulesForElisionAndPunctuation)
{
    struct Case {
        const char* Name;
        int Language;
        const char* Tresc;
        const char* First;
        const char* Second;
        bool Touching;
    };
    const Case cases[] = {
        {"italian elision touches the next word", 3, "dell' amico", "dell'", "amico", true},
        {"po' keeps its space", 3, "un po' di pane", "po'", "di", false},
        {"elision is Italian only", 1, "dell' amico", "dell'", "amico", false},
        {"english full stop attaches", 1, "Yes .", "Yes", ".", true},
        {"english exclamation attaches", 1, "Yes !", "Yes", "!", true},
        {"french exclamation keeps its space", 5, "Oui !", "Oui", "!", false},
        {"french question keeps its space", 5, "Oui ?", "Oui", "?", false},
        {"french full stop attaches on this screen", 5, "Oui .", "Oui", ".", true},
        {"french comma attaches", 5, "Oui , merci", "Oui", ",", true},
        {"punctuation after a gap attaches", 1, "Where are you <from> ?", "from", "?", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString tresc = QString::fromUtf8(c.Tresc);
        GapLayoutResult r = Lay(tresc, c.Language);
        if (QString::fromUtf8(c.Tresc).contains(u'<')) {
            // Answer the gap so that it is drawn as text.
            text.Tokens()[text.GapOrder().front()].LearnerAnswer = QString::fromUtf8(c.First);
            r = LayOutGapText(text.Tokens(), params);
        }
        const GapDrawItem& first = Item(r, QString::fromUtf8(c.First));
        const GapDrawItem& second = Item(r, QString::fromUtf8(c.Second));
        EXPECT_EQ(second.Rect.y(), first.Rect.y());
        EXPECT_EQ(second.Rect.x(), RightOf(first) + (c.Touching ? 0 : Space()));
    }
}

TEST_F(GapLayout, MarkupBreaksLinesMovesAndStylesTheText)
{
    const GapLayoutResult r = Lay(QStringLiteral("<B>To:</B> <AK=90> Mr Nowak<BR>Dear <I>Mum and</I> Dad"));
    const int line = GapLineHeight(params.Font);
    const GapDrawItem& to = Item(r, QStringLiteral("To:"));
    EXPECT_TRUE(to.Bold);
    EXPECT_EQ(Item(r, QStringLiteral("Mr")).Rect.x(), 90) << "<AK=90> moves to 90";
    EXPECT_FALSE(Item(r, QStringLiteral("Mr")).Bold);
    const GapDrawItem& dear = Item(r, QStringLiteral("Dear"));
    EXPECT_EQ(dear.Rect.topLeft(), QPoint(0, to.Rect.y() + line)) << "<BR> starts a new line at the left";
    const GapDrawItem& mum = Item(r, QStringLiteral("Mum"));
    const GapDrawItem& and_ = Item(r, QStringLiteral("and"));
    EXPECT_TRUE(mum.Italic);
    EXPECT_EQ(and_.Rect.x() - RightOf(mum), Space() + 4) << "italic text spaces its words 4 pixels wider";
    EXPECT_EQ(Item(r, QStringLiteral("Dad")).Rect.x() - RightOf(and_), Space() + 4)
        << "the space after the last italic word is still the italic one";
    EXPECT_FALSE(Item(r, QStringLiteral("Dad")).Italic);
}

TEST_F(GapLayout, PicturesIndentTheTextBesideThemAndTheExercisePicturesFrameIt)
{
    const QImage left(100, 60, QImage::Format_ARGB32);
    params.Picture = [&](const QString& name) { return name == u"kasia.png" ? left : QImage(); };
    params.TopPicture = QImage(300, 80, QImage::Format_ARGB32);
    params.BottomPicture = QImage(200, 40, QImage::Format_ARGB32);
    params.AreaWidth = 500;
    const int line = GapLineHeight(params.Font);
    const GapLayoutResult r =
        Lay(QStringLiteral("<IMG LEFT> kasia.png </IMG>Hello<BR>a<BR>b<BR>c<BR>d<BR>e <IMG LEFT> missing.png </IMG>end"));

    const GapDrawItem& top = r.Items.front();
    EXPECT_EQ(top.What, GapDrawItem::Picture);
    EXPECT_EQ(top.Rect, QRect(100, 4, 300, 80)) << "the top picture is centred";
    const GapDrawItem& hello = Item(r, QStringLiteral("Hello"));
    EXPECT_EQ(hello.Rect.topLeft(), QPoint(110, 4 + 80 + 20)) << "text starts beside the left picture";
    const GapDrawItem* picture = nullptr;
    for (const GapDrawItem& item : r.Items)
        if (item.What == GapDrawItem::Picture && item.Rect.size() == QSize(100, 60))
            picture = &item;
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Rect.topLeft(), QPoint(0, hello.Rect.y()));
    // Lines whose top lies below the picture return to the left margin.
    for (const char* word : {"a", "b", "c", "d"}) {
        const GapDrawItem& item = Item(r, QString::fromLatin1(word));
        SCOPED_TRACE(word);
        EXPECT_EQ(item.Rect.x(), item.Rect.y() >= picture->Rect.bottom() + 1 ? 0 : 110);
    }
    EXPECT_EQ(Item(r, QStringLiteral("d")).Rect.x(), 0);
    EXPECT_EQ(Item(r, QStringLiteral("end")).Rect.y(), Item(r, QStringLiteral("e")).Rect.y())
        << "a picture that cannot be loaded is left out";
    const GapDrawItem& bottom = r.Items.back();
    EXPECT_EQ(bottom.Rect, QRect(150, Item(r, QStringLiteral("end")).Rect.y() + line, 200, 40));
    EXPECT_EQ(r.TotalHeight, bottom.Rect.bottom() + 1 + 20);
}

TEST_F(GapLayout, LongTextsWrapInsideTheAreaAndKeepTheWordsAfterTheLastGap)
{
    params.AreaWidth = 300;
    QString tresc;
    for (int i = 0; i < 40; ++i)
        tresc += QStringLiteral("word%1 ").arg(i);
    tresc += QStringLiteral("<gap> and the end");
    const GapLayoutResult r = Lay(tresc);
    for (const GapDrawItem& item : r.Items)
        EXPECT_LE(item.Rect.right(), 300) << item.Text.toStdString();
    EXPECT_GT(Item(r, QStringLiteral("word39")).Rect.y(), Item(r, QStringLiteral("word0")).Rect.y());
    EXPECT_GT(Item(r, QStringLiteral("end")).Rect.x(), 0) << "words after the last gap are shown";
    EXPECT_GT(r.TotalHeight, 3 * GapLineHeight(params.Font));
}

TEST_F(GapLayout, GapsLookAsTheirViewAndVariantSay)
{
    // Answering, typed: an empty field, then the answer in bold blue.
    GapLayoutResult r = Lay(QStringLiteral("I <am> fine"));
    const GapDrawItem* field = ItemOfKind(r, GapDrawItem::EmptyField, 1);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->Rect.size(), QSize(93, 21));
    EXPECT_EQ(Item(r, QStringLiteral("fine")).Rect.x(), field->Rect.right() + 1 + Space());
    text.Tokens()[1].LearnerAnswer = QStringLiteral("am");
    r = LayOutGapText(text.Tokens(), params);
    EXPECT_TRUE(Item(r, QStringLiteral("am")).Bold);
    EXPECT_EQ(Item(r, QStringLiteral("am")).Colour, GapColours::Answer);

    // Answering, chosen: a drop-down, and a chosen answer keeps its room.
    params.DropDownWidth = 120;
    r = Lay(QStringLiteral("I <am/is> fine"), 1, GapView::Answering, GapText::Variant::Chosen);
    const GapDrawItem* dropDown = ItemOfKind(r, GapDrawItem::DropDown, 1);
    ASSERT_NE(dropDown, nullptr);
    EXPECT_EQ(dropDown->Rect.width(), 120 + GapSizes::DropDownCaps);
    const int fineBefore = Item(r, QStringLiteral("fine")).Rect.x();
    text.Tokens()[1].LearnerAnswer = QStringLiteral("am");
    r = LayOutGapText(text.Tokens(), params);
    EXPECT_EQ(Item(r, QStringLiteral("fine")).Rect.x(), fineBefore);

    // Checked and corrected: marks before the answers, the accepted answer for a wrong one.
    params.IsRight = [](const TWyrazTekstu& gap) { return gap.LearnerAnswer == gap.Answer; };
    r = Lay(QStringLiteral("I <am> <fine/good> <ok>"), 1, GapView::Checked);
    text.Tokens()[1].LearnerAnswer = QStringLiteral("am");
    text.Tokens()[2].LearnerAnswer = QStringLiteral("bad");
    r = LayOutGapText(text.Tokens(), params);
    EXPECT_NE(ItemOfKind(r, GapDrawItem::MarkRight, 1), nullptr);
    EXPECT_NE(ItemOfKind(r, GapDrawItem::MarkWrong, 2), nullptr);
    EXPECT_EQ(Item(r, QStringLiteral("bad")).Colour, GapColours::Wrong);
    EXPECT_EQ(Item(r, QStringLiteral("am")).Colour, GapColours::Right);
    EXPECT_EQ(ItemOfKind(r, GapDrawItem::Answer, 3)->Text, QStringLiteral("______")) << "an empty gap";
    EXPECT_EQ(Item(r, QStringLiteral("bad")).Rect.x(), ItemOfKind(r, GapDrawItem::MarkWrong, 2)->Rect.x() + 24 + Space());

    params.View = GapView::Correction;
    r = LayOutGapText(text.Tokens(), params);
    EXPECT_EQ(ItemOfKind(r, GapDrawItem::MarkRight, 1), nullptr) << "a right answer is kept without a mark";
    EXPECT_EQ(ItemOfKind(r, GapDrawItem::Answer, 1)->Colour, GapColours::Right);
    EXPECT_NE(ItemOfKind(r, GapDrawItem::MarkInfo, 2), nullptr);
    EXPECT_EQ(ItemOfKind(r, GapDrawItem::Answer, 2)->Text, QStringLiteral("fine")) << "the first accepted answer";
    EXPECT_EQ(ItemOfKind(r, GapDrawItem::Answer, 3)->Text, QStringLiteral("ok"));
}

TEST(GapPrint, SheetShowsBlanksWhileEditableAndTheAnswersAfterwards)
{
    const GapText typed = GapText::Tokenise(
        QStringLiteral("<IMG LEFT> kasia.png </IMG><B>Hello</B> <AK=90> Tom<BR>My name <is> Kasia & I live <in> Gdańsk ."),
        GapText::Variant::Typed);
    GapPrintDocument sheet;
    sheet.PackageTitle = QStringLiteral("Ćwiczenia: przedstawiamy się");
    sheet.Instruction = QStringLiteral("Uzupełnij list Kasi.");
    sheet.Footer = QStringLiteral("Kurs językowy");
    QString html = sheet.Html(typed.Tokens());
    EXPECT_TRUE(html.startsWith(QString::fromLatin1(kPrintHead)));
    EXPECT_TRUE(html.contains(QStringLiteral("<H2>&#262;wiczenia: przedstawiamy si&#281;</h2><hr />")));
    EXPECT_TRUE(html.contains(QStringLiteral("<B>Uzupełnij list Kasi.</B><hr /><P>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<P> <B> Hello </B> Tom <BR> My name __________  Kasia &amp; I live __________  Gdańsk.</P>")))
        << html.toStdString();
    EXPECT_FALSE(html.contains(QStringLiteral("kasia.png"))) << "pictures are left out";
    EXPECT_TRUE(html.endsWith(QStringLiteral("<P ALIGN=\"right\">Kurs językowy</P></HTML>")));

    sheet.Editable = false;
    html = sheet.Html(typed.Tokens());
    EXPECT_TRUE(html.contains(QStringLiteral("My name is Kasia &amp; I live in Gdańsk.")));

    // Chosen answers: every gap's alternatives, numbered as the gaps.
    const GapText chosen = GapText::Tokenise(QStringLiteral("<Are/Is> you <from/in> Poland?"), GapText::Variant::Chosen);
    sheet.Variant = GapText::Variant::Chosen;
    sheet.Editable = true;
    html = sheet.Html(chosen.Tokens());
    EXPECT_TRUE(html.contains(QStringLiteral("</B><br />1 - Are / Is<br />2 - from / in<br /><hr />")));
    EXPECT_TRUE(html.contains(QStringLiteral("<P> (1) ______________________________  you (2) ______________________________  Poland?</P>")));
}

} // namespace
