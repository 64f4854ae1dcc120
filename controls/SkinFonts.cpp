#include "SkinFonts.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>

const QList<FontSubstitute>& SkinFontSubstitutes()
{
    // Noto Sans is as narrow as Tahoma; DejaVu Sans keeps Verdana's wide,
    // open letters; Lato has Trebuchet's light humanist captions; Noto Serif
    // is a screen serif close to Georgia. Each has every Polish letter.
    static const QList<FontSubstitute> list = {
        {"Tahoma", {"Noto Sans", "DejaVu Sans Condensed", "DejaVu Sans"}},
        {"Verdana", {"DejaVu Sans", "Noto Sans"}},
        {"Trebuchet MS", {"Lato", "Noto Sans", "DejaVu Sans"}},
        {"Georgia", {"Noto Serif", "DejaVu Serif"}},
    };
    return list;
}

QStringList RegisterSkinFonts()
{
    QStringList missing;
    const QStringList installed = QFontDatabase::families();
    for (const FontSubstitute& entry : SkinFontSubstitutes()) {
        const QString family = QString::fromLatin1(entry.family);
        QStringList available;
        for (const QString& candidate : entry.substitutes) {
            if (installed.contains(candidate, Qt::CaseInsensitive))
                available << candidate;
        }
        if (available.isEmpty())
            missing << family;
        QFont::removeSubstitutions(family);
        QFont::insertSubstitutions(family, available.isEmpty() ? entry.substitutes : available);
    }
    return missing;
}

void WarmUpSkinFonts()
{
    QImage scratch(16, 16, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    for (const FontSubstitute& entry : SkinFontSubstitutes()) {
        for (int face = 0; face < 3; ++face) {
            QFont font = SkinFontPx(QString::fromLatin1(entry.family), 14, face == 1);
            font.setItalic(face == 2);
            painter.setFont(font);
            painter.drawText(0, 12, QStringLiteral("Zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ 0123456789.,!?"));
        }
    }
}

QFont SkinFont(const QString& family, int points, bool bold)
{
    // The designed windows measure fonts at 96 dots per inch: 8 points are 11 pixels.
    return SkinFontPx(family, (points * 96 + 36) / 72, bold);
}

QFont SkinFontPx(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels > 0 ? pixels : 1);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}
