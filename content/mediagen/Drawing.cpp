#include "Drawing.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>

#include <map>

namespace MediaDrawing {

namespace {

// Words of the course (English and German) and the pictogram that shows them.
const std::map<QString, QString>& Pictograms()
{
    static const std::map<QString, QString> table = {
        {QStringLiteral("man"), QStringLiteral("👨")},        {QStringLiteral("woman"), QStringLiteral("👩")},
        {QStringLiteral("boy"), QStringLiteral("👦")},        {QStringLiteral("girl"), QStringLiteral("👧")},
        {QStringLiteral("baby"), QStringLiteral("👶")},       {QStringLiteral("teacher"), QStringLiteral("🧑‍🏫")},
        {QStringLiteral("doctor"), QStringLiteral("🧑‍⚕️")},  {QStringLiteral("friends"), QStringLiteral("🧑‍🤝‍🧑")},
        {QStringLiteral("dog"), QStringLiteral("🐕")},        {QStringLiteral("cat"), QStringLiteral("🐈")},
        {QStringLiteral("bread"), QStringLiteral("🍞")},      {QStringLiteral("butter"), QStringLiteral("🧈")},
        {QStringLiteral("cheese"), QStringLiteral("🧀")},     {QStringLiteral("egg"), QStringLiteral("🥚")},
        {QStringLiteral("eggs"), QStringLiteral("🍳")},       {QStringLiteral("milk"), QStringLiteral("🥛")},
        {QStringLiteral("tea"), QStringLiteral("🍵")},        {QStringLiteral("coffee"), QStringLiteral("☕")},
        {QStringLiteral("orange juice"), QStringLiteral("🧃")}, {QStringLiteral("juice"), QStringLiteral("🧃")},
        {QStringLiteral("apple"), QStringLiteral("🍎")},      {QStringLiteral("banana"), QStringLiteral("🍌")},
        {QStringLiteral("porridge"), QStringLiteral("🥣")},   {QStringLiteral("honey"), QStringLiteral("🍯")},
        {QStringLiteral("toast"), QStringLiteral("🍞")},      {QStringLiteral("jam"), QStringLiteral("🍓")},
        {QStringLiteral("bacon"), QStringLiteral("🥓")},      {QStringLiteral("breakfast"), QStringLiteral("🍽️")},
        {QStringLiteral("bed"), QStringLiteral("🛏️")},        {QStringLiteral("chair"), QStringLiteral("🪑")},
        {QStringLiteral("window"), QStringLiteral("🪟")},     {QStringLiteral("door"), QStringLiteral("🚪")},
        {QStringLiteral("lamp"), QStringLiteral("💡")},       {QStringLiteral("bookcase"), QStringLiteral("📚")},
        {QStringLiteral("computer"), QStringLiteral("💻")},   {QStringLiteral("sofa"), QStringLiteral("🛋️")},
        {QStringLiteral("london"), QStringLiteral("🏙️")},     {QStringLiteral("capital"), QStringLiteral("🏛️")},
        {QStringLiteral("tourists"), QStringLiteral("📷")},   {QStringLiteral("london eye"), QStringLiteral("🎡")},
        {QStringLiteral("wheel"), QStringLiteral("🎡")},      {QStringLiteral("thames"), QStringLiteral("🌉")},
        {QStringLiteral("city"), QStringLiteral("🏙️")},       {QStringLiteral("buses"), QStringLiteral("🚌")},
        {QStringLiteral("taxis"), QStringLiteral("🚕")},      {QStringLiteral("underground"), QStringLiteral("🚇")},
        {QStringLiteral("metro"), QStringLiteral("🚇")},      {QStringLiteral("sundays"), QStringLiteral("📅")},
        {QStringLiteral("sister"), QStringLiteral("👧")},     {QStringLiteral("ben"), QStringLiteral("👦")},
        {QStringLiteral("der vater"), QStringLiteral("👨")},  {QStringLiteral("die mutter"), QStringLiteral("👩")},
        {QStringLiteral("der sohn"), QStringLiteral("👦")},   {QStringLiteral("die tochter"), QStringLiteral("👧")},
        {QStringLiteral("der opa"), QStringLiteral("👴")},    {QStringLiteral("die oma"), QStringLiteral("👵")},
        {QStringLiteral("das baby"), QStringLiteral("👶")},   {QStringLiteral("der hund"), QStringLiteral("🐕")},
        {QStringLiteral("die katze"), QStringLiteral("🐈")},  {QStringLiteral("das sofa"), QStringLiteral("🛋️")},
    };
    return table;
}

QFont PictogramFont(int pixels)
{
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(std::max(8, pixels));
    return font;
}

void DrawPictogram(QPainter& p, const QRect& r, const QString& pictogram)
{
    p.setFont(PictogramFont(static_cast<int>(std::min(r.width(), r.height()) * 0.78)));
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, pictogram);
}

void Shadow(QPainter& p, const QRect& r)
{
    QRadialGradient g(QPointF(r.center().x(), r.bottom() - 4), r.width() * 0.45);
    g.setColorAt(0.0, QColor(0, 0, 0, 60));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(r.left() + r.width() * 0.1, r.bottom() - 14, r.width() * 0.8, 18));
}

void Bench(QPainter& p, const QRect& r)
{
    const QColor wood(0xA0, 0x62, 0x2D), dark(0x5A, 0x3A, 0x1E);
    const int w = r.width(), x = r.left(), y = r.top() + r.height() / 3;
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawRect(x + w / 8, y + 20, 8, r.height() / 2);
    p.drawRect(x + w * 7 / 8 - 8, y + 20, 8, r.height() / 2);
    p.setBrush(wood);
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRect(x + 6, y + i * 14, w - 12, 10), 3, 3);
    p.drawRoundedRect(QRect(x + 6, y + 52, w - 12, 12), 3, 3);
}

void Desk(QPainter& p, const QRect& r)
{
    const QColor wood(0xB9, 0x7A, 0x45), dark(0x7A, 0x4B, 0x25);
    const int x = r.left() + 8, w = r.width() - 16, top = r.top() + r.height() / 3;
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawRect(x + 6, top + 14, 8, r.bottom() - top - 24);
    p.setBrush(wood);
    p.drawRoundedRect(QRect(x, top, w, 14), 3, 3);
    p.drawRoundedRect(QRect(x + w - 50, top + 14, 44, r.bottom() - top - 24), 3, 3);
    p.setBrush(dark);
    for (int i = 0; i < 3; ++i)
        p.drawRect(x + w - 34, top + 30 + i * 28, 12, 4);
}

void Wardrobe(QPainter& p, const QRect& r)
{
    const QRect body = r.adjusted(r.width() / 5, 10, -r.width() / 5, -14);
    p.setPen(QPen(QColor(0x6B, 0x40, 0x1C), 2));
    p.setBrush(QColor(0xC2, 0x86, 0x4E));
    p.drawRoundedRect(body, 4, 4);
    p.drawLine(body.center().x(), body.top() + 4, body.center().x(), body.bottom() - 4);
    p.setBrush(QColor(0xF2, 0xC9, 0x4C));
    p.drawEllipse(QPoint(body.center().x() - 8, body.center().y()), 3, 3);
    p.drawEllipse(QPoint(body.center().x() + 8, body.center().y()), 3, 3);
}

void Carpet(QPainter& p, const QRect& r)
{
    const QRectF rug(r.left() + 8, r.top() + r.height() * 0.45, r.width() - 16, r.height() * 0.42);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC0, 0x39, 0x2B));
    p.drawEllipse(rug);
    p.setBrush(QColor(0xF5, 0xB0, 0x41));
    p.drawEllipse(rug.adjusted(14, 10, -14, -10));
    p.setBrush(QColor(0x2E, 0x86, 0xC1));
    p.drawEllipse(rug.adjusted(34, 22, -34, -22));
}

// Wall and floor (or sky and grass) of the scene the description names.
void SceneBackground(QPainter& p, QSize size, const QString& description)
{
    const QString d = description.toLower();
    QColor top(0xE8, 0xF1, 0xFA), bottom(0xCF, 0xE0, 0xF0), ground(0xC8, 0xA2, 0x74);
    if (d.contains(u"park")) {
        top = QColor(0x8E, 0xCB, 0xF5);
        bottom = QColor(0xD6, 0xEE, 0xFB);
        ground = QColor(0x7D, 0xC2, 0x5B);
    } else if (d.contains(u"kitchen") || d.contains(u"breakfast")) {
        top = QColor(0xFF, 0xF4, 0xD9);
        bottom = QColor(0xFB, 0xE3, 0xB0);
        ground = QColor(0xD9, 0xA0, 0x66);
    } else if (d.contains(u"bedroom")) {
        top = QColor(0xE3, 0xEE, 0xFF);
        bottom = QColor(0xC9, 0xDB, 0xF7);
        ground = QColor(0xB0, 0x80, 0x52);
    } else if (d.contains(u"living room")) {
        top = QColor(0xF6, 0xEB, 0xDD);
        bottom = QColor(0xEA, 0xD6, 0xBD);
        ground = QColor(0xA9, 0x7C, 0x50);
    }
    QLinearGradient wall(0, 0, 0, size.height());
    wall.setColorAt(0.0, top);
    wall.setColorAt(1.0, bottom);
    p.fillRect(QRect(QPoint(0, 0), size), wall);
    // Two shelves (or strips of grass) that the two rows of objects stand on.
    for (int row = 0; row < 2; ++row) {
        const int y = size.height() * (row == 0 ? 190 : 470) / 560;
        p.fillRect(QRect(0, y - 6, size.width(), 22), ground);
        p.fillRect(QRect(0, y + 16, size.width(), 3), ground.darker(130));
    }
    if (d.contains(u"park")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 236, 140));
        p.drawEllipse(QPoint(size.width() - 70, 250), 34, 34);
    }
}

void DrawObject(QPainter& p, const SceneObject& object)
{
    const QString word = object.Word.toLower();
    Shadow(p, object.Rect);
    if (word == u"bench")
        Bench(p, object.Rect);
    else if (word == u"desk")
        Desk(p, object.Rect);
    else if (word == u"wardrobe")
        Wardrobe(p, object.Rect);
    else if (word == u"carpet")
        Carpet(p, object.Rect);
    else if (const auto it = Pictograms().find(word); it != Pictograms().end())
        DrawPictogram(p, object.Rect.adjusted(0, 0, 0, -10), it->second);
}

// The front of a small red-brick house with its garden, for a wide banner.
void House(QPainter& p, QSize size)
{
    const int w = size.width(), h = size.height();
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(0x7F, 0xC4, 0xF2));
    sky.setColorAt(1.0, QColor(0xDD, 0xF1, 0xFC));
    p.fillRect(QRect(0, 0, w, h), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QRectF(w * 0.12, h * 0.12, 90, 26));
    p.drawEllipse(QRectF(w * 0.16, h * 0.06, 60, 30));
    p.drawEllipse(QRectF(w * 0.74, h * 0.16, 100, 26));
    p.setBrush(QColor(0x6D, 0xB8, 0x4C));
    p.drawRect(QRect(0, h - 34, w, 34));
    const QRect house(w / 2 - 110, h - 120, 220, 92);
    QPainterPath roof;
    roof.moveTo(house.left() - 16, house.top());
    roof.lineTo(house.center().x(), house.top() - 44);
    roof.lineTo(house.right() + 16, house.top());
    roof.closeSubpath();
    p.setBrush(QColor(0x4A, 0x4F, 0x5C));
    p.drawRect(QRect(house.right() - 50, house.top() - 40, 18, 34));
    p.drawPath(roof);
    p.setBrush(QColor(0xB5, 0x4A, 0x32));
    p.drawRect(house);
    p.setPen(QPen(QColor(0x8E, 0x35, 0x22), 1));
    for (int y = house.top() + 8; y < house.bottom(); y += 8) {
        p.drawLine(house.left(), y, house.right(), y);
        for (int x = house.left() + ((y / 8) % 2) * 10; x < house.right(); x += 20)
            p.drawLine(x, y, x, y - 8);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF4, 0xF1, 0xE8));
    for (int x : {house.left() + 22, house.right() - 62}) {
        p.drawRect(QRect(x - 3, house.top() + 15, 46, 36));
        p.setBrush(QColor(0x9F, 0xD4, 0xF5));
        p.drawRect(QRect(x, house.top() + 18, 40, 30));
        p.setBrush(QColor(0xF4, 0xF1, 0xE8));
        p.drawRect(QRect(x + 19, house.top() + 18, 2, 30));
    }
    p.setBrush(QColor(0x1F, 0x4E, 0x8C));
    p.drawRoundedRect(QRect(house.center().x() - 16, house.bottom() - 52, 32, 52), 3, 3);
    p.setBrush(QColor(0xF2, 0xC9, 0x4C));
    p.drawEllipse(QPoint(house.center().x() + 9, house.bottom() - 26), 3, 3);
    DrawPictogram(p, QRect(house.left() - 110, h - 92, 80, 80), QStringLiteral("🌳"));
    DrawPictogram(p, QRect(house.right() + 30, h - 80, 66, 66), QStringLiteral("🌷"));
    DrawPictogram(p, QRect(house.right() + 90, h - 70, 56, 56), QStringLiteral("🌼"));
}

// A round portrait of the first person or thing the description names.
void Portrait(QPainter& p, QSize size, const QString& description)
{
    const QRect r(QPoint(0, 0), size);
    p.fillRect(r, Qt::transparent);
    QRadialGradient g(r.center(), size.width() / 2.0);
    g.setColorAt(0.0, QColor(0xFF, 0xF7, 0xE0));
    g.setColorAt(1.0, QColor(0xF9, 0xD7, 0x8E));
    p.setPen(QPen(QColor(0x02, 0xAD, 0xE4), 4));
    p.setBrush(g);
    p.drawEllipse(QRectF(r).adjusted(3, 3, -3, -3));
    QString pictogram = QStringLiteral("🙂");
    qsizetype first = description.size();
    for (const auto& [word, symbol] : Pictograms()) {
        const QRegularExpression whole(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(word)),
                                       QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = whole.match(description);
        if (m.hasMatch() && m.capturedStart() < first) {
            first = m.capturedStart();
            pictogram = symbol;
        }
    }
    DrawPictogram(p, r.adjusted(size.width() / 8, size.height() / 8, -size.width() / 8, -size.height() / 10), pictogram);
}

} // namespace

std::vector<SceneObject> ObjectsOf(const QString& description)
{
    std::vector<SceneObject> objects;
    const qsizetype colon = description.indexOf(QStringLiteral("):"));
    if (colon < 0)
        return objects;
    static const QRegularExpression item(QStringLiteral("\\s*([^;\\[]+?)\\s*\\[(\\d+),(\\d+),(\\d+),(\\d+)\\]"));
    auto it = item.globalMatch(description.mid(colon + 2));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const int l = m.captured(2).toInt(), t = m.captured(3).toInt(), r = m.captured(4).toInt(),
                  b = m.captured(5).toInt();
        objects.push_back({m.captured(1), QRect(QPoint(l, t), QPoint(r - 1, b - 1))});
    }
    return objects;
}

QImage Picture(QSize size, const QString& description)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const std::vector<SceneObject> objects = ObjectsOf(description);
    const QString d = description.toLower();
    if (!objects.empty()) {
        SceneBackground(p, size, description);
        for (const SceneObject& object : objects)
            DrawObject(p, object);
    } else if (d.contains(u"house")) {
        House(p, size);
    } else {
        Portrait(p, size, description);
    }
    return image;
}

QStringList Sentences(const QString& narration)
{
    QStringList sentences;
    static const QRegularExpression end(QStringLiteral("(?<=[.!?])\\s+"));
    for (const QString& s : narration.split(end, Qt::SkipEmptyParts))
        sentences << s.trimmed();
    return sentences;
}

QImage Slide(QSize size, const QString& sentence, int index)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    static const QColor skies[][2] = {{QColor(0x8E, 0xCB, 0xF5), QColor(0xE4, 0xF4, 0xFD)},
                                      {QColor(0xFF, 0xD9, 0x9E), QColor(0xFF, 0xF4, 0xDE)},
                                      {QColor(0xB8, 0xE3, 0xB0), QColor(0xEC, 0xF8, 0xE8)},
                                      {QColor(0xD8, 0xC8, 0xF4), QColor(0xF3, 0xEE, 0xFC)}};
    const auto& sky = skies[index % 4];
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0.0, sky[0]);
    fill.setColorAt(1.0, sky[1]);
    p.fillRect(image.rect(), fill);

    // The things the sentence names, in the order it names them.
    std::vector<std::pair<qsizetype, QString>> found;
    for (const auto& [word, symbol] : Pictograms()) {
        const QRegularExpression whole(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(word)),
                                       QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = whole.match(sentence);
        if (!m.hasMatch())
            continue;
        const bool seen = std::any_of(found.begin(), found.end(), [&](const auto& f) { return f.second == symbol; });
        if (!seen)
            found.emplace_back(m.capturedStart(), symbol);
    }
    std::sort(found.begin(), found.end());
    if (found.size() > 3)
        found.resize(3);
    if (found.empty())
        found.emplace_back(0, QStringLiteral("🎬"));
    const int count = static_cast<int>(found.size());
    const int cell = std::min(size.width() / count, size.height() * 55 / 100);
    const int left = (size.width() - cell * count) / 2;
    for (int i = 0; i < count; ++i)
        DrawPictogram(p, QRect(left + i * cell, 18, cell, cell), found[i].second);

    // The subtitle on a dark band.
    const QRect band(0, size.height() * 64 / 100, size.width(), size.height() * 36 / 100);
    p.fillRect(band, QColor(0x06, 0x26, 0x47, 215));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(band.adjusted(12, 6, -12, -6), Qt::AlignCenter | Qt::TextWordWrap, sentence);
    return image;
}

} // namespace MediaDrawing
