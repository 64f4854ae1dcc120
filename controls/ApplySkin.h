#pragma once

class QWidget;
class ResourceLibrary;

// Hands the resource library to every skinned control of the form, chosen by
// exact class name: TEdResButton (unless its size style is rozUndefined),
// TEdBelka, TEdDialogWindow, TEdMsgBoxWindow, TEdGroupFrame,
// TEdZeszytStatystyki, TEdProgress, TEdDymek, TEdKostkaPrezentacja and
// TEdKlawiaturka. Controls of classes derived from these (with their own
// Q_OBJECT) receive nothing. Windows call it once their controls exist, and
// again after adding controls.
void ApplySkin(QWidget* form, const ResourceLibrary* library);
