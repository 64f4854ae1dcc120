// Repaints a 1024 x 768 window holding twenty skinned buttons, a top bar, a
// dialog frame and a result panel, the way a screen is repainted when it is
// uncovered. Run: controls_bench [--benchmark_repetitions=N]

#include "ApplySkin.h"
#include "ResourceLibrary.h"
#include "SkinFonts.h"
#include "TEdBelka.h"
#include "TEdDialogWindow.h"
#include "TEdProgress.h"
#include "TEdResButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

// The window's own background picture, as screens show "IMG_Tlo".
class Screen : public QWidget {
public:
    explicit Screen(const QImage& background) : m_background(background) { resize(1024, 768); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(0, 50, m_background);
    }

private:
    QImage m_background;
};

struct Scene {
    ResourceLibrary library;
    std::unique_ptr<Screen> screen;
};

Scene* scene = nullptr;

void build(Scene& s)
{
    s.screen = std::make_unique<Screen>(QImage(QStringLiteral(KURS_PROGRAM_DIR "/Gfx/bg_rozumienie.png")));
    QWidget* form = s.screen.get();
    auto* bar = new TEdBelka(form);
    bar->setStylBelki(1);
    bar->setNowyStyl(true);
    bar->setPlec(QStringLiteral("K"));
    bar->setLudzikIndex(21);
    bar->setZalogowany(QStringLiteral("Anna Kowalska"));
    const QImage glyph = s.library.picture(QStringLiteral("glyphSprawdz"));
    auto add = [&](TRozmiar r, TElementy e, QRect at, const QString& caption, bool withGlyph) {
        auto* b = new TEdResButton(form);
        b->setRozmiar(r);
        b->setSkladowe(e);
        b->setGeometry(at.x(), at.y(), at.width() > 0 ? at.width() : b->width(), b->height());
        b->setCaption(caption);
        b->setShowCaption(!caption.isEmpty());
        b->setFont(SkinFont(QStringLiteral("Trebuchet MS"), 12));
        if (withGlyph)
            b->setGlyph(glyph);
        return b;
    };
    // The navigation bar: arrows, contents, four bar buttons, two glyph buttons.
    add(rozPaczkaNaviPrev, el3, {80, 8, 0, 0}, QString(), false);
    add(rozPaczkaNaviNext, el3, {115, 8, 0, 0}, QString(), false);
    add(rozPaczkaNaviZawartosc, el3, {160, 8, 0, 0}, QString(), false);
    add(rozBelka, el3, {455, 0, 100, 0}, QStringLiteral("Menu"), true);
    add(rozBelka, el3, {560, 0, 140, 0}, QStringLiteral("Spis treści"), true);
    add(rozBelka, el3, {705, 0, 130, 0}, QStringLiteral("Słownik"), true);
    TEdResButton* hot = add(rozBelka, el3, {840, 0, 105, 0}, QStringLiteral("Pomoc"), true);
    // Page tabs and the screen's own nine-piece buttons.
    for (int n = 1; n <= 6; ++n)
        add(rozZakladka, el3, {770, 100 + 50 * n, 0, 0}, QString(), false)->setTag(n);
    for (int k = 0; k < 5; ++k)
        add(roz50, el9, {840, 180 + 56 * k, 176, 0}, QStringLiteral("Sprawdź"), true);
    add(roz32, el3, {60, 700, 160, 0}, QStringLiteral("Dalej"), false);
    add(roz32, el3, {240, 700, 160, 0}, QStringLiteral("Wstecz"), false);
    auto* dialogWindow = new QWidget(form);
    dialogWindow->setGeometry(200, 250, 423, 190);
    auto* frame = new TEdDialogWindow(dialogWindow);
    frame->setCaption(QStringLiteral("Informacja"));
    auto* result = new TEdProgress(form);
    result->move(760, 640);
    result->setWynik(75);
    ApplySkin(form, &s.library);
    // One button under the mouse, as while the learner points at it.
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(hot, &enter);
}

void BM_RepaintExerciseWindow(benchmark::State& state)
{
    QImage target(1024, 768, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&target);
        scene->screen->render(&p, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

} // namespace

BENCHMARK(BM_RepaintExerciseWindow)->Unit(benchmark::kMillisecond)->Repetitions(15)->DisplayAggregatesOnly(true);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterSkinFonts();
    Scene s;
    if (!s.library.load(QStringLiteral(KURS_PROGRAM_DIR))) {
        std::fprintf(stderr, "no resource library in %s\n", KURS_PROGRAM_DIR);
        return 1;
    }
    build(s);
    scene = &s;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
