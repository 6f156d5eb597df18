#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include "app/lamp.h"
#include "common/cp1252.h"
#include "platform/qtencoding.h"
#include "programfixture.h"

namespace kubato::test {
namespace {

using namespace Qt::StringLiterals;

std::string firstLine(QPlainTextEdit *view)
{
    return toCp1252(view->document()->firstBlock().text());
}

class InputFormsTest : public ProgramFixture {};

TEST_F(InputFormsTest, CoordinatesOfTheWrongTypeAreListedThenTheRightTypeIsAccepted)
{
    std::vector<std::string> messages;
    bool stayedOpen = false;
    inWindow<TDA30Form>("BtnDa58", [&](TDA30Form *form) {
        ports.openDialog30.answers.push_back(coords45);
        click(*form, "RBtnDa30");
        click(*form, "BtnOpen30");
        expectMessages(&messages);
        click(*form, "BtnOK30");
        stayedOpen = form->isVisible();

        click(*form, "RBtnDA45");
        EXPECT_EQ(firstLine(control<QPlainTextEdit>(*form, "RichEditbsp30")),
                  "Datenart REB DA45 - Koordinatenverzeichnis" + std::string(38, ' '));
        click(*form, "BtnOK30");
        EXPECT_FALSE(form->isVisible());
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(messages.size(), 12u);
    EXPECT_EQ(messages[0], " Koordinaten in Datei DA30 nicht korrekt!");
    EXPECT_EQ(messages[1], " ----------------------------------------");
    EXPECT_EQ(messages[2], "");
    EXPECT_EQ(messages[3], " Zeile=    1 : Fehler in Spalte   1 +  2 ");
    EXPECT_EQ(messages[11], " Zeile=    9 : Fehler in Spalte   1 +  2 ");

    EXPECT_EQ(ports.messageBox.shown,
              (std::vector<ShownBox>{{"Anzahl Koordinaten in DA30/45", "18"}}));
    EXPECT_EQ(toCp1252(windows.da30Form().windowTitle()),
              " KUBATO 5.1     " + lowerAsciiLetters(coords45));
    EXPECT_TRUE(control<Lamp>(main(), "SBtnAmp30")->isOn());
    windows.da57Form().show();
    EXPECT_EQ(control<QLineEdit>(windows.da57Form(), "POSEdit")->text(), u"bsp"_s);
    EXPECT_EQ(control<QLineEdit>(windows.da57Form(), "KOBHEdit")->text(), u"3.000"_s);
}

TEST_F(InputFormsTest, OkWithoutAFileSaysSoForBothTypes)
{
    for (const char *type : {"RBtnDa30", "RBtnDA45"}) {
        SCOPED_TRACE(type);
        std::vector<std::string> messages;
        inWindow<TDA30Form>("BtnDa58", [&](TDA30Form *form) {
            click(*form, type);
            expectMessages(&messages);
            click(*form, "BtnOK30");
        });
        EXPECT_EQ(messages,
                  (std::vector<std::string>{"", "   Keine Datei geöffnet"_cp.data(), ""}));
    }
    std::vector<std::string> messages;
    inWindow<TDA58Form>("XBtnDa58", [&](TDA58Form *form) {
        expectMessages(&messages);
        click(*form, "BtnOK58");
    });
    EXPECT_EQ(messages, (std::vector<std::string>{"", "   Keine Datei geöffnet"_cp.data(), ""}));
    EXPECT_TRUE(ports.messageBox.shown.empty());
}

TEST_F(InputFormsTest, AnUnreadableFileIsReportedAndACancelledChoiceChangesNothing)
{
    TDA30Form &form = windows.da30Form();
    QPlainTextEdit *view = control<QPlainTextEdit>(form, "DA30Edit");
    ports.openDialog30.answers = {coords45, std::nullopt, dir.path() + "/fehlt.d45"};

    click(form, "BtnOpen30");
    EXPECT_EQ(ports.waitCursor.begins, 1) << "reading and showing a file takes the wait cursor";
    const QString loadedCaption = form.windowTitle();
    const QString loadedText = view->toPlainText();
    ASSERT_FALSE(loadedText.isEmpty());

    click(form, "BtnOpen30"); // cancelled
    EXPECT_EQ(view->toPlainText(), loadedText);
    EXPECT_TRUE(ports.messageBox.shown.empty());

    click(form, "BtnOpen30"); // a file that is not there
    ASSERT_EQ(ports.messageBox.shown.size(), 1u);
    EXPECT_EQ(ports.messageBox.shown[0].caption, " KUBATO 5.1");
    EXPECT_NE(ports.messageBox.shown[0].text.find("fehlt.d45"), std::string::npos);
    EXPECT_EQ(ports.messageBox.waitingWhenShown, std::vector<bool>{false})
        << "the box comes with the arrow cursor";
    EXPECT_EQ(ports.waitCursor.depth, 0);
    EXPECT_TRUE(view->toPlainText().isEmpty());
    EXPECT_EQ(form.windowTitle(), loadedCaption);
}

// What is checked is the triangle text as it stands in the view, an edit and its undoing
// included.
TEST_F(InputFormsTest, TheTriangleTextIsCheckedAsItStands)
{
    std::vector<std::string> messages;
    bool lampAfterFault = true;
    inWindow<TDA58Form>("XBtnDa58", [&](TDA58Form *form) {
        ports.openDialog58.answers.push_back(triangles);
        click(*form, "BtnOpen58");
        QPlainTextEdit *edit = control<QPlainTextEdit>(*form, "DA58Edit");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Return); // an empty last line
        expectMessages(&messages);
        click(*form, "BtnOK58");
        lampAfterFault = control<Lamp>(main(), "SBtnAmp58")->isOn();

        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        click(*form, "BtnOK58");
    });
    EXPECT_EQ(messages, (std::vector<std::string>{" Dreiecksdaten in Datei DA58 nicht korrekt!",
                                                  " ------------------------------------------", "",
                                                  " Zeile=   16 : Fehler in Spalte   1 +  2 "}));
    EXPECT_FALSE(lampAfterFault);
    EXPECT_EQ(ports.messageBox.shown, (std::vector<ShownBox>{{"Anzahl Dreiecke in DA58", "29"}}));
    EXPECT_EQ(ports.messageBox.waitingWhenShown, std::vector<bool>{false});
    EXPECT_EQ(ports.waitCursor.begins, 3) << "the open and both checks";
    EXPECT_TRUE(control<Lamp>(main(), "SBtnAmp58")->isOn());
}

class ControlValuesTest : public ProgramFixture {
protected:
    ControlValuesTest() : form(windows.da57Form())
    {
        const std::pair<Field, const char *> valid[] = {
            {Field::KOBH, "3.000"}, {Field::KWYX, "50"}, {Field::KWZ, "5"},  {Field::POS, "bsp"},
            {Field::KZO, "23"},     {Field::ZDZO, "0"},  {Field::KZU, "25"}, {Field::ZDZU, "0"}};
        for (const auto &[field, text] : valid) {
            bench().setField(field, text);
        }
    }
    void open()
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    QLineEdit *edit(Field f) { return control<QLineEdit>(form, fieldName(f).data()); }
    // Types the text over the field's content, as the user does.
    void type(Field f, const char *text)
    {
        QLineEdit *e = edit(f);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, QString::fromUtf8(text));
    }
    QString errorLine() { return control<QLabel>(form, "ErrLabel57")->text(); }

    TDA57Form &form;
};

TEST_F(ControlValuesTest, TheFirstFailingFieldIsReportedAndGetsTheFocus)
{
    struct Case {
        std::vector<std::pair<Field, const char *>> typed;
        const char *message;
        Field focus;
    };
    const Case cases[] = {
        {{{Field::KOBH, "-5"}}, "KOBH-Wert darf nicht negativ sein", Field::KOBH},
        {{{Field::KOBH, ""}}, "KOBH-Wert fehlt", Field::KOBH},
        {{{Field::KOBH, "2500"}}, "KOBH-Wert ist ungültig ( >=0.0 und <=2000.0 )", Field::KOBH},
        {{{Field::KZO, "x"}, {Field::KWZ, "12a"}}, "KWZ-Wert ist nicht numerisch", Field::KWZ},
        {{{Field::POS, ""}}, "Position fehlt", Field::POS},
        {{{Field::KZO, " 5"}}, "KZ-oben-Wert ist nicht numerisch", Field::KZO},
        {{{Field::KZU, "0"}, {Field::ZDZU, ""}},
         "z,dz-unten-Wert fehlt ( NN-Höhe > 0.0 )",
         Field::ZDZU},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        open();
        for (const auto &[field, text] : c.typed) {
            type(field, text);
        }
        click(form, "OKBtn");
        EXPECT_EQ(errorLine(), QString::fromUtf8(c.message));
        EXPECT_EQ(QApplication::focusWidget(), edit(c.focus));
        EXPECT_TRUE(form.isVisible());
        EXPECT_FALSE(control<Lamp>(main(), "SBtnAmp57")->isOn());
        for (const auto &[field, text] : c.typed) {
            EXPECT_EQ(edit(field)->text(), QString::fromUtf8(text)) << "the field keeps its text";
        }
        ProgramFixture::click(form, "CancelBtn");
        bench().setField(Field::KOBH, "3.000");
        bench().setField(Field::KWZ, "5");
        bench().setField(Field::POS, "bsp");
        bench().setField(Field::KZO, "23");
        bench().setField(Field::KZU, "25");
        bench().setField(Field::ZDZU, "0");
    }
}

TEST_F(ControlValuesTest, ADecimalCommaShowsAsAPointOnceAccepted)
{
    open();
    type(Field::KWYX, "1,5");
    click(form, "OKBtn");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(edit(Field::KWYX)->text(), u"1.5"_s);
    EXPECT_TRUE(control<Lamp>(main(), "SBtnAmp57")->isOn());
    EXPECT_EQ(control<QLineEdit>(main(), "Label57")->text(),
              u" KOBH=3.000, KWYX=1.500, KWZ=5.000"_s);
}

TEST_F(ControlValuesTest, CancelKeepsTheTypedTextsAndTheErrorLine)
{
    open();
    type(Field::KOBH, "-5");
    click(form, "OKBtn");
    type(Field::KWYX, "7");
    click(form, "CancelBtn");
    EXPECT_FALSE(form.isVisible());
    open();
    EXPECT_EQ(edit(Field::KOBH)->text(), u"-5"_s);
    EXPECT_EQ(edit(Field::KWYX)->text(), u"7"_s);
    EXPECT_EQ(errorLine(), u"KOBH-Wert darf nicht negativ sein"_s);
    EXPECT_FALSE(control<Lamp>(main(), "SBtnAmp57")->isOn());
}

TEST_F(ControlValuesTest, NoCaseShowsTheBoxAndTheDialogStaysOpen)
{
    open();
    type(Field::KZU, "0");
    type(Field::ZDZU, "0,0");
    click(form, "OKBtn");
    EXPECT_EQ(ports.messageBox.shown,
              (std::vector<ShownBox>{{"  Meldung", std::string(noCaseMessage())}}));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(edit(Field::ZDZU)->text(), u"0.0"_s);
    EXPECT_FALSE(control<Lamp>(main(), "SBtnAmp57")->isOn());
}

TEST_F(ControlValuesTest, FieldsTakeNoMoreThanTheirMaximumLength)
{
    open();
    type(Field::POS, "abcdefghijkl");
    type(Field::KZO, "123");
    EXPECT_EQ(edit(Field::POS)->text(), u"abcdefghij"_s);
    EXPECT_EQ(bench().field(Field::POS), "abcdefghij");
    EXPECT_EQ(bench().field(Field::KZO), "12");
}

} // namespace
} // namespace kubato::test
