// Renders the media window playing a sound and a film of the demo course in
// the built program folder into <build>/screenshots/ for a person to look at.
// Needs the sound server of the test services.
#include "pronunciation/media/TfrmMedia.h"

#include "app/Skin.h"

#include "course/AppState.h"

#include "controls/ResourceLibrary.h"
#include "controls/SkinFonts.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QMediaPlayer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Under an X server the screen is captured, so that the film's picture shows
// too; offscreen the window draws itself.
void Save(QWidget* window, const char* name)
{
    QApplication::processEvents();
    const QImage image = QGuiApplication::platformName() == u"xcb"
                             ? window->screen()->grabWindow(0, window->x(), window->y(), window->width(), window->height()).toImage()
                             : window->grab().toImage();
    ASSERT_TRUE(image.save(QStringLiteral(KURS_SCREENSHOT_DIR "/") + QLatin1String(name)));
}

TEST(MediaScreenshots, SoundAndFilm)
{
    RegisterSkinFonts();
    App().ExeDir = QStringLiteral(KURS_PROGRAM_DIR);
    App().CourseLanguage = 1;
    App().FormatLanguageFolders();
    ASSERT_TRUE(Resources().load(App().ExeDir));
    QDir().mkpath(QStringLiteral(KURS_SCREENSHOT_DIR));
    TfrmMedia* window = CreateMediaWindow();
    SkinWindow(window);

    window->PlayMedia(App().MediaPath(QStringLiteral("Teksty/l01_list_kasi.wav")), true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Player()->position() > 1500; }, 8000));
    Save(window, "media-sound.png");

    window->PlayMedia(App().MediaPath(QStringLiteral("Teksty/l03_sniadanie.mpg")), true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Player()->position() > 4500; }, 12000));
    Save(window, "media-film.png");
    window->CloseMedia();
    delete window;
}

} // namespace
