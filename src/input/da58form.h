#pragma once

#include "platform/qtfixeddialog.h"

class QPlainTextEdit;
class QPushButton;

namespace kubato {

class FileChooser;
class MessageBox;
class TMessForm;
class WaitCursor;
class Workbench;

// The triangle window: the DA58 example block, the loaded text (editable: what is checked is
// the text as it stands), and OK with the check.
class TDA58Form : public FixedDialog {
    Q_OBJECT

public:
    TDA58Form(Workbench &workbench, MessageBox &messageBox, FileChooser &openDialog58,
              WaitCursor &waitCursor, QWidget *parent = nullptr);

    // The message window exists only after this one; it is handed over once it does.
    void setMessForm(TMessForm *messForm) { mMessForm = messForm; }

    // Shows the caption and the triangle text the Workbench holds now (after opening a file
    // and after a reset); edits not yet checked are replaced.
    void showWorkbench();

signals:
    // A check has changed the main window's state or the DA57/DA59 fields.
    void workbenchChanged();

private:
    void BtnOpen58Click();
    void BtnOK58Click();
    void CancelBtnClick();

    Workbench &mWorkbench;
    MessageBox &mMessageBox;
    FileChooser &mOpenDialog58;
    WaitCursor &mWaitCursor;
    TMessForm *mMessForm = nullptr;

    QPushButton *BtnOpen58;
    QPushButton *BtnOK58;
    QPushButton *CancelBtn;
    QPlainTextEdit *RichEditbsp58;
    QPlainTextEdit *DA58Edit;
};

} // namespace kubato
