// Renders the contents window over the demo course of the built program
// folder, with the tree expanded and a few stored scores, into
// <build>/screenshots/contents.png for a person to look at.
#include "app/Skin.h"
#include "app/TfrmMain.h"
#include "app/TfrmMessage.h"
#include "app/TfrmMsgBox.h"
#include "app/TfrmProgress.h"

#include "controls/TAALabel.h"
#include "controls/TEdMsgBoxWindow.h"
#include "controls/TEdResButton.h"

#include "course/AppState.h"
#include "course/CourseModel.h"

#include "controls/ResourceLibrary.h"
#include "controls/SkinFonts.h"
#include "controls/TEdListBox.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(ContentsScreenshot, DemoCourseExpanded)
{
    RegisterSkinFonts();
    App().ExeDir = QStringLiteral(KURS_PROGRAM_DIR);
    App().CourseLanguage = 1;
    ASSERT_TRUE(Resources().load(App().ExeDir));
    Course().LoadHints(App().ExeDir + QStringLiteral("/Config/definitions.xml"), 0);

    TfrmMain window;
    TUser user;
    user.Name = QStringLiteral("Katarzyna");
    user.Gender = QStringLiteral("K");
    user.Avatar = 23;
    window.SetUser(user);
    window.show();
    window.Inicjalizacja();
    // A few results, as a learner who has started the course would have.
    const auto& flat = Course().FlatList();
    const int scores[] = {100, 85, 40, 0, 67};
    for (size_t i = 1; i < flat.size() && i <= 5; ++i) {
        flat[i]->HasResult = true;
        flat[i]->Score = scores[i - 1];
        flat[i]->Date = QStringLiteral("0%1-12-2026").arg(i);
    }
    window.ExpandAll();
    window.DrzewoCwiczen()->setCurrentRow(3);

    const QString folder = QStringLiteral(KURS_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const QImage image = window.grab().toImage();
    ASSERT_TRUE(image.save(folder + QStringLiteral("/contents.png")));
    window.CollapseAll();
    ASSERT_TRUE(window.grab().toImage().save(folder + QStringLiteral("/contents-collapsed.png")));
}

TEST(ContentsScreenshot, MessageWindows)
{
    const QString folder = QStringLiteral(KURS_SCREENSHOT_DIR);
    TfrmMsgBox box;
    SkinWindow(&box);
    box.lblTresc()->setCaption(QStringLiteral("Czy na pewno zamknąć program?"));
    box.Frame()->setCaption(QStringLiteral("Wyjście"));
    box.Frame()->setIcon(icoQuestion);
    box.btnOK()->hide();
    box.show();
    ASSERT_TRUE(box.grab().toImage().save(folder + QStringLiteral("/msgbox.png")));
    TfrmMessage message;
    SkinWindow(&message);
    message.SetText(QStringLiteral("Mikrofon nie jest podłączony. Możesz pominąć nagrywanie i przejść dalej."));
    message.btnSkip()->show();
    message.show();
    ASSERT_TRUE(message.grab().toImage().save(folder + QStringLiteral("/message.png")));
    TfrmProgress progress;
    progress.StartProgress(1, 5, QStringLiteral("Wczytuję dane..."));
    progress.StepProgress(3);
    ASSERT_TRUE(progress.grab().toImage().save(folder + QStringLiteral("/progress.png")));
    progress.close();
}
