#include "app/mainform.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include "app/aboutform.h"
#include "app/lamp.h"
#include "app/pictures.h"
#include "app/theoform.h"
#include "app/workbench.h"
#include "calc/runobserver.h"
#include "graphic/grafikform.h"
#include "input/da30form.h"
#include "input/da57form.h"
#include "input/da58form.h"
#include "lists/ergform.h"
#include "lists/protoform.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/qtencoding.h"
#include "platform/qtlook.h"
#include "platform/waitcursor.h"

namespace kubato {

using namespace Qt::StringLiterals;

namespace {

constexpr QSize MainWindowSize(800, 452);

QFrame *bevel(QWidget *parent, const QRect &place)
{
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(place);
    return frame;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption,
                    const QRect &place)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(place);
    // Enter presses the button that has the focus, as in the dialogs.
    b->setAutoDefault(true);
    return b;
}

QLineEdit *statusField(QWidget *parent, const QString &name, const QRect &place)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(place);
    field->setReadOnly(true);
    return field;
}

Lamp *lamp(QWidget *parent, const QString &name, QPoint place)
{
    auto *l = new Lamp(parent);
    l->setObjectName(name);
    l->setGeometry(place.x(), place.y(), 45, 23);
    return l;
}

QToolButton *toolButton(QWidget *parent, const QString &name, const QIcon &icon,
                        const QString &hint, int x)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setGeometry(x, 7, 36, 36);
    b->setIcon(icon);
    b->setIconSize(QSize(32, 32));
    b->setAutoRaise(true);
    b->setToolTip(hint);
    return b;
}

// Shows each status text of a run in the status line at once, although the run does not
// return to the event loop. A stage's beginning is always painted; its progress texts, which
// can come thousands of times, at most every few hundredths of a second.
class StatusLinePainter final : public RunObserver {
public:
    explicit StatusLinePainter(QLabel &line) : mLine(line) { mSincePaint.start(); }

    void status(std::string_view text) override
    {
        const std::string_view stage = text.substr(0, 3);
        const bool newStage = stage != mStage;
        if (!newStage && mSincePaint.elapsed() < 40) {
            return;
        }
        mStage = std::string(stage);
        mLine.setText(fromCp1252(text));
        mLine.repaint();
        mSincePaint.restart();
    }

private:
    QLabel &mLine;
    std::string mStage;
    QElapsedTimer mSincePaint;
};

} // namespace

TMainForm::TMainForm(Workbench &workbench, MessageBox &messageBox, WaitCursor &waitCursor,
                     Clock &clock, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      mWorkbench(workbench), mMessageBox(messageBox), mWaitCursor(waitCursor), mClock(clock)
{
    setObjectName(u"MainForm"_s);
    setWindowTitle(fromCp1252(ApplicationTitle));
    setWindowIcon(programIcon());
    setFont(msSansSerif(8));
    setSilverBackground(*this);
    setFixedSize(MainWindowSize);

    createMenu();

    auto *client = new QWidget(this);
    client->setObjectName(u"Client"_s);
    setCentralWidget(client);

    createToolBar();

    bevel(client, QRect(8, 216, 777, 65))->setObjectName(u"Bevel7"_s);
    bevel(client, QRect(8, 296, 777, 41))->setObjectName(u"Bevel1"_s);
    bevel(client, QRect(8, 352, 777, 25))->setObjectName(u"Bevel3"_s);

    BtnDa58 = button(client, u"BtnDa58"_s, u"Datei  DA30 / DA45   mit &Koordinaten öffnen"_s,
                     QRect(24, 64, 249, 25));
    SBtnAmp30 = lamp(client, u"SBtnAmp30"_s, QPoint(288, 65));
    Label30 = statusField(client, u"Label30"_s, QRect(344, 66, 424, 21));

    XBtnDa58 = button(client, u"XBtnDa58"_s, u"Datei DA58  mit &Dreiecksvermaschung öffnen"_s,
                      QRect(24, 100, 249, 25));
    SBtnAmp58 = lamp(client, u"SBtnAmp58"_s, QPoint(288, 101));
    Label58 = statusField(client, u"Label58"_s, QRect(344, 102, 424, 21));

    BtnDa57 = button(client, u"BtnDa57"_s, u"&Kontrollwerte und Horizonte eingeben"_s,
                     QRect(24, 136, 249, 25));
    SBtnAmp57 = lamp(client, u"SBtnAmp57"_s, QPoint(288, 137));
    Label57 = statusField(client, u"Label57"_s, QRect(344, 138, 424, 21));
    Label59 = statusField(client, u"Label59"_s, QRect(344, 174, 424, 21));

    BtnStart = button(client, u"BtnStart"_s, u"&Berechnung starten"_s, QRect(24, 224, 249, 25));
    BtnStart->setFont(msSansSerif(10));
    VolLabel = statusField(client, u"VolLabel"_s, QRect(344, 224, 424, 28));
    VolLabel->setFont(msSansSerif(12));
    BerDreiSText = new QLabel(client);
    BerDreiSText->setObjectName(u"BerDreiSText"_s);
    BerDreiSText->setGeometry(24, 256, 673, 17);

    BtnGrafik =
        button(client, u"BtnGrafik"_s, u"Kontrollgrafik &anzeigen"_s, QRect(152, 304, 148, 25));
    BtnProto = button(client, u"BtnProto"_s, u"&Protokoll anzeigen"_s, QRect(312, 304, 148, 25));
    BtnErg = button(client, u"BtnErg"_s, u"Prismen-&Werte anzeigen"_s, QRect(472, 304, 148, 25));

    ErrLabel = new QLabel(client);
    ErrLabel->setObjectName(u"ErrLabel"_s);
    ErrLabel->setGeometry(24, 352, 665, 25);
    ErrLabel->setFont(msSansSerif(10));
    QPalette errPalette = ErrLabel->palette();
    errPalette.setColor(QPalette::WindowText, Qt::red);
    ErrLabel->setPalette(errPalette);

    connect(BtnDa58, &QPushButton::clicked, this, &TMainForm::BtnDa58Click);
    connect(XBtnDa58, &QPushButton::clicked, this, &TMainForm::XBtnDa58Click);
    connect(BtnDa57, &QPushButton::clicked, this, &TMainForm::BtnDa57Click);
    connect(BtnStart, &QPushButton::clicked, this, &TMainForm::BtnStartClick);
    connect(BtnGrafik, &QPushButton::clicked, this, &TMainForm::BtnGrafikClick);
    connect(BtnProto, &QPushButton::clicked, this, &TMainForm::BtnProtoClick);
    connect(BtnErg, &QPushButton::clicked, this, &TMainForm::BtnErgClick);
    connect(SBtnRadi, &QToolButton::clicked, this, &TMainForm::SBtnRadiClick);
    connect(TheoBtn, &QToolButton::clicked, this, &TMainForm::TheoBtnClick);
    connect(AboutBtn, &QToolButton::clicked, this, &TMainForm::AboutBtnClick);
    connect(ExitButton, &QToolButton::clicked, this, &TMainForm::ExitButtonClick);
    connect(Zuruecksetzen, &QAction::triggered, this, &TMainForm::SBtnRadiClick);
    connect(Erlaeut, &QAction::triggered, this, &TMainForm::TheoBtnClick);
    connect(Info, &QAction::triggered, this, &TMainForm::AboutBtnClick);
    connect(Beenden, &QAction::triggered, this, &TMainForm::ExitButtonClick);

    refresh();
    BtnDa58->setFocus();
}

void TMainForm::createMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(u"MainMenu1"_s);
    QMenu *menu = bar->addMenu(u"&Menü"_s);
    menu->setObjectName(u"Menue"_s);
    const auto entry = [menu](const QString &name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    Zuruecksetzen = entry(u"Zuruecksetzen"_s, u"&Zurücksetzen"_s);
    Erlaeut = entry(u"Erlaeut"_s, u"&Erläuterungen"_s);
    Info = entry(u"Info"_s, u"&Info"_s);
    Beenden = entry(u"Beenden"_s, u"&Beenden"_s);
}

void TMainForm::createToolBar()
{
    QWidget *client = centralWidget();
    Panel1 = new QFrame(client);
    Panel1->setObjectName(u"Panel1"_s);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(0, 0, width(), 49);

    Image2 = new QLabel(Panel1);
    Image2->setObjectName(u"Image2"_s);
    Image2->setPixmap(nameLettering());
    Image2->move(24, 14);
    Image2->adjustSize();
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(u"Image1"_s);
    Image1->setPixmap(subjectLettering());
    Image1->move(116, 23);
    Image1->adjustSize();

    SBtnRadi = toolButton(Panel1, u"SBtnRadi"_s, resetIcon(), u"Neu beginnen"_s, 576);
    TheoBtn = toolButton(Panel1, u"TheoBtn"_s, explainIcon(), u"Erläuterungen"_s, 616);
    AboutBtn = toolButton(Panel1, u"AboutBtn"_s, infoIcon(), u"Hersteller-Info"_s, 656);
    ExitButton = toolButton(Panel1, u"ExitButton"_s, exitIcon(), u"Beenden"_s, 696);
}

void TMainForm::showEvent(QShowEvent *event)
{
    centreOnScreen(*this);
    QMainWindow::showEvent(event);
}

void TMainForm::refresh()
{
    const MainWindowState &m = mWorkbench.main();
    SBtnAmp30->setOn(m.SBtnAmp30);
    SBtnAmp58->setOn(m.SBtnAmp58);
    SBtnAmp57->setOn(m.SBtnAmp57);
    BtnDa57->setEnabled(m.BtnDa57);
    BtnStart->setEnabled(m.BtnStart);
    BtnGrafik->setEnabled(m.BtnGrafik);
    BtnProto->setEnabled(m.BtnProto);
    BtnErg->setEnabled(m.BtnErg);
    Label30->setText(fromCp1252(m.Label30));
    Label58->setText(fromCp1252(m.Label58));
    Label57->setText(fromCp1252(m.Label57));
    Label59->setText(fromCp1252(m.Label59));
    VolLabel->setText(fromCp1252(m.VolLabel));
    BerDreiSText->setText(fromCp1252(m.BerDreiSText));
    ErrLabel->setText(fromCp1252(m.ErrLabel));
}

void TMainForm::BtnDa58Click()
{
    mWindows.da30->exec();
    refresh();
}

void TMainForm::XBtnDa58Click()
{
    mWindows.da58->exec();
    refresh();
}

void TMainForm::BtnDa57Click()
{
    mWindows.da57->exec();
    mWorkbench.controlValuesDialogClosed();
    refresh();
}

void TMainForm::BtnStartClick()
{
    StatusLinePainter statusLine(*BerDreiSText);
    {
        WaitCursorScope waitCursor(mWaitCursor);
        mWorkbench.start(mMessageBox, mClock, &statusLine);
    }
    refresh();
}

void TMainForm::BtnGrafikClick()
{
    mWindows.grafik->exec();
}

void TMainForm::BtnProtoClick()
{
    mWindows.proto->exec();
}

void TMainForm::BtnErgClick()
{
    mWindows.erg->exec();
}

void TMainForm::SBtnRadiClick()
{
    mWorkbench.reset();
    mWindows.da30->showWorkbench();
    mWindows.da58->showWorkbench();
    mWindows.da57->showWorkbench();
    refresh();
}

void TMainForm::TheoBtnClick()
{
    mWindows.theo->exec();
}

void TMainForm::AboutBtnClick()
{
    mWindows.about->exec();
}

void TMainForm::ExitButtonClick()
{
    close();
}

} // namespace kubato
