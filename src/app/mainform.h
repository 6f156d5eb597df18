#pragma once

#include <QMainWindow>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace kubato {

class Clock;
class Lamp;
class MessageBox;
class TAboutForm;
class TDA30Form;
class TDA57Form;
class TDA58Form;
class TErgForm;
class TGrafikForm;
class TProtoForm;
class TTheoForm;
class WaitCursor;
class Workbench;

// The main window: opens the input windows, starts the computation, opens the result
// windows, and shows the state of the job with lamps, enabled buttons and status fields.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // The windows the main window opens; they are created after it.
    struct Windows {
        TDA30Form *da30 = nullptr;
        TDA58Form *da58 = nullptr;
        TDA57Form *da57 = nullptr;
        TProtoForm *proto = nullptr;
        TErgForm *erg = nullptr;
        TGrafikForm *grafik = nullptr;
        TAboutForm *about = nullptr;
        TTheoForm *theo = nullptr;
    };

    TMainForm(Workbench &workbench, MessageBox &messageBox, WaitCursor &waitCursor, Clock &clock,
              QWidget *parent = nullptr);

    void setWindows(const Windows &windows) { mWindows = windows; }

    // Shows the Workbench's main-window state in every lamp, button and status field.
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BtnDa58Click();
    void XBtnDa58Click();
    void BtnDa57Click();
    void BtnStartClick();
    void BtnGrafikClick();
    void BtnProtoClick();
    void BtnErgClick();
    void SBtnRadiClick();
    void TheoBtnClick();
    void AboutBtnClick();
    void ExitButtonClick();

    void createToolBar();
    void createMenu();

    Workbench &mWorkbench;
    MessageBox &mMessageBox;
    WaitCursor &mWaitCursor;
    Clock &mClock;
    Windows mWindows;

    QFrame *Panel1;
    QToolButton *SBtnRadi;
    QToolButton *TheoBtn;
    QToolButton *AboutBtn;
    QToolButton *ExitButton;
    QLabel *Image1;
    QLabel *Image2;
    QPushButton *BtnDa58;
    Lamp *SBtnAmp30;
    QLineEdit *Label30;
    QPushButton *XBtnDa58;
    Lamp *SBtnAmp58;
    QLineEdit *Label58;
    QPushButton *BtnDa57;
    Lamp *SBtnAmp57;
    QLineEdit *Label57;
    QLineEdit *Label59;
    QPushButton *BtnStart;
    QLineEdit *VolLabel;
    QLabel *BerDreiSText;
    QPushButton *BtnGrafik;
    QPushButton *BtnProto;
    QPushButton *BtnErg;
    QLabel *ErrLabel;
    QAction *Zuruecksetzen;
    QAction *Erlaeut;
    QAction *Info;
    QAction *Beenden;
};

} // namespace kubato
