#include "platform/qtfixeddialog.h"

#include <QApplication>
#include <QHideEvent>

#include "platform/qtlook.h"

namespace kubato {

FixedDialog::FixedDialog(const QString &caption, QSize clientSize, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setFont(msSansSerif(8));
    setSilverBackground(*this);
}

void FixedDialog::showEvent(QShowEvent *event)
{
    centreOnScreen(*this);
    QWidget *active = QApplication::activeWindow();
    mReturnTo = active != this ? active : nullptr;
    QDialog::showEvent(event);
}

void FixedDialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous()) {
        returnFocusTo(mReturnTo);
    }
}

void returnFocusTo(QWidget *window)
{
    if (window != nullptr && window->isVisible()) {
        window->activateWindow();
    }
}

} // namespace kubato
