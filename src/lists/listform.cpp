#include "lists/listform.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <cassert>
#include <memory>

#include "app/workbench.h"
#include "lists/clipform.h"
#include "lists/listpictures.h"
#include "lists/printlist.h"
#include "platform/printdialog.h"
#include "platform/qtencoding.h"
#include "platform/qtlook.h"

namespace kubato {

using namespace Qt::StringLiterals;

namespace {

constexpr int ToolBarHeight = 49;
constexpr int PictureButtonY = 7;
constexpr int PictureSize = 32;

QToolButton *pictureButton(QWidget *toolBar, const ListWindowParameters::PictureButton &button,
                           const QIcon &picture, int x, QSize size)
{
    auto *b = new QToolButton(toolBar);
    b->setObjectName(button.name);
    b->setGeometry(QRect(QPoint(x, PictureButtonY), size));
    b->setIcon(picture);
    b->setIconSize(QSize(PictureSize, PictureSize));
    b->setAutoRaise(true);
    b->setToolTip(button.hint);
    return b;
}

} // namespace

TListForm::TListForm(const ListWindowParameters &parameters, const TextList &list,
                     PrintDialog &printDialog, const Clock &clock, QWidget *parent)
    : FixedDialog(parameters.caption, parameters.clientSize, parent), mParameters(parameters),
      mList(list), mPrintDialog(printDialog), mClock(clock)
{
    setObjectName(parameters.formName);

    auto *toolBar = new QFrame(this);
    toolBar->setObjectName(u"Panel1"_s);
    toolBar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    toolBar->setGeometry(0, 0, width(), ToolBarHeight);

    const QSize buttonSize = parameters.pictureButtonSize;
    mPrintButton = pictureButton(toolBar, parameters.print, printListIcon(),
                                 parameters.pictureButtonX[0], buttonSize);
    mCopyButton = pictureButton(toolBar, parameters.copy, copyListIcon(),
                                parameters.pictureButtonX[1], buttonSize);
    mShowClipboardButton = pictureButton(toolBar, parameters.showClipboard, showClipboardIcon(),
                                         parameters.pictureButtonX[2], buttonSize);

    mCloseButton = new QPushButton(u"&Schließen"_s, toolBar);
    mCloseButton->setObjectName(parameters.closeName);
    mCloseButton->setGeometry(parameters.closeGeometry);

    // Lines are shown exactly as the run wrote them: never wrapped, never trimmed. Without a
    // horizontal scroll bar, what stands beyond the right edge stays out of sight.
    mView = new QPlainTextEdit(this);
    mView->setObjectName(parameters.viewName);
    mView->setGeometry(0, ToolBarHeight, width(), height() - ToolBarHeight);
    makeFixedColumnView(*mView, 8);
    if (!parameters.horizontalScrollBar) {
        mView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    setViewColours(*mView, Qt::black, viewGrey());
    mView->setReadOnly(true);
    mView->setUndoRedoEnabled(false);
}

void TListForm::showEvent(QShowEvent *event)
{
    showList();
    FixedDialog::showEvent(event);
}

void TListForm::showList()
{
    if (mShown != mList) {
        mView->setPlainText(viewText(mList));
        mShown = mList;
    }
    mView->setFocus();
}

void TListForm::printTheList()
{
    const std::unique_ptr<PrintTarget> printer = mPrintDialog.choosePrinter();
    if (printer == nullptr) {
        return;
    }
    printList(mList, {ApplicationTitle, mParameters.dateInset}, *printer, mClock);
}

void TListForm::copyTheList()
{
    assert(mClipForm != nullptr);
    mClipForm->copyToClipboard(mList.text());
}

void TListForm::showClipboard()
{
    assert(mClipForm != nullptr);
    mClipForm->exec();
}

void TListForm::closeWindow()
{
    accept();
}

} // namespace kubato
