#include "input/da58form.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "app/workbench.h"
#include "input/trianglemesh.h"
#include "platform/qtencoding.h"

namespace kubato {

using namespace Qt::StringLiterals;

TDA58Form::TDA58Form(Workbench &workbench, MessageBox &messageBox, FileChooser &openDialog58,
                     WaitCursor &waitCursor, QWidget *parent)
    : FileWindow(workbench.triangleCaption(), {QSize(612, 566), 40, 90}, workbench, messageBox,
                 openDialog58, waitCursor, parent)
{
    setObjectName(u"DA58Form"_s);

    BtnOpen58 = addButton(u"Datei DA58 a&uswählen"_s, u"BtnOpen58"_s, {8, 8, 161, 25});
    BtnOK58 = addButton(u"&OK"_s, u"BtnOK58"_s, {424, 8, 81, 25});
    CancelBtn = addButton(u"&Abbrechen"_s, u"CancelBtn"_s, {516, 8, 81, 25});

    RichEditbsp58 = addExampleView(u"RichEditbsp58"_s);
    RichEditbsp58->setPlainText(viewText(triangleExampleBlock()));

    DA58Edit = addTextView(u"DA58Edit"_s);

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
    openChosenFile(&Workbench::openTriangleFile);
}

void TDA58Form::BtnOK58Click()
{
    finishOk([this] {
        // The document counts as modified while it differs from the text the Workbench holds;
        // an edit that is undone again makes it differ as well.
        if (DA58Edit->document()->isModified()) {
            mWorkbench.setTriangleText(textOfView(DA58Edit->document()->toRawText()));
            DA58Edit->document()->setModified(false);
        }
        return mWorkbench.checkTriangles();
    });
}

void TDA58Form::CancelBtnClick()
{
    reject();
}

} // namespace kubato
