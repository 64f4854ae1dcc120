#pragma once

#include "ContentsList.h"
#include "ContentsRowPainter.h"

#include "users/TUser.h"

#include <QImage>
#include <QWidget>

#include <memory>

class TAALabel;
class TEdBelka;
class TEdListBox;
class TEdResButton;
class TWOwnrScrllBar;

// The contents window: a full-screen tree of lessons, exercises and packages
// with the learner's scores and dates, from which exercises are opened.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    static constexpr int ListX = 203;
    static constexpr int ListY = 161;

    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The signed-in learner, shown in the top bar.
    const TUser& User() const { return user_; }
    TUser& User() { return user_; }
    void SetUser(const TUser& user) { user_ = user; }

    // Loads the course of CourseLanguage and fills the list with the lesson rows.
    void Inicjalizacja();

    ContentsList& Rows() { return *rows_; }
    TEdListBox* DrzewoCwiczen() const { return list_; }
    TWOwnrScrllBar* SB() const { return scrollBar_; }
    TEdBelka* Belka() const { return belka_; }

    // Refills the list from the tree and updates the scroll bar.
    void RefreshRows();
    // What a mouse release at x inside row `row` does (also used by tests).
    void ClickRow(int row, int x);
    // Pointing hand over a click zone of the row, arrow elsewhere.
    bool HandCursorAt(int row, int x) const;
    void ExpandAll();
    void CollapseAll();

signals:
    // An element was chosen to be opened (it is current and ScreenState is 5).
    void elementOpened(TElement* element);
    void dictionaryRequested();
    void helpRequested(const QString& page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateControls();
    TEdResButton* AddButton(const QString& name, const QString& caption, int x, int y, int width);
    TAALabel* AddLabel(const QString& name, const QString& caption, int x, int y, const QFont& font,
                       const QColor& color);
    void LoadBackground();
    void SyncListItems();
    void UpdateScrollBar();
    void OpenElement(TElement* element);
    void HoverAt(const QPoint& viewportPos);
    void btnMenuClick();

    TUser user_;
    std::unique_ptr<ContentsList> rows_;
    std::unique_ptr<ContentsRowPainter> painter_;
    QImage background_;
    TEdBelka* belka_ = nullptr;
    TEdListBox* list_ = nullptr;
    TWOwnrScrllBar* scrollBar_ = nullptr;
};

// The contents window of the program (created at start-up).
TfrmMain* MainWindow();
