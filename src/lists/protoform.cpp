#include "lists/protoform.h"

#include <QFrame>
#include <QPushButton>

namespace kubato {

using namespace Qt::StringLiterals;

TProtoForm::TProtoForm(QWidget *parent) : FixedDialog(u"  Protokoll"_s, QSize(612, 493), parent)
{
    setObjectName(u"ProtoForm"_s);

    auto *toolBar = new QFrame(this);
    toolBar->setObjectName(u"Panel1"_s);
    toolBar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    toolBar->setGeometry(0, 0, width(), 49);

    Button1 = new QPushButton(u"&Schließen"_s, toolBar);
    Button1->setObjectName(u"Button1"_s);
    Button1->setGeometry(184, 8, 96, 25);
    connect(Button1, &QPushButton::clicked, this, &TProtoForm::Button1Click);
}

void TProtoForm::Button1Click()
{
    accept();
}

} // namespace kubato
