#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

// The picture check box; with RadioStyle, the boxes of one parent that share
// a RadioGroup behave as radio buttons. Its four pictures belong to the
// window's layout.
class TEDCheckBox : public QWidget {
    Q_OBJECT
public:
    explicit TEDCheckBox(QWidget* parent = nullptr);

    const QImage& GfxChecked() const { return m_gfxChecked; }
    void setGfxChecked(const QImage& image);
    const QImage& GfxUnChecked() const { return m_gfxUnChecked; }
    void setGfxUnChecked(const QImage& image);
    const QImage& GfxHotChecked() const { return m_gfxHotChecked; }
    void setGfxHotChecked(const QImage& image);
    const QImage& GfxHotUnChecked() const { return m_gfxHotUnChecked; }
    void setGfxHotUnChecked(const QImage& image);

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    int Spacing() const { return m_spacing; }
    void setSpacing(int spacing);
    bool Checked() const { return m_checked; }
    void setChecked(bool on);
    bool RadioStyle() const { return m_radioStyle; }
    void setRadioStyle(bool on);
    int RadioGroup() const { return m_radioGroup; }
    void setRadioGroup(int group);
    int Korekta() const { return m_korekta; }
    void setKorekta(int v);
    int KorektaY() const { return m_korektaY; }
    void setKorektaY(int v);
    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color);

    bool isHot() const { return m_hot; }
    // The picture painted now (hot or normal, checked or not).
    const QImage& currentPicture() const;
    // What a click does: radio boxes check themselves and clear their group,
    // other boxes toggle; then clicked() is raised.
    void Click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void adjustWidth();

    QImage m_gfxChecked, m_gfxUnChecked, m_gfxHotChecked, m_gfxHotUnChecked;
    QString m_caption = QStringLiteral("EdCheckBox");
    int m_spacing = 6;
    bool m_checked = true;
    bool m_radioStyle = false;
    int m_radioGroup = 0;
    int m_korekta = 0;
    int m_korektaY = 0;
    QColor m_fontColor = Qt::black;
    bool m_hot = false;
};
