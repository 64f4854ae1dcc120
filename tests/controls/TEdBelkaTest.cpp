#include "TEdBelka.h"
#include "TestSupport.h"

#include <QWidget>

#include <gtest/gtest.h>

using testsupport::Drawn;
using testsupport::RecordingCanvas;

namespace {

class TopBar : public ::testing::Test, protected testsupport::AppFirst {
protected:
    void SetUp() override
    {
        testsupport::app();
        form.resize(1024, 768);
        bar = new TEdBelka(&form);
        bar->setResourceLibrary(&testsupport::library());
        bar->setZalogowany(QStringLiteral("Anna"));
    }
    int widthOf(const char* name) { return testsupport::library().pictureSize(QLatin1String(name)).width(); }

    QWidget form;
    TEdBelka* bar = nullptr;
};

TEST_F(TopBar, KeepsItselfAcrossTheTopOfItsWindow)
{
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 1024, 50));
    form.show();
    form.resize(800, 600);
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 800, 50));
}

TEST_F(TopBar, SignedInStyleShowsTheLearnerZoneAvatarAndTexts)
{
    bar->setPlec(QStringLiteral("K"));
    bar->setLudzikIndex(21);
    RecordingCanvas canvas;
    bar->Paint(canvas);
    EXPECT_EQ(canvas.find(QStringLiteral("BELKA_BODY")).rect, QRect(0, 0, 1024, 50));
    EXPECT_EQ(canvas.count(QStringLiteral("BELKA_BODY2")), 55);
    EXPECT_EQ(canvas.calls().at(55).rect.topLeft(), QPoint(216, 0)) << "the last zone tile";
    EXPECT_EQ(canvas.find(QStringLiteral("BELKA_FALA")).rect.topLeft(), QPoint(216, 0));
    EXPECT_EQ(canvas.find(QStringLiteral("BELKA_LUDZIK_K_21")).rect.topLeft(), QPoint(15, 5));
    const int p = widthOf("BELKA_LUDZIK_K_21");
    const Drawn caption = canvas.find(QStringLiteral("Jesteś zalogowany jako:"));
    EXPECT_EQ(caption.rect.topLeft(), QPoint(p + 19, 8));
    EXPECT_EQ(caption.color, QColor(0x9D, 0x9D, 0x9D));
    const Drawn name = canvas.find(QStringLiteral("Anna"));
    EXPECT_EQ(name.rect.topLeft(), QPoint(p + 19, 20));
    EXPECT_EQ(name.color, QColor(0xB8, 0xB8, 0xB8));
}

TEST_F(TopBar, WithoutAGenderTheTextsFollowTheWave)
{
    bar->setPlec(QString());
    RecordingCanvas canvas;
    bar->Paint(canvas);
    EXPECT_EQ(canvas.find(QStringLiteral("Anna")).rect.topLeft(), QPoint(widthOf("BELKA_FALA") + 19, 20));
    for (const QString& name : canvas.pictureNames())
        EXPECT_FALSE(name.startsWith(QStringLiteral("BELKA_LUDZIK"))) << name.toStdString();
}

TEST_F(TopBar, WithoutTheSignedInLineOnlyTheBodyIsDrawn)
{
    bar->setPokazZalogowanie(false);
    RecordingCanvas canvas;
    bar->Paint(canvas);
    EXPECT_EQ(canvas.pictureNames(), QStringList{QStringLiteral("BELKA_BODY")});
}

struct StyleRow {
    const char* name;
    int style;
    bool nowy;
    QStringList pictures;
};

void PrintTo(const StyleRow& row, std::ostream* os)
{
    *os << row.name;
}


class TopBarStyles : public TopBar, public ::testing::WithParamInterface<StyleRow> {};

TEST_P(TopBarStyles, EachCourseLanguageHasItsBar)
{
    const StyleRow& row = GetParam();
    bar->setStylBelki(row.style);
    bar->setNowyStyl(row.nowy);
    bar->setPlec(QStringLiteral("M"));
    bar->setLudzikIndex(13);
    RecordingCanvas canvas;
    bar->Paint(canvas);
    EXPECT_EQ(canvas.pictureNames(), row.pictures);
    if (!row.pictures.isEmpty()) {
        EXPECT_EQ(canvas.calls().at(0).rect, QRect(0, 0, 1024, 50)) << "drawn at (0, 0), not stretched";
    }
    if (row.nowy && !row.pictures.isEmpty()) {
        EXPECT_EQ(canvas.find(QStringLiteral("BELKA_LUDZIK_M_13")).rect.topLeft(), QPoint(115, 5));
        EXPECT_EQ(canvas.find(QStringLiteral("Anna")).rect.topLeft(), QPoint(widthOf("BELKA_LUDZIK_M_13") + 119, 20));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Styles, TopBarStyles,
    ::testing::Values(StyleRow{"Program", 0, false, {QStringLiteral("BELKA_BODY_STYLE_0")}},
                      StyleRow{"English", 1, false, {QStringLiteral("BELKA_BODY_STYLE_1")}},
                      StyleRow{"French", 5, false, {QStringLiteral("BELKA_BODY_STYLE_5")}},
                      StyleRow{"GermanNew", 2, true, {QStringLiteral("BELKA_BODY_NEW_STYLE_2"), QStringLiteral("BELKA_LUDZIK_M_13")}},
                      StyleRow{"SpanishNew", 4, true, {QStringLiteral("BELKA_BODY_NEW_STYLE_4"), QStringLiteral("BELKA_LUDZIK_M_13")}},
                      StyleRow{"BeyondTheStylesNothing", 6, false, {}},
                      StyleRow{"BelowTheStylesNothing", -2, true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TopBarStyles, TheFiveLanguagesLookDifferent)
{
    const ResourceLibrary& lib = testsupport::library();
    for (const char* form : {"BELKA_BODY_STYLE_%1", "BELKA_BODY_NEW_STYLE_%1"}) {
        for (int a = 0; a <= 5; ++a) {
            for (int b = a + 1; b <= 5; ++b) {
                const QImage& x = lib.picture(QString::fromLatin1(form).arg(a));
                const QImage& y = lib.picture(QString::fromLatin1(form).arg(b));
                // The bars differ in their middle, away from the badge.
                EXPECT_NE(x.pixelColor(600, 25), y.pixelColor(600, 25)) << form << " " << a << " and " << b;
            }
        }
    }
}

TEST(TopBarOutline, WithoutALibraryAsksForIt)
{
    testsupport::app();
    TEdBelka bar;
    bar.resize(400, 50);
    QImage image(bar.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    bar.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(image.pixelColor(280, 25), QColor(0x80, 0x80, 0x80)) << "the line at x 280";
}

} // namespace
