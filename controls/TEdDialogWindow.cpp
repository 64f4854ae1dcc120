#include "TEdDialogWindow.h"

#include "ResourceLibrary.h"
#include "SkinCanvas.h"
#include "SkinFonts.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

TEdDialogWindow::TEdDialogWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TEdDialogWindow"));
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
}

bool TEdDialogWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A hidden window gets its resize when shown, so follow it then too.
    if (watched == parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void TEdDialogWindow::setCaption(const QString& caption) { m_caption = caption; update(); }
void TEdDialogWindow::setBelkaSize(TBelkaSize size) { m_belkaSize = size; update(); }
void TEdDialogWindow::setIconIndex(int index) { m_iconIndex = index; update(); }
void TEdDialogWindow::setDialogStyle(TDialogStyle style) { m_dialogStyle = style; update(); }
void TEdDialogWindow::setAllowMoveWindow(bool on) { m_allowMoveWindow = on; }

void TEdDialogWindow::Paint(SkinCanvas& canvas) const
{
    const ResourceLibrary& lib = canvas.library();
    const QSize c1 = lib.corner(ResourceLibrary::DIAL01);
    const QSize c3 = lib.corner(ResourceLibrary::DIAL03);
    const QSize c7 = lib.corner(ResourceLibrary::DIAL07);
    const QSize c9 = lib.corner(ResourceLibrary::DIAL09);
    const int w1 = c1.width(), h1 = c1.height(), w3 = c3.width(), h3 = c3.height();
    const int w7 = c7.width(), h7 = c7.height(), w9 = c9.width(), h9 = c9.height();
    const int W = width();
    const int H = height();
    const int L = titleBandHeight();
    const QString d = styleSuffix();
    auto n = [&](const char* base) { return QString::fromLatin1(base) + d; };
    auto span = [](int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); };

    canvas.drawPicture(n("DIAL01"), QPoint(0, 0));
    canvas.drawPictureStretched(n("DIAL02"), span(w1, 0, W - w3, h1));
    canvas.drawPicture(n("DIAL03"), QPoint(W - w3, 0));
    canvas.drawPictureStretched(n("DIAL04"), span(0, h1, w1, H - h7));
    canvas.drawPictureStretched(n("DIAL05"), span(w1, h1, W - w3, H - h7));
    canvas.drawPictureStretched(n("DIAL06"), span(W - w3, h3, W, H - h7));
    canvas.drawPicture(n("DIAL07"), QPoint(0, H - h7));
    canvas.drawPictureStretched(n("DIAL08"), span(w7, H - h7, W - w9, H));
    canvas.drawPicture(n("DIAL09"), QPoint(W - w9, H - h9));
    canvas.drawPictureStretched(n("DIAL_BELKA"), span(w1, h1, W - w3, h1 + L));

    int x = w1 + 17;
    if (m_iconIndex >= 0) {
        const QString icon = QStringLiteral("DIAL_ICO_%1").arg(m_iconIndex);
        const QSize size = canvas.pictureSize(icon);
        canvas.drawPicture(icon, QPoint(x, h1 + (L - size.height()) / 2));
        x += size.width() + 14;
    }
    const QFont font = SkinFont(QStringLiteral("Tahoma"), m_belkaSize == bs60 ? 18 : 12);
    const QColor color = m_dialogStyle == dsWhite ? QColor(0x4F, 0x4F, 0x4F) : QColor(0x02, 0xAD, 0xE4);
    canvas.drawText(QPoint(x, L / 2 - QFontMetrics(font).height() / 2), m_caption, font, color);
}

void TEdDialogWindow::paintOutline(QPainter& painter) const
{
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawRect(rect().adjusted(4, 4, -5, -5));
    painter.drawLine(0, dragBandHeight(), width(), dragBandHeight());
}

void TEdDialogWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (const ResourceLibrary* library = resourceLibrary()) {
        SkinCanvas canvas(painter, *library);
        Paint(canvas);
        return;
    }
    paintOutline(painter);
}

void TEdDialogWindow::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && m_allowMoveWindow && pos.y() >= 0 && pos.y() < dragBandHeight()
        && pos.x() >= 0 && pos.x() < width()) {
        m_dragging = true;
        m_pressPoint = pos;
        return;
    }
    QWidget::mousePressEvent(event);
}

void TEdDialogWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint delta = event->position().toPoint() - m_pressPoint;
    if (QWidget* w = window(); w && w != this)
        w->move(w->pos() + delta);
}

void TEdDialogWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragging && event->button() == Qt::LeftButton) {
        m_dragging = false;
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void TEdDialogWindow::resourceLibraryChanged()
{
    update();
}
