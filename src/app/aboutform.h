#pragma once

#include "platform/qtfixeddialog.h"

class QLabel;
class QPushButton;

namespace kubato {

class TLizForm;

// The info window: the program's name and version, the maker's details, and the way to the
// terms of use.
class TAboutForm : public FixedDialog {
    Q_OBJECT

public:
    explicit TAboutForm(TLizForm &lizForm, QWidget *parent = nullptr);

private:
    void CloseBtnClick();
    void LizenzBtnClick();

    TLizForm &mLizForm;

    QLabel *Image1;
    QLabel *Label1;
    QPushButton *CloseBtn;
    QPushButton *LizenzBtn;
};

} // namespace kubato
