#include "app/aboutform.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/lizform.h"
#include "app/pictures.h"
#include "app/workbench.h"
#include "platform/qtencoding.h"
#include "platform/qtlook.h"

namespace kubato {

using namespace Qt::StringLiterals;

TAboutForm::TAboutForm(TLizForm &lizForm, QWidget *parent)
    : FixedDialog(u"  Info"_s, QSize(370, 238), parent), mLizForm(lizForm)
{
    setObjectName(u"AboutForm"_s);

    auto *bevel = new QFrame(this);
    bevel->setObjectName(u"Bevel1"_s);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel->setGeometry(16, 16, 337, 169);

    const QFont verdana = fontWithPixelHeight(u"Verdana"_s, 13);
    const auto label = [&](const QString &name, const QString &text, int x, int y, bool bold) {
        auto *l = new QLabel(text, this);
        l->setObjectName(name);
        QFont font = verdana;
        font.setBold(bold);
        l->setFont(font);
        l->move(x, y);
        l->adjustSize();
        return l;
    };

    Image1 = new QLabel(this);
    Image1->setObjectName(u"Image1"_s);
    Image1->setGeometry(32, 24, 32, 32);
    Image1->setPixmap(programPicture(32));

    Label1 = label(u"Label1"_s, u" Programm "_s + fromCp1252(ApplicationTitle), 72, 24, true);
    label(u"Label2"_s, u" Erdmassen aus Dreiecksprismen"_s, 72, 42, false);
    label(u"Label3"_s, u"Hersteller:"_s, 32, 80, false);
    label(u"Label4"_s, u"KUBATO Softwareentwicklung"_s, 32, 100, true);
    label(u"Label5"_s, u"Programme für Bauabrechnung"_s, 32, 120, false);
    label(u"Label6"_s, u"und Vermessung"_s, 32, 138, false);
    label(u"Label7"_s, u"Alle Rechte vorbehalten."_s, 32, 160, false);

    CloseBtn = new QPushButton(u"&Schließen"_s, this);
    CloseBtn->setObjectName(u"CloseBtn"_s);
    CloseBtn->setGeometry(32, 200, 75, 25);
    CloseBtn->setDefault(true);
    LizenzBtn = new QPushButton(u"&Lizenzvereinbarungen"_s, this);
    LizenzBtn->setObjectName(u"LizenzBtn"_s);
    LizenzBtn->setGeometry(208, 200, 129, 25);

    connect(CloseBtn, &QPushButton::clicked, this, &TAboutForm::CloseBtnClick);
    connect(LizenzBtn, &QPushButton::clicked, this, &TAboutForm::LizenzBtnClick);
}

void TAboutForm::CloseBtnClick()
{
    accept();
}

void TAboutForm::LizenzBtnClick()
{
    mLizForm.exec();
}

} // namespace kubato
