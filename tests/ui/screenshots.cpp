// kubato-screenshots: renders every window of the program, filled with the example job, to
// PNG files in the folder named on the command line, so that anyone can look at them.
//   kubato-screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <cstdio>

#include "app/aboutform.h"
#include "app/appsetup.h"
#include "app/lizform.h"
#include "app/mainform.h"
#include "app/programwindows.h"
#include "app/theoform.h"
#include "graphic/grafikform.h"
#include "input/da30form.h"
#include "input/da57form.h"
#include "input/da58form.h"
#include "lists/clipform.h"
#include "lists/ergform.h"
#include "lists/messform.h"
#include "lists/protoform.h"
#include "modal.h"
#include "scriptedports.h"

using namespace Qt::StringLiterals;
using namespace kubato;

namespace {

class Shooter {
public:
    explicit Shooter(const QString &folder) : mFolder(folder) {}

    // Shows the window (not modally), lets it paint and saves what it shows.
    bool shoot(QWidget &window, const QString &name)
    {
        const bool wasVisible = window.isVisible();
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            std::fprintf(stderr, "kubato-screenshots: %s wird nicht angezeigt\n", qPrintable(name));
            return false;
        }
        QTest::qWait(50);
        const bool ok = saved(window, name);
        if (!wasVisible) {
            window.hide();
        }
        return ok;
    }

    bool saved(QWidget &window, const QString &name)
    {
        const QString file = QDir(mFolder).filePath(name + u".png"_s);
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "kubato-screenshots: %s kann nicht geschrieben werden\n",
                         qPrintable(file));
            return false;
        }
        std::printf("%s\n", qPrintable(file));
        return true;
    }

private:
    QString mFolder;
};

template <class T> T *child(QWidget &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (found == nullptr) {
        std::fprintf(stderr, "kubato-screenshots: %s fehlt\n", qPrintable(name));
        std::exit(1);
    }
    return found;
}

std::string example(const char *name)
{
    return std::string(KUBATO_EXAMPLES_DIR) + "/" + name;
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    prepareApplication(app);
    if (argc != 2) {
        std::fputs("Aufruf: kubato-screenshots AUSGABEORDNER\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "kubato-screenshots: Ordner %s kann nicht angelegt werden\n", argv[1]);
        return 2;
    }

    test::ScriptedPorts ports;
    ProgramWindows windows(ports.ports());
    Shooter shooter(folder);
    bool ok = true;
    TMainForm &main = windows.mainForm();
    main.show();
    ok &= shooter.shoot(main, u"01-hauptfenster-leer"_s);

    // A wrong choice first: the DA45 example checked as DA30 fills the message window.
    TDA30Form &da30 = windows.da30Form();
    ports.openDialog30.answers = {example("bsp.d45"), example("bsp.d45")};
    child<QPushButton>(da30, u"BtnOpen30"_s)->click();
    test::onNextModal<TMessForm>([&](TMessForm *mess) {
        ok &= shooter.saved(*mess, u"07-meldungen"_s);
        mess->accept();
    });
    child<QPushButton>(da30, u"BtnOK30"_s)->click();

    child<QRadioButton>(da30, u"RBtnDA45"_s)->click();
    ok &= shooter.shoot(da30, u"02-koordinaten-da45"_s);
    child<QPushButton>(da30, u"BtnOK30"_s)->click();

    TDA58Form &da58 = windows.da58Form();
    ports.openDialog58.answers = {example("bsp.d58")};
    child<QPushButton>(da58, u"BtnOpen58"_s)->click();
    ok &= shooter.shoot(da58, u"03-dreiecke-da58"_s);
    child<QPushButton>(da58, u"BtnOK58"_s)->click();

    TDA57Form &da57 = windows.da57Form();
    ok &= shooter.shoot(da57, u"04-kontrollwerte-da57"_s);
    child<QPushButton>(da57, u"OKBtn"_s)->click();
    ok &= shooter.shoot(main, u"05-hauptfenster-bereit"_s);

    QPushButton *start = child<QPushButton>(main, u"BtnStart"_s);
    start->click();
    ok &= shooter.shoot(main, u"06-hauptfenster-berechnet"_s);

    // Last, the dialog with its error line, for a reference height that is not a number.
    QLineEdit *kobh = child<QLineEdit>(da57, u"KOBHEdit"_s);
    da57.show();
    kobh->setText(u"12a"_s);
    emit kobh->textEdited(kobh->text());
    child<QPushButton>(da57, u"OKBtn"_s)->click();
    ok &= shooter.shoot(da57, u"08-kontrollwerte-fehler"_s);
    da57.hide();

    TTheoForm &theo = windows.theoForm();
    ok &= shooter.shoot(theo, u"09-erlaeuterungen"_s);
    QTextEdit *theoText = child<QTextEdit>(theo, u"TheoREdit"_s);
    theo.show();
    theoText->verticalScrollBar()->setValue(theoText->verticalScrollBar()->maximum() / 2);
    ok &= shooter.saved(theo, u"10-erlaeuterungen-mitte"_s);
    theo.hide();
    ok &= shooter.shoot(windows.aboutForm(), u"11-info"_s);
    ok &= shooter.shoot(windows.lizForm(), u"12-lizenzbedingungen"_s);
    ok &= shooter.shoot(windows.protoForm(), u"13-protokoll"_s);
    ok &= shooter.shoot(windows.ergForm(), u"14-prismenwerte"_s);
    // The clipboard window shows the prism values, copied from their window.
    child<QToolButton>(windows.ergForm(), u"SpBtnClipErg"_s)->click();
    ok &= shooter.shoot(windows.clipForm(), u"15-zwischenablage"_s);
    ok &= shooter.shoot(windows.grafikForm(), u"16-kontrollgrafik"_s);

    // The control graphic once more with each choice of horizons, without and with point
    // numbers. The tick can only change while a single horizon is chosen.
    TGrafikForm &grafik = windows.grafikForm();
    QCheckBox *numbers = child<QCheckBox>(grafik, u"CBoxPNr"_s);
    const struct {
        QString radio;
        QString name;
    } graphicChoices[] = {
        {u"RBtnBeide"_s, u"beide"_s}, {u"RBtn1"_s, u"horizont1"_s}, {u"RBtn2"_s, u"horizont2"_s}};
    grafik.show();
    for (const auto &choice : graphicChoices) {
        for (const bool withNumbers : {false, true}) {
            child<QRadioButton>(grafik, u"RBtn1"_s)->click();
            if (numbers->isChecked() != withNumbers) {
                numbers->click();
            }
            child<QRadioButton>(grafik, choice.radio)->click();
            ok &= shooter.shoot(grafik, u"16-kontrollgrafik-"_s + choice.name +
                                            (withNumbers ? u"-pktnr"_s : QString()));
        }
    }
    grafik.hide();
    return ok ? 0 : 1;
}
