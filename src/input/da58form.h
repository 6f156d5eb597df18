#pragma once

#include "input/filewindow.h"

namespace kubato {

// The triangle window: the DA58 example block, the loaded text (editable: what is checked is
// the text as it stands), and OK with the check.
class TDA58Form : public FileWindow {
    Q_OBJECT

public:
    TDA58Form(Workbench &workbench, MessageBox &messageBox, FileChooser &openDialog58,
              WaitCursor &waitCursor, QWidget *parent = nullptr);

    // Shows the caption and the triangle text the Workbench holds now (after opening a file
    // and after a reset); edits not yet checked are replaced.
    void showWorkbench() override;

private:
    void BtnOpen58Click();
    void BtnOK58Click();
    void CancelBtnClick();

    QPushButton *BtnOpen58;
    QPushButton *BtnOK58;
    QPushButton *CancelBtn;
    QPlainTextEdit *RichEditbsp58;
    QPlainTextEdit *DA58Edit;
};

} // namespace kubato
