#include "TMyHint.h"

#include "course/AppState.h"

#include "controls/SkinFonts.h"
#include "controls/WindowShape.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace {

// Routes tool-tip requests of single-space hints to the program's hint window.
class HintFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget == nullptr || widget->toolTip() != u" ")
                return false;
            const QString text = App().HintWindowText;
            if (text.isEmpty()) {
                Hint()->hide();
                return true;
            }
            Hint()->ShowAt(static_cast<QHelpEvent*>(event)->globalPos() + QPoint(2, 20), text);
            return true;
        }
        if (event->type() == QEvent::Leave || event->type() == QEvent::MouseButtonPress) {
            if (hint_ && hint_->isVisible())
                hint_->hide();
        }
        return false;
    }

    TMyHint* Hint()
    {
        if (!hint_)
            hint_ = new TMyHint;
        return hint_;
    }

private:
    QPointer<TMyHint> hint_;
};

} // namespace

TMyHint::TMyHint()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint)
    , regular_(SkinFontPx(QStringLiteral("Verdana"), 11))
    , bold_(SkinFontPx(QStringLiteral("Verdana"), 11, true))
{
    setAttribute(Qt::WA_TranslucentBackground);
    ShapeWindowToItsFrame(this);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void TMyHint::Install()
{
    static HintFilter* filter = new HintFilter;
    qApp->installEventFilter(filter);
}

void TMyHint::ShowAt(const QPoint& globalPos, const QString& text)
{
    layout_ = HintLayout::Of(text, regular_, bold_);
    resize(layout_.Width, layout_.Height);
    move(globalPos);
    show();
    raise();
    update();
}

void TMyHint::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath box;
    box.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.fillPath(box, QColor::fromRgb(0xFF, 0xFD, 0xF2));
    p.setPen(QColor::fromRgb(0xC9, 0xC2, 0xA5));
    p.drawPath(box);
    for (const HintLayout::Word& word : layout_.Words) {
        p.setFont(word.Bold ? bold_ : regular_);
        p.setPen(word.Bold ? QColor::fromRgb(0xFF, 0x00, 0x00) : QColor(Qt::black));
        p.drawText(QRect(word.X, word.Y + 2, width(), 20), Qt::AlignLeft | Qt::AlignTop, word.Text);
    }
}
