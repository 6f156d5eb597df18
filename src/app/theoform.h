#pragma once

#include "platform/qtfixeddialog.h"

class QPushButton;
class QTextEdit;

namespace kubato {

// The explanations window: walks the user through the six working steps of a computation.
class TTheoForm : public FixedDialog {
    Q_OBJECT

public:
    explicit TTheoForm(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void FormActivate();
    void CloseBtnClick();

    QTextEdit *TheoREdit;
    QPushButton *CloseBtn;
};

} // namespace kubato
