#include "TestSupport.h"

#include "SkinFonts.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

namespace testsupport {

QApplication& app()
{
    static int argc = 1;
    static char name[] = "controls_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = [] {
        // A shared test main may have made the application already.
        auto* a = qobject_cast<QApplication*>(QCoreApplication::instance());
        if (!a)
            a = new QApplication(argc, argv);
        RegisterSkinFonts();
        return a;
    }();
    return *instance;
}

const ResourceLibrary& library()
{
    app();
    static ResourceLibrary* lib = [] {
        auto* l = new ResourceLibrary;
        if (!l->load(QStringLiteral(KURS_PROGRAM_DIR)))
            ADD_FAILURE() << "the resource library is missing from " << KURS_PROGRAM_DIR;
        return l;
    }();
    return *lib;
}

std::ostream& operator<<(std::ostream& os, const Drawn& d)
{
    static const char* const kinds[] = {"picture", "stretched", "sliced", "text"};
    return os << kinds[d.kind] << " \"" << d.name.toStdString() << "\" at (" << d.rect.x() << ", " << d.rect.y() << ") "
              << d.rect.width() << " x " << d.rect.height();
}

struct RecordingCanvas::Surface {
    explicit Surface(QSize size) : image(size, QImage::Format_ARGB32_Premultiplied), painter()
    {
        image.fill(Qt::white);
        painter.begin(&image);
    }
    QImage image;
    QPainter painter;
};

RecordingCanvas::RecordingCanvas(QSize size)
    : RecordingCanvas(new Surface(size))
{
}

RecordingCanvas::RecordingCanvas(Surface* surface)
    : SkinCanvas(surface->painter, testsupport::library()), m_surface(surface), m_image(&surface->image)
{
}

RecordingCanvas::~RecordingCanvas()
{
    m_surface->painter.end();
    delete m_surface;
}

void RecordingCanvas::drawPicture(const QString& name, QPoint at)
{
    SkinCanvas::drawPicture(name, at);
    m_calls << Drawn{Drawn::Picture, name, QRect(at, pictureSize(name))};
}

void RecordingCanvas::drawPictureStretched(const QString& name, const QRect& target)
{
    SkinCanvas::drawPictureStretched(name, target);
    m_calls << Drawn{Drawn::Stretched, name, target};
}

void RecordingCanvas::drawPictureSliced(const QString& name, const QRect& target, int sourceEdge, int targetEdge)
{
    SkinCanvas::drawPictureSliced(name, target, sourceEdge, targetEdge);
    m_calls << Drawn{Drawn::Sliced, name, target};
}

void RecordingCanvas::drawText(QPoint at, const QString& text, const QFont& font, const QColor& color)
{
    SkinCanvas::drawText(at, text, font, color);
    m_calls << Drawn{Drawn::Text, text, QRect(at, QSize(0, 0)), color};
}

void RecordingCanvas::drawTextWrapped(const QRect& rect, int flags, const QString& text, const QFont& font,
                                      const QColor& color)
{
    SkinCanvas::drawTextWrapped(rect, flags, text, font, color);
    m_calls << Drawn{Drawn::Text, text, rect, color};
}

QStringList RecordingCanvas::pictureNames() const
{
    QStringList names;
    for (const Drawn& d : m_calls) {
        if (d.kind != Drawn::Text)
            names << d.name;
    }
    return names;
}

Drawn RecordingCanvas::find(const QString& name) const
{
    for (const Drawn& d : m_calls) {
        if (d.name == name)
            return d;
    }
    return Drawn{Drawn::Picture, QString(), QRect()};
}

int RecordingCanvas::count(const QString& name) const
{
    int n = 0;
    for (const Drawn& d : m_calls)
        n += d.name == name ? 1 : 0;
    return n;
}

void enter(QWidget* w)
{
    QEnterEvent e(QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)), w->mapToGlobal(QPointF(1, 1)));
    QCoreApplication::sendEvent(w, &e);
}

void leave(QWidget* w)
{
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(w, &e);
}

void press(QWidget* w, QPoint at)
{
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

void release(QWidget* w, QPoint at)
{
    QMouseEvent e(QEvent::MouseButtonRelease, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

void move(QWidget* w, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

} // namespace testsupport
