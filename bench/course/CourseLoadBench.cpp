// Loading a generated course of 100 lessons and 2,000 exercise documents
// (lessons, exercises, packages with their elements, flat list).
#include "course/CourseModel.h"
#include "course/LoadFeedback.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class QuietFeedback : public LoadFeedback {
public:
    void ShowLoadError(const QString&) override { ++errors; }
    int errors = 0;
};

void Write(const QString& path, const QString& text)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
}

QString Config(int typ, int param1, int grupa, int id, const QString& name, const QString& body = {})
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<cwiczenie><config><typ_cw>%1</typ_cw>"
                          "<param1>%2</param1><param2>0</param2><grupa>%3</grupa><poziom>1</poziom><id>%4</id>"
                          "<nazwa id=\"0\">%5</nazwa><nazwa id=\"1\">Exercise</nazwa></config><body>%6</body></cwiczenie>")
        .arg(typ).arg(param1).arg(grupa).arg(id).arg(name, body);
}

// 100 lessons; per lesson 16 exercises, 2 packages of 2 elements and a
// dialogue package: 2,000 documents in Dane, 400 package elements.
struct GeneratedCourse {
    QTemporaryDir dir;
    GeneratedCourse()
    {
        QDir root(dir.path());
        root.mkpath(QStringLiteral("Unity1"));
        root.mkpath(QStringLiteral("Dane1/Paczki"));
        root.mkpath(QStringLiteral("Config"));
        QString hints;
        for (int id : {9, 10, 11, 12, 20, 101, 104, 107, 200})
            hints += QStringLiteral("<hint id=\"%1\"><tlumaczenie id=\"0\">Zadanie %1</tlumaczenie></hint>").arg(id);
        Write(dir.path() + QStringLiteral("/Config/definitions.xml"),
              QStringLiteral("<?xml version=\"1.0\"?><d><hinty>%1</hinty></d>").arg(hints));
        const QString element = QStringLiteral("<?xml version=\"1.0\"?><cwiczenie><config><typ_cw>4</typ_cw>"
                                               "<poziom>1</poziom></config><body/></cwiczenie>");
        for (int l = 1; l <= 100; ++l) {
            const QString lesson = QStringLiteral("%1").arg(l, 3, 10, QLatin1Char('0'));
            Write(dir.path() + QStringLiteral("/Unity1/lekcja%1.xml").arg(lesson),
                  QStringLiteral("<?xml version=\"1.0\"?><lekcja><ID>%1</ID><nazwa id=\"0\">Lekcja %1</nazwa></lekcja>")
                      .arg(l));
            for (int e = 1; e <= 17; ++e)
                Write(dir.path() + QStringLiteral("/Dane1/l%1_%2.xml").arg(lesson).arg(e, 2, 10, QLatin1Char('0')),
                      Config(4, 0, l, l, QStringLiteral("Ćwiczenie %1").arg(e)));
            for (int p = 1; p <= 2; ++p) {
                QString body;
                for (int k = 1; k <= 2; ++k) {
                    const QString name = QStringLiteral("p%1_%2_%3.xml").arg(lesson).arg(p).arg(k);
                    Write(dir.path() + QStringLiteral("/Dane1/Paczki/") + name, element);
                    body += QStringLiteral("<element_paczki>%1</element_paczki>").arg(name);
                }
                Write(dir.path() + QStringLiteral("/Dane1/l%1_p%2.xml").arg(lesson).arg(p),
                      Config(100, 1, l, l, QStringLiteral("Paczka %1").arg(p), body));
            }
            Write(dir.path() + QStringLiteral("/Dane1/l%1_q.xml").arg(lesson),
                  Config(100, 2, l, l, QStringLiteral("Dialog")).replace(QStringLiteral("<param2>0"), QStringLiteral("<param2>31")));
        }
    }
};

void BM_LoadCourse(benchmark::State& state)
{
    static GeneratedCourse course;
    CourseModel model;
    model.LoadHints(course.dir.path() + QStringLiteral("/Config/definitions.xml"), 0);
    const CourseModel::Source source{course.dir.path(), QStringLiteral("/Unity1"), QStringLiteral("/Dane1"), 0};
    QuietFeedback feedback;
    for (auto _ : state) {
        model.NewTree();
        model.LoadLessons(source, feedback, nullptr);
        benchmark::DoNotOptimize(model.LoadExercises(source, feedback, nullptr));
    }
    state.counters["elements"] = static_cast<double>(model.FlatList().size());
    state.counters["errors"] = feedback.errors;
}
BENCHMARK(BM_LoadCourse)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
