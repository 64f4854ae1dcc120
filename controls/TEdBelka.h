#pragma once

#include "SkinnedControl.h"

#include <QString>
#include <QWidget>

class SkinCanvas;

// The 50-pixel top bar of every window: the bar picture of the window's
// style and, when asked, the signed-in learner's avatar and name. It keeps
// itself across the top of its parent.
class TEdBelka : public QWidget, public SkinnedControl {
    Q_OBJECT
public:
    static constexpr int Height = 50;

    explicit TEdBelka(QWidget* parent = nullptr);

    const QString& Plec() const { return m_plec; }
    void setPlec(const QString& plec);
    int LudzikIndex() const { return m_ludzikIndex; }
    void setLudzikIndex(int index);
    const QString& Zalogowany() const { return m_zalogowany; }
    void setZalogowany(const QString& name);
    bool PokazZalogowanie() const { return m_pokazZalogowanie; }
    void setPokazZalogowanie(bool on);
    bool NowyStyl() const { return m_nowyStyl; }
    void setNowyStyl(bool on);
    const QString& TekstBelki() const { return m_tekstBelki; }
    void setTekstBelki(const QString& text);
    int StylBelki() const { return m_stylBelki; }
    void setStylBelki(int style);

    void Paint(SkinCanvas& canvas) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resourceLibraryChanged() override;

private:
    void followParent();
    QString avatarName() const;
    void paintSignedIn(SkinCanvas& canvas, int avatarX, int textX, int pictureWidth) const;

    QString m_plec = QStringLiteral("M");
    int m_ludzikIndex = 1;
    QString m_zalogowany;
    bool m_pokazZalogowanie = true;
    bool m_nowyStyl = false;
    QString m_tekstBelki = QStringLiteral("Jesteś zalogowany jako:");
    int m_stylBelki = -1;
};
