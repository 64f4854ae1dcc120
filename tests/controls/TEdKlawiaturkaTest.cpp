#include "ApplySkin.h"
#include "TEdKlawiaturka.h"
#include "TEdResButton.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct SizeRow {
    const char* name;
    QString symbols;
    QSize size;
    int rows;
};

void PrintTo(const SizeRow& row, std::ostream* os)
{
    *os << row.name;
}


class KeyboardSize : public ::testing::TestWithParam<SizeRow> {};

TEST_P(KeyboardSize, FollowsTheNumberOfKeys)
{
    testsupport::app();
    const SizeRow& row = GetParam();
    TEdKlawiaturka k;
    k.setSymbole(row.symbols);
    EXPECT_EQ(k.size(), row.size);
    EXPECT_EQ(k.closeButton()->pos(), QPoint(row.size.width() - 30, 0));
    const int n = static_cast<int>(row.symbols.trimmed().size());
    if (n > 0) {
        EXPECT_EQ(TEdKlawiaturka::KeyRect(n - 1).top(), 21 + 23 * (row.rows - 1)) << "the last key is on the last row";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyboardSize,
    ::testing::Values(SizeRow{"SevenKeysCapTheWidth", QStringLiteral("äöüÄÖÜß"), {150, 72}, 2},
                      SizeRow{"SixKeysFillOneRow", QStringLiteral("åæøÅÆØ"), {150, 49}, 1},
                      SizeRow{"ThreeKeys", QStringLiteral("abc"), {84, 49}, 1},
                      SizeRow{"SpacesAreTrimmed", QStringLiteral("  abc  "), {84, 49}, 1},
                      SizeRow{"TwelveKeysTwoRows", QStringLiteral("éèàìòùÉÈÀÌÒÙ"), {150, 72}, 2},
                      SizeRow{"ThirteenKeysThreeRows", QStringLiteral("éèàìòùÉÈÀÌÒÙx"), {150, 95}, 3},
                      SizeRow{"NoKeys", QString(), {18, 26}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TEdKlawiaturka, CharacterSetsFillTheKeys)
{
    testsupport::app();
    const struct {
        TZestaw set;
        const char* symbols;
    } rows[] = {{zHiszpanski, "¿¡áéíñóúüÁÉÍÑÓÚÜ"}, {zWloski, "éèàìòùÉÈÀÌÒÙ"},
                {zFrancuski, "àâäæçéèêëîïôöœùûÀÂÄÆÇÉÈÊËÎÏÔÖŒÙÛ"}, {zNiemiecki, "äöüÄÖÜß"},
                {zRosyjski, "абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"}, {zNorweski, "åæøÅÆØ"}};
    for (const auto& row : rows) {
        TEdKlawiaturka k;
        k.setZestawZnakow(row.set);
        EXPECT_EQ(k.Symbole(), QString::fromUtf8(row.symbols));
    }
    TEdKlawiaturka other;
    other.setSymbole(QStringLiteral("xyz"));
    other.setZestawZnakow(zInny);
    EXPECT_EQ(other.Symbole(), QStringLiteral("xyz")) << "zInny keeps the keys";
}

TEST(TEdKlawiaturka, ReleasingOverAKeyReportsItsOneBasedIndex)
{
    testsupport::app();
    TEdKlawiaturka k;
    k.setZestawZnakow(zNiemiecki);
    QSignalSpy spy(&k, &TEdKlawiaturka::buttonClick);
    testsupport::release(&k, QPoint(10 + 22 * 2 + 5, 21 + 5));      // third key, first row
    testsupport::release(&k, QPoint(10 + 5, 21 + 23 + 5));          // seventh key, "ß"
    testsupport::release(&k, QPoint(10 + 22 + 5, 21 + 23 + 5));     // beyond the last key
    testsupport::release(&k, QPoint(5, 5));                         // the title strip
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 3);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 7);
    EXPECT_EQ(k.Symbole().at(spy.at(1).at(0).toInt() - 1), QChar(0x00DF));
}

TEST(TEdKlawiaturka, TheLibraryGivesTheCloseButtonItsPicturesAndItHides)
{
    testsupport::app();
    QWidget form;
    auto* k = new TEdKlawiaturka(&form);
    k->setZestawZnakow(zFrancuski);
    ApplySkin(&form, &testsupport::library());
    EXPECT_EQ(k->Instancja(), &testsupport::library());
    TEdResButton* close = k->closeButton();
    EXPECT_EQ(close->objectName(), QStringLiteral("btnZamknij"));
    EXPECT_EQ(close->size(), QSize(26, 14));
    EXPECT_EQ(close->Glyph(), testsupport::library().picture(QStringLiteral("KLAW_X_N")));
    EXPECT_EQ(close->GlyphHot(), testsupport::library().picture(QStringLiteral("KLAW_X_H")));
    EXPECT_EQ(close->GlyphDown(), testsupport::library().picture(QStringLiteral("KLAW_X_D")));
    form.show();
    ASSERT_TRUE(k->isVisible());
    testsupport::press(close, QPoint(5, 5));
    testsupport::release(close, QPoint(5, 5));
    EXPECT_FALSE(k->isVisible());
}

TEST(TEdKlawiaturka, PaintsTheFramePiecesAndOneKeyPicturePerKey)
{
    testsupport::app();
    TEdKlawiaturka k;
    k.setInstancja(&testsupport::library());
    k.setZestawZnakow(zNiemiecki);
    testsupport::RecordingCanvas canvas;
    k.Paint(canvas);
    EXPECT_EQ(canvas.count(QStringLiteral("KLAW_B_N")), 7);
    EXPECT_EQ(canvas.find(QStringLiteral("KLAW_05")).rect, QRect(12, 23, 150 - 24, 72 - 31));
    EXPECT_EQ(canvas.find(QStringLiteral("KLAW_09")).rect.topLeft(), QPoint(150 - 12, 72 - 8));
}

} // namespace
