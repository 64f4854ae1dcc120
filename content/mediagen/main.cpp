// Draws the pictures and film slides of the demo course.
// Usage:
//   kursmediagen picture <out.png> <width>x<height> <description>
//   kursmediagen slides <folder> <width>x<height> <narration>
//     writes slide_NN.png and sentences.txt (one sentence a line, UTF-8)
#include "Drawing.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

bool ParseSize(const QString& text, QSize& size)
{
    const QStringList parts = text.split(u'x');
    bool okW = false, okH = false;
    if (parts.size() == 2)
        size = QSize(parts[0].toInt(&okW), parts[1].toInt(&okH));
    return okW && okH && size.width() > 0 && size.height() > 0;
}

int Fail(const char* message)
{
    std::fprintf(stderr, "kursmediagen: %s\n", message);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QSize size;
    if (args.size() != 5 || !ParseSize(args[3], size))
        return Fail("usage: kursmediagen picture|slides <out> <width>x<height> <text>");
    if (args[1] == u"picture") {
        QDir().mkpath(QFileInfo(args[2]).absolutePath());
        QSaveFile file(args[2]);
        if (!file.open(QIODevice::WriteOnly) || !MediaDrawing::Picture(size, args[4]).save(&file, "PNG") ||
            !file.commit())
            return Fail("cannot write the picture");
        return 0;
    }
    if (args[1] == u"slides") {
        QDir().mkpath(args[2]);
        const QStringList sentences = MediaDrawing::Sentences(args[4]);
        QFile list(args[2] + QStringLiteral("/sentences.txt"));
        if (!list.open(QIODevice::WriteOnly))
            return Fail("cannot write sentences.txt");
        for (int i = 0; i < sentences.size(); ++i) {
            const QString name = QStringLiteral("%1/slide_%2.png").arg(args[2]).arg(i, 2, 10, QLatin1Char('0'));
            if (!MediaDrawing::Slide(size, sentences[i], i).save(name, "PNG"))
                return Fail("cannot write a slide");
            list.write(sentences[i].toUtf8() + '\n');
        }
        return 0;
    }
    return Fail("unknown kind of drawing");
}
