#include "platform/qtmessagebox.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>

#include "platform/qtencoding.h"
#include "platform/qtfixeddialog.h"

namespace kubato {

void QtMessageBox::show(std::string_view text, std::string_view caption)
{
    QWidget *parent = QApplication::activeModalWidget();
    if (parent == nullptr) {
        parent = QApplication::activeWindow();
    }
    QMessageBox box(QMessageBox::NoIcon, fromCp1252(caption), fromCp1252(text), QMessageBox::Ok,
                    parent);
    // A box that comes up while a long handler shows the wait cursor (the run's box for a job
    // without a case) is answered with the normal arrow.
    const bool waiting = QGuiApplication::overrideCursor() != nullptr;
    if (waiting) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    }
    box.exec();
    if (waiting) {
        QGuiApplication::restoreOverrideCursor();
    }
    returnFocusTo(parent);
}

} // namespace kubato
