#pragma once

#include "platform/qtfixeddialog.h"

class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kubato {

class FileChooser;
class MessageBox;
class TMessForm;
class WaitCursor;
class Workbench;

// The coordinate window: the DA30/DA45 choice with its example block, the loaded text, and
// OK with the check.
class TDA30Form : public FixedDialog {
    Q_OBJECT

public:
    TDA30Form(Workbench &workbench, MessageBox &messageBox, FileChooser &openDialog30,
              WaitCursor &waitCursor, QWidget *parent = nullptr);

    // The message window exists only after this one; it is handed over once it does.
    void setMessForm(TMessForm *messForm) { mMessForm = messForm; }

    // Shows the caption and the coordinate text the Workbench holds now (after opening a
    // file and after a reset).
    void showWorkbench();

signals:
    // A check has changed the main window's state.
    void workbenchChanged();

private:
    void RBtnDa30Click();
    void RBtnDA45Click();
    void BtnOpen30Click();
    void BtnOK30Click();
    void CancelBtnClick();
    void showExampleBlock();

    Workbench &mWorkbench;
    MessageBox &mMessageBox;
    FileChooser &mOpenDialog30;
    WaitCursor &mWaitCursor;
    TMessForm *mMessForm = nullptr;

    QPushButton *BtnOpen30;
    QRadioButton *RBtnDa30;
    QRadioButton *RBtnDA45;
    QPushButton *BtnOK30;
    QPushButton *CancelBtn;
    QPlainTextEdit *RichEditbsp30;
    QPlainTextEdit *DA30Edit;
};

} // namespace kubato
