#include "app/appsetup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/pictures.h"
#include "platform/qtlook.h"

namespace kubato {

using namespace Qt::StringLiterals;

void prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(u"kubato"_s);
    QApplication::setApplicationVersion(u"5.1"_s);
    QGuiApplication::setDesktopFileName(u"kubato"_s);
    installFontSubstitutes();
    QApplication::setFont(msSansSerif(8));
    QApplication::setWindowIcon(programIcon());

    // The buttons and texts of the standard dialogs (file, print, message box) in German.
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::German), u"qtbase"_s, u"_"_s,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

} // namespace kubato
