#include "graphic/grafikform.h"

#include <QApplication>
#include <QFrame>
#include <QHideEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/qtfixeddialog.h"
#include "platform/qtlook.h"

namespace kubato {

using namespace Qt::StringLiterals;

TGrafikForm::TGrafikForm(QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"GrafikForm"_s);
    setWindowTitle(u"  Kontrollgrafik"_s);
    setFont(msSansSerif(8));
    setSilverBackground(*this);
    setSizeGripEnabled(false);

    auto *toolBar = new QFrame(this);
    toolBar->setObjectName(u"GrafikPanel"_s);
    toolBar->setFixedHeight(41);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolBar);
    layout->addStretch();

    CloseBtn = new QPushButton(u"&Schließen"_s, toolBar);
    CloseBtn->setObjectName(u"CloseBtn"_s);
    CloseBtn->setGeometry(448, 8, 75, 25);
    connect(CloseBtn, &QPushButton::clicked, this, &TGrafikForm::CloseBtnClick);
}

void TGrafikForm::showEvent(QShowEvent *event)
{
    // A desktop without a window manager ignores the maximised state; the window then takes
    // the screen's available area itself.
    if (const QScreen *s = screen()) {
        setGeometry(s->availableGeometry());
    }
    setWindowState(windowState() | Qt::WindowMaximized);
    QWidget *active = QApplication::activeWindow();
    mReturnTo = active != this ? active : nullptr;
    QDialog::showEvent(event);
}

void TGrafikForm::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous()) {
        returnFocusTo(mReturnTo);
    }
}

void TGrafikForm::CloseBtnClick()
{
    accept();
}

} // namespace kubato
