#include "SkinnedWindowParts.h"

#include "controls/TEdResButton.h"
#include "controls/WindowShape.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

void PrepareSkinnedDialog(QDialog* dialog, int width, int height, const QString& objectName)
{
    dialog->setObjectName(objectName);
    dialog->setFixedSize(width, height);
    dialog->setAttribute(Qt::WA_TranslucentBackground);
    ShapeWindowToItsFrame(dialog);
}

void CenterOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    window->move(area.x() + area.width() / 2 - window->width() / 2, area.y() + area.height() / 2 - window->height() / 2);
}

TEdResButton* AddDialogButton(QWidget* window, const QString& name, const QString& caption, int x, int y, int width,
                              int height, const QFont& font)
{
    auto* button = new TEdResButton(window);
    button->setObjectName(name);
    button->setRozmiar(height >= 32 ? roz32 : roz22);
    button->setSkladowe(el3);
    button->setGeometry(x, y, width, height);
    button->setCaption(caption);
    button->setFont(font);
    button->setFontColor(Qt::white);
    return button;
}
