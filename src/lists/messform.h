#pragma once

#include "platform/qtfixeddialog.h"

class QPlainTextEdit;
class QPushButton;

namespace kubato {

class TextList;

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

} // namespace kubato
