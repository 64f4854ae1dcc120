// The results store on a course of 2,020 elements whose learner has 2,000
// stored results: loading them all into the course (with the progress
// window, as at the start of a course) and recording one checked exercise.
#include "users/RecordExerciseResult.h"
#include "users/ResultsStore.h"
#include "users/UserFiles.h"

#include "app/TfrmProgress.h"

#include "course/AppState.h"
#include "course/CourseModel.h"
#include "course/LoadFeedback.h"

#include "controls/TEdProgress.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class QuietFeedback : public LoadFeedback {
public:
    void ShowLoadError(const QString&) override {}
};

// 20 lessons of 10 packages of 9 exercises; every package and exercise has a
// stored result in Users/1_stat1.xml.
struct StoredCourse {
    QTemporaryDir dir;
    std::vector<TElement*> exercises;

    StoredCourse()
    {
        QDir(dir.path()).mkpath(QStringLiteral("Users"));
        App().ExeDir = dir.path();
        App().CourseLanguage = 1;
        CourseModel& course = Course();
        course.NewTree();
        QString entries;
        auto entry = [&entries](const QString& name, int type, int score) {
            entries += QStringLiteral("<plik nazwa=\"%1\"><dane id=\"%2\"><data>01-02-2026</data><postep>%3</postep>"
                                      "<czas>00:00:00</czas></dane></plik>\n")
                           .arg(name)
                           .arg(type)
                           .arg(score);
        };
        for (int l = 1; l <= 20; ++l) {
            TElement* lesson = course.Tree().Append(nullptr);
            lesson->Kind = 99;
            lesson->NodeType = TElement::NodeLesson;
            lesson->FileName = QStringLiteral("lekcja%1.xml").arg(l, 2, 10, QLatin1Char('0'));
            for (int p = 1; p <= 10; ++p) {
                TElement* package = course.Tree().Append(lesson);
                package->NodeType = TElement::NodePackage;
                package->Kind = 1;
                package->FileName = QStringLiteral("lekcja%1_%2.xml").arg(l, 2, 10, QLatin1Char('0')).arg(p);
                entry(package->FileName, 0, 50);
                for (int e = 1; e <= 9; ++e) {
                    TElement* exercise = course.Tree().Append(package);
                    exercise->TypCw = 4;
                    exercise->ElementPaczki = true;
                    exercise->NodeType = TElement::NodePackageElement;
                    exercise->FileName = QStringLiteral("Paczki\\l%1_p%2_e%3.xml").arg(l, 2, 10, QLatin1Char('0')).arg(p).arg(e);
                    entry(exercise->FileName, 4, (l * 7 + p * 3 + e) % 101);
                    exercises.push_back(exercise);
                }
            }
        }
        course.BuildFlatList();
        QFile file(ResultsFileOf(1, 1));
        file.open(QIODevice::WriteOnly);
        file.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<cwiczenia>\n%1</cwiczenia>\n")
                       .arg(entries)
                       .toUtf8());
    }
};

StoredCourse& Stored()
{
    static StoredCourse course;
    return course;
}

void BM_LoadAllResults(benchmark::State& state)
{
    StoredCourse& course = Stored();
    TfrmProgress progress;
    SetProgressWindow(&progress);
    for (auto _ : state)
        LoadAllResults(1);
    SetProgressWindow(nullptr);
    state.counters["elements"] = static_cast<double>(Course().FlatList().size());
    state.counters["scoreOfLast"] = course.exercises.back()->Score;
}
BENCHMARK(BM_LoadAllResults)->Unit(benchmark::kMillisecond);

void BM_RecordExerciseResult(benchmark::State& state)
{
    StoredCourse& course = Stored();
    LoadAllResults(1);
    QWidget screen;
    auto* panel = new TEdProgress(&screen);
    panel->setObjectName(QStringLiteral("Panel_Wynik"));
    TElement* current = course.exercises[course.exercises.size() / 2];
    ResultRecording::SetCurrentElementSource([current] { return current; });
    int score = 0;
    for (auto _ : state) {
        panel->setWynik(score++ % 101);
        panel->show();
        RecordExerciseResult(&screen);
    }
    ResultRecording::SetCurrentElementSource({});
    state.counters["fileBytes"] = static_cast<double>(QFileInfo(ResultsFileOf(1, 1)).size());
}
BENCHMARK(BM_RecordExerciseResult)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
