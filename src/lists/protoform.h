#pragma once

#include "platform/qtfixeddialog.h"

class QPushButton;

namespace kubato {

// The protocol window. It holds only its frame and close button until the list view, printing
// and copying are built.
class TProtoForm : public FixedDialog {
    Q_OBJECT

public:
    explicit TProtoForm(QWidget *parent = nullptr);

private:
    void Button1Click();

    QPushButton *Button1;
};

} // namespace kubato
