#pragma once

#include <array>

#include "input/controlvalues.h"
#include "platform/qtfixeddialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kubato {

class MessageBox;
class Workbench;

// The DA57/DA59 dialog: the reference height and control values, the position name and the
// two horizons, checked field by field on OK.
class TDA57Form : public FixedDialog {
    Q_OBJECT

public:
    TDA57Form(Workbench &workbench, MessageBox &messageBox, QWidget *parent = nullptr);

    // Shows the field texts and the error line as the Workbench holds them; the coordinate
    // and triangle checks and the reset change them while the dialog is hidden.
    void showWorkbench();

signals:
    void workbenchChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OKBtnClick();
    void CancelBtnClick();
    QLineEdit *edit(Field field) const { return mEdits[fieldIndex(field)]; }

    Workbench &mWorkbench;
    MessageBox &mMessageBox;

    QLineEdit *KOBHEdit;
    QLineEdit *KWYXEdit;
    QLineEdit *KWZEdit;
    QLineEdit *POSEdit;
    QLineEdit *KZOEdit;
    QLineEdit *ZDZOEdit;
    QLineEdit *KZUEdit;
    QLineEdit *ZDZUEdit;
    std::array<QLineEdit *, FieldCount> mEdits{};
    QLabel *ErrLabel57;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
};

} // namespace kubato
