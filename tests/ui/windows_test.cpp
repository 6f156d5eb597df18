#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include "app/aboutform.h"
#include "app/lizform.h"
#include "app/theoform.h"
#include "graphic/grafikform.h"
#include "lists/clipform.h"
#include "lists/ergform.h"
#include "lists/protoform.h"
#include "programfixture.h"

namespace kubato::test {
namespace {

using namespace Qt::StringLiterals;

class WindowsTest : public ProgramFixture {};

TEST_F(WindowsTest, EveryWindowIsCreatedOnceInItsOrderWithCaptionAndSize)
{
    struct Expected {
        QWidget *window;
        QString caption;
        QSize size; // fixed client size; empty for a sizeable window
    };
    // Start-up creates the windows in this order; the main window owns all of them.
    const Expected expected[] = {
        {&windows.da30Form(), u"  DA30/DA45"_s, {604, 564}},
        {&windows.da58Form(), u"  DA58"_s, {612, 566}},
        {&windows.da57Form(), u"  DA57/DA59"_s, {464, 386}},
        {&windows.protoForm(), u"  Protokoll"_s, {612, 493}},
        {&windows.ergForm(), u"  Prismenwerte"_s, {645, 547}},
        {&windows.grafikForm(), u"  Kontrollgrafik"_s, {}},
        {&windows.messForm(), u"  Meldung"_s, {465, 296}},
        {&windows.lizForm(), u"  Lizenzbedingungen"_s, {570, 348}},
        {&windows.aboutForm(), u"  Info"_s, {370, 238}},
        {&windows.clipForm(), u"  Inhalt der Zwischenablage"_s, {649, 380}},
        {&windows.theoForm(), u"  Erläuterungen"_s, {490, 462}},
    };
    const QList<QDialog *> owned = main().findChildren<QDialog *>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(owned.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Expected &e = expected[i];
        SCOPED_TRACE(e.caption.toStdString());
        EXPECT_EQ(owned[static_cast<qsizetype>(i)], e.window);
        EXPECT_EQ(e.window->windowTitle(), e.caption);
        if (e.size.isValid()) {
            EXPECT_EQ(e.window->minimumSize(), e.size);
            EXPECT_EQ(e.window->maximumSize(), e.size);
        } else {
            EXPECT_GT(e.window->maximumWidth(), 10000);
        }
        EXPECT_FALSE(e.window->isVisible());
    }
}

// Each window opens modally from its button and its own button closes it again.
TEST_F(WindowsTest, ResultAndInformationWindowsOpenAndCloseFromTheirButtons)
{
    acceptCoordinates(coords45);
    acceptTriangles();
    acceptControlValues();
    click(main(), "BtnStart");
    struct Opening {
        const char *mainButton;
        QWidget *window;
        const char *closeButton;
    };
    const Opening openings[] = {
        {"BtnGrafik", &windows.grafikForm(), "CloseBtn"},
        {"BtnProto", &windows.protoForm(), "Button1"},
        {"BtnErg", &windows.ergForm(), "CloseBtn"},
        {"TheoBtn", &windows.theoForm(), "CloseBtn"},
        {"AboutBtn", &windows.aboutForm(), "CloseBtn"},
    };
    for (const Opening &o : openings) {
        SCOPED_TRACE(o.mainButton);
        bool wasModal = false;
        inWindow<QDialog>(o.mainButton, [&](QDialog *window) {
            wasModal = window == o.window && window->isModal();
            click(*window, o.closeButton);
            EXPECT_FALSE(window->isVisible());
        });
        EXPECT_TRUE(wasModal);
    }
}

TEST_F(WindowsTest, ExplanationsOpenAtTheTopWithTheFocusInTheText)
{
    QTextEdit *text = control<QTextEdit>(windows.theoForm(), "TheoREdit");
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(opening);
        inWindow<TTheoForm>("TheoBtn", [&](TTheoForm *form) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == form; }));
            EXPECT_EQ(text->textCursor().position(), 0);
            EXPECT_EQ(text->verticalScrollBar()->value(), 0);
            EXPECT_TRUE(text->hasFocus());
            // Read to the end; typing changes nothing. The close button takes the focus.
            QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClicks(text, u"xyz"_s);
            EXPECT_GT(text->verticalScrollBar()->value(), 0);
            control<QPushButton>(*form, "CloseBtn")->setFocus();
            click(*form, "CloseBtn");
        });
    }
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_FALSE(text->toPlainText().contains(u"xyz"_s));
    EXPECT_TRUE(text->toPlainText().startsWith(u"  \n Erläuterungen zum Programm KUBATO\n"_s));
    EXPECT_TRUE(text->toPlainText().endsWith(u"\n Ende der Erläuterungen"_s));
}

TEST_F(WindowsTest, TermsOfUseOpenOverTheInfoWindowAndReturnToIt)
{
    bool aboutBelow = false;
    QWidget *modalAfterTerms = nullptr;
    inWindow<TAboutForm>("AboutBtn", [&](TAboutForm *about) {
        EXPECT_EQ(control<QLabel>(*about, "Label1")->text(), u" Programm  KUBATO 5.1"_s);
        onNextModal<TLizForm>([&](TLizForm *terms) {
            aboutBelow = about->isVisible();
            click(*terms, "CloseBtn");
        });
        click(*about, "LizenzBtn");
        modalAfterTerms = QApplication::activeModalWidget();
        click(*about, "CloseBtn");
    });
    EXPECT_TRUE(aboutBelow);
    EXPECT_EQ(modalAfterTerms, &windows.aboutForm());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(WindowsTest, ExitClosesTheMainWindow)
{
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    control<QAction>(main(), "Beenden")->trigger();
    EXPECT_FALSE(main().isVisible());
}

} // namespace
} // namespace kubato::test
