#include "platform/qtfilechooser.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

#include "platform/qtfixeddialog.h"

namespace kubato {

using namespace Qt::StringLiterals;

std::optional<std::string> QtFileChooser::chooseFile()
{
    QWidget *parent = QApplication::activeModalWidget();
    if (parent == nullptr) {
        parent = QApplication::activeWindow();
    }
    const QString file = QFileDialog::getOpenFileName(parent, u"Öffnen"_s, mLastFile);
    returnFocusTo(parent);
    if (file.isEmpty()) {
        return std::nullopt;
    }
    // The path is remembered as the system names it: a lower-cased copy, as the windows show
    // it, would not find the folder again on a case-sensitive file system.
    mLastFile = file;
    return QFile::encodeName(file).toStdString();
}

} // namespace kubato
