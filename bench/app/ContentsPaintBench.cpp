// Painting the 23 visible rows of the contents window (offscreen), with the
// resource library of the built program folder.
#include "app/ContentsList.h"
#include "app/ContentsRowPainter.h"
#include "app/Skin.h"

#include "course/CourseModel.h"
#include "course/TDrzewo.h"

#include "controls/ResourceLibrary.h"
#include "controls/SkinFonts.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void BM_PaintVisibleRows(benchmark::State& state)
{
    Resources().load(QStringLiteral(KURS_PROGRAM_DIR));
    CourseModel& model = Course();
    model.NewTree();
    TDrzewo& tree = model.Tree();
    for (int l = 0; l < 3; ++l) {
        TElement* lesson = tree.Append(nullptr);
        lesson->NodeType = TElement::NodeLesson;
        lesson->Name = QStringLiteral("Lekcja %1. Powitania i przedstawianie się").arg(l + 1);
        lesson->Expanded = true;
        for (int e = 0; e < 8; ++e) {
            TElement* exercise = tree.Append(lesson);
            exercise->TypCw = 4 + e;
            exercise->Name = QStringLiteral("Ćwiczenie z bardzo długą nazwą, która się nie zmieści w kolumnie %1").arg(e);
            exercise->HasResult = e % 2 == 0;
            exercise->Score = 10 * e;
            exercise->Date = QStringLiteral("11-12-2026");
        }
    }
    model.BuildFlatList();
    ContentsList rows(model);
    rows.Fill();
    const ContentsRowPainter painter(Resources());
    QImage target(798, 552, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&target);
        for (int row = 0; row < ContentsList::VisibleRows && row < rows.Count(); ++row)
            painter.Paint(p, QRect(0, row * ContentsList::RowHeight, 798, ContentsList::RowHeight),
                          *rows.ElementAt(row), rows.Items()[row], row == 3);
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PaintVisibleRows)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterSkinFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
