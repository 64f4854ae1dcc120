#include "TEdKlawiaturka.h"

#include "ResourceLibrary.h"
#include "SkinCanvas.h"
#include "SkinFonts.h"
#include "TEdResButton.h"

#include <QMouseEvent>
#include <QPainter>

TEdKlawiaturka::TEdKlawiaturka(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TEdKlawiaturka"));
    setMouseTracking(true);
    setFont(SkinFont(QStringLiteral("Tahoma"), 10, true));
    resize(width(), 22);
    m_close = new TEdResButton(this);
    m_close->setObjectName(QStringLiteral("btnZamknij"));
    m_close->setRozmiar(rozUndefined);
    m_close->setShowCaption(false);
    m_close->setCaption(QString());
    m_close->resize(26, 14);
    connect(m_close, &TEdResButton::clicked, this, &QWidget::hide);
    m_close->move(width() - 26 - 4, 0);
}

QString TEdKlawiaturka::CharacterSet(TZestaw set)
{
    switch (set) {
    case zHiszpanski: return QStringLiteral("¿¡áéíñóúüÁÉÍÑÓÚÜ");
    case zWloski: return QStringLiteral("éèàìòùÉÈÀÌÒÙ");
    case zFrancuski: return QStringLiteral("àâäæçéèêëîïôöœùûÀÂÄÆÇÉÈÊËÎÏÔÖŒÙÛ");
    case zNiemiecki: return QStringLiteral("äöüÄÖÜß");
    case zRosyjski:
        return QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    case zNorweski: return QStringLiteral("åæøÅÆØ");
    case zInny: break;
    }
    return {};
}

void TEdKlawiaturka::setZestawZnakow(TZestaw set)
{
    m_zestaw = set;
    if (set != zInny)
        setSymbole(CharacterSet(set));
}

void TEdKlawiaturka::setByttonSize(int size)
{
    m_byttonSize = size;
    setSymbole(m_symbole);
}

void TEdKlawiaturka::setSymbole(const QString& symbols)
{
    m_symbole = symbols.trimmed();
    const int n = static_cast<int>(m_symbole.size());
    const int w = std::min(n * m_byttonSize + 18, 150);
    int h = (n / KeysPerRow + 1) * 23 + 26;
    if (n % KeysPerRow == 0)
        h -= 23;
    resize(w, h);
    m_close->move(w - 26 - 4, 0);
    update();
}

QRect TEdKlawiaturka::KeyRect(int i)
{
    return QRect(10 + 22 * (i % KeysPerRow), 21 + 23 * (i / KeysPerRow), 22, 23);
}

int TEdKlawiaturka::keyAt(QPoint point) const
{
    for (int i = 0; i < m_symbole.size(); ++i) {
        if (KeyRect(i).contains(point))
            return i;
    }
    return -1;
}

void TEdKlawiaturka::Paint(SkinCanvas& canvas) const
{
    const int W = width();
    const int H = height();
    auto piece = [](int k) { return QStringLiteral("KLAW_%1").arg(k, 2, 10, QLatin1Char('0')); };
    canvas.drawPicture(piece(1), QPoint(0, 0));
    canvas.drawPictureStretched(piece(2), QRect(12, 0, W - 24, 23));
    canvas.drawPicture(piece(3), QPoint(W - 12, 0));
    canvas.drawPictureStretched(piece(4), QRect(0, 23, 12, H - 31));
    canvas.drawPictureStretched(piece(5), QRect(12, 23, W - 24, H - 31));
    canvas.drawPictureStretched(piece(6), QRect(W - 12, 23, 12, H - 31));
    canvas.drawPicture(piece(7), QPoint(0, H - 8));
    canvas.drawPictureStretched(piece(8), QRect(12, H - 8, W - 24, 8));
    canvas.drawPicture(piece(9), QPoint(W - 12, H - 8));
    QPainter& p = canvas.painter();
    p.setFont(font());
    p.setPen(QColor(0x06, 0x36, 0x63));
    for (int i = 0; i < m_symbole.size(); ++i) {
        const QRect key = KeyRect(i);
        canvas.drawPicture(QStringLiteral("KLAW_B_N"), key.topLeft());
        p.drawText(key.adjusted(1, 0, -2, -2), Qt::AlignCenter, m_symbole.mid(i, 1));
    }
}

void TEdKlawiaturka::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (const ResourceLibrary* library = resourceLibrary()) {
        SkinCanvas canvas(painter, *library);
        Paint(canvas);
        return;
    }
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TEdKlawiaturka::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(keyAt(event->position().toPoint()) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TEdKlawiaturka::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int key = keyAt(event->position().toPoint());
    if (key >= 0)
        emit buttonClick(key + 1);
}

void TEdKlawiaturka::resourceLibraryChanged()
{
    if (const ResourceLibrary* library = resourceLibrary()) {
        m_close->setGlyph(library->picture(QStringLiteral("KLAW_X_N")));
        m_close->setGlyphDown(library->picture(QStringLiteral("KLAW_X_D")));
        m_close->setGlyphHot(library->picture(QStringLiteral("KLAW_X_H")));
    }
    update();
}
