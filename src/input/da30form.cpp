#include "input/da30form.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/workbench.h"
#include "input/coordinatelist.h"
#include "platform/qtencoding.h"

namespace kubato {

using namespace Qt::StringLiterals;

TDA30Form::TDA30Form(Workbench &workbench, MessageBox &messageBox, FileChooser &openDialog30,
                     WaitCursor &waitCursor, QWidget *parent)
    : FileWindow(workbench.coordinateCaption(), {QSize(604, 564), 41, 88}, workbench, messageBox,
                 openDialog30, waitCursor, parent)
{
    setObjectName(u"DA30Form"_s);

    BtnOpen30 = addButton(u"Datei DA30/45 au&swählen"_s, u"BtnOpen30"_s, {8, 8, 161, 25});

    auto *typeFrame = new QFrame(panel());
    typeFrame->setObjectName(u"GroupBox1"_s);
    typeFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    typeFrame->setGeometry(184, 6, 137, 29);
    RBtnDa30 = new QRadioButton(u"&DA30"_s, typeFrame);
    RBtnDa30->setObjectName(u"RBtnDa30"_s);
    RBtnDa30->setGeometry(10, 6, 58, 17);
    RBtnDA45 = new QRadioButton(u"D&A45"_s, typeFrame);
    RBtnDA45->setObjectName(u"RBtnDA45"_s);
    RBtnDA45->setGeometry(72, 6, 58, 17);
    RBtnDa30->setChecked(workbench.coordinateType() == CoordinateType::DA30);
    RBtnDA45->setChecked(workbench.coordinateType() == CoordinateType::DA45);

    BtnOK30 = addButton(u"&OK"_s, u"BtnOK30"_s, {416, 8, 81, 25});
    CancelBtn = addButton(u"&Abbrechen"_s, u"CancelBtn"_s, {508, 8, 81, 25});

    RichEditbsp30 = addExampleView(u"RichEditbsp30"_s);
    DA30Edit = addTextView(u"DA30Edit"_s);
    DA30Edit->setReadOnly(true);
    DA30Edit->setUndoRedoEnabled(false);

    // Toggled rather than clicked: the arrow keys move the choice without a click.
    connect(RBtnDa30, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            RBtnDa30Click();
        }
    });
    connect(RBtnDA45, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            RBtnDA45Click();
        }
    });
    connect(BtnOpen30, &QPushButton::clicked, this, &TDA30Form::BtnOpen30Click);
    connect(BtnOK30, &QPushButton::clicked, this, &TDA30Form::BtnOK30Click);
    connect(CancelBtn, &QPushButton::clicked, this, &TDA30Form::CancelBtnClick);

    showExampleBlock();
    showWorkbench();
}

void TDA30Form::showWorkbench()
{
    setWindowTitle(fromCp1252(mWorkbench.coordinateCaption()));
    DA30Edit->setPlainText(viewText(mWorkbench.coordinateText()));
}

void TDA30Form::showExampleBlock()
{
    const CoordinateType type = RBtnDa30->isChecked() ? CoordinateType::DA30 : CoordinateType::DA45;
    RichEditbsp30->setPlainText(viewText(coordinateExampleBlock(type)));
}

void TDA30Form::RBtnDa30Click()
{
    showExampleBlock();
}

void TDA30Form::RBtnDA45Click()
{
    showExampleBlock();
}

void TDA30Form::BtnOpen30Click()
{
    openChosenFile(&Workbench::openCoordinateFile);
}

void TDA30Form::BtnOK30Click()
{
    finishOk([this] {
        mWorkbench.setCoordinateType(RBtnDa30->isChecked() ? CoordinateType::DA30
                                                           : CoordinateType::DA45);
        return mWorkbench.checkCoordinates();
    });
}

void TDA30Form::CancelBtnClick()
{
    reject();
}

} // namespace kubato
