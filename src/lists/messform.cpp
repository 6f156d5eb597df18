#include "lists/messform.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/workbench.h"
#include "common/textlist.h"
#include "platform/messagebox.h"
#include "platform/qtencoding.h"
#include "platform/qtlook.h"

namespace kubato {

using namespace Qt::StringLiterals;

namespace {
constexpr int BarHeight = 40;
} // namespace

TMessForm::TMessForm(QWidget *parent) : FixedDialog(u"  Meldung"_s, QSize(465, 296), parent)
{
    setObjectName(u"MessForm"_s);

    // The list is not write-protected, as the user may mark and copy in it; what is typed
    // there is never read.
    MessEdit = new QPlainTextEdit(this);
    MessEdit->setObjectName(u"MessEdit"_s);
    MessEdit->setGeometry(0, 0, width(), height() - BarHeight);
    makeFixedColumnView(*MessEdit, 8);
    setViewColours(*MessEdit, navy(), viewGrey());
    MessEdit->setUndoRedoEnabled(false);

    auto *bar = new QFrame(this);
    bar->setGeometry(0, height() - BarHeight, width(), BarHeight);
    CloseBtn = new QPushButton(u"&Schließen"_s, bar);
    CloseBtn->setObjectName(u"CloseBtn"_s);
    CloseBtn->setGeometry(200, 8, 75, 25);
    CloseBtn->setDefault(true);
    connect(CloseBtn, &QPushButton::clicked, this, &TMessForm::CloseBtnClick);
}

void TMessForm::showMessages(const TextList &lines)
{
    MessEdit->setPlainText(viewText(lines));
    CloseBtn->setFocus();
    exec();
}

int TMessForm::lineCount() const
{
    return MessEdit->document()->isEmpty() ? 0 : MessEdit->document()->blockCount();
}

void TMessForm::CloseBtnClick()
{
    accept();
}

bool presentCheckOutcome(const CheckOutcome &outcome, const TextList &messages, TMessForm *messForm,
                         MessageBox &messageBox)
{
    if (!outcome.accepted) {
        if (messForm != nullptr) {
            messForm->showMessages(messages);
        }
        return false;
    }
    messageBox.show(outcome.countText, outcome.countCaption);
    return true;
}

} // namespace kubato
