#include "input/da57form.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/workbench.h"
#include "platform/messagebox.h"
#include "platform/qtencoding.h"
#include "platform/qtlook.h"

namespace kubato {

using namespace Qt::StringLiterals;

namespace {

constexpr int FrameLeft = 24;
constexpr int FrameWidth = 409;
constexpr int FrameHeight = 121;
constexpr int CaptionTop = 28;
constexpr int CaptionPitch = 15;
constexpr int EditTop = 82;
constexpr int EditHeight = 22;

// A frame of the dialog with its heading bar; children are placed in window coordinates
// minus the frame's corner.
QFrame *headedFrame(QWidget *parent, int top, const QString &heading)
{
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setGeometry(FrameLeft, top, FrameWidth, FrameHeight);
    auto *title = new QLabel(heading, frame);
    QFont font = courierNew(10);
    font.setBold(true);
    title->setFont(font);
    title->setAutoFillBackground(true);
    QPalette palette = title->palette();
    palette.setColor(QPalette::Window, viewGrey());
    title->setPalette(palette);
    title->setGeometry(2, 2, FrameWidth - 4, 20);
    return frame;
}

// One caption text of a column, placed over its field (window coordinates).
void caption(QFrame *frame, int windowX, int line, const QString &text)
{
    auto *label = new QLabel(text, frame);
    label->setFont(courierNew(9));
    label->move(windowX - FrameLeft, CaptionTop + line * CaptionPitch);
    label->adjustSize();
}

} // namespace

TDA57Form::TDA57Form(Workbench &workbench, MessageBox &messageBox, QWidget *parent)
    : FixedDialog(u"  DA57/DA59"_s, QSize(464, 386), parent), mWorkbench(workbench),
      mMessageBox(messageBox)
{
    setObjectName(u"DA57Form"_s);

    QFrame *da57 = headedFrame(this, 16, u" Datenart DA57 - Kontrollwerte / Konstanten"_s);
    da57->setObjectName(u"Panel57"_s);
    caption(da57, 32, 0, u"Bezugshorizont"_s);
    caption(da57, 168, 0, u"Kontrollwert"_s);
    caption(da57, 304, 0, u"Kontrollwert"_s);
    caption(da57, 32, 1, u"KOBH"_s);
    caption(da57, 168, 1, u"KWYX"_s);
    caption(da57, 304, 1, u"KWZ"_s);
    for (const int x : {32, 168, 304}) {
        caption(da57, x, 2, u"[m]"_s);
    }

    QFrame *da59 = headedFrame(this, 168, u" Datenart DA59 - Positionsangaben"_s);
    da59->setObjectName(u"Panel59"_s);
    caption(da59, 32, 0, u"Positions-"_s);
    caption(da59, 168, 0, u"Horizont oben"_s);
    caption(da59, 304, 0, u"Horizont unten"_s);
    caption(da59, 32, 1, u"Bezeichnung"_s);
    caption(da59, 168, 1, u"KZ"_s);
    caption(da59, 216, 1, u"z,dz"_s);
    caption(da59, 304, 1, u"KZ"_s);
    caption(da59, 352, 1, u"z,dz"_s);
    caption(da59, 216, 2, u"[m]"_s);
    caption(da59, 352, 2, u"[m]"_s);

    struct Place {
        QLineEdit *&edit;
        Field field;
        QFrame *frame;
        int left;
        int width;
    };
    const Place places[] = {
        {KOBHEdit, Field::KOBH, da57, 32, 121}, {KWYXEdit, Field::KWYX, da57, 168, 121},
        {KWZEdit, Field::KWZ, da57, 304, 121},  {POSEdit, Field::POS, da59, 32, 97},
        {KZOEdit, Field::KZO, da59, 168, 25},   {ZDZOEdit, Field::ZDZO, da59, 216, 65},
        {KZUEdit, Field::KZU, da59, 304, 25},   {ZDZUEdit, Field::ZDZU, da59, 352, 65},
    };
    for (const Place &place : places) {
        auto *lineEdit = new QLineEdit(place.frame);
        lineEdit->setObjectName(fromCp1252(fieldName(place.field)));
        lineEdit->setFont(courierNew(9));
        lineEdit->setMaxLength(static_cast<int>(fieldMaxLength(place.field)));
        lineEdit->setGeometry(place.left - FrameLeft, EditTop, place.width, EditHeight);
        lineEdit->setTextMargins(0, 0, 0, 0);
        const Field field = place.field;
        connect(lineEdit, &QLineEdit::textEdited, this,
                [this, field](const QString &text) { mWorkbench.setField(field, toCp1252(text)); });
        place.edit = lineEdit;
        mEdits[fieldIndex(place.field)] = lineEdit;
    }

    ErrLabel57 = new QLabel(this);
    ErrLabel57->setObjectName(u"ErrLabel57"_s);
    ErrLabel57->setGeometry(32, 304, 393, 24);
    ErrLabel57->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ErrLabel57->setAlignment(Qt::AlignCenter);
    QFont errFont = msSansSerif(10);
    errFont.setBold(true);
    ErrLabel57->setFont(errFont);
    QPalette errPalette = ErrLabel57->palette();
    errPalette.setColor(QPalette::WindowText, Qt::red);
    ErrLabel57->setPalette(errPalette);

    OKBtn = new QPushButton(u"&OK"_s, this);
    OKBtn->setObjectName(u"OKBtn"_s);
    OKBtn->setGeometry(136, 344, 89, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(u"&Abbrechen"_s, this);
    CancelBtn->setObjectName(u"CancelBtn"_s);
    CancelBtn->setGeometry(240, 344, 89, 25);

    connect(OKBtn, &QPushButton::clicked, this, &TDA57Form::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TDA57Form::CancelBtnClick);

    showWorkbench();
}

void TDA57Form::showWorkbench()
{
    for (std::size_t i = 0; i < FieldCount; ++i) {
        mEdits[i]->setText(fromCp1252(mWorkbench.fields()[i]));
    }
    ErrLabel57->setText(fromCp1252(mWorkbench.errLabel57()));
}

void TDA57Form::showEvent(QShowEvent *event)
{
    showWorkbench();
    FixedDialog::showEvent(event);
}

void TDA57Form::OKBtnClick()
{
    const ControlValuesCheck check = mWorkbench.acceptControlValues();
    showWorkbench();
    emit workbenchChanged();
    switch (check.outcome) {
    case ControlValuesCheck::Outcome::FieldFault:
        edit(check.failingField)->setFocus();
        edit(check.failingField)->selectAll();
        break;
    case ControlValuesCheck::Outcome::NoCase:
        mMessageBox.show(noCaseMessage(), "  Meldung");
        break;
    case ControlValuesCheck::Outcome::Accepted:
        accept();
        break;
    }
}

void TDA57Form::CancelBtnClick()
{
    reject();
}

} // namespace kubato
