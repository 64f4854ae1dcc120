#include "ContentsRowPainter.h"

#include "ContentsList.h"

#include "course/FieldOf.h"
#include "course/TElement.h"

#include "controls/ResourceLibrary.h"
#include "controls/SkinFonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
const QColor kLessonText = QColor::fromRgb(0x06, 0x36, 0x63);
const QColor kDisabledText = QColor::fromRgb(0x80, 0x80, 0x80);
const QColor kHoverText = QColor::fromRgb(0x00, 0x29, 0x4F);
const QColor kRowText = QColor::fromRgb(0x86, 0x86, 0x86);
} // namespace

ContentsRowPainter::ContentsRowPainter(const ResourceLibrary& library)
    : Library(library)
    , LessonFont(SkinFont(QStringLiteral("Tahoma"), 11, true))
    , RowFont(SkinFont(QStringLiteral("Tahoma"), 10, true))
{
}

void ContentsRowPainter::DrawPicture(QPainter& painter, const QString& name, int x, int y) const
{
    if (Library.hasPicture(name))
        painter.drawImage(x, y, Library.picture(name));
}

void ContentsRowPainter::DrawCentred(QPainter& painter, const QString& name, int x, const QRect& row) const
{
    if (!Library.hasPicture(name))
        return;
    const QImage& image = Library.picture(name);
    painter.drawImage(x, row.top() + (row.height() - image.height()) / 2, image);
}

QString ContentsRowPainter::FittedName(const QString& name, int depth) const
{
    const QFontMetrics metrics(RowFont);
    return FitRowName(name, depth, [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
}

void ContentsRowPainter::Paint(QPainter& painter, const QRect& row, const TElement& element,
                               const QString& displayKey, bool hovered) const
{
    const int y = row.top();
    const int depth = FieldOf(2, displayKey, u'=').toInt();
    const QString name = FieldOf(3, displayKey, u'=');
    QColor textColor;

    if (element.NodeType == TElement::NodeLesson) {
        const bool active = element.HasChildren();
        const QString band = active ? (hovered ? QStringLiteral("Tabka_Hover") : QStringLiteral("Tabka_UP"))
                                    : QStringLiteral("Tabka_UP_Disable");
        DrawPicture(painter, band, row.left(), y);
        DrawCentred(painter, active ? QStringLiteral("IMG_Books") : QStringLiteral("IMG_Books_Disable"),
                    row.left() + 24, row);
        textColor = active ? kLessonText : kDisabledText;
        painter.setFont(LessonFont);
        painter.setPen(textColor);
        painter.drawText(QRect(row.left() + 55, y + 3, row.width() - 55, row.height() - 3),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
    } else {
        const bool secondLevel = element.NodeType == TElement::NodePackageElement
                                 || element.NodeType == TElement::NodeNestedPackageElement;
        const QString band = secondLevel ? (hovered ? QStringLiteral("Wiersz_L2_Hover") : QStringLiteral("Wiersz_L2_Up"))
                                         : (hovered ? QStringLiteral("Wiersz_L1_Hover") : QStringLiteral("Wiersz_L1_UP"));
        if (Library.hasPicture(band))
            painter.drawImage(row, Library.picture(band));
        const int iconNumber = secondLevel ? element.TypCw : element.Kind + 100;
        DrawCentred(painter, QStringLiteral("Typ_%1").arg(iconNumber), row.left() + depth * 30 + 20, row);
        textColor = hovered ? kHoverText : kRowText;
        painter.setFont(RowFont);
        painter.setPen(textColor);
        painter.drawText(QRect(row.left() + depth * 30 + 50, y + 3, row.width(), row.height() - 3),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, FittedName(name, depth) + u' ');
    }

    if (element.HasChildren()) {
        DrawPicture(painter, element.Expanded ? QStringLiteral("img_minus") : QStringLiteral("img_plus"),
                    row.left() + 780, y + 10);
        const int start = ContentsList::StripStart(element);
        for (int i = 1; i <= element.ChildCount; ++i) {
            const int type = element.Children[i]->TypCw;
            if (type != 0)
                DrawCentred(painter, QStringLiteral("Typ_%1").arg(type), row.left() + start + 29 * (i - 1), row);
        }
    }

    if (element.HasResult && element.Score >= 0) {
        DrawPicture(painter, QStringLiteral("img_prtlo"), row.left() + 400, y + 9);
        if (Library.hasPicture(QStringLiteral("img_pr"))) {
            const QImage& bar = Library.picture(QStringLiteral("img_pr"));
            painter.drawImage(QPoint(row.left() + 400, y + 9), bar, QRect(0, 0, element.Score / 2, bar.height()));
        }
        painter.setFont(RowFont);
        painter.setPen(textColor);
        const QRect textBox(0, y + 3, 200, row.height() - 3);
        painter.drawText(textBox.translated(row.left() + 464, 0), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("%1%").arg(element.Score));
        painter.drawText(textBox.translated(row.left() + 519, 0), Qt::AlignLeft | Qt::AlignTop, element.Date);
    }
}
