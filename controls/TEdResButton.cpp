#include "TEdResButton.h"

#include "DrawTextAA.h"
#include "ResourceLibrary.h"
#include "SkinCanvas.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

TEdResButton::Measures TEdResButton::MeasuresOf(TRozmiar rozmiar)
{
    switch (rozmiar) {
    case roz22: return {4, 14};
    case roz32: return {4, 24};
    case roz50: return {8, 34};
    case roz64: return {8, 48};
    case roz70:
    case rozWyborJezyka: return {8, 54};
    case roz80: return {8, 64};
    case roz100: return {8, 84};
    case rozBelka: return {4, 40};
    case rozPaczkaNaviPrev:
    case rozPaczkaNaviNext:
    case rozPaczkaNaviZawartosc: return {4, 40};
    case rozTabka:
    case rozTabka_Rozum:
    case rozUndefined:
    case rozZakladka: return {0, 0};
    }
    return {0, 0};
}

TEdResButton::TEdResButton(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TEdResButton"));
    setCursor(Qt::PointingHandCursor);
    resize(120, 22);
}

void TEdResButton::setFlat(bool on) { m_flat = on; update(); }
void TEdResButton::setDown(bool on) { m_down = on; update(); }

void TEdResButton::setAutoSize(bool on)
{
    m_autoSize = on;
    applyAutoSize();
    update();
}

void TEdResButton::setGrafikaIndex(int index) { m_grafikaIndex = index; update(); }
void TEdResButton::setShowCaption(bool on) { m_showCaption = on; update(); }

void TEdResButton::setGlyph(const QImage& glyph)
{
    m_glyph = glyph;
    applyAutoSize();
    update();
}

void TEdResButton::setGlyphHot(const QImage& glyph) { m_glyphHot = glyph; update(); }
void TEdResButton::setGlyphDown(const QImage& glyph) { m_glyphDown = glyph; update(); }
void TEdResButton::setGlyphDisabled(const QImage& glyph) { m_glyphDisabled = glyph; update(); }

void TEdResButton::setRozmiar(TRozmiar rozmiar)
{
    m_rozmiar = rozmiar;
    switch (rozmiar) {
    case roz22: resize(width(), 22); break;
    case roz32: resize(width(), 32); break;
    case roz50: resize(width(), 50); break;
    case roz64: resize(width(), 64); break;
    case roz70:
    case rozWyborJezyka: resize(width(), 70); break;
    case roz80: resize(width(), 80); break;
    case roz100: resize(width(), 100); break;
    case rozBelka:
        resize(width(), 48);
        m_skladowe = el3;
        break;
    case rozPaczkaNaviPrev:
    case rozPaczkaNaviNext:
    case rozPaczkaNaviZawartosc: resize(32, 32); break;
    case rozZakladka: resize(70, 50); break;
    case rozTabka:
    case rozTabka_Rozum:
    case rozUndefined: break;
    }
    applyAutoSize();
    update();
}

void TEdResButton::setKorekta(int v) { m_korekta = v; update(); }
void TEdResButton::setKorektaCaption(int v) { m_korektaCaption = v; update(); }
void TEdResButton::setKorektaCaptionY(int v) { m_korektaCaptionY = v; update(); }
void TEdResButton::setFixedTekstX(int v) { m_fixedTekstX = v; update(); }
void TEdResButton::setFixedGlyphX(int v) { m_fixedGlyphX = v; update(); }
void TEdResButton::setSpacing(int v) { m_spacing = v; update(); }
void TEdResButton::setAlignment(TEdResButtonAlignment a) { m_alignment = a; update(); }
void TEdResButton::setSkladowe(TElementy e) { m_skladowe = e; update(); }
void TEdResButton::setCaption(const QString& caption) { m_caption = caption; update(); }
void TEdResButton::setTag(int tag) { m_tag = tag; update(); }
void TEdResButton::setFontColor(const QColor& color) { m_fontColor = color; update(); }

void TEdResButton::applyAutoSize()
{
    if (m_autoSize && m_rozmiar == rozUndefined && !m_glyph.isNull())
        resize(m_glyph.size());
}

QString TEdResButton::stateSuffix() const
{
    if (!isEnabled())
        return QString::fromLatin1(StateSuffix::Disabled);
    if (m_down)
        return QString::fromLatin1(StateSuffix::Pressed);
    switch (m_mouseState) {
    case MouseState::Normal: return QString::fromLatin1(StateSuffix::Normal);
    case MouseState::Hot: return QString::fromLatin1(StateSuffix::Hot);
    case MouseState::Pressed: return QString::fromLatin1(StateSuffix::Pressed);
    }
    return QString::fromLatin1(StateSuffix::Normal);
}

const QImage& TEdResButton::currentGlyph() const
{
    if (!isEnabled())
        return m_glyphDisabled.isNull() ? m_glyph : m_glyphDisabled;
    switch (m_mouseState) {
    case MouseState::Normal: return m_glyph;
    // A hot button that is held down keeps the glyph it showed before.
    case MouseState::Hot: return (m_down || m_glyphHot.isNull()) ? m_glyph : m_glyphHot;
    case MouseState::Pressed: return m_glyphDown.isNull() ? m_glyph : m_glyphDown;
    }
    return m_glyph;
}

TEdResButton::Layout TEdResButton::layout(const QImage& glyph) const
{
    const QFontMetrics metrics(font());
    const int W = width();
    const int H = height();
    const int ty = H / 2 - metrics.height() / 2;
    const int tw = metrics.horizontalAdvance(m_caption);
    const int gw = glyph.width() + 4;
    const int glyphTop = H / 2 - glyph.height() / 2;

    Layout l;
    l.drawGlyph = !glyph.isNull();
    switch (m_alignment) {
    case taLeftJustify:
        l.glyph = {m_spacing, glyphTop};
        l.caption = {gw + m_spacing + m_korektaCaption, ty};
        break;
    case taLeftFixed:
        l.glyph = {m_fixedGlyphX, glyphTop};
        l.caption = {m_fixedTekstX, ty};
        break;
    case taRightJustify: {
        const int gx = W - m_spacing - gw;
        l.glyph = {gx, glyphTop};
        // The caption ends where the glyph begins, one spacing apart.
        l.caption = {gx - m_spacing - tw + m_korektaCaption, ty};
        break;
    }
    case taCenter: {
        const int X = W / 2 + gw / 2 - (tw + m_korekta) / 2;
        if (m_showCaption)
            l.glyph = {X - gw, glyphTop};
        else
            l.glyph = {W / 2 - glyph.width() / 2, glyphTop};
        l.caption = {X + m_korektaCaption, ty};
        break;
    }
    }
    l.caption.ry() += m_korektaCaptionY;
    return l;
}

void TEdResButton::paintBackground(SkinCanvas& canvas, const QString& s) const
{
    const int W = width();
    const int H = height();
    const Measures mm = MeasuresOf(m_rozmiar);
    const int c = mm.c;
    const int m = mm.m;
    const bool normal = s == QLatin1String(StateSuffix::Normal);
    const bool disabled = s == QLatin1String(StateSuffix::Disabled);
    auto piece = [&](int k, const char* parts) {
        return QStringLiteral("G%1%2%3_%4").arg(k, 2, 10, QLatin1Char('0')).arg(s, QLatin1String(parts)).arg(m_grafikaIndex);
    };

    if (m_skladowe == el9) {
        if (normal && m_flat)
            return;
        // Pieces drawn "at" a point fill their cell of the grid, so one set
        // of corner pictures serves every corner size.
        canvas.drawPictureStretched(piece(1, "_9"), QRect(0, 0, c, c));
        canvas.drawPictureStretched(piece(2, "_9"), QRect(c, 0, W - 2 * c, c));
        canvas.drawPictureStretched(piece(3, "_9"), QRect(W - c, 0, c, c));
        canvas.drawPictureStretched(piece(4, "_9"), QRect(0, c, c, m));
        canvas.drawPictureStretched(piece(5, "_9"), QRect(c, c, W - 2 * c, m));
        canvas.drawPictureStretched(piece(6, "_9"), QRect(W - c, c, c, m));
        canvas.drawPictureStretched(piece(7, "_9"), QRect(0, c + m, c, c));
        canvas.drawPictureStretched(piece(8, "_9"), QRect(c, c + m, W - 2 * c, c));
        canvas.drawPictureStretched(piece(9, "_9"), QRect(W - c, c + m, c, c));
        return;
    }

    switch (m_rozmiar) {
    case rozBelka:
        if (normal)
            return;
        canvas.drawPictureStretched(QStringLiteral("BB01%1").arg(s), QRect(0, 0, c, H));
        canvas.drawPictureStretched(QStringLiteral("BB02%1").arg(s), QRect(c, 0, W - 2 * c, H));
        canvas.drawPictureStretched(QStringLiteral("BB03%1").arg(s), QRect(W - c, 0, c, H));
        return;
    case rozPaczkaNaviPrev:
        canvas.drawPicture(QStringLiteral("PACZKA_NAVI_PREV%1").arg(s), QPoint(0, 0));
        return;
    case rozPaczkaNaviNext:
        canvas.drawPicture(QStringLiteral("PACZKA_NAVI_NEXT%1").arg(s), QPoint(0, 0));
        return;
    case rozPaczkaNaviZawartosc:
        canvas.drawPicture(QStringLiteral("PACZKA_NAVI_ZAWARTOSC%1").arg(s), QPoint(0, 0));
        return;
    case rozZakladka:
        canvas.drawPicture(QStringLiteral("TAB_ROZUM%1_%2").arg(s).arg(m_tag), QPoint(0, 0));
        return;
    default:
        break;
    }

    if ((normal || disabled) && m_flat)
        return;
    // Three-piece ends keep their rounded corners at any button height: the
    // corner of an end piece is as tall as the piece is wide, and becomes c.
    const int corner = canvas.pictureSize(piece(1, "_3")).width();
    canvas.drawPictureSliced(piece(1, "_3"), QRect(0, 0, c, H), corner, c);
    canvas.drawPictureSliced(piece(2, "_3"), QRect(c, 0, W - 2 * c, H), corner, c);
    canvas.drawPictureSliced(piece(3, "_3"), QRect(W - c, 0, c, H), corner, c);
    if (m_rozmiar == rozWyborJezyka)
        canvas.drawPicture(QStringLiteral("BLUE_ARROW"), QPoint(200, 0));
}

void TEdResButton::Paint(SkinCanvas& canvas) const
{
    const QString s = stateSuffix();
    paintBackground(canvas, s);
    const QImage& glyph = currentGlyph();
    const Layout l = layout(glyph);
    if (l.drawGlyph)
        canvas.painter().drawImage(l.glyph, glyph);
    if (m_showCaption)
        canvas.drawText(l.caption, m_caption, font(), isEnabled() ? m_fontColor : QColor(0xC0, 0xC0, 0xC0));
}

void TEdResButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (const ResourceLibrary* library = resourceLibrary()) {
        SkinCanvas canvas(painter, *library);
        Paint(canvas);
        return;
    }
    // A button without pictures of its own (rozUndefined) shows its glyph
    // and caption; the others show their outline until they get a library.
    if (m_rozmiar != rozUndefined) {
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const QImage& glyph = currentGlyph();
    const Layout l = layout(glyph);
    if (l.drawGlyph)
        painter.drawImage(l.glyph, glyph);
    if (m_showCaption) {
        painter.setFont(font());
        painter.setPen(isEnabled() ? m_fontColor : QColor(0xC0, 0xC0, 0xC0));
        DrawTextAA(painter, l.caption.x(), l.caption.y(), m_caption);
    }
}

void TEdResButton::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (isEnabled() && m_mouseState != MouseState::Pressed) {
        m_mouseState = MouseState::Hot;
        update();
    }
    emit mouseEntered();
}

void TEdResButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (m_mouseState != MouseState::Pressed) {
        m_mouseState = MouseState::Normal;
        update();
    }
    emit mouseLeft();
}

void TEdResButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_mouseState = MouseState::Pressed;
    update();
}

void TEdResButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_mouseState != MouseState::Pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool inside = rect().contains(event->position().toPoint());
    m_mouseState = inside ? MouseState::Hot : MouseState::Normal;
    update();
    if (inside)
        emit clicked();
}

void TEdResButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            m_mouseState = MouseState::Normal;
        update();
    } else if (event->type() == QEvent::FontChange) {
        update();
    }
}

void TEdResButton::resourceLibraryChanged()
{
    update();
}
