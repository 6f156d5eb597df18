#include "input/da58form.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/workbench.h"
#include "input/trianglemesh.h"
#include "lists/messform.h"
#include "platform/filechooser.h"
#include "platform/messagebox.h"
#include "platform/qtencoding.h"
#include "platform/qtlook.h"
#include "platform/waitcursor.h"

namespace kubato {

using namespace Qt::StringLiterals;

namespace {
constexpr int PanelHeight = 40;
constexpr int ExampleHeight = 90;
} // namespace

TDA58Form::TDA58Form(Workbench &workbench, MessageBox &messageBox, FileChooser &openDialog58,
                     WaitCursor &waitCursor, QWidget *parent)
    : FixedDialog(fromCp1252(workbench.triangleCaption()), QSize(612, 566), parent),
      mWorkbench(workbench), mMessageBox(messageBox), mOpenDialog58(openDialog58),
      mWaitCursor(waitCursor)
{
    setObjectName(u"DA58Form"_s);

    auto *panel = new QFrame(this);
    panel->setObjectName(u"Panel1"_s);
    panel->setGeometry(0, 0, width(), PanelHeight);

    BtnOpen58 = new QPushButton(u"Datei DA58 a&uswählen"_s, panel);
    BtnOpen58->setObjectName(u"BtnOpen58"_s);
    BtnOpen58->setGeometry(8, 8, 161, 25);
    BtnOK58 = new QPushButton(u"&OK"_s, panel);
    BtnOK58->setObjectName(u"BtnOK58"_s);
    BtnOK58->setGeometry(424, 8, 81, 25);
    CancelBtn = new QPushButton(u"&Abbrechen"_s, panel);
    CancelBtn->setObjectName(u"CancelBtn"_s);
    CancelBtn->setGeometry(516, 8, 81, 25);

    RichEditbsp58 = new QPlainTextEdit(this);
    RichEditbsp58->setObjectName(u"RichEditbsp58"_s);
    RichEditbsp58->setGeometry(0, PanelHeight, width(), ExampleHeight);
    makeExampleView(*RichEditbsp58);
    RichEditbsp58->setPlainText(viewText(triangleExampleBlock()));

    DA58Edit = new QPlainTextEdit(this);
    DA58Edit->setObjectName(u"DA58Edit"_s);
    DA58Edit->setGeometry(0, PanelHeight + ExampleHeight, width(),
                          height() - PanelHeight - ExampleHeight);
    makeFixedColumnView(*DA58Edit, 8);

    connect(BtnOpen58, &QPushButton::clicked, this, &TDA58Form::BtnOpen58Click);
    connect(BtnOK58, &QPushButton::clicked, this, &TDA58Form::BtnOK58Click);
    connect(CancelBtn, &QPushButton::clicked, this, &TDA58Form::CancelBtnClick);

    showWorkbench();
}

void TDA58Form::showWorkbench()
{
    setWindowTitle(fromCp1252(mWorkbench.triangleCaption()));
    DA58Edit->setPlainText(viewText(mWorkbench.triangleText()));
    // Unmodified, the view holds the Workbench's text exactly; OK then checks that text
    // without taking it back from the view.
    DA58Edit->document()->setModified(false);
}

void TDA58Form::BtnOpen58Click()
{
    const std::optional<std::string> path = mOpenDialog58.chooseFile();
    if (!path) {
        return;
    }
    OpenOutcome outcome;
    {
        // A mesh of millions of triangles takes seconds to read and to show.
        const WaitCursorScope waiting(mWaitCursor);
        outcome = mWorkbench.openTriangleFile(*path);
        showWorkbench();
    }
    if (!outcome.ok) {
        mMessageBox.show(outcome.error, ApplicationTitle);
    }
}

void TDA58Form::BtnOK58Click()
{
    // The document counts as modified while it differs from the text the Workbench holds;
    // an edit that is undone again makes it differ as well.
    CheckOutcome outcome;
    {
        const WaitCursorScope waiting(mWaitCursor);
        if (DA58Edit->document()->isModified()) {
            mWorkbench.setTriangleText(textOfView(DA58Edit->document()->toRawText()));
            DA58Edit->document()->setModified(false);
        }
        outcome = mWorkbench.checkTriangles();
    }
    emit workbenchChanged();
    if (presentCheckOutcome(outcome, mWorkbench.messages(), mMessForm, mMessageBox)) {
        accept();
    }
}

void TDA58Form::CancelBtnClick()
{
    reject();
}

} // namespace kubato
