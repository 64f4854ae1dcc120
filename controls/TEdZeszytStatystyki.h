#pragma once

#include "SkinnedControl.h"

#include <QString>
#include <QWidget>

class SkinCanvas;

// The notebook statistics panel of the vocabulary screens: correct and
// wrong counts, the percentage and, optionally, the repetitions.
class TEdZeszytStatystyki : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    explicit TEdZeszytStatystyki(QWidget* parent = nullptr);

    unsigned Poprawnie() const { return m_poprawnie; }
    void setPoprawnie(unsigned v);
    unsigned Blednie() const { return m_blednie; }
    void setBlednie(unsigned v);
    unsigned XFactor() const { return m_xFactor; }
    void setXFactor(unsigned v);
    bool ShowPowtorki() const { return m_showPowtorki; }
    void setShowPowtorki(bool on);
    int Powtorki() const { return m_powtorki; }
    void setPowtorki(int v);
    const QString& OstataniaPowtorka() const { return m_ostatniaPowtorka; }
    void setOstataniaPowtorka(const QString& text);
    const QString& TextPoprawnie() const { return m_textPoprawnie; }
    void setTextPoprawnie(const QString& text);
    const QString& TextBlednie() const { return m_textBlednie; }
    void setTextBlednie(const QString& text);
    const QString& TextOgolnie() const { return m_textOgolnie; }
    void setTextOgolnie(const QString& text);
    const QString& TextStatystyka() const { return m_textStatystyka; }
    void setTextStatystyka(const QString& text);
    const QString& TextZdanie() const { return m_textZdanie; }
    void setTextZdanie(const QString& text);

    // Where a number is drawn (its left edge), or -1 when it is not drawn.
    static int NumberX(unsigned value);

    // Paints the texts, and the pictures when the canvas has a library.
    void Paint(QPainter& painter, SkinCanvas* canvas) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resourceLibraryChanged() override { update(); }

private:
    unsigned m_poprawnie = 0;
    unsigned m_blednie = 0;
    unsigned m_xFactor = 0;
    bool m_showPowtorki = false;
    int m_powtorki = 0;
    QString m_ostatniaPowtorka;
    QString m_textPoprawnie = QStringLiteral("poprawnie");
    QString m_textBlednie = QStringLiteral("błędnie");
    QString m_textOgolnie = QStringLiteral("ogólnie");
    QString m_textStatystyka = QStringLiteral(" STATYSTYKA");
    QString m_textZdanie;
};
