#include "app/TfrmMessage.h"
#include "app/TfrmMessage0.h"
#include "app/TfrmMsgBox.h"
#include "app/TfrmProgress.h"

#include "controls/TEdResButton.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `action` on the modal window as soon as it is up.
void WhenModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

void Click(TEdResButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
}

class MessageBoxAnswers : public ::testing::Test {
protected:
    void SetUp() override { SetMsgBoxWindow(&box); }
    void TearDown() override { SetMsgBoxWindow(nullptr); }
    TfrmMsgBox box;
};

TEST_F(MessageBoxAnswers, KeysAndButtonsGiveTheDesignedAnswers)
{
    struct Case {
        const char* Name;
        int Kind;
        std::function<void(TfrmMsgBox*)> Close;
        bool Expected;
    };
    auto key = [](Qt::Key k) { return [k](TfrmMsgBox* b) { QTest::keyClick(b, k); }; };
    const Case cases[] = {
        {"information closed by Esc", TfrmMsgBox::Information, key(Qt::Key_Escape), true},
        {"information by Enter", TfrmMsgBox::Information, key(Qt::Key_Return), true},
        {"information by OK", TfrmMsgBox::Information, [](TfrmMsgBox* b) { Click(b->btnOK()); }, true},
        {"question by Enter", TfrmMsgBox::Question, key(Qt::Key_Return), true},
        {"question by Space", TfrmMsgBox::Question, key(Qt::Key_Space), true},
        {"question by Esc", TfrmMsgBox::Question, key(Qt::Key_Escape), false},
        {"question by Tak", TfrmMsgBox::Question, [](TfrmMsgBox* b) { Click(b->btnTak()); }, true},
        {"question by Nie", TfrmMsgBox::Question, [](TfrmMsgBox* b) { Click(b->btnNie()); }, false},
        {"question by small close", TfrmMsgBox::Question, [](TfrmMsgBox* b) { Click(b->EdResButton1()); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TfrmMsgBox* b = &box;
        bool visibleButtonsRight = false;
        WhenModal([&, b](QWidget*) {
            const bool question = c.Kind == TfrmMsgBox::Question;
            visibleButtonsRight = b->btnTak()->isVisible() == question && b->btnNie()->isVisible() == question
                                  && b->btnOK()->isVisible() == !question;
            c.Close(b);
        });
        EXPECT_EQ(ShowMsgBox(QStringLiteral("Czy na pewno?"), QStringLiteral("Pytanie"), c.Kind), c.Expected);
        EXPECT_TRUE(visibleButtonsRight);
    }
}

TEST(ProgressWindow, BarWidthFollowsThePositionRoundedHalfToEven)
{
    TfrmProgress progress;
    progress.StartProgress(TfrmProgress::ModeLoading, 5, QStringLiteral("Wczytuję dane..."));
    EXPECT_EQ(progress.caption(), QStringLiteral("Wczytuję dane..."));
    EXPECT_EQ(progress.barWidth(), 0);
    progress.StepProgress(2);
    EXPECT_EQ(progress.barWidth(), 80);
    progress.StepProgress(5);
    EXPECT_EQ(progress.barWidth(), 200);
    progress.StartProgress(TfrmProgress::ModeLoading, 400, QString());
    progress.StepProgress(1); // 0.5 -> 0
    EXPECT_EQ(progress.barWidth(), 0);
    progress.StepProgress(3); // 1.5 -> 2
    EXPECT_EQ(progress.barWidth(), 2);
    progress.StartProgress(TfrmProgress::ModeLoading, 0, QString());
    progress.StepProgress(3);
    EXPECT_EQ(progress.barWidth(), 0);
    progress.close();
}

TEST(ProgressWindow, ModeDecidesWhichWindowsIgnoreInputWhileItRuns)
{
    QWidget login, settings, report;
    TfrmProgress progress;
    progress.RegisterDisabledWindow(true, &login);
    progress.RegisterDisabledWindow(true, &settings);
    progress.RegisterDisabledWindow(false, &report);

    progress.StartProgress(TfrmProgress::ModeLoading, 10, QStringLiteral("Wczytuję statystyki..."));
    EXPECT_FALSE(login.isEnabled());
    EXPECT_FALSE(settings.isEnabled());
    EXPECT_TRUE(report.isEnabled());
    progress.close();
    EXPECT_TRUE(login.isEnabled());
    EXPECT_TRUE(settings.isEnabled());

    progress.StartProgress(2, 5, QStringLiteral("Przygotowywanie statystyk ..."));
    EXPECT_TRUE(login.isEnabled());
    EXPECT_FALSE(report.isEnabled());
    progress.close();
    EXPECT_TRUE(report.isEnabled());
}

TEST(MessageWindowWithSkip, KeysCloseWithoutChangingTheAnswer)
{
    TfrmMessage message;
    message.btnSkip()->show();
    WhenModal([&](QWidget*) { Click(message.btnOK()); });
    message.ShowModal();
    EXPECT_TRUE(message.answer());
    WhenModal([&](QWidget*) { QTest::keyClick(&message, Qt::Key_Escape); });
    message.ShowModal();
    EXPECT_TRUE(message.answer());
    WhenModal([&](QWidget*) { Click(message.btnSkip()); });
    message.ShowModal();
    EXPECT_FALSE(message.answer());
    WhenModal([&](QWidget*) { QTest::keyClick(&message, Qt::Key_Space); });
    message.ShowModal();
    EXPECT_FALSE(message.answer());
}

TEST(InformationWindow, ClosesOnOkEscAndSpaceAndConsumesOtherKeys)
{
    TfrmMessage0 info;
    info.SetText(QStringLiteral("Nagranie zostało zapisane."));
    for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Space}) {
        WhenModal([&](QWidget*) {
            QTest::keyClick(&info, Qt::Key_A);
            EXPECT_TRUE(info.isVisible());
            QTest::keyClick(&info, k);
        });
        info.ShowModal();
        EXPECT_FALSE(info.isVisible());
    }
    WhenModal([&](QWidget*) { Click(info.btnNie()); });
    info.ShowModal();
    EXPECT_FALSE(info.isVisible());
}

} // namespace
