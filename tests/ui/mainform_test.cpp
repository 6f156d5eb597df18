#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

#include "app/lamp.h"
#include "common/cp1252.h"
#include "platform/qtencoding.h"
#include "programfixture.h"

namespace kubato::test {
namespace {

using namespace Qt::StringLiterals;

class MainFormTest : public ProgramFixture {
protected:
    // Every lamp, button and status field shows what the Workbench holds.
    void expectShowsWorkbench()
    {
        const MainWindowState &m = bench().main();
        const std::pair<const char *, bool> lamps[] = {
            {"SBtnAmp30", m.SBtnAmp30}, {"SBtnAmp58", m.SBtnAmp58}, {"SBtnAmp57", m.SBtnAmp57}};
        for (const auto &[name, on] : lamps) {
            EXPECT_EQ(control<Lamp>(main(), name)->isOn(), on) << name;
        }
        const std::pair<const char *, bool> buttons[] = {
            {"BtnDa57", m.BtnDa57},   {"BtnStart", m.BtnStart}, {"BtnGrafik", m.BtnGrafik},
            {"BtnProto", m.BtnProto}, {"BtnErg", m.BtnErg},     {"BtnDa58", true},
            {"XBtnDa58", true},       {"SBtnRadi", true},       {"TheoBtn", true},
            {"AboutBtn", true},       {"ExitButton", true}};
        for (const auto &[name, enabled] : buttons) {
            EXPECT_EQ(control<QAbstractButton>(main(), name)->isEnabled(), enabled) << name;
        }
        for (const char *action : {"Zuruecksetzen", "Erlaeut", "Info", "Beenden"}) {
            EXPECT_TRUE(control<QAction>(main(), action)->isEnabled()) << action;
        }
        const std::pair<const char *, const std::string *> fields[] = {{"Label30", &m.Label30},
                                                                       {"Label58", &m.Label58},
                                                                       {"Label57", &m.Label57},
                                                                       {"Label59", &m.Label59},
                                                                       {"VolLabel", &m.VolLabel}};
        for (const auto &[name, text] : fields) {
            EXPECT_EQ(control<QLineEdit>(main(), name)->text(), fromCp1252(*text)) << name;
        }
        EXPECT_EQ(control<QLabel>(main(), "BerDreiSText")->text(), fromCp1252(m.BerDreiSText));
        EXPECT_EQ(control<QLabel>(main(), "ErrLabel")->text(), fromCp1252(m.ErrLabel));
    }

    static void mouseClick(QWidget &window, const char *name)
    {
        QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton);
    }
    template <class T> void byMouse(const char *button, const std::function<void(T *)> &act)
    {
        bool timedOut = false;
        onNextModal<T>(act, &timedOut);
        mouseClick(main(), button);
        EXPECT_FALSE(timedOut) << button;
    }

    std::string lamps()
    {
        std::string on;
        for (const char *name : {"SBtnAmp30", "SBtnAmp58", "SBtnAmp57"}) {
            on += control<Lamp>(main(), name)->isOn() ? '1' : '0';
        }
        return on;
    }
    std::string enabledButtons()
    {
        std::string names;
        for (const char *name : {"BtnDa57", "BtnStart", "BtnGrafik", "BtnProto", "BtnErg"}) {
            if (control<QPushButton>(main(), name)->isEnabled()) {
                names += names.empty() ? "" : " ";
                names += name;
            }
        }
        return names;
    }
};

TEST_F(MainFormTest, FixedSizeWithoutMaximiseAndTheTitle)
{
    EXPECT_EQ(main().windowTitle(), u" KUBATO 5.1"_s);
    EXPECT_EQ(main().minimumSize(), QSize(800, 452));
    EXPECT_EQ(main().maximumSize(), QSize(800, 452));
    EXPECT_FALSE(main().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(main().windowFlags() & Qt::WindowMinimizeButtonHint);
}

// The road of a job with its detours, step by step: lamps and enabled buttons as the user
// sees them, and every control in agreement with the Workbench.
TEST_F(MainFormTest, LampsAndButtonsAlongTheRoadOfAJob)
{
    struct Step {
        const char *what;
        std::function<void()> act;
        const char *lamps; // SBtnAmp30, SBtnAmp58, SBtnAmp57
        const char *enabled;
    };
    const Step steps[] = {
        {"fresh start", [] {}, "000", ""},
        {"coordinates only", [&] { acceptCoordinates(coords45); }, "100", ""},
        {"then triangles", [&] { acceptTriangles(); }, "110", "BtnDa57 BtnGrafik"},
        {"control values", [&] { acceptControlValues(); }, "111", "BtnDa57 BtnStart BtnGrafik"},
        {"coordinates again", [&] { acceptCoordinates(coords45); }, "110", "BtnDa57 BtnGrafik"},
        {"control values again", [&] { acceptControlValues(); }, "111",
         "BtnDa57 BtnStart BtnGrafik"},
        {"run", [&] { click(main(), "BtnStart"); }, "111",
         "BtnDa57 BtnStart BtnGrafik BtnProto BtnErg"},
        // A failed check takes the control values back but leaves the start button as it was.
        {"failed coordinate check", [&] { failCoordinates(); }, "110",
         "BtnDa57 BtnStart BtnGrafik BtnProto BtnErg"},
        {"reset", [&] { click(main(), "SBtnRadi"); }, "000", ""},
        {"coordinates after reset", [&] { acceptCoordinates(coords45); }, "100", ""},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(lamps(), step.lamps);
        EXPECT_EQ(enabledButtons(), step.enabled);
        expectShowsWorkbench();
    }
}

TEST_F(MainFormTest, StatusFieldsNameTheAcceptedInputs)
{
    acceptCoordinates(coords45);
    acceptTriangles();
    acceptControlValues();
    EXPECT_EQ(control<QLineEdit>(main(), "Label30")->text().toStdString(),
              " " + lowerAsciiLetters(coords45));
    EXPECT_EQ(control<QLineEdit>(main(), "Label58")->text().toStdString(),
              " " + lowerAsciiLetters(triangles));
    EXPECT_EQ(control<QLineEdit>(main(), "Label57")->text(),
              u" KOBH=3.000, KWYX=50.000, KWZ=5.000"_s);
    EXPECT_EQ(ports.messageBox.shown,
              (std::vector<ShownBox>{{"Anzahl Koordinaten in DA30/45", "18"},
                                     {"Anzahl Dreiecke in DA58", "29"}}));
}

TEST_F(MainFormTest, RunShowsVolumeWithTheWaitCursor)
{
    acceptCoordinates(coords45);
    acceptTriangles();
    acceptControlValues();
    const int beginsBefore = ports.waitCursor.begins;
    click(main(), "BtnStart");
    EXPECT_EQ(ports.waitCursor.begins, beginsBefore + 1);
    EXPECT_EQ(ports.waitCursor.depth, 0);
    EXPECT_TRUE(control<QLineEdit>(main(), "VolLabel")->text().startsWith(u" Volumen = "_s));
    EXPECT_EQ(control<QLabel>(main(), "BerDreiSText")->text(), u" 29 Dreieck(e) berechnet "_s);
    expectShowsWorkbench();
}

TEST_F(MainFormTest, RunWithoutCaseShowsItsBoxAndStillEnds)
{
    acceptCoordinates(coords45);
    acceptTriangles();
    acceptControlValues();
    // Typed after the acceptance: the run decides the case again from the fields as they stand.
    bench().setField(Field::KZU, "0");
    ports.messageBox.shown.clear();
    click(main(), "BtnStart");
    EXPECT_EQ(ports.messageBox.shown,
              (std::vector<ShownBox>{
                  {"  Meldung", "keine Fallzuordnung möglich, KZ-Werte überprüfen"_cp.data()}}));
    EXPECT_EQ(ports.waitCursor.depth, 0);
    EXPECT_TRUE(control<QPushButton>(main(), "BtnProto")->isEnabled());
}

TEST_F(MainFormTest, ResetEmptiesTheWindowsButKeepsChoiceAndPosition)
{
    acceptCoordinates(coords45);
    acceptTriangles();
    acceptControlValues();
    click(main(), "BtnStart");
    control<QAction>(main(), "Zuruecksetzen")->trigger();

    TDA30Form &da30 = windows.da30Form();
    EXPECT_EQ(da30.windowTitle(), u" KUBATO 5.1"_s);
    EXPECT_TRUE(control<QPlainTextEdit>(da30, "DA30Edit")->toPlainText().isEmpty());
    EXPECT_TRUE(control<QRadioButton>(da30, "RBtnDA45")->isChecked());
    TDA58Form &da58 = windows.da58Form();
    EXPECT_EQ(da58.windowTitle(), u" KUBATO 5.1"_s);
    EXPECT_TRUE(control<QPlainTextEdit>(da58, "DA58Edit")->toPlainText().isEmpty());

    const std::pair<const char *, QString> fields[] = {
        {"KOBHEdit", u"200"_s}, {"KWYXEdit", u"50"_s}, {"KWZEdit", u"5"_s},
        {"POSEdit", u"bsp"_s},  {"KZOEdit", u""_s},    {"ZDZOEdit", u"0.0"_s},
        {"KZUEdit", u""_s},     {"ZDZUEdit", u"0.0"_s}};
    for (const auto &[name, text] : fields) {
        EXPECT_EQ(control<QLineEdit>(windows.da57Form(), name)->text(), text) << name;
    }
    EXPECT_EQ(lamps(), "000");
    EXPECT_EQ(enabledButtons(), "");
    expectShowsWorkbench();
}

// The whole road with the mouse: real clicks on shown windows.
TEST_F(MainFormTest, RoadOfAJobWithTheMouse)
{
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    ports.openDialog30.answers.push_back(coords45);
    ports.openDialog58.answers.push_back(triangles);
    byMouse<TDA30Form>("BtnDa58", [&](TDA30Form *form) {
        mouseClick(*form, "RBtnDA45");
        mouseClick(*form, "BtnOpen30");
        mouseClick(*form, "BtnOK30");
    });
    byMouse<TDA58Form>("XBtnDa58", [&](TDA58Form *form) {
        mouseClick(*form, "BtnOpen58");
        mouseClick(*form, "BtnOK58");
    });
    byMouse<TDA57Form>("BtnDa57", [&](TDA57Form *form) { mouseClick(*form, "OKBtn"); });
    mouseClick(main(), "BtnStart");
    EXPECT_FALSE(windows.da30Form().isVisible() || windows.da58Form().isVisible() ||
                 windows.da57Form().isVisible());
    EXPECT_EQ(lamps(), "111");
    EXPECT_TRUE(control<QLineEdit>(main(), "VolLabel")->text().startsWith(u" Volumen = "_s));
}

// The same road with the keyboard alone. Where two captions mark the same letter (K in the
// main window, A in the coordinate window), the key moves the focus between them, as shared
// mnemonics do, and Enter or an arrow key goes on from there.
TEST_F(MainFormTest, RoadOfAJobWithTheKeyboard)
{
    main().show();
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    const auto altKey = [](QWidget &window, Qt::Key key) {
        QTest::keyClick(&window, key, Qt::AltModifier);
    };
    const auto waitFor = [](const std::function<bool()> &done) {
        return QTest::qWaitFor(done, 3000);
    };
    // Keys pressed in the main window open window T; act types into it once it is active.
    const auto byKeys = [&]<class T>(T *, const std::function<void()> &press,
                                     const std::function<void(T *)> &act) {
        bool timedOut = false;
        bool finished = false;
        onNextModal<T>(
            [&](T *window) {
                // A dialog's window counts as active while its parent has the focus; the keys
                // need the dialog itself to have it.
                window->activateWindow();
                EXPECT_TRUE(waitFor([&] { return QApplication::activeWindow() == window; }));
                act(window);
                EXPECT_TRUE(waitFor([&] { return !window->isVisible(); }));
                if (window->isVisible()) {
                    window->reject();
                }
                finished = true;
            },
            &timedOut);
        main().activateWindow();
        EXPECT_TRUE(waitFor([&] { return QApplication::activeWindow() == &main(); }));
        press();
        // The window opens after the key's short animated click; its exec() returns later.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return (finished || timedOut) && !QApplication::activeModalWidget(); }, 10000));
        EXPECT_TRUE(finished);
    };

    ports.openDialog30.answers.push_back(coords45);
    byKeys(
        static_cast<TDA30Form *>(nullptr), [&] { altKey(main(), Qt::Key_K); },
        std::function<void(TDA30Form *)>([&](TDA30Form *form) {
            // D&A45 shares its A with &Abbrechen: the user goes through &DA30 and the arrow.
            altKey(*form, Qt::Key_D);
            EXPECT_TRUE(
                waitFor([&] { return control<QRadioButton>(*form, "RBtnDa30")->hasFocus(); }));
            QTest::qWait(200); // the key's animated click on DA30 comes a moment later
            QTest::keyClick(control<QRadioButton>(*form, "RBtnDa30"), Qt::Key_Right);
            EXPECT_TRUE(
                waitFor([&] { return control<QRadioButton>(*form, "RBtnDA45")->isChecked(); }));
            altKey(*form, Qt::Key_S);
            EXPECT_TRUE(waitFor([&] { return ports.openDialog30.calls == 1; }));
            altKey(*form, Qt::Key_O);
        }));
    EXPECT_TRUE(bench().CoordinatesReady());

    ports.openDialog58.answers.push_back(triangles);
    byKeys(
        static_cast<TDA58Form *>(nullptr), [&] { altKey(main(), Qt::Key_D); },
        std::function<void(TDA58Form *)>([&](TDA58Form *form) {
            altKey(*form, Qt::Key_U);
            EXPECT_TRUE(waitFor([&] { return ports.openDialog58.calls == 1; }));
            altKey(*form, Qt::Key_O);
        }));
    EXPECT_TRUE(bench().TrianglesReady());

    main().activateWindow();
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == &main(); }));
    QPushButton *da57 = control<QPushButton>(main(), "BtnDa57");
    for (int turn = 0; turn < 2 && !da57->hasFocus(); ++turn) {
        altKey(main(), Qt::Key_K);
        (void)QTest::qWaitFor([&] { return da57->hasFocus(); }, 500);
    }
    ASSERT_TRUE(da57->hasFocus());
    byKeys(
        static_cast<TDA57Form *>(nullptr), [&] { QTest::keyClick(da57, Qt::Key_Return); },
        std::function<void(TDA57Form *)>(
            [&](TDA57Form *form) { QTest::keyClick(form, Qt::Key_Return); }));
    EXPECT_TRUE(bench().ControlValuesReady());

    main().activateWindow();
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == &main(); }));
    altKey(main(), Qt::Key_B);
    EXPECT_TRUE(waitFor([&] { return !control<QLineEdit>(main(), "VolLabel")->text().isEmpty(); }));
}

} // namespace
} // namespace kubato::test
