#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>

#include <gtest/gtest.h>

#include "common/cp1252.h"
#include "modal.h"
#include "platform/qtclipboard.h"
#include "platform/qtencoding.h"
#include "platform/qtfilechooser.h"
#include "platform/qtmessagebox.h"
#include "platform/qtprinttarget.h"
#include "support/testfiles.h"

namespace kubato::test {
namespace {

using namespace Qt::StringLiterals;

TEST(Encoding, Cp1252CrossesBothWays)
{
    EXPECT_EQ(fromCp1252("H\xF6he \x80 m\xB3"), u"Höhe € m³"_s);
    EXPECT_EQ(toCp1252(u"Höhe € m³"_s), "H\xF6he \x80 m\xB3");
    EXPECT_EQ(toCp1252(u"\u0416"_s), "?") << "a letter Windows-1252 lacks";
    EXPECT_EQ(toCp1252(u"a\U0001F600b"_s), "a?b") << "a character beyond 16 bits is one '?'";
    EXPECT_EQ(toCp1252(QString(QChar(0xD800)) + u"b"_s), "?b") << "half a character";
    std::string every;
    for (int b = 0; b < 256; ++b) {
        every += static_cast<char>(b);
    }
    EXPECT_EQ(toCp1252(fromCp1252(every)), every) << "every byte survives the round trip";
}

// A view holds one block per line, so the checks see after an edit exactly the lines the
// user sees, an empty last line included.
TEST(Encoding, ViewsHoldOneBlockPerLine)
{
    struct Case {
        const char *text;
        QString view;
        const char *back;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", u"a\nb"_s, "a\r\nb\r\n"},
        {"a\r\nb", u"a\nb"_s, "a\r\nb\r\n"},
        {"a\r\n\r\n", u"a\n"_s, "a\r\n\r\n"},
        {"a\rb\nc", u"a\nb\nc"_s, "a\r\nb\r\nc\r\n"},
        {"", u""_s, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(viewText(c.text), c.view);
        EXPECT_EQ(textOfView(c.view), c.back);
    }
    const QString raw = u"58"_s + QChar::ParagraphSeparator + u"59"_s + QChar::LineSeparator;
    EXPECT_EQ(textOfView(raw), "58\r\n59\r\n\r\n");
}

TEST(QtPorts, ClipboardKeepsLineBreaksAndUmlauts)
{
    QtClipboard clipboard;
    clipboard.setText("Zeile 1\r\nH\xF6he");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"Zeile 1\r\nHöhe"_s);
    EXPECT_EQ(clipboard.text(), "Zeile 1\r\nH\xF6he");
}

TEST(QtPorts, MessageBoxShowsCaptionTextAndAGermanOk)
{
    QString caption, text, button;
    bool timedOut = false;
    onNextModal<QMessageBox>(
        [&](QMessageBox *box) {
            caption = box->windowTitle();
            text = box->text();
            button = box->button(QMessageBox::Ok)->text();
            box->button(QMessageBox::Ok)->click();
        },
        &timedOut);
    QtMessageBox().show("keine Fallzuordnung m\xF6glich", "  Meldung");
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(caption, u"  Meldung"_s);
    EXPECT_EQ(text, u"keine Fallzuordnung möglich"_s);
    EXPECT_EQ(button.remove(u'&'), u"OK"_s);
}

TEST(QtPorts, FileChooserStartsWhereTheLastFileWasChosen)
{
    TempDir dir;
    const std::string first = dir.write("Erste.D45", "45");
    QtFileChooser chooser;
    QString title, startFolder, startSelection;
    bool timedOut = false;
    onNextModal<QFileDialog>(
        [&](QFileDialog *dialog) {
            title = dialog->windowTitle();
            dialog->selectFile(QString::fromStdString(first));
            static_cast<QDialog *>(dialog)->accept();
        },
        &timedOut);
    EXPECT_EQ(chooser.chooseFile(), first);
    EXPECT_EQ(title, u"Öffnen"_s);

    onNextModal<QFileDialog>(
        [&](QFileDialog *dialog) {
            startFolder = dialog->directory().absolutePath();
            startSelection = dialog->selectedFiles().value(0);
            dialog->reject();
        },
        &timedOut);
    EXPECT_EQ(chooser.chooseFile(), std::nullopt);
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(startFolder.toStdString(), dir.path());
    EXPECT_EQ(startSelection.toStdString(), first);
}

TEST(QtPorts, PrintTargetPrintsAtPrinterPixelsIntoAPdf)
{
    TempDir dir;
    const QString pdf = QString::fromStdString(dir.path() + "/liste.pdf");
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    printer->setResolution(600);
    QtPrintTarget target(std::move(printer));
    target.setJobName(" KUBATO 5.1");
    target.setFont("Courier New", 8);
    EXPECT_EQ(target.verticalDpi(), 600);
    EXPECT_EQ(target.pageWidth(), 4792);
    EXPECT_EQ(target.pageHeight(), 6851);
    // 8 points are 67 pixels at 600 dots per inch; Courier's advance is 0.6 of the height.
    EXPECT_NEAR(target.textWidth("1234567890"), 10 * 40, 10);
    target.beginDocument();
    target.textAt(200, 186, "Programm  KUBATO 5.1 \xF6");
    target.line(200, 375, 4592, 375);
    target.newPage();
    target.textAt(200, 465, "Seite 2/2");
    target.endDocument();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
}

// Started where no display can be reached, the program says so in one line and ends with 2.
TEST(Program, WithoutDisplayItSaysSoAndEnds)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s}) {
        env.remove(name);
    }
    program.setProcessEnvironment(env);
    program.start(QString::fromUtf8(KUBATO_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 2);
    const QString said = QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(said.startsWith(u"kubato: Keine grafische Anzeige erreichbar"_s))
        << said.toStdString();
    EXPECT_EQ(said.count(u'\n'), 1);
}

} // namespace
} // namespace kubato::test
