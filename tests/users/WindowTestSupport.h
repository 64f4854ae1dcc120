#pragma once

#include "../course/CourseFixture.h"

#include "app/TfrmMsgBox.h"

#include "course/AppState.h"
#include "course/CourseModel.h"

#include "controls/TAALabel.h"
#include "controls/TEdMsgBoxWindow.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs `action` on the modal window as soon as one is up.
inline void WhenModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

// A program folder with the course's real hint texts and an empty Users
// folder, and the program's message box, which records what it showed.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile definitions(QStringLiteral(KURS_CONTENT_DIR "/Config/definitions.xml"));
        ASSERT_TRUE(definitions.open(QIODevice::ReadOnly));
        folder.Write(QStringLiteral("Config/definitions.xml"), definitions.readAll());
        folder.Write(QStringLiteral("Users/.keep"), QByteArray());
        App() = AppState{};
        App().ExeDir = folder.Path();
        App().InstalledLanguages = QStringLiteral("11000");
        Course().LoadHints(folder.Path() + QStringLiteral("/Config/definitions.xml"), 0);
        SetMsgBoxWindow(&box);
    }
    void TearDown() override { SetMsgBoxWindow(nullptr); }

    // Answers the next message box with "OK" or "Tak" (Enter), or with "Nie"
    // (Esc), and keeps its text and title.
    void AnswerMessage(bool yes = true)
    {
        WhenModal([this, yes](QWidget* modal) {
            ASSERT_EQ(modal, &box);
            Messages << box.lblTresc()->Caption();
            Titles << box.Frame()->Caption();
            QTest::keyClick(&box, yes ? Qt::Key_Return : Qt::Key_Escape);
        });
    }

    QString UsersPath(const QString& name) const { return folder.Path() + QStringLiteral("/Users/") + name; }

    ProgramFolder folder;
    TfrmMsgBox box;
    QStringList Messages;
    QStringList Titles;
};
