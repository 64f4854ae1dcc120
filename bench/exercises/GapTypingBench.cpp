// Opening a gap-typing exercise of 400 words (load, layout, first paint), and
// moving to the next element through the navigation (close, backdrop timer,
// open), offscreen with the resource library of the built program folder.
#include "exercises/screens/wpisywanie/TfrmWpisywanie.h"

#include "app/Skin.h"

#include "course/AppState.h"
#include "course/CourseModel.h"
#include "course/LoadFeedback.h"
#include "course/navigation/TfrmNawigacja.h"

#include "controls/ResourceLibrary.h"
#include "controls/SkinFonts.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

class SilentFeedback : public LoadFeedback {
public:
    void ShowLoadError(const QString& message) override { throw std::runtime_error(message.toStdString()); }
};

void Write(const QString& path, const QByteArray& content)
{
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString());
    file.write(content);
}

// A letter of 400 words: sentences of ten words, every tenth word a gap, a
// line break after every fourth sentence, some bold words.
QByteArray Exercise400Words()
{
    static const char* const words[] = {"My", "family", "lives", "in", "a", "small", "house", "near", "the", "sea"};
    QString tresc;
    for (int i = 0; i < 400; ++i) {
        const QString word = QString::fromLatin1(words[i % 10]);
        if (i % 10 == 6)
            tresc += QStringLiteral("<%1/home> ").arg(word);
        else if (i % 25 == 3)
            tresc += QStringLiteral("<B>%1</B> ").arg(word);
        else
            tresc += word + (i % 10 == 9 ? QStringLiteral(". ") : QStringLiteral(" "));
        if (i % 40 == 39)
            tresc += QStringLiteral("<BR>");
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><id>1</id><multimedia/>"
                          "<nazwa id=\"0\">Moja rodzina</nazwa><grupa>1</grupa><poziom>1</poziom><typ_cw>4</typ_cw>"
                          "<param1>0</param1><param2>0</param2></config><body><html/>"
                          "<polecenie id=\"0\">Uzupełnij list.~Kliknij lukę i wpisz brakujący wyraz.</polecenie>"
                          "<tresc><![CDATA[%1]]></tresc><tlumaczenie id=\"0\">Tłumaczenie listu.</tlumaczenie></body>"
                          "</cwiczenie>")
        .arg(tresc)
        .toUtf8();
}

// A program folder of one lesson with two packages, each one 400-word page.
class BenchCourse {
public:
    BenchCourse()
    {
        const QString root = dir_.path();
        App() = AppState{};
        App().ExeDir = root;
        App().CourseLanguage = 1;
        App().FormatLanguageFolders();
        // The screen's backgrounds come from the built program folder.
        QFile::link(QStringLiteral(KURS_PROGRAM_DIR "/Gfx"), root + QStringLiteral("/Gfx"));
        Write(root + QStringLiteral("/Config/definitions.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><definicje><hinty><hint id=\"104\"><tlumaczenie id=\"0\">"
              "Wpisywanie</tlumaczenie></hint></hinty></definicje>");
        Write(root + QStringLiteral("/Unity1/lekcja01.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><lekcja><ID>1</ID><nazwa id=\"0\">Rodzina</nazwa></lekcja>");
        for (int p = 1; p <= 2; ++p) {
            Write(root + QStringLiteral("/Dane1/Paczki/list%1.xml").arg(p), Exercise400Words());
            Write(root + QStringLiteral("/Dane1/lekcja01_0%1_rozumienie.xml").arg(p),
                  QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><id>10%1</id>"
                                 "<nazwa id=\"0\">Ćwiczenia %1</nazwa><grupa>1</grupa><poziom>1</poziom>"
                                 "<typ_cw>100</typ_cw><param1>1</param1><param2>0</param2></config><body>"
                                 "<element_paczki>list%1.xml</element_paczki></body></cwiczenie>")
                      .arg(p)
                      .toUtf8());
        }
        SilentFeedback feedback;
        const CourseModel::Source source{root, App().UnityDir, App().DaneDir, 0};
        Course().LoadHints(root + QStringLiteral("/Config/definitions.xml"), 0);
        Course().NewTree();
        Course().LoadLessons(source, feedback, nullptr);
        Course().LoadExercises(source, feedback, nullptr);
    }
    QString Page(int p) const { return App().DanePath(QStringLiteral("Paczki/list%1.xml").arg(p)); }

private:
    QTemporaryDir dir_;
};

// Opens and paints the 400-word page in every timed iteration.
void OpenAndPaint(benchmark::State& state)
{
    BenchCourse course;
    const QString path = course.Page(1);
    for (auto _ : state) {
        TfrmWpisywanie* screen = TfrmWpisywanie::Open(path, 4);
        if (screen == nullptr) {
            state.SkipWithError("the exercise did not open");
            break;
        }
        benchmark::DoNotOptimize(screen->grab());
        state.PauseTiming();
        screen->close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// The first screen of a run also decodes its backgrounds and sets up Qt's
// widgets; this case runs first and once, after the fonts were warmed as at
// the program's start-up.
void BM_FirstOpenInProcess(benchmark::State& state) { OpenAndPaint(state); }
BENCHMARK(BM_FirstOpenInProcess)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OpenGapTyping400Words(benchmark::State& state) { OpenAndPaint(state); }
BENCHMARK(BM_OpenGapTyping400Words)->Unit(benchmark::kMillisecond);

void BM_NextElement(benchmark::State& state)
{
    BenchCourse course;
    QTimer backdrop;
    backdrop.setSingleShot(true);
    backdrop.setInterval(10);
    TfrmNawigacja navigation(backdrop);
    navigation.NewState();
    QPointer<TfrmWpisywanie> shown;
    QEventLoop opened;
    TfrmNawigacja::RegisterScreen(4, [&](const QString& path, int typ) {
        shown = TfrmWpisywanie::Open(path, typ);
        if (shown)
            shown->grab();
        opened.quit();
    });
    TElement* lesson = Course().Tree().Root()->Child(1);
    navigation.SetCurrentElement(lesson->Child(1)->Child(1));
    navigation.OpenCurrentLater();
    opened.exec();
    bool forward = true;
    for (auto _ : state) {
        if (!shown) {
            state.SkipWithError("no screen is open");
            break;
        }
        if (forward)
            navigation.GoNext(shown);
        else
            navigation.GoPrevious(shown);
        opened.exec();
        forward = !forward;
    }
    if (shown)
        shown->close();
    QApplication::processEvents();
}
BENCHMARK(BM_NextElement)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterSkinFonts();
    WarmUpSkinFonts();
    Resources().load(QStringLiteral(KURS_PROGRAM_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
