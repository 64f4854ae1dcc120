#pragma once

#include "ResourceLibrary.h"
#include "SkinCanvas.h"

#include <QApplication>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QRect>
#include <QString>

#include <ostream>

class QWidget;

namespace testsupport {

// The application object the widgets need, with the substitute fonts.
QApplication& app();

// A fixture base listed before any widget member, so the application
// exists when the members are built.
struct AppFirst {
    AppFirst() { app(); }
};

// The resource library the build put into the program folder.
const ResourceLibrary& library();

// One drawing call a control made on its canvas.
struct Drawn {
    enum Kind { Picture, Stretched, Sliced, Text };
    Kind kind;
    QString name;    // picture name, or the text
    QRect rect;      // where: pictures at their size, stretched targets, text at its top left
    QColor color = {};   // the colour of a text
    bool operator==(const Drawn& o) const { return kind == o.kind && name == o.name && rect == o.rect; }
};
std::ostream& operator<<(std::ostream& os, const Drawn& d);

// A canvas over a scratch image that records what is drawn and draws it too,
// so a missing picture still fails the paint.
class RecordingCanvas : public SkinCanvas {
public:
    explicit RecordingCanvas(QSize size = QSize(1024, 768));
    ~RecordingCanvas() override;

    void drawPicture(const QString& name, QPoint at) override;
    void drawPictureStretched(const QString& name, const QRect& target) override;
    void drawPictureSliced(const QString& name, const QRect& target, int sourceEdge, int targetEdge) override;
    void drawText(QPoint at, const QString& text, const QFont& font, const QColor& color) override;
    void drawTextWrapped(const QRect& rect, int flags, const QString& text, const QFont& font,
                         const QColor& color) override;

    const QList<Drawn>& calls() const { return m_calls; }
    QStringList pictureNames() const;
    // The first call drawing that picture or text; a null optional-like Drawn with empty name when none.
    Drawn find(const QString& name) const;
    int count(const QString& name) const;
    const QImage& image() const { return *m_image; }

private:
    struct Surface;
    RecordingCanvas(Surface* surface);
    Surface* m_surface;
    QImage* m_image;
    QList<Drawn> m_calls;
};

// Sends the events a real pointer would: entering, pressing, releasing.
void enter(QWidget* w);
void leave(QWidget* w);
void press(QWidget* w, QPoint at);
void release(QWidget* w, QPoint at);
void move(QWidget* w, QPoint at, Qt::MouseButtons buttons = Qt::NoButton);

} // namespace testsupport
