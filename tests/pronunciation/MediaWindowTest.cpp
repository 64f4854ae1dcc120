// The media window against the real sound server of the test services.
#include "../course/CourseFixture.h"
#include "../exercises/ModalWindows.h"
#include "../platform/MicrophoneFeeder.h"
#include "../platform/SoundTestSupport.h"

#include "pronunciation/media/MediaRules.h"
#include "pronunciation/media/TNagrywanie.h"
#include "pronunciation/media/TfrmMedia.h"

#include "exercises/TfrmTlumaczenie.h"

#include "course/AppState.h"

#include "controls/TEdDialogWindow.h"
#include "controls/TEdResButton.h"

#include "platform/WaveFile.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMediaPlayer>
#include <QScreen>
#include <QTextBrowser>

namespace {

using kurs::test::MicrophoneFeeder;

class MediaWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(kurs::test::microphonePipe().empty())
            << "the media tests need the test services: source scripts/test-services.sh; start_test_services";
        folder.MakeCurrent();
        QDir().mkpath(folder.Path() + QStringLiteral("/Media1/Teksty"));
        QDir().mkpath(folder.Path() + QStringLiteral("/Dane1/Paczki"));
        window = std::make_unique<TfrmMedia>();
        QObject::connect(window->Player(), &QMediaPlayer::mediaStatusChanged, [this](QMediaPlayer::MediaStatus s) {
            if (s == QMediaPlayer::EndOfMedia)
                ends.push_back(clock.elapsed());
        });
        clock.start();
    }
    void TearDown() override
    {
        if (window)
            window->CloseMedia();
        window.reset();
    }
    // A tone of its own pitch in the media folder.
    QString Tone(const QString& name, double seconds, double frequencyHz = 440.0)
    {
        const QString path = folder.Path() + QStringLiteral("/Media1/Teksty/") + name;
        const auto samples = kurs::test::tone(frequencyHz, seconds, 22050);
        EXPECT_TRUE(kurs::sound::writeWaveFile(path.toStdString(), kurs::sound::WaveFormat{},
                                               reinterpret_cast<const std::uint8_t*>(samples.data()),
                                               samples.size() * 2));
        return path;
    }
    QString Copy(const char* dataFile, const QString& name)
    {
        const QString target = folder.Path() + QStringLiteral("/Media1/Teksty/") + name;
        EXPECT_TRUE(QFile::copy(QStringLiteral(KURS_MEDIA_TEST_DATA "/") + QLatin1String(dataFile), target));
        return target;
    }
    bool WaitPlaying()
    {
        return QTest::qWaitFor([&] { return window->Player()->playbackState() == QMediaPlayer::PlayingState &&
                                            window->Player()->duration() > 0; },
                               5000);
    }

    ProgramFolder folder;
    ModalWindows modal;
    std::unique_ptr<TfrmMedia> window;
    QElapsedTimer clock;
    std::vector<qint64> ends;
};

TEST_F(MediaWindow, AListOfThreeSoundsWaitsEachPauseAndReportsItemsAndTheEnd)
{
    const QStringList files = {Tone(QStringLiteral("a.wav"), 0.3, 440), Tone(QStringLiteral("b.wav"), 0.3, 550),
                               Tone(QStringLiteral("c.wav"), 0.3, 660)};
    struct Item {
        qint64 At;
        int Number;
    };
    std::vector<Item> items;
    int finished = 0;
    bool closedAtFinish = false;
    window->OnListItem = [&] { items.push_back({clock.elapsed(), window->CurrentListItem}); };
    window->OnListFinished = [&] {
        ++finished;
        closedAtFinish = !window->IsPlaying() && !window->isVisible();
    };
    window->PlayMediaList(files, {QStringLiteral("300"), QStringLiteral("600"), QStringLiteral("9999")});
    EXPECT_TRUE(window->IsPlaying());
    EXPECT_FALSE(window->isVisible()) << "lists play without showing the window";
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished > 0; }, 15000));
    QTest::qWait(300);

    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].Number, 1);
    EXPECT_EQ(items[1].Number, 2);
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(closedAtFinish);
    EXPECT_FALSE(window->ListMode());
    ASSERT_EQ(ends.size(), 3u);
    EXPECT_GE(items[0].At - ends[0], 295) << "the first pause follows the first file";
    EXPECT_LT(items[0].At - ends[0], 590);
    EXPECT_GE(items[1].At - ends[1], 595) << "the second pause follows the second file";
    EXPECT_FALSE(window->OnListItem) << "the end of the list clears the item callback";
}

TEST_F(MediaWindow, PlayingDuringAListPauseDoesNothingAndStoppingTheListClosesTheWindow)
{
    const QStringList files = {Tone(QStringLiteral("a.wav"), 0.2), Tone(QStringLiteral("b.wav"), 0.2)};
    const QString other = Tone(QStringLiteral("other.wav"), 0.2);
    int items = 0, finished = 0;
    window->OnListItem = [&] { ++items; };
    window->OnListFinished = [&] { ++finished; };
    window->PlayMediaList(files, {QStringLiteral("1500"), QStringLiteral("10")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->InPause(); }, 5000));
    window->PlayMedia(other, true);
    EXPECT_TRUE(window->InPause());
    EXPECT_FALSE(window->isVisible());
    EXPECT_NE(QFileInfo(window->Player()->source().toLocalFile()).fileName(), QStringLiteral("other.wav"));

    window->StopMediaList();
    EXPECT_FALSE(window->IsPlaying());
    EXPECT_FALSE(window->ListMode());
    EXPECT_FALSE(window->InPause());
    QTest::qWait(1800);
    EXPECT_EQ(items, 0) << "a stopped list goes no further";
    EXPECT_EQ(finished, 0);
}

TEST_F(MediaWindow, FallbacksPlayTheOtherFormWithItsLayout)
{
    Copy("tone.mp3", QStringLiteral("zdanie.mp3"));
    Copy("film.mpg", QStringLiteral("film.mpg"));
    Tone(QStringLiteral("dzwiek.wav"), 0.3);
    struct Case {
        const char* Asked;
        const char* Played;
        int Kind;
        QSize Size;
    };
    const Case cases[] = {
        {"zdanie.wav", "zdanie.mp3", MediaRules::Mp3, QSize(360, 74)},
        {"film.swf", "film.mpg", MediaRules::Film, QSize(360, 363)},
        {"dzwiek.mp3", "dzwiek.wav", MediaRules::Sound, QSize(360, 74)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Asked);
        window->PlayMedia(App().MediaPath(QStringLiteral("Teksty/") + QLatin1String(c.Asked)), true);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->IsPlaying());
        EXPECT_EQ(QFileInfo(window->Player()->source().toLocalFile()).fileName(), QLatin1String(c.Played));
        EXPECT_EQ(window->Kind(), c.Kind);
        EXPECT_EQ(window->size(), c.Size);
        EXPECT_EQ(window->DisplayArea()->isVisible(), c.Kind == MediaRules::Film);
        EXPECT_TRUE(WaitPlaying());
        window->CloseMedia();
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(window->IsPlaying());
    }
    EXPECT_TRUE(modal.Messages.isEmpty()) << modal.Messages.join(u'\n').toStdString();
}

TEST_F(MediaWindow, AMissingSoundAndAnAnimationAreReportedAndNothingPlays)
{
    window->PlayMedia(App().MediaPath(QStringLiteral("Teksty/nic.wav")), true);
    EXPECT_FALSE(window->IsPlaying());
    EXPECT_FALSE(window->isVisible());
    folder.Write(QStringLiteral("Media1/Teksty/animacja.swf"), "FWS");
    window->PlayMedia(App().MediaPath(QStringLiteral("Teksty/animacja.swf")), true);
    EXPECT_FALSE(window->IsPlaying());
    ASSERT_EQ(modal.Messages.size(), 2);
    EXPECT_EQ(modal.Messages[0], QStringLiteral("Brak pliku dźwiękowego: nic.wav"));
    EXPECT_EQ(modal.Titles[0], QStringLiteral("Błąd"));
    EXPECT_TRUE(modal.Messages[1].contains(QStringLiteral("animacja.swf")));
    EXPECT_TRUE(modal.Messages[1].contains(QStringLiteral(".swf")));
    EXPECT_EQ(modal.Titles[1], QStringLiteral("Uwaga"));
}

TEST_F(MediaWindow, TheSeekBarFollowsPlaybackAndSeeksWhereItIsPressedOrReleased)
{
    const QString long_ = Tone(QStringLiteral("dlugi.wav"), 4.0);
    window->PlayMedia(long_, true);
    ASSERT_TRUE(WaitPlaying());
    const int trackLeft = window->Track()->x();
    QTest::qWait(700);
    EXPECT_GT(window->Knob()->x(), trackLeft) << "the timer moves the knob";
    EXPECT_EQ(window->Filled()->width(), window->Knob()->x() - trackLeft + 3);

    window->PressTrackAt(MediaRules::TrackWidth / 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Player()->position() >= 1900; }, 1500));
    EXPECT_LT(window->Player()->position(), 3000);

    window->ReleaseKnobAt(trackLeft + MediaRules::TrackWidth - window->Knob()->width());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ends.empty(); }, 1500)) << "a knob released at the far right ends the sound";
    EXPECT_EQ(window->Knob()->x(), trackLeft) << "the end stops and rewinds";
    EXPECT_EQ(window->Filled()->width(), 0);
    EXPECT_TRUE(window->IsPlaying()) << "the window stays in use until it is closed";
    QTest::mouseClick(window->btnClose(), Qt::LeftButton, {}, window->btnClose()->rect().center());
    EXPECT_FALSE(window->IsPlaying());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MediaWindow, RecordingTwiceSavesTheFirstAndARecordingNotSavedLeavesNoFile)
{
    MicrophoneFeeder microphone;
    ASSERT_TRUE(microphone.start(kurs::test::tone(500.0, 10.0, MicrophoneFeeder::kRateHz), 100)) << microphone.error();
    const QString first = folder.Path() + QStringLiteral("/pierwsze.wav");
    const QString second = folder.Path() + QStringLiteral("/drugie.wav");
    folder.Write(QStringLiteral("drugie.wav"), "an older recording");

    window->StartMicRecording(first);
    EXPECT_TRUE(window->IsRecording());
    QTest::qWait(900);
    window->StartMicRecording(second);
    EXPECT_TRUE(window->IsRecording());
    EXPECT_FALSE(QFileInfo::exists(second)) << "the target is cleared when recording starts";

    kurs::sound::WaveData wave;
    ASSERT_EQ(kurs::sound::readWaveFile(first.toStdString(), wave), kurs::sound::WaveFileError::None);
    EXPECT_EQ(wave.format.samplesPerSec, 22050u);
    EXPECT_EQ(wave.format.bitsPerSample, 16);
    EXPECT_EQ(wave.format.channels, 1);
    const std::size_t samples = wave.pcm.size() / 2;
    EXPECT_GT(samples, 22050u * 6 / 10);
    EXPECT_LT(samples, 22050u * 2);
    const auto* data = reinterpret_cast<const std::int16_t*>(wave.pcm.data());
    EXPECT_NEAR(kurs::test::measuredFrequencyHz(data, samples, 22050), 500.0, 15.0);

    QTest::qWait(300);
    window->StopMicRecording(false);
    EXPECT_FALSE(window->IsRecording());
    EXPECT_FALSE(QFileInfo::exists(second));
    window->StopMicRecording(true);
    EXPECT_FALSE(QFileInfo::exists(second)) << "stopping again records nothing";
    EXPECT_TRUE(QFileInfo::exists(first));
    microphone.stop();
}

TEST_F(MediaWindow, ATextPackageShowsItsTextAndOnTakItsTranslationBesideIt)
{
    folder.Write(QStringLiteral("Dane1/Paczki/tekst.xml"),
                 QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>4</typ_cw>"
                                "<multimedia/></config><body><tresc>Hi Ola! Greetings from Wales!</tresc>"
                                "<tlumaczenie id=\"0\">Cześć, Olu! Pozdrowienia z Walii!</tlumaczenie></body></cwiczenie>")
                     .toUtf8());
    struct Shown {
        QString Caption, Text;
        QRect Geometry;
    };
    std::vector<Shown> shown;
    modal.OnModal = [&](QWidget* w) {
        auto* page = qobject_cast<TfrmTlumaczenie*>(w);
        ASSERT_NE(page, nullptr);
        shown.push_back({page->Frame()->Caption(), page->HTML()->toPlainText(), page->geometry()});
        TEdResButton* button = shown.size() == 1 ? page->btnTak() : page->btnZamknij();
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    };
    ExerciseMedia& media = *window;
    media.ShowTextPackage(App().DanePath(QStringLiteral("Paczki/tekst.xml")));
    ASSERT_EQ(shown.size(), 2u);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(shown[0].Caption, QStringLiteral("Tekst"));
    EXPECT_TRUE(shown[0].Text.contains(QStringLiteral("Greetings from Wales!")));
    EXPECT_EQ(shown[0].Geometry.x() + shown[0].Geometry.width(), screen.center().x() + 1) << "the text left of the middle";
    EXPECT_EQ(shown[0].Geometry.y(), (screen.height() - shown[0].Geometry.height()) / 2);
    EXPECT_TRUE(shown[1].Text.contains(QStringLiteral("Cześć, Olu!")));
    EXPECT_EQ(shown[1].Geometry.x(), screen.center().x() + 1) << "the translation right of the middle";
    EXPECT_TRUE(QFileInfo::exists(App().DanePath(QStringLiteral("tmp_wpis.html"))));
    EXPECT_TRUE(QFileInfo::exists(App().DanePath(QStringLiteral("tmp_wpis_pl.html"))));
}

TEST(SoundInputCheck, OpensTheDefaultMicrophone)
{
    ASSERT_FALSE(kurs::test::microphonePipe().empty()) << "the sound tests need the test services";
    TNagrywanie check;
    EXPECT_TRUE(check.Recorder().IsOpen());
    EXPECT_EQ(check.Recorder().Format().samplesPerSec, 22050u);
    EXPECT_EQ(check.Recorder().Format().avgBytesPerSec, 44100u);
    EXPECT_EQ(check.Recorder().Format().blockAlign, 2);
}

} // namespace
