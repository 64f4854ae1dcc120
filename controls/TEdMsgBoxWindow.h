#pragma once

#include "TEdDialogWindow.h"

enum TIconType { icoError = 0, icoQuestion, icoInformation, icoExclamation };

// The dialog frame of the message windows, with the message icon
// "MSG_ICON_*" below the title band.
class TEdMsgBoxWindow : public TEdDialogWindow {
    Q_OBJECT
public:
    explicit TEdMsgBoxWindow(QWidget* parent = nullptr);

    TIconType Icon() const { return m_icon; }
    void setIcon(TIconType icon);

    static QString IconPictureName(TIconType icon);
    QPoint iconPosition() const { return BelkaSize() == bs60 ? QPoint(25, 85) : QPoint(11, 58); }

    void Paint(SkinCanvas& canvas) const override;

private:
    TIconType m_icon = icoInformation;
};
