#pragma once

#include "app/TfrmMsgBox.h"

#include "controls/TAALabel.h"
#include "controls/TEdMsgBoxWindow.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>

// Answers the modal windows a test opens, from the event loop they run: the
// program's message box is answered with Enter and its texts are kept; any
// other modal window goes to `OnModal`, which closes it.
class ModalWindows {
public:
    ModalWindows()
    {
        SetMsgBoxWindow(&box_);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start(10);
    }
    ~ModalWindows()
    {
        timer_.stop();
        SetMsgBoxWindow(nullptr);
    }
    ModalWindows(const ModalWindows&) = delete;
    ModalWindows& operator=(const ModalWindows&) = delete;

    // The texts and titles of the messages shown, in order.
    QStringList Messages;
    QStringList Titles;
    std::function<void(QWidget* modal)> OnModal;

private:
    void Answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            return;
        if (modal == &box_) {
            Messages.append(box_.lblTresc()->Caption());
            Titles.append(box_.Frame()->Caption());
            QTest::keyClick(&box_, Qt::Key_Return);
        } else if (OnModal) {
            OnModal(modal);
        }
    }

    TfrmMsgBox box_;
    QTimer timer_;
};
