#include "WindowShape.h"

#include <QEvent>
#include <QImage>
#include <QMetaObject>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

QRegion OpaqueRegion(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QRegion region;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        int x = 0;
        while (x < argb.width()) {
            while (x < argb.width() && qAlpha(line[x]) < 128)
                ++x;
            const int start = x;
            while (x < argb.width() && qAlpha(line[x]) >= 128)
                ++x;
            if (x > start)
                region += QRect(start, y, x - start, 1);
        }
    }
    return region;
}

namespace {

class WindowShaper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show)
            Reshape(window);
        // Children follow a resize of their window only afterwards.
        else if (event->type() == QEvent::Resize && window->isVisible())
            QMetaObject::invokeMethod(this, [window] { Reshape(window); }, Qt::QueuedConnection);
        return false;
    }

private:
    static void Reshape(QWidget* window)
    {
        window->clearMask();
        window->setMask(OpaqueRegion(window->grab().toImage()));
    }
};

} // namespace

void ShapeWindowToItsFrame(QWidget* window)
{
    window->installEventFilter(new WindowShaper(window));
}
