#include "TEdMsgBoxWindow.h"

#include "SkinCanvas.h"

TEdMsgBoxWindow::TEdMsgBoxWindow(QWidget* parent)
    : TEdDialogWindow(parent)
{
    setObjectName(QStringLiteral("TEdMsgBoxWindow"));
}

void TEdMsgBoxWindow::setIcon(TIconType icon)
{
    m_icon = icon;
    update();
}

QString TEdMsgBoxWindow::IconPictureName(TIconType icon)
{
    switch (icon) {
    case icoError: return QStringLiteral("MSG_ICON_ERROR");
    case icoQuestion: return QStringLiteral("MSG_ICON_QUESTION");
    case icoInformation: return QStringLiteral("MSG_ICON_INFORMATION");
    case icoExclamation: return QStringLiteral("MSG_ICON_EXCLAMATION");
    }
    return QStringLiteral("MSG_ICON_INFORMATION");
}

void TEdMsgBoxWindow::Paint(SkinCanvas& canvas) const
{
    TEdDialogWindow::Paint(canvas);
    canvas.drawPicture(IconPictureName(m_icon), iconPosition());
}
