#include "lists/protoform.h"

#include <QPushButton>
#include <QToolButton>

#include "lists/printlist.h"

namespace kubato {

using namespace Qt::StringLiterals;

ListWindowParameters TProtoForm::parameters()
{
    ListWindowParameters p;
    p.formName = u"ProtoForm"_s;
    p.caption = u"  Protokoll"_s;
    p.clientSize = QSize(612, 493);
    p.viewName = u"ProtoEdit"_s;
    p.horizontalScrollBar = true;
    p.print = {u"SBtnDruck"_s, u"Protokoll drucken"_s};
    p.copy = {u"SBtnProtoClib"_s, u"Protokoll in Zwischanablage kopieren"_s};
    p.showClipboard = {u"SBtnProtoClipFrage"_s, u"Inhalt der Zwischenablage anzeigen"_s};
    p.pictureButtonSize = QSize(36, 36);
    p.pictureButtonX = {32, 72, 112};
    p.closeName = u"Button1"_s;
    p.closeGeometry = QRect(184, 8, 96, 25);
    p.dateInset = ProtocolDateInset;
    return p;
}

TProtoForm::TProtoForm(const TextList &protocol, PrintDialog &printDialog, const Clock &clock,
                       QWidget *parent)
    : TListForm(parameters(), protocol, printDialog, clock, parent)
{
    connect(printButton(), &QToolButton::clicked, this, &TProtoForm::SBtnDruckClick);
    connect(copyButton(), &QToolButton::clicked, this, &TProtoForm::SBtnProtoClibClick);
    connect(showClipboardButton(), &QToolButton::clicked, this,
            &TProtoForm::SBtnProtoClipFrageClick);
    connect(closeButton(), &QPushButton::clicked, this, &TProtoForm::Button1Click);
}

void TProtoForm::SBtnDruckClick()
{
    printTheList();
}

void TProtoForm::SBtnProtoClibClick()
{
    copyTheList();
}

void TProtoForm::SBtnProtoClipFrageClick()
{
    showClipboard();
}

void TProtoForm::Button1Click()
{
    closeWindow();
}

} // namespace kubato
