#include "TfrmPodklad.h"

#include "controls/SkinFonts.h"

#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QVBoxLayout>

namespace {
QPointer<TfrmPodklad> theBackdrop;
}

TfrmPodklad* BackdropWindow()
{
    return theBackdrop;
}

TfrmPodklad::TfrmPodklad(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window)
{
    theBackdrop = this;
    setObjectName(QStringLiteral("frmPodklad"));
    setWindowTitle(QStringLiteral("Kurs językowy"));
    timer_.setSingleShot(true);
    timer_.setInterval(10);
    auto* label = new QLabel(QStringLiteral("Czytam dane... Proszę czekać..."), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 18));
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
}

void TfrmPodklad::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Qt::black);
}
