#pragma once

#include "platform/qtfixeddialog.h"

class QPlainTextEdit;
class QPushButton;

namespace kubato {

class MessageBox;
class TextList;
struct CheckOutcome;

// The message window: lists the findings of a coordinate or triangle check.
class TMessForm : public FixedDialog {
    Q_OBJECT

public:
    explicit TMessForm(QWidget *parent = nullptr);

    // Fills the message list with the lines and shows the window modally.
    void showMessages(const TextList &lines);
    int lineCount() const;

private:
    void CloseBtnClick();

    QPlainTextEdit *MessEdit;
    QPushButton *CloseBtn;
};

// Ends the OK of a file window: a refused text lists its findings in the message window (the
// file window stays open), an accepted one shows its count box. Returns whether the file
// window may close.
bool presentCheckOutcome(const CheckOutcome &outcome, const TextList &messages, TMessForm *messForm,
                         MessageBox &messageBox);

} // namespace kubato
