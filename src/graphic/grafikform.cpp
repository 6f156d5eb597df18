#include "graphic/grafikform.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHideEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/workbench.h"
#include "graphic/qtdrawingsurface.h"
#include "platform/qtfixeddialog.h"
#include "platform/qtlook.h"
#include "platform/waitcursor.h"

namespace kubato {

using namespace Qt::StringLiterals;

namespace {

QFrame *bevel(QWidget *parent, const QString &name, int shadow)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(1);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

} // namespace

TGrafikForm::TGrafikForm(const Workbench &workbench, WaitCursor &waitCursor, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      mWorkbench(workbench), mWaitCursor(waitCursor)
{
    setObjectName(u"GrafikForm"_s);
    setWindowTitle(u"  Kontrollgrafik"_s);
    setFont(msSansSerif(8));
    setSilverBackground(*this);
    setSizeGripEnabled(false);

    createToolBar();
    // The bevel only frames the drawing area; the window itself paints the graphic beneath it,
    // so the bevel's lines stay on top of the picture.
    Bevel1 = bevel(this, u"Bevel1"_s, QFrame::Raised);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(GrafikPanel);
    layout->addWidget(Bevel1, 1);

    connect(RBtnBeide, &QRadioButton::clicked, this, &TGrafikForm::ZeichneHorizontClick);
    connect(RBtn1, &QRadioButton::clicked, this, &TGrafikForm::ZeichneHorizontClick);
    connect(RBtn2, &QRadioButton::clicked, this, &TGrafikForm::ZeichneHorizontClick);
    connect(CBoxPNr, &QCheckBox::clicked, this, &TGrafikForm::ZeichneHorizontClick);
    connect(ZeichneHorizont, &QPushButton::clicked, this, &TGrafikForm::ZeichneHorizontClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TGrafikForm::CloseBtnClick);
}

void TGrafikForm::createToolBar()
{
    GrafikPanel = new QFrame(this);
    GrafikPanel->setObjectName(u"GrafikPanel"_s);
    GrafikPanel->setFixedHeight(41);
    setSilverBackground(*GrafikPanel);

    // The frames come first so that the controls lie on top of them.
    Bevel3 = bevel(GrafikPanel, u"Bevel3"_s, QFrame::Sunken);
    Bevel3->setGeometry(8, 8, 313, 25);
    Bevel2 = bevel(GrafikPanel, u"Bevel2"_s, QFrame::Sunken);
    Bevel2->setGeometry(352, 8, 81, 25);

    RBtnBeide = new QRadioButton(u"&Beide Horizonte"_s, GrafikPanel);
    RBtnBeide->setObjectName(u"RBtnBeide"_s);
    RBtnBeide->setGeometry(16, 12, 105, 17);
    RBtnBeide->setChecked(true);
    RBtn1 = new QRadioButton(u"Horizont &1"_s, GrafikPanel);
    RBtn1->setObjectName(u"RBtn1"_s);
    RBtn1->setGeometry(120, 12, 97, 17);
    RBtn2 = new QRadioButton(u"Horizont &2"_s, GrafikPanel);
    RBtn2->setObjectName(u"RBtn2"_s);
    RBtn2->setGeometry(216, 12, 89, 17);

    CBoxPNr = new QCheckBox(u"&Pkt.Nr."_s, GrafikPanel);
    CBoxPNr->setObjectName(u"CBoxPNr"_s);
    CBoxPNr->setGeometry(360, 12, 65, 17);
    CBoxPNr->setEnabled(isCBoxPNrEnabled(HorizonChoice::Both));

    CloseBtn = new QPushButton(u"&Schließen"_s, GrafikPanel);
    CloseBtn->setObjectName(u"CloseBtn"_s);
    CloseBtn->setGeometry(448, 8, 75, 25);

    // Carries the drawing handler's name; the user never sees it.
    ZeichneHorizont = new QPushButton(GrafikPanel);
    ZeichneHorizont->setObjectName(u"ZeichneHorizont"_s);
    ZeichneHorizont->hide();
}

GraphicChoices TGrafikForm::choices() const
{
    GraphicChoices c;
    if (RBtn1->isChecked()) {
        c.horizon = HorizonChoice::First;
    } else if (RBtn2->isChecked()) {
        c.horizon = HorizonChoice::Second;
    }
    c.pointNumbers = CBoxPNr->isChecked();
    return c;
}

DrawingArea TGrafikForm::drawingArea() const
{
    const QRect r = Bevel1->geometry();
    return {r.left(), r.top(), r.width(), r.height()};
}

void TGrafikForm::showEvent(QShowEvent *event)
{
    // A desktop without a window manager ignores the maximised state; the window then takes
    // the screen's available area itself.
    if (const QScreen *s = screen()) {
        setGeometry(s->availableGeometry());
    }
    setWindowState(windowState() | Qt::WindowMaximized);
    QWidget *active = QApplication::activeWindow();
    mReturnTo = active != this ? active : nullptr;
    QDialog::showEvent(event);
}

void TGrafikForm::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous()) {
        returnFocusTo(mReturnTo);
    }
}

void TGrafikForm::paintEvent(QPaintEvent *)
{
    FormPaint();
}

// A change of choice redraws at once, while the click is still being handled; a window can
// only be drawn on from its paint event, so the handler asks for an immediate one.
void TGrafikForm::ZeichneHorizontClick()
{
    CBoxPNr->setEnabled(isCBoxPNrEnabled(choices().horizon));
    repaint();
}

// Reads the accepted texts afresh and draws everything: nothing of a previous drawing is kept.
void TGrafikForm::FormPaint()
{
    const WaitCursorScope waiting(mWaitCursor);
    QPainter painter(this);
    painter.setFont(font());
    QtDrawingSurface surface(painter);
    const AcceptedCoordinates &coordinates = mWorkbench.acceptedCoordinates();
    const GraphicTexts texts{coordinates.text.str(), coordinates.type,
                             mWorkbench.acceptedTriangles().text.str()};
    drawControlGraphic(surface, texts, drawingArea(), choices());
}

void TGrafikForm::CloseBtnClick()
{
    accept();
}

} // namespace kubato
