#include "TEdBelka.h"

#include "ResourceLibrary.h"
#include "SkinCanvas.h"
#include "SkinFonts.h"

#include <QEvent>
#include <QPainter>

TEdBelka::TEdBelka(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TEdBelka"));
    setFixedHeight(Height);
    resize(parent ? parent->width() : 1024, Height);
    if (parent)
        parent->installEventFilter(this);
}

void TEdBelka::followParent()
{
    if (QWidget* p = parentWidget())
        setGeometry(0, 0, p->width(), Height);
}

bool TEdBelka::eventFilter(QObject* watched, QEvent* event)
{
    // A hidden window gets its resize when shown, so follow it then too.
    if (watched == parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        followParent();
    return QWidget::eventFilter(watched, event);
}

void TEdBelka::setPlec(const QString& plec) { m_plec = plec; update(); }
void TEdBelka::setLudzikIndex(int index) { m_ludzikIndex = index; update(); }
void TEdBelka::setZalogowany(const QString& name) { m_zalogowany = name; update(); }
void TEdBelka::setPokazZalogowanie(bool on) { m_pokazZalogowanie = on; update(); }
void TEdBelka::setNowyStyl(bool on) { m_nowyStyl = on; update(); }
void TEdBelka::setTekstBelki(const QString& text) { m_tekstBelki = text; update(); }
void TEdBelka::setStylBelki(int style) { m_stylBelki = style; update(); }

QString TEdBelka::avatarName() const
{
    return QStringLiteral("BELKA_LUDZIK_%1_%2").arg(m_plec).arg(m_ludzikIndex);
}

void TEdBelka::paintSignedIn(SkinCanvas& canvas, int avatarX, int textX, int pictureWidth) const
{
    int p = pictureWidth;
    if (!m_plec.isEmpty()) {
        const QString avatar = avatarName();
        canvas.drawPicture(avatar, QPoint(avatarX, 5));
        p = canvas.pictureSize(avatar).width();
    }
    canvas.drawText(QPoint(p + textX, 8), m_tekstBelki, SkinFont(QStringLiteral("Tahoma"), 8),
                    QColor(0x9D, 0x9D, 0x9D));
    canvas.drawText(QPoint(p + textX, 20), m_zalogowany, SkinFont(QStringLiteral("Tahoma"), 12),
                    QColor(0xB8, 0xB8, 0xB8));
}

void TEdBelka::Paint(SkinCanvas& canvas) const
{
    if (m_stylBelki == -1) {
        canvas.drawPictureStretched(QStringLiteral("BELKA_BODY"), rect());
        if (!m_pokazZalogowanie)
            return;
        for (int x = 0; x <= 216; x += 4)
            canvas.drawPicture(QStringLiteral("BELKA_BODY2"), QPoint(x, 0));
        canvas.drawPicture(QStringLiteral("BELKA_FALA"), QPoint(216, 0));
        paintSignedIn(canvas, 15, 19, canvas.pictureSize(QStringLiteral("BELKA_FALA")).width());
        return;
    }
    if (m_stylBelki < 0 || m_stylBelki > 5)
        return;
    const QString body = m_nowyStyl ? QStringLiteral("BELKA_BODY_NEW_STYLE_%1").arg(m_stylBelki)
                                    : QStringLiteral("BELKA_BODY_STYLE_%1").arg(m_stylBelki);
    canvas.drawPicture(body, QPoint(0, 0));
    // Without an avatar the texts start where the avatar would have been,
    // instead of past the end of the bar picture.
    if (m_nowyStyl)
        paintSignedIn(canvas, 115, 119, 0);
}

void TEdBelka::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (const ResourceLibrary* library = resourceLibrary()) {
        SkinCanvas canvas(painter, *library);
        Paint(canvas);
        return;
    }
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawLine(280, 0, 280, height());
    painter.setPen(Qt::black);
    painter.drawText(8, 20, QStringLiteral("EdBelka - Uzupełnij parametr \"Instancja\""));
}

void TEdBelka::resourceLibraryChanged()
{
    update();
}
