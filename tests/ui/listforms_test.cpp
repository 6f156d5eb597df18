// The protocol and prism-values windows, their printing and copying, and the clipboard window.

#include <QClipboard>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>

#include <deque>
#include <functional>
#include <memory>

#include "common/lines.h"
#include "lists/clipform.h"
#include "lists/ergform.h"
#include "lists/protoform.h"
#include "platform/qtclipboard.h"
#include "platform/qtencoding.h"
#include "platform/qtprinttarget.h"
#include "programfixture.h"

namespace kubato::test {
namespace {

using namespace Qt::StringLiterals;

struct PrintedText {
    int x = 0;
    int y = 0;
    std::string text;
    bool operator==(const PrintedText &) const = default;
};

std::ostream &operator<<(std::ostream &out, const PrintedText &t)
{
    return out << "(" << t.x << ", " << t.y << ") \"" << t.text << "\"";
}

// What one print job did.
struct PrintRecord {
    std::string jobName;
    std::string fontFamily;
    int fontPointSize = 0;
    std::vector<PrintedText> texts;
    int newPages = 0;
    bool ended = false;
};

// An A4 printer at 600 dots per inch that records what it is asked to print.
class RecordingPrinter : public PrintTarget {
public:
    explicit RecordingPrinter(PrintRecord &record) : mRecord(record) {}
    void setJobName(std::string_view name) override { mRecord.jobName = std::string(name); }
    void setFont(std::string_view family, int pointSize) override
    {
        mRecord.fontFamily = std::string(family);
        mRecord.fontPointSize = pointSize;
    }
    int verticalDpi() const override { return 600; }
    int pageWidth() const override { return 4792; }
    int pageHeight() const override { return 6851; }
    void beginDocument() override {}
    void newPage() override { ++mRecord.newPages; }
    void textAt(int x, int y, std::string_view text) override
    {
        mRecord.texts.push_back({x, y, std::string(text)});
    }
    void line(int, int, int, int) override {}
    void endDocument() override { mRecord.ended = true; }

private:
    PrintRecord &mRecord;
};

class RecordingPrintDialog : public PrintDialog {
public:
    std::unique_ptr<PrintTarget> choosePrinter() override
    {
        ++calls;
        if (cancel) {
            return nullptr;
        }
        jobs.emplace_back();
        return std::make_unique<RecordingPrinter>(jobs.back());
    }
    bool cancel = false;
    int calls = 0;
    std::deque<PrintRecord> jobs;
};

// The user chooses printing to a PDF file on A4 paper; the printer is set up as the Qt print
// dialog sets up a PDF printer.
class PdfPrintDialog : public PrintDialog {
public:
    explicit PdfPrintDialog(QString path) : mPath(std::move(path)) {}
    std::unique_ptr<PrintTarget> choosePrinter() override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(mPath);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setResolution(600);
        return std::make_unique<QtPrintTarget>(std::move(printer));
    }

private:
    QString mPath;
};

TextList listOf(const std::vector<std::string> &lines)
{
    TextList list;
    for (const std::string &line : lines) {
        list.append(line);
    }
    return list;
}

TextList listOfText(std::string_view text)
{
    TextList list;
    for (std::string_view line : splitLines(text)) {
        list.append(line);
    }
    return list;
}

// The lines of a list as a text view holds them.
QString shown(const TextList &list)
{
    QStringList lines;
    for (std::size_t i = 0; i < list.count(); ++i) {
        lines << fromCp1252(list.line(i));
    }
    return lines.join(u'\n');
}

QString collapsed(QString text)
{
    static const QRegularExpression blanks(u"\\s+"_s);
    return text.replace(blanks, u" "_s).trimmed();
}

// Builds a protocol or a prism-values window on the given list and services.
using ListWindowFactory =
    std::function<std::unique_ptr<TListForm>(const TextList &, PrintDialog &, const Clock &)>;

std::unique_ptr<TListForm> protocolWindow(const TextList &list, PrintDialog &dialog,
                                          const Clock &clock)
{
    return std::make_unique<TProtoForm>(list, dialog, clock);
}

std::unique_ptr<TListForm> resultWindow(const TextList &list, PrintDialog &dialog,
                                        const Clock &clock)
{
    return std::make_unique<TErgForm>(list, dialog, clock);
}

template <class T> T *child(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (found == nullptr) {
        throw std::runtime_error(std::string("control missing: ") + name);
    }
    return found;
}

// Shows the window modally, acts in it and closes it.
void whileOpen(QDialog &window, const std::function<void()> &act)
{
    bool timedOut = false;
    onNextModal<QDialog>(
        [&](QDialog *open) {
            EXPECT_EQ(open, &window);
            act();
            window.reject();
        },
        &timedOut);
    window.exec();
    EXPECT_FALSE(timedOut);
}

class ListWindowsTest : public ProgramFixture {
protected:
    void runExampleJob()
    {
        acceptCoordinates(coords45);
        acceptTriangles();
        acceptControlValues();
        click(main(), "BtnStart");
        ASSERT_GT(bench().protocol().count(), 0u);
        ASSERT_GT(bench().result().count(), 0u);
    }
};

TEST_F(ListWindowsTest, ToolBarButtonsAndViewFollowTheTableOfEachWindow)
{
    struct Button {
        const char *name;
        QString hint;
        QRect place;
    };
    struct Window {
        QWidget *form;
        const char *view;
        bool horizontalScrollBar;
        Button print, copy, showClipboard;
        const char *close;
        QRect closePlace;
    };
    const Window windowTable[] = {
        {&windows.protoForm(),
         "ProtoEdit",
         true,
         {"SBtnDruck", u"Protokoll drucken"_s, {32, 7, 36, 36}},
         {"SBtnProtoClib", u"Protokoll in Zwischanablage kopieren"_s, {72, 7, 36, 36}},
         {"SBtnProtoClipFrage", u"Inhalt der Zwischenablage anzeigen"_s, {112, 7, 36, 36}},
         "Button1",
         {184, 8, 96, 25}},
        {&windows.ergForm(),
         "ErgEdit",
         false,
         {"SBtnDruckErg", u"Prismen-Werte drucken"_s, {32, 7, 40, 36}},
         {"SpBtnClipErg", u"Prismen-Werte in Zwischenablage kopieren"_s, {76, 7, 40, 36}},
         {"SBtnClipErgFrage", u"Inhalt der Zwischenablage anzeigen"_s, {120, 7, 40, 36}},
         "CloseBtn",
         {208, 8, 97, 25}},
    };
    for (const Window &w : windowTable) {
        SCOPED_TRACE(w.view);
        QWidget &form = *w.form;
        const auto *toolBar = control<QFrame>(form, "Panel1");
        EXPECT_EQ(toolBar->geometry(), QRect(0, 0, form.width(), 49));
        EXPECT_EQ(toolBar->palette().color(QPalette::Window), QColor(192, 192, 192));
        for (const Button &b : {w.print, w.copy, w.showClipboard}) {
            SCOPED_TRACE(b.name);
            const auto *button = control<QToolButton>(form, b.name);
            EXPECT_EQ(button->parentWidget(), toolBar);
            EXPECT_EQ(button->geometry(), b.place);
            EXPECT_EQ(button->toolTip(), b.hint);
            EXPECT_EQ(button->iconSize(), QSize(32, 32));
            EXPECT_FALSE(button->icon().isNull());
        }
        // The copy picture has a greyed second picture for the disabled state.
        const QIcon copy = control<QToolButton>(form, w.copy.name)->icon();
        const QImage normal = copy.pixmap(32, QIcon::Normal).toImage();
        const QImage disabled = copy.pixmap(32, QIcon::Disabled).toImage();
        bool colouredNormal = false, colouredDisabled = false;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const auto coloured = [](QRgb p) {
                    return qAlpha(p) > 0 && (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p));
                };
                colouredNormal |= coloured(normal.pixel(x, y));
                colouredDisabled |= coloured(disabled.pixel(x, y));
            }
        }
        EXPECT_TRUE(colouredNormal);
        EXPECT_FALSE(colouredDisabled);

        const auto *close = control<QPushButton>(form, w.close);
        EXPECT_EQ(close->parentWidget(), toolBar);
        EXPECT_EQ(close->text(), u"&Schließen"_s);
        EXPECT_EQ(close->geometry(), w.closePlace);

        const auto *view = control<QPlainTextEdit>(form, w.view);
        EXPECT_EQ(view->geometry(), QRect(0, 49, form.width(), form.height() - 49));
        EXPECT_TRUE(view->isReadOnly());
        EXPECT_EQ(view->lineWrapMode(), QPlainTextEdit::NoWrap);
        EXPECT_EQ(view->font().family(), u"Courier New"_s);
        EXPECT_EQ(view->font().pointSize(), 8);
        EXPECT_EQ(view->palette().color(QPalette::Base), QColor(216, 216, 216));
        EXPECT_EQ(view->palette().color(QPalette::Text), QColor(Qt::black));
        EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(view->horizontalScrollBarPolicy(),
                  w.horizontalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    }
}

// Both windows show their list as it stands each time they open: lines untouched, one block
// each, never wrapped, blanks at the end kept.
TEST(ListWindows, ShowTheirListExactlyAsWrittenOnEveryOpening)
{
    struct Window {
        const char *view;
        ListWindowFactory make;
        bool scrollsSideways;
    };
    const Window windowTable[] = {
        {"ProtoEdit", protocolWindow, true},
        {"ErgEdit", resultWindow, false},
    };
    const std::string longLine = " " + std::string(300, '7') + " Ende";
    for (const Window &w : windowTable) {
        SCOPED_TRACE(w.view);
        TextList list = listOf(
            {"  Zeile mit Blanks am Ende   ", "", longLine, " f\xFCr Position  z,dz  [m\xB3]", ""});
        RecordingPrintDialog dialog;
        FixedClock clock;
        std::unique_ptr<TListForm> form = w.make(list, dialog, clock);
        auto *view = child<QPlainTextEdit>(*form, w.view);

        whileOpen(*form, [&] {
            EXPECT_EQ(view->toPlainText(), shown(list));
            ASSERT_EQ(view->blockCount(), 5);
            for (QTextBlock block = view->document()->begin(); block.isValid();
                 block = block.next()) {
                EXPECT_EQ(block.layout()->lineCount(), 1) << "block " << block.blockNumber();
            }
            EXPECT_EQ(view->horizontalScrollBar()->isVisible(), w.scrollsSideways);
            EXPECT_GT(view->horizontalScrollBar()->maximum(), 0);
        });

        // A new run rewrites the list between two openings.
        list.clear();
        list.append(" neu");
        whileOpen(*form, [&] { EXPECT_EQ(view->toPlainText(), u" neu"_s); });
        list.clear();
        whileOpen(*form, [&] { EXPECT_EQ(view->toPlainText(), QString()); });
    }
}

TEST_F(ListWindowsTest, WindowsOfTheProgramShowTheListsOfTheLastRunUntilTheReset)
{
    runExampleJob();
    inWindow<TProtoForm>("BtnProto", [&](TProtoForm *form) {
        EXPECT_EQ(control<QPlainTextEdit>(*form, "ProtoEdit")->toPlainText(),
                  shown(bench().protocol()));
    });
    inWindow<TErgForm>("BtnErg", [&](TErgForm *form) {
        EXPECT_EQ(control<QPlainTextEdit>(*form, "ErgEdit")->toPlainText(),
                  shown(bench().result()));
    });
    click(main(), "SBtnRadi");
    for (const char *view : {"ProtoEdit", "ErgEdit"}) {
        SCOPED_TRACE(view);
        QDialog &form = view == std::string_view("ProtoEdit")
                            ? static_cast<QDialog &>(windows.protoForm())
                            : static_cast<QDialog &>(windows.ergForm());
        whileOpen(form, [&] {
            EXPECT_EQ(control<QPlainTextEdit>(form, view)->toPlainText(), QString());
        });
    }
}

TEST(ListWindows, PrintTheListWithTheProgramTitleAndTheirDateInset)
{
    struct Window {
        const char *printButton;
        ListWindowFactory make;
        int dateX;
    };
    const Window windowTable[] = {
        {"SBtnDruck", protocolWindow, 4792 - 450},
        {"SBtnDruckErg", resultWindow, 4792 - 600},
    };
    const TextList list = listOf({" erste Zeile  ", "", " H\xF6he"});
    for (const Window &w : windowTable) {
        SCOPED_TRACE(w.printButton);
        RecordingPrintDialog dialog;
        FixedClock clock;
        std::unique_ptr<TListForm> form = w.make(list, dialog, clock);

        dialog.cancel = true;
        child<QToolButton>(*form, w.printButton)->click();
        EXPECT_EQ(dialog.calls, 1);
        EXPECT_TRUE(dialog.jobs.empty()) << "a cancelled dialog prints nothing";

        dialog.cancel = false;
        clock.date = {24, 12, 2009};
        child<QToolButton>(*form, w.printButton)->click();
        ASSERT_EQ(dialog.jobs.size(), 1u);
        const PrintRecord &job = dialog.jobs.front();
        EXPECT_EQ(job.jobName, " KUBATO 5.1");
        EXPECT_EQ(job.fontFamily, "Courier New");
        EXPECT_EQ(job.fontPointSize, 8);
        // P = 93 at 600 dots per inch; the foot stands at the page height 6851 - 2 P + 10.
        const std::vector<PrintedText> expected = {
            {200, 186, "Programm  KUBATO 5.1"},
            {w.dateX, 186, "24.12.2009"},
            {200, 465, " erste Zeile  "},
            {200, 558, ""},
            {200, 651, " H\xF6he"},
            {200, 6675, "Seite 1/1"},
        };
        EXPECT_EQ(job.texts, expected);
        EXPECT_EQ(job.newPages, 0);
        EXPECT_TRUE(job.ended);
    }
}

// Copying runs through ClipEdit onto the clipboard with CR LF; the clipboard window, opened
// over the list window, shows exactly the copied lines; a second copy replaces the first.
TEST_F(ListWindowsTest, CopiedListIsWhatTheClipboardWindowShows)
{
    runExampleJob();
    const TextList &protocol = bench().protocol();
    const TextList &result = bench().result();
    auto *clipView = control<QPlainTextEdit>(windows.clipForm(), "ClipProtoEdit");
    auto *clipEdit = control<QPlainTextEdit>(windows.clipForm(), "ClipEdit");

    struct Step {
        const char *mainButton;
        const char *copyButton;
        const char *showButton;
        const TextList *list;
    };
    const Step steps[] = {
        {"BtnProto", "SBtnProtoClib", "SBtnProtoClipFrage", &protocol},
        {"BtnErg", "SpBtnClipErg", "SBtnClipErgFrage", &result},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.mainButton);
        QString inClipWindow;
        bool listWindowBeneath = false;
        QWidget *modalAfterwards = nullptr;
        QWidget *listWindow = nullptr;
        inWindow<TListForm>(s.mainButton, [&](TListForm *form) {
            listWindow = form;
            click(*form, s.copyButton);
            EXPECT_EQ(ports.clipboard.content, s.list->text());
            onNextModal<TClipForm>([&](TClipForm *clip) {
                inClipWindow = clipView->toPlainText();
                listWindowBeneath = form->isVisible();
                click(*clip, "Button1");
            });
            click(*form, s.showButton);
            modalAfterwards = QApplication::activeModalWidget();
        });
        EXPECT_EQ(inClipWindow, shown(*s.list));
        EXPECT_EQ(clipEdit->toPlainText(), shown(*s.list));
        EXPECT_FALSE(clipEdit->isVisible());
        EXPECT_TRUE(listWindowBeneath);
        EXPECT_EQ(modalAfterwards, listWindow);
    }
    ASSERT_NE(protocol.text(), result.text());
    EXPECT_EQ(ports.clipboard.content, result.text());
}

TEST_F(ListWindowsTest, ClipboardWindowShowsWhatTheClipboardHoldsWhenItOpens)
{
    TClipForm &clip = windows.clipForm();
    auto *view = control<QPlainTextEdit>(clip, "ClipProtoEdit");
    struct Case {
        const char *name;
        std::string clipboard;
        QString view;
    };
    const Case cases[] = {
        {"another program's text", "fremd\r\n  Text mit \xE4  \r\n", u"fremd\n  Text mit ä  \n"_s},
        {"lone breaks", "a\rb\nc", u"a\nb\nc"_s},
        {"empty", "", u""_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ports.clipboard.content = c.clipboard;
        whileOpen(clip, [&] { EXPECT_EQ(view->toPlainText(), c.view); });
    }
    EXPECT_TRUE(view->isReadOnly());
    EXPECT_EQ(view->geometry(), QRect(8, 8, 633, 321));
    EXPECT_EQ(view->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(view->font().family(), u"Courier New"_s);
    EXPECT_EQ(view->font().pointSize(), 10);
    EXPECT_EQ(view->palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_EQ(view->palette().color(QPalette::Base), QColor(216, 216, 216));
    EXPECT_EQ(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const auto *close = control<QPushButton>(clip, "Button1");
    EXPECT_EQ(close->text(), u"&Schließen"_s);
    EXPECT_EQ(close->geometry(), QRect(280, 344, 97, 25));
}

// A text view's own copy would leave LF alone between the lines; the system clipboard must
// get CR LF.
TEST(ClipForm, CopyLeavesCrLfOnTheSystemClipboard)
{
    QtClipboard clipboard;
    RecordingPrintDialog dialog;
    FixedClock clock;
    TClipForm clip(clipboard);
    const TextList list = listOf({" Zeile 1  ", "", " H\xF6he m\xB3"});
    TErgForm form(list, dialog, clock);
    form.setClipForm(&clip);
    QGuiApplication::clipboard()->setText(u"vorher"_s);
    child<QToolButton>(form, "SpBtnClipErg")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u" Zeile 1  \r\n\r\n Höhe m³"_s);
    whileOpen(clip, [&] {
        EXPECT_EQ(child<QPlainTextEdit>(clip, "ClipProtoEdit")->toPlainText(),
                  u" Zeile 1  \n\n Höhe m³"_s);
    });
}

// The example job's result list and a long protocol printed to PDF through Qt: every page
// has the head with title and date, its own lines in order, and the foot "Seite k/T".
TEST_F(ListWindowsTest, PrintedPdfPagesHaveHeadDateLinesAndFoot)
{
    runExampleJob();
    const TextList longProtocol = listOfText(readAll(dataPath("calc/duplicates.protocol.txt")));
    ASSERT_GT(longProtocol.count(), 200u);

    struct Job {
        const char *name;
        const TextList *list;
        ListWindowFactory make;
        const char *printButton;
        int pages;
    };
    const Job jobs[] = {
        {"example result list", &bench().result(), resultWindow, "SBtnDruckErg", 1},
        {"long protocol", &longProtocol, protocolWindow, "SBtnDruck",
         static_cast<int>((longProtocol.count() + 64) / 65)},
    };
    ASSERT_GT(jobs[1].pages, 1);
    for (const Job &job : jobs) {
        SCOPED_TRACE(job.name);
        const QString pdf = QString::fromStdString(dir.path() + "/liste.pdf");
        QFile::remove(pdf);
        PdfPrintDialog dialog(pdf);
        std::unique_ptr<TListForm> form = job.make(*job.list, dialog, ports.clock);
        control<QToolButton>(*form, job.printButton)->click();

        QProcess pdftotext;
        pdftotext.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
        ASSERT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (poppler-utils) missing?";
        ASSERT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
        QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) {
            pages.removeLast();
        }
        ASSERT_EQ(pages.size(), job.pages);

        const std::size_t perPage = 65; // A4 at 600 dpi: 6851 / 93 - 8
        for (int k = 1; k <= job.pages; ++k) {
            SCOPED_TRACE(k);
            QStringList printed;
            for (const QString &line : pages[k - 1].split(u'\n')) {
                if (!line.trimmed().isEmpty()) {
                    printed << collapsed(line);
                }
            }
            QStringList expected{u"Programm KUBATO 5.1 07.03.2001"_s};
            const std::size_t first = (k - 1) * perPage;
            for (std::size_t i = first; i < std::min(first + perPage, job.list->count()); ++i) {
                const QString line = collapsed(fromCp1252(job.list->line(i)));
                if (!line.isEmpty()) {
                    expected << line;
                }
            }
            expected << u"Seite %1/%2"_s.arg(k).arg(job.pages);
            EXPECT_EQ(printed, expected);
        }
    }
}

} // namespace
} // namespace kubato::test
