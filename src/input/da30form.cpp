#include "input/da30form.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/workbench.h"
#include "input/coordinatelist.h"
#include "lists/messform.h"
#include "platform/filechooser.h"
#include "platform/messagebox.h"
#include "platform/qtencoding.h"
#include "platform/qtlook.h"
#include "platform/waitcursor.h"

namespace kubato {

using namespace Qt::StringLiterals;

namespace {

constexpr int PanelHeight = 41;
constexpr int ExampleHeight = 88;

} // namespace

TDA30Form::TDA30Form(Workbench &workbench, MessageBox &messageBox, FileChooser &openDialog30,
                     WaitCursor &waitCursor, QWidget *parent)
    : FixedDialog(fromCp1252(workbench.coordinateCaption()), QSize(604, 564), parent),
      mWorkbench(workbench), mMessageBox(messageBox), mOpenDialog30(openDialog30),
      mWaitCursor(waitCursor)
{
    setObjectName(u"DA30Form"_s);

    auto *panel = new QFrame(this);
    panel->setObjectName(u"Panel1"_s);
    panel->setGeometry(0, 0, width(), PanelHeight);

    BtnOpen30 = new QPushButton(u"Datei DA30/45 au&swählen"_s, panel);
    BtnOpen30->setObjectName(u"BtnOpen30"_s);
    BtnOpen30->setGeometry(8, 8, 161, 25);

    auto *typeFrame = new QFrame(panel);
    typeFrame->setObjectName(u"GroupBox1"_s);
    typeFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    typeFrame->setGeometry(184, 6, 137, 29);
    RBtnDa30 = new QRadioButton(u"&DA30"_s, typeFrame);
    RBtnDa30->setObjectName(u"RBtnDa30"_s);
    RBtnDa30->setGeometry(10, 6, 58, 17);
    RBtnDA45 = new QRadioButton(u"D&A45"_s, typeFrame);
    RBtnDA45->setObjectName(u"RBtnDA45"_s);
    RBtnDA45->setGeometry(72, 6, 58, 17);
    RBtnDa30->setChecked(workbench.coordinateType() == CoordinateType::DA30);
    RBtnDA45->setChecked(workbench.coordinateType() == CoordinateType::DA45);

    BtnOK30 = new QPushButton(u"&OK"_s, panel);
    BtnOK30->setObjectName(u"BtnOK30"_s);
    BtnOK30->setGeometry(416, 8, 81, 25);
    CancelBtn = new QPushButton(u"&Abbrechen"_s, panel);
    CancelBtn->setObjectName(u"CancelBtn"_s);
    CancelBtn->setGeometry(508, 8, 81, 25);

    RichEditbsp30 = new QPlainTextEdit(this);
    RichEditbsp30->setObjectName(u"RichEditbsp30"_s);
    RichEditbsp30->setGeometry(0, PanelHeight, width(), ExampleHeight);
    makeExampleView(*RichEditbsp30);

    DA30Edit = new QPlainTextEdit(this);
    DA30Edit->setObjectName(u"DA30Edit"_s);
    DA30Edit->setGeometry(0, PanelHeight + ExampleHeight, width(),
                          height() - PanelHeight - ExampleHeight);
    makeFixedColumnView(*DA30Edit, 8);
    DA30Edit->setReadOnly(true);
    DA30Edit->setUndoRedoEnabled(false);

    // Toggled rather than clicked: the arrow keys move the choice without a click.
    connect(RBtnDa30, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            RBtnDa30Click();
        }
    });
    connect(RBtnDA45, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            RBtnDA45Click();
        }
    });
    connect(BtnOpen30, &QPushButton::clicked, this, &TDA30Form::BtnOpen30Click);
    connect(BtnOK30, &QPushButton::clicked, this, &TDA30Form::BtnOK30Click);
    connect(CancelBtn, &QPushButton::clicked, this, &TDA30Form::CancelBtnClick);

    showExampleBlock();
    showWorkbench();
}

void TDA30Form::showWorkbench()
{
    setWindowTitle(fromCp1252(mWorkbench.coordinateCaption()));
    DA30Edit->setPlainText(viewText(mWorkbench.coordinateText()));
}

void TDA30Form::showExampleBlock()
{
    const CoordinateType type = RBtnDa30->isChecked() ? CoordinateType::DA30 : CoordinateType::DA45;
    RichEditbsp30->setPlainText(viewText(coordinateExampleBlock(type)));
}

void TDA30Form::RBtnDa30Click()
{
    showExampleBlock();
}

void TDA30Form::RBtnDA45Click()
{
    showExampleBlock();
}

void TDA30Form::BtnOpen30Click()
{
    const std::optional<std::string> path = mOpenDialog30.chooseFile();
    if (!path) {
        return;
    }
    OpenOutcome outcome;
    {
        // A survey of millions of points takes seconds to read and to show.
        const WaitCursorScope waiting(mWaitCursor);
        outcome = mWorkbench.openCoordinateFile(*path);
        showWorkbench();
    }
    if (!outcome.ok) {
        mMessageBox.show(outcome.error, ApplicationTitle);
    }
}

void TDA30Form::BtnOK30Click()
{
    CheckOutcome outcome;
    {
        const WaitCursorScope waiting(mWaitCursor);
        mWorkbench.setCoordinateType(RBtnDa30->isChecked() ? CoordinateType::DA30
                                                           : CoordinateType::DA45);
        outcome = mWorkbench.checkCoordinates();
    }
    emit workbenchChanged();
    if (presentCheckOutcome(outcome, mWorkbench.messages(), mMessForm, mMessageBox)) {
        accept();
    }
}

void TDA30Form::CancelBtnClick()
{
    reject();
}

} // namespace kubato
