#include "TEdDymek.h"
#include "TEdProgress.h"
#include "TEdZeszytStatystyki.h"
#include "TestSupport.h"

#include <QFontMetrics>
#include <QWidget>

#include <gtest/gtest.h>

using testsupport::RecordingCanvas;

namespace {

struct ScoreRow {
    const char* name;
    int score;
    const char* bar;
};

void PrintTo(const ScoreRow& row, std::ostream* os)
{
    *os << row.name;
}


class ResultPanel : public ::testing::TestWithParam<ScoreRow> {};

TEST_P(ResultPanel, ChoosesTheBarByTheScore)
{
    testsupport::app();
    const ScoreRow& row = GetParam();
    TEdProgress panel;
    panel.setResourceLibrary(&testsupport::library());
    panel.setWynik(row.score);
    RecordingCanvas canvas;
    panel.Paint(canvas);
    EXPECT_EQ(canvas.find(QLatin1String(row.bar)).rect.topLeft(), QPoint(113, 2));
    const testsupport::Drawn percent = canvas.find(QStringLiteral("%1%").arg(row.score));
    EXPECT_EQ(percent.rect.topLeft(), QPoint(185, 17));
    EXPECT_EQ(percent.color, QColor(0x00, 0x9A, 0x2B));
    EXPECT_EQ(canvas.find(QStringLiteral("Twój wynik:")).rect.topLeft(), QPoint(17, 23));
    EXPECT_EQ(canvas.calls().first().name, QStringLiteral("WYKRES_BG")) << "everything is drawn over the background";
}

INSTANTIATE_TEST_SUITE_P(Scores, ResultPanel,
                         ::testing::Values(ScoreRow{"Zero", 0, "WYKRES_00"}, ScoreRow{"One", 1, "WYKRES_05"},
                                           ScoreRow{"Seven", 7, "WYKRES_05"}, ScoreRow{"Nine", 9, "WYKRES_05"},
                                           ScoreRow{"Ten", 10, "WYKRES_10"}, ScoreRow{"FortyNine", 49, "WYKRES_45"},
                                           ScoreRow{"NinetyNine", 99, "WYKRES_95"}, ScoreRow{"Hundred", 100, "WYKRES_100"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ResultPanel, AScoreAbove100LeavesThePanelUnchanged)
{
    testsupport::app();
    TEdProgress panel;
    EXPECT_EQ(panel.size(), QSize(259, 90));
    panel.setWynik(64);
    panel.setWynik(101);
    EXPECT_EQ(panel.Wynik(), 64);
    panel.setWynik(-3);
    EXPECT_EQ(panel.Wynik(), 64);
}

struct NumberRow {
    const char* name;
    unsigned value;
    int x;
};

void PrintTo(const NumberRow& row, std::ostream* os)
{
    *os << row.name;
}


class NotebookNumbers : public ::testing::TestWithParam<NumberRow> {};

TEST_P(NotebookNumbers, StandRightAlignedByTheirDigits)
{
    testsupport::app();
    const NumberRow& row = GetParam();
    TEdZeszytStatystyki panel;
    panel.setResourceLibrary(&testsupport::library());
    panel.setPoprawnie(row.value);
    panel.setBlednie(row.value);
    panel.setXFactor(row.value);
    EXPECT_EQ(TEdZeszytStatystyki::NumberX(row.value), row.x);
    RecordingCanvas canvas;
    QPainter& p = canvas.painter();
    panel.Paint(p, &canvas);
    const QString text = QString::number(row.value);
    if (row.x < 0) {
        EXPECT_EQ(canvas.count(text), 0);
        return;
    }
    QList<QPoint> places;
    for (const auto& d : canvas.calls()) {
        if (d.name == text)
            places << d.rect.topLeft();
    }
    EXPECT_EQ(places, (QList<QPoint>{{row.x, 33}, {row.x, 62}, {row.x, 91}}));
}

INSTANTIATE_TEST_SUITE_P(Counts, NotebookNumbers,
                         ::testing::Values(NumberRow{"OneDigit", 7, 34}, NumberRow{"TwoDigits", 42, 25},
                                           NumberRow{"ThreeDigits", 123, 14}, NumberRow{"Thousand", 1000, 14},
                                           NumberRow{"AboveThousandNotDrawn", 1001, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Notebook, DrawsItsTextsAndPicturesInPlace)
{
    testsupport::app();
    TEdZeszytStatystyki panel;
    panel.setShowPowtorki(true);
    panel.setPowtorki(4);
    panel.setOstataniaPowtorka(QStringLiteral("01-02-2026"));
    RecordingCanvas canvas;
    panel.Paint(canvas.painter(), &canvas);
    EXPECT_EQ(canvas.find(QStringLiteral(" STATYSTYKA")).rect.topLeft(), QPoint(18, 5));
    EXPECT_EQ(canvas.find(QStringLiteral("błędnie")).rect.topLeft(), QPoint(77, 67));
    EXPECT_EQ(canvas.find(QStringLiteral("Liczba powtórek: 4")).rect.topLeft(), QPoint(17, 140));
    EXPECT_EQ(canvas.find(QStringLiteral("01-02-2026")).rect.topLeft(), QPoint(17, 176));
    EXPECT_EQ(canvas.find(QStringLiteral("ZESZYT_SEP")).rect.topLeft(), QPoint(0, 20));
    EXPECT_EQ(canvas.find(QStringLiteral("ZESZYT_XFA")).rect.topLeft(), QPoint(51, 94));
    EXPECT_EQ(canvas.find(QStringLiteral("błędnie")).color, QColor(0x4E, 0x55, 0x00));
}

TEST(SpeechBubble, StandsAboveAndRightOfThePointAndFitsItsLines)
{
    testsupport::app();
    QWidget screen;
    screen.resize(1024, 768);
    auto* bubble = new TEdDymek(&screen);
    bubble->setResourceLibrary(&testsupport::library());
    // The height of one laid-out line of the bubble's font.
    const int line = bubble->measuredBottom(QStringLiteral("X")) - 5;
    const struct {
        const char* name;
        QString text;
        int lines;
    } rows[] = {{"one line", QStringLiteral("Krótko."), 1}, {"two lines", QStringLiteral("Pierwsza linia\nDruga linia"), 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ShowBubble(bubble, 300, 400, row.text);
        EXPECT_TRUE(bubble->isVisible() || !screen.isVisible());
        EXPECT_EQ(bubble->height(), bubble->measuredBottom(row.text) + 18);
        EXPECT_EQ(bubble->height(), row.lines * line + 23);
        EXPECT_EQ(bubble->x(), 296);
        EXPECT_EQ(bubble->geometry().bottom() + 1, 400 - 4) << "the bottom edge is 4 pixels above the point";
        EXPECT_EQ(bubble->width(), 332);
        EXPECT_EQ(bubble->picture().size(), bubble->size());
    }
}

} // namespace
