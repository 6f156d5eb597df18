#pragma once

#include <QDialog>
#include <QPointer>

#include "graphic/scene.h"

class QCheckBox;
class QFrame;
class QPushButton;
class QRadioButton;

namespace kubato {

class WaitCursor;
class Workbench;

// The control-graphic window: sizeable, opened maximised, a tool bar with the choice of the
// horizons and of the point numbers, and below it the drawing area, in which the meshes of the
// texts the Workbench last accepted are drawn afresh on every paint and every change of choice.
// The choices stay as the user left them from one opening to the next.
class TGrafikForm : public QDialog {
    Q_OBJECT

public:
    TGrafikForm(const Workbench &workbench, WaitCursor &waitCursor, QWidget *parent = nullptr);

    GraphicChoices choices() const;
    // The drawing area Bevel1 in window pixels.
    DrawingArea drawingArea() const;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void createToolBar();
    void ZeichneHorizontClick();
    void FormPaint();
    void CloseBtnClick();

    const Workbench &mWorkbench;
    WaitCursor &mWaitCursor;
    QPointer<QWidget> mReturnTo;

    QFrame *GrafikPanel;
    QFrame *Bevel3;
    QRadioButton *RBtnBeide;
    QRadioButton *RBtn1;
    QRadioButton *RBtn2;
    QFrame *Bevel2;
    QCheckBox *CBoxPNr;
    QPushButton *CloseBtn;
    QPushButton *ZeichneHorizont;
    QFrame *Bevel1;
};

} // namespace kubato
