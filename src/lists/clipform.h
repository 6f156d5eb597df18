#pragma once

#include "platform/qtfixeddialog.h"

class QPushButton;

namespace kubato {

// The clipboard window. It holds only its frame and close button until the clipboard view is
// built.
class TClipForm : public FixedDialog {
    Q_OBJECT

public:
    explicit TClipForm(QWidget *parent = nullptr);

private:
    void Button1Click();

    QPushButton *Button1;
};

} // namespace kubato
