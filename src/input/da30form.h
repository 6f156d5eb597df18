#pragma once

#include "input/filewindow.h"

class QRadioButton;

namespace kubato {

// The coordinate window: the DA30/DA45 choice with its example block, the loaded text, and
// OK with the check.
class TDA30Form : public FileWindow {
    Q_OBJECT

public:
    TDA30Form(Workbench &workbench, MessageBox &messageBox, FileChooser &openDialog30,
              WaitCursor &waitCursor, QWidget *parent = nullptr);

    // Shows the caption and the coordinate text the Workbench holds now (after opening a
    // file and after a reset).
    void showWorkbench() override;

private:
    void RBtnDa30Click();
    void RBtnDA45Click();
    void BtnOpen30Click();
    void BtnOK30Click();
    void CancelBtnClick();
    void showExampleBlock();

    QPushButton *BtnOpen30;
    QRadioButton *RBtnDa30;
    QRadioButton *RBtnDA45;
    QPushButton *BtnOK30;
    QPushButton *CancelBtn;
    QPlainTextEdit *RichEditbsp30;
    QPlainTextEdit *DA30Edit;
};

} // namespace kubato
