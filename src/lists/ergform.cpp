#include "lists/ergform.h"

#include <QPushButton>
#include <QToolButton>

#include "lists/printlist.h"

namespace kubato {

using namespace Qt::StringLiterals;

ListWindowParameters TErgForm::parameters()
{
    ListWindowParameters p;
    p.formName = u"ErgForm"_s;
    p.caption = u"  Prismenwerte"_s;
    p.clientSize = QSize(645, 547);
    p.viewName = u"ErgEdit"_s;
    p.horizontalScrollBar = false;
    p.print = {u"SBtnDruckErg"_s, u"Prismen-Werte drucken"_s};
    p.copy = {u"SpBtnClipErg"_s, u"Prismen-Werte in Zwischenablage kopieren"_s};
    p.showClipboard = {u"SBtnClipErgFrage"_s, u"Inhalt der Zwischenablage anzeigen"_s};
    p.pictureButtonSize = QSize(40, 36);
    p.pictureButtonX = {32, 76, 120};
    p.closeName = u"CloseBtn"_s;
    p.closeGeometry = QRect(208, 8, 97, 25);
    p.dateInset = ResultDateInset;
    return p;
}

TErgForm::TErgForm(const TextList &result, PrintDialog &printDialog, const Clock &clock,
                   QWidget *parent)
    : TListForm(parameters(), result, printDialog, clock, parent)
{
    connect(printButton(), &QToolButton::clicked, this, &TErgForm::SBtnDruckErgClick);
    connect(copyButton(), &QToolButton::clicked, this, &TErgForm::SpBtnClipErgClick);
    connect(showClipboardButton(), &QToolButton::clicked, this, &TErgForm::SBtnClipErgFrageClick);
    connect(closeButton(), &QPushButton::clicked, this, &TErgForm::CloseBtnClick);
}

void TErgForm::SBtnDruckErgClick()
{
    printTheList();
}

void TErgForm::SpBtnClipErgClick()
{
    copyTheList();
}

void TErgForm::SBtnClipErgFrageClick()
{
    showClipboard();
}

void TErgForm::CloseBtnClick()
{
    closeWindow();
}

} // namespace kubato
