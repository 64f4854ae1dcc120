#pragma once

#include "SkinnedControl.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

class SkinCanvas;

// Button size style; the numbers are the values stored in window layouts.
enum TRozmiar {
    roz22 = 0,
    roz32,
    roz50,
    roz64,
    roz70,
    roz80,
    roz100,
    rozBelka,
    rozTabka,
    rozTabka_Rozum,
    rozPaczkaNaviPrev,
    rozPaczkaNaviNext,
    rozPaczkaNaviZawartosc,
    rozUndefined,
    rozZakladka,     // the page tab of the navigation bar (value 14)
    rozWyborJezyka,
};

// Button composition: nine pieces or three.
enum TElementy { el9 = 0, el3 };

enum TEdResButtonAlignment { taLeftJustify = 0, taLeftFixed, taRightJustify, taCenter };

// Visual state suffixes shared by the button and the keyboard.
namespace StateSuffix {
inline constexpr const char* Normal = "_N";
inline constexpr const char* Hot = "_H";
inline constexpr const char* Pressed = "_P";
inline constexpr const char* Disabled = "_D";
} // namespace StateSuffix

// The image button: painted from the pieces "G01".."G09" (nine-piece),
// "G01".."G03" (three-piece), "BB01".."BB03" (top-bar buttons), the
// navigation arrows "PACZKA_NAVI_*" or the page tabs "TAB_ROZUM_*" of the
// resource library, with an optional glyph and an anti-aliased caption.
class TEdResButton : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    enum class MouseState { Normal, Hot, Pressed };

    // The corner size c and middle height m that the size style fixes
    // (m is 0 where the style has none).
    struct Measures {
        int c = 0;
        int m = 0;
    };
    static Measures MeasuresOf(TRozmiar rozmiar);

    // Where the glyph and the caption go (tops and lefts in pixels).
    struct Layout {
        QPoint glyph;
        QPoint caption;
        bool drawGlyph = false;
    };

    explicit TEdResButton(QWidget* parent = nullptr);

    bool Flat() const { return m_flat; }
    void setFlat(bool on);
    bool Down() const { return m_down; }
    void setDown(bool on);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    int GrafikaIndex() const { return m_grafikaIndex; }
    void setGrafikaIndex(int index);
    bool ShowCaption() const { return m_showCaption; }
    void setShowCaption(bool on);
    const QImage& Glyph() const { return m_glyph; }
    void setGlyph(const QImage& glyph);
    const QImage& GlyphHot() const { return m_glyphHot; }
    void setGlyphHot(const QImage& glyph);
    const QImage& GlyphDown() const { return m_glyphDown; }
    void setGlyphDown(const QImage& glyph);
    const QImage& GlyphDisabled() const { return m_glyphDisabled; }
    void setGlyphDisabled(const QImage& glyph);
    TRozmiar Rozmiar() const { return m_rozmiar; }
    void setRozmiar(TRozmiar rozmiar);
    int Korekta() const { return m_korekta; }
    void setKorekta(int v);
    int KorektaCaption() const { return m_korektaCaption; }
    void setKorektaCaption(int v);
    int KorektaCaptionY() const { return m_korektaCaptionY; }
    void setKorektaCaptionY(int v);
    int FixedTekstX() const { return m_fixedTekstX; }
    void setFixedTekstX(int v);
    int FixedGlyphX() const { return m_fixedGlyphX; }
    void setFixedGlyphX(int v);
    int Spacing() const { return m_spacing; }
    void setSpacing(int v);
    TEdResButtonAlignment Alignment() const { return m_alignment; }
    void setAlignment(TEdResButtonAlignment a);
    TElementy Skladowe() const { return m_skladowe; }
    void setSkladowe(TElementy e);
    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    int Tag() const { return m_tag; }
    void setTag(int tag);
    // The caption colour (the button font's colour).
    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color);

    MouseState mouseState() const { return m_mouseState; }

    // The state suffix and glyph the button paints with now.
    QString stateSuffix() const;
    const QImage& currentGlyph() const;
    Layout layout(const QImage& glyph) const;

    // Paints the button with the library's pictures; without a library the
    // widget paints a plain outline instead.
    void Paint(SkinCanvas& canvas) const;

signals:
    void clicked();
    void mouseEntered();
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resourceLibraryChanged() override;

private:
    void paintBackground(SkinCanvas& canvas, const QString& s) const;
    void applyAutoSize();

    bool m_flat = false;
    bool m_down = false;
    bool m_autoSize = false;
    int m_grafikaIndex = 1;
    bool m_showCaption = true;
    QImage m_glyph, m_glyphHot, m_glyphDown, m_glyphDisabled;
    TRozmiar m_rozmiar = roz22;
    int m_korekta = 0;
    int m_korektaCaption = 0;
    int m_korektaCaptionY = 0;
    int m_fixedTekstX = 0;
    int m_fixedGlyphX = 0;
    int m_spacing = 4;
    TEdResButtonAlignment m_alignment = taCenter;
    TElementy m_skladowe = el3;
    QString m_caption = QStringLiteral("EdResButton");
    int m_tag = 0;
    QColor m_fontColor = Qt::white;
    MouseState m_mouseState = MouseState::Normal;
};
