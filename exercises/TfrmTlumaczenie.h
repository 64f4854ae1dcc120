#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

class QTextBrowser;
class TEdDialogWindow;
class TEdResButton;
class TWOwnrScrllBar;

// The translation window: an HTML page (a translation, or the text of a text
// package) in a small skinned window over the translation background, with
// the program's scroll bar, "Tak" and "Zamknij". Shown modally.
class TfrmTlumaczenie : public QDialog {
    Q_OBJECT
public:
    static constexpr int FormWidth = 500;
    static constexpr int FormHeight = 600;

    explicit TfrmTlumaczenie(QWidget* parent = nullptr);

    // The program's one translation window, created on first use.
    static TfrmTlumaczenie* Instance();

    // Shows `page` (a local HTML file) under `caption` until the learner
    // closes the window: 1 after "Tak", 0 after "Zamknij", the close cross or Esc.
    int ShowTranslation(const QString& caption, const QString& page);

    TEdDialogWindow* Frame() const { return frame_; }
    QTextBrowser* HTML() const { return viewer_; }
    TWOwnrScrllBar* ScrollBar() const { return scrollBar_; }
    TEdResButton* btnTak() const { return btnTak_; }
    TEdResButton* btnZamknij() const { return btnZamknij_; }
    // Closes the window with a result and lets the background go.
    void done(int result) override;
    // Where the page lies in the window.
    static QRect ViewerRect() { return {24, 84, 430, 430}; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadBackground();
    void FitScrollBar();

    QImage background_;
    TEdDialogWindow* frame_ = nullptr;
    QWidget* backdrop_ = nullptr;
    QTextBrowser* viewer_ = nullptr;
    TWOwnrScrllBar* scrollBar_ = nullptr;
    TEdResButton* btnTak_ = nullptr;
    TEdResButton* btnZamknij_ = nullptr;
    TEdResButton* close_ = nullptr;
};

// Shows a page in the program's one translation window; see TfrmTlumaczenie.
int ShowTranslation(const QString& caption, const QString& page);

// Loads a local HTML page into a viewer: pages that declare the Windows-1250
// code page are read in it, others as their meta tag or UTF-8 says; links,
// style sheets and pictures resolve in the page's folder.
void LoadTextPage(QTextBrowser& viewer, const QString& path);
