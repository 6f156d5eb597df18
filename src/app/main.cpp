// The desktop program: creates every window, shows the main window and runs until it closes.

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/appsetup.h"
#include "app/mainform.h"
#include "app/programwindows.h"
#include "platform/qtclipboard.h"
#include "platform/qtclock.h"
#include "platform/qtencoding.h"
#include "platform/qtfilechooser.h"
#include "platform/qtmessagebox.h"
#include "platform/qtprintdialog.h"
#include "platform/qtwaitcursor.h"

namespace {

// Only while the platform plugin starts: a desktop that cannot be reached is a fatal message
// of Qt's, which would abort with a long plugin report. The user gets one line instead.
void startupMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type == QtFatalMsg) {
        std::fputs("kubato: Keine grafische Anzeige erreichbar (DISPLAY nicht gesetzt oder "
                   "nicht erreichbar). Bitte KUBATO in einer Desktop-Sitzung starten.\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(2);
    }
}

int run(QApplication &app)
{
    kubato::prepareApplication(app);

    kubato::QtMessageBox messageBox;
    kubato::QtFileChooser openDialog30;
    kubato::QtFileChooser openDialog58;
    kubato::QtPrintDialog printDialog;
    kubato::QtClipboard clipboard;
    kubato::QtWaitCursor waitCursor;
    kubato::QtClock clock;
    kubato::ProgramWindows windows(
        {messageBox, openDialog30, openDialog58, printDialog, clipboard, waitCursor, clock});
    windows.mainForm().show();
    // Takes the keyboard also on a display without a window manager.
    windows.mainForm().activateWindow();
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    using namespace Qt::StringLiterals;
    qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);

    try {
        return run(app);
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, kubato::fromCp1252(kubato::ApplicationTitle),
                              QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, kubato::fromCp1252(kubato::ApplicationTitle),
                              u"Unerwarteter Fehler beim Programmstart."_s);
    }
    return 1;
}
