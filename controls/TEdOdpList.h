#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

// The answer list of the tests: up to four answers (or a variable number),
// each with a marker picture, a hover band and, after a choice, the marks of
// the right and the chosen answer.
class TEdOdpList : public QWidget {
    Q_OBJECT
public:
    static constexpr int FixedCount = 4;

    explicit TEdOdpList(QWidget* parent = nullptr);

    QString Odp(int i) const;               // 1-based
    void setOdp(int i, const QString& text);
    bool czyZmiennaLiczbaOdpowiedzi() const { return m_variable; }
    void setCzyZmiennaLiczbaOdpowiedzi(bool on);
    int IleOdpowiedzi() const { return m_ileOdpowiedzi; }
    void setIleOdpowiedzi(int n);
    // The texts of the variable list.
    const QStringList& Odpowiedzi() const { return m_items; }
    void setOdpowiedzi(const QStringList& items);

    const QImage& Icon() const { return m_icon; }
    void setIcon(const QImage& image) { m_icon = image; update(); }
    const QImage& IconOK() const { return m_iconOK; }
    void setIconOK(const QImage& image) { m_iconOK = image; update(); }
    const QImage& IconWrong() const { return m_iconWrong; }
    void setIconWrong(const QImage& image) { m_iconWrong = image; update(); }

    int SelectedItem() const { return m_selectedItem; }
    void setSelectedItem(int i);
    int Correct() const { return m_correct; }
    void setCorrect(int i);
    bool HighLightCorrect() const { return m_highLightCorrect; }
    void setHighLightCorrect(bool on);
    int Margines() const { return m_margines; }
    void setMargines(int v);
    int Interlinia() const { return m_interlinia; }
    void setInterlinia(int v);
    int MarginesImage() const { return m_marginesImage; }
    void setMarginesImage(int v);
    int HoverItem() const { return m_hoverItem; }

    enum class Marker { None, Icon, IconOK, IconWrong };
    enum class Band { None, Grey, Green };
    // How answer i (1-based) is laid out and painted now.
    struct ItemLook {
        int index = 0;
        QRect band;        // also the answer's hit rectangle
        QRect text;
        Band fill = Band::None;
        Marker marker = Marker::None;
        QPoint markerAt;
    };
    QList<ItemLook> layoutItems() const;

    // What the mouse does at a point; returns whether HoverItem changed.
    bool hoverAt(QPoint point);

signals:
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QStringList texts() const;

    QString m_odp[FixedCount];
    bool m_variable = false;
    int m_ileOdpowiedzi = 0;
    QStringList m_items;
    QImage m_icon, m_iconOK, m_iconWrong;
    int m_selectedItem = -1;
    int m_correct = -1;
    bool m_highLightCorrect = true;
    int m_margines = 8;
    int m_interlinia = 20;
    int m_marginesImage = 20;
    int m_hoverItem = -1;
};
