#include "lists/ergform.h"

#include <QFrame>
#include <QPushButton>

namespace kubato {

using namespace Qt::StringLiterals;

TErgForm::TErgForm(QWidget *parent) : FixedDialog(u"  Prismenwerte"_s, QSize(645, 547), parent)
{
    setObjectName(u"ErgForm"_s);

    auto *toolBar = new QFrame(this);
    toolBar->setObjectName(u"Panel1"_s);
    toolBar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    toolBar->setGeometry(0, 0, width(), 49);

    CloseBtn = new QPushButton(u"&Schließen"_s, toolBar);
    CloseBtn->setObjectName(u"CloseBtn"_s);
    CloseBtn->setGeometry(208, 8, 97, 25);
    connect(CloseBtn, &QPushButton::clicked, this, &TErgForm::CloseBtnClick);
}

void TErgForm::CloseBtnClick()
{
    accept();
}

} // namespace kubato
