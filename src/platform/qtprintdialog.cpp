#include "platform/qtprintdialog.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/qtprinttarget.h"

#include "platform/qtfixeddialog.h"

namespace kubato {

std::unique_ptr<PrintTarget> QtPrintDialog::choosePrinter()
{
    QWidget *parent = QApplication::activeModalWidget();
    if (parent == nullptr) {
        parent = QApplication::activeWindow();
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent);
    const int answer = dialog.exec();
    returnFocusTo(parent);
    if (answer != QDialog::Accepted) {
        return nullptr;
    }
    if (printer->outputFormat() == QPrinter::PdfFormat) {
        printer->setResolution(600);
    }
    return std::make_unique<QtPrintTarget>(std::move(printer));
}

} // namespace kubato
