#pragma once

#include "SkinnedControl.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

class SkinCanvas;
class TEdResButton;

// Character sets of the on-screen keyboard.
enum TZestaw { zInny = 0, zHiszpanski, zWloski, zFrancuski, zNiemiecki, zRosyjski, zNorweski };

// The on-screen keyboard of accented letters: six keys a row and a small
// close button "btnZamknij" that hides it.
class TEdKlawiaturka : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    static constexpr int KeysPerRow = 6;

    explicit TEdKlawiaturka(QWidget* parent = nullptr);

    const QString& Symbole() const { return m_symbole; }
    // Sets the key characters (trimmed) and sizes the keyboard to them.
    void setSymbole(const QString& symbols);
    TZestaw ZestawZnakow() const { return m_zestaw; }
    void setZestawZnakow(TZestaw set);
    int ButtonsInRow() const { return m_buttonsInRow; }
    void setButtonsInRow(int n) { m_buttonsInRow = n; update(); }
    int ByttonSize() const { return m_byttonSize; }
    void setByttonSize(int size);
    const QImage& ButtonGlyph() const { return m_buttonGlyph; }
    void setButtonGlyph(const QImage& glyph) { m_buttonGlyph = glyph; update(); }
    // The library handle; setting it also loads the close button's pictures.
    const ResourceLibrary* Instancja() const { return resourceLibrary(); }
    void setInstancja(const ResourceLibrary* library) { setResourceLibrary(library); }

    static QString CharacterSet(TZestaw set);
    // The rectangle of key i (0-based) and the key under a point (-1 none).
    static QRect KeyRect(int i);
    int keyAt(QPoint point) const;
    TEdResButton* closeButton() const { return m_close; }

    void Paint(SkinCanvas& canvas) const;

signals:
    // A key was released over: its 1-based index into Symbole.
    void buttonClick(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resourceLibraryChanged() override;

private:
    QString m_symbole;
    TZestaw m_zestaw = zInny;
    int m_buttonsInRow = KeysPerRow;
    int m_byttonSize = 22;
    QImage m_buttonGlyph;
    TEdResButton* m_close = nullptr;
};
