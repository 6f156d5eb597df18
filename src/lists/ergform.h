#pragma once

#include "platform/qtfixeddialog.h"

class QPushButton;

namespace kubato {

// The prism-values window. It holds only its frame and close button until the list view,
// printing and copying are built.
class TErgForm : public FixedDialog {
    Q_OBJECT

public:
    explicit TErgForm(QWidget *parent = nullptr);

private:
    void CloseBtnClick();

    QPushButton *CloseBtn;
};

} // namespace kubato
