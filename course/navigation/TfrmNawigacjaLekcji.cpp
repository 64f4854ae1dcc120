#include "TfrmNawigacjaLekcji.h"

#include "TfrmNawigacja.h"

#include "app/Skin.h"

#include "course/FieldOf.h"
#include "course/TElement.h"

#include "controls/SkinFonts.h"
#include "controls/WindowShape.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

TfrmNawigacjaLekcji::TfrmNawigacjaLekcji(TfrmNawigacja& navigation)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint)
    , navigation_(navigation)
{
    setObjectName(QStringLiteral("frmNawigacjaLekcji"));
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
    ShapeWindowToItsFrame(this);
}

void TfrmNawigacjaLekcji::ShowFor(QWidget* screen)
{
    screen_ = screen;
    rows_ = navigation_.State().LessonContents();
    hovered_ = -1;
    const QFontMetrics metrics(SkinFont(QStringLiteral("Verdana"), 11));
    int widest = 195;
    for (const TElement* e : rows_)
        widest = std::max(widest, metrics.horizontalAdvance(FieldOf(3, e->Name, u'=')));
    setFixedSize(widest + 60, static_cast<int>(rows_.size()) * RowHeight + 2);
    move(screen->mapToGlobal(QPoint(150, 50)));
    show();
    raise();
}

bool TfrmNawigacjaLekcji::IsCurrentRow(int row) const
{
    const TElement* e = rows_[row];
    return e == navigation_.State().Current || e == navigation_.State().Package;
}

void TfrmNawigacjaLekcji::ClickRow(int row)
{
    if (row < 0 || row >= static_cast<int>(rows_.size()) || IsCurrentRow(row))
        return;
    TElement* target = rows_[row];
    close();
    if (screen_)
        navigation_.GoElement(screen_, target);
}

void TfrmNawigacjaLekcji::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.fillPath(outline, QColor::fromRgb(0x92, 0x92, 0x92));
    p.setClipPath(outline);
    auto picture = [](const char* name) { return SkinPicture(QLatin1String(name)); };
    p.setFont(SkinFont(QStringLiteral("Verdana"), 10));
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
        const QRect band(1, 1 + row * RowHeight, width() - 2, RowHeight);
        const bool current = IsCurrentRow(row);
        const bool hovered = !current && row == hovered_;
        const QImage background = picture(current ? "ListItemSelected" : hovered ? "ListItemHover" : "ListItem");
        if (!background.isNull())
            p.drawImage(band, background);
        const QImage icon = picture(QStringLiteral("Typ_%1").arg(rows_[row]->Kind + 100).toLatin1().constData());
        if (!icon.isNull())
            p.drawImage(28, band.top() + (RowHeight - icon.height()) / 2, icon);
        p.setPen(current || hovered ? QColor(Qt::white) : QColor::fromRgb(0xC9, 0xC9, 0xC9));
        p.drawText(QRect(60, band.top() + 2, width() - 64, RowHeight - 2), Qt::AlignLeft | Qt::AlignVCenter,
                   FieldOf(3, rows_[row]->Name, u'='));
    }
    p.setClipping(false);
    p.setPen(QPen(Qt::black, 1));
    p.drawPath(outline);
}

void TfrmNawigacjaLekcji::mouseMoveEvent(QMouseEvent* event)
{
    const int row = static_cast<int>(event->position().y()) / RowHeight;
    setCursor(Qt::PointingHandCursor);
    if (row != hovered_) {
        hovered_ = row;
        update();
    }
}

void TfrmNawigacjaLekcji::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        ClickRow(static_cast<int>(event->position().y()) / RowHeight);
}

void TfrmNawigacjaLekcji::leaveEvent(QEvent*)
{
    unsetCursor();
    close();
}
