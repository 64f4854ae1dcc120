#pragma once

#include "HelpHistory.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class QPrinter;
class QTextBrowser;
class TEdBelka;
class TEdResButton;

// The help window: the course's HTML help pages from the Pomoc folder, with
// its own back history, printing and a jump to the help contents. Web links
// open in the desktop's browser. One window per request, freed on close;
// the window that asked for it comes to the front again then.
class TfrmPomoc : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPomoc(QWidget* owner);

    // Shows `target` (a full local target or a web address) as the only page of the history.
    void Open(const QString& target);

    const HelpHistory& History() const { return history_; }
    QTextBrowser* HTML() const { return html_; }
    TEdResButton* k_wroc() const { return back_; }
    TEdResButton* k_drukuj() const { return print_; }
    TEdResButton* btn_spis() const { return contents_; }
    QWidget* Owner() const { return owner_; }

    // What the page's link `link` (as written in the page) does.
    void LinkClicked(const QString& link);
    void Back();
    void Contents();
    // Prints the page on show, pages 1 to 999, to the default printer, or
    // tells the learner that there is no printer.
    void Print();
    // Prints the page on show, pages 1 to 999, on `printer`.
    void PrintTo(QPrinter& printer);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    TEdResButton* AddSideButton(const QString& name, const QString& caption, const QString& glyph, int y,
                                const QString& hint);
    void Load(const QString& target);
    void ShowStart();
    void UpdateBackButton();

    QPointer<QWidget> owner_;
    HelpHistory history_;
    QImage background_;
    QImage emblem_;
    TEdBelka* belka_ = nullptr;
    QTextBrowser* html_ = nullptr;
    TEdResButton* back_ = nullptr;
    TEdResButton* print_ = nullptr;
    TEdResButton* contents_ = nullptr;
};

// Opens help on `page`, a path relative to the program folder beginning with
// a backslash (with an optional "#anchor"), for the window `owner`. A web
// address opens in the desktop's browser instead. Returns the new window, if any.
TfrmPomoc* OpenHelp(const QString& page, QWidget* owner);
