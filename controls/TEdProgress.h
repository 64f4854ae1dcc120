#pragma once

#include "SkinnedControl.h"

#include <QString>
#include <QWidget>

class SkinCanvas;

// The result panel "Panel_Wynik" of the scored screens: the caption, a bar
// picture chosen by the score and the score in per cent.
class TEdProgress : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    static constexpr int Width = 259;
    static constexpr int Height = 90;

    explicit TEdProgress(QWidget* parent = nullptr);

    int Wynik() const { return m_wynik; }
    // Ignored above 100; otherwise stored and repainted.
    void setWynik(int score);
    const QString& Tekst() const { return m_tekst; }
    void setTekst(const QString& text);

    // The bar picture for a score: WYKRES_00, _05, _10 .. _95 in fives, _100.
    static QString BarPictureName(int score);

    void Paint(SkinCanvas& canvas) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resourceLibraryChanged() override { update(); }

private:
    int m_wynik = 0;
    QString m_tekst = QStringLiteral("Twój wynik:");
};
