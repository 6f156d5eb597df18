#pragma once

#include "platform/qtfixeddialog.h"

class QPushButton;
class QTextEdit;

namespace kubato {

// The terms-of-use window, opened from the info window.
class TLizForm : public FixedDialog {
    Q_OBJECT

public:
    explicit TLizForm(QWidget *parent = nullptr);

private:
    void FormCreate();
    void CloseBtnClick();

    QTextEdit *LizREdit;
    QPushButton *CloseBtn;
};

} // namespace kubato
