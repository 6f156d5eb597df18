#include "input/filewindow.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

#include <optional>

#include "app/workbench.h"
#include "lists/messform.h"
#include "platform/filechooser.h"
#include "platform/messagebox.h"
#include "platform/qtencoding.h"
#include "platform/qtlook.h"
#include "platform/waitcursor.h"

namespace kubato {

using namespace Qt::StringLiterals;

FileWindow::FileWindow(const std::string &caption, const Layout &layout, Workbench &workbench,
                       MessageBox &messageBox, FileChooser &openDialog, WaitCursor &waitCursor,
                       QWidget *parent)
    : FixedDialog(fromCp1252(caption), layout.clientSize, parent), mWorkbench(workbench),
      mMessageBox(messageBox), mOpenDialog(openDialog), mWaitCursor(waitCursor), mLayout(layout),
      mPanel(new QFrame(this))
{
    mPanel->setObjectName(u"Panel1"_s);
    mPanel->setGeometry(0, 0, width(), mLayout.panelHeight);
}

QPushButton *FileWindow::addButton(const QString &caption, const QString &name,
                                   const QRect &geometry)
{
    auto *button = new QPushButton(caption, mPanel);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

QPlainTextEdit *FileWindow::addExampleView(const QString &name)
{
    auto *view = new QPlainTextEdit(this);
    view->setObjectName(name);
    view->setGeometry(0, mLayout.panelHeight, width(), mLayout.exampleHeight);
    makeExampleView(*view);
    return view;
}

QPlainTextEdit *FileWindow::addTextView(const QString &name)
{
    auto *view = new QPlainTextEdit(this);
    view->setObjectName(name);
    const int top = mLayout.panelHeight + mLayout.exampleHeight;
    view->setGeometry(0, top, width(), height() - top);
    makeFixedColumnView(*view, 8);
    return view;
}

void FileWindow::openChosenFile(OpenOutcome (Workbench::*openFile)(const std::string &))
{
    const std::optional<std::string> path = mOpenDialog.chooseFile();
    if (!path) {
        return;
    }
    OpenOutcome outcome;
    {
        // A survey of millions of lines takes seconds to read and to show.
        const WaitCursorScope waiting(mWaitCursor);
        outcome = (mWorkbench.*openFile)(*path);
        showWorkbench();
    }
    if (!outcome.ok) {
        mMessageBox.show(outcome.error, ApplicationTitle);
    }
}

void FileWindow::finishOk(const std::function<CheckOutcome()> &check)
{
    CheckOutcome outcome;
    {
        const WaitCursorScope waiting(mWaitCursor);
        outcome = check();
    }
    emit workbenchChanged();
    if (presentCheckOutcome(outcome, mWorkbench.messages(), mMessForm, mMessageBox)) {
        accept();
    }
}

} // namespace kubato
