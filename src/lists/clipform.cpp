#include "lists/clipform.h"

#include <QPushButton>

namespace kubato {

using namespace Qt::StringLiterals;

TClipForm::TClipForm(QWidget *parent)
    : FixedDialog(u"  Inhalt der Zwischenablage"_s, QSize(649, 380), parent)
{
    setObjectName(u"ClipForm"_s);

    Button1 = new QPushButton(u"&Schließen"_s, this);
    Button1->setObjectName(u"Button1"_s);
    Button1->setGeometry(280, 344, 97, 25);
    connect(Button1, &QPushButton::clicked, this, &TClipForm::Button1Click);
}

void TClipForm::Button1Click()
{
    accept();
}

} // namespace kubato
