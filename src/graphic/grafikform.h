#pragma once

#include <QDialog>
#include <QPointer>

class QPushButton;

namespace kubato {

// The control-graphic window: sizeable, opened maximised. It holds only its tool bar and close
// button until the drawing is built.
class TGrafikForm : public QDialog {
    Q_OBJECT

public:
    explicit TGrafikForm(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void CloseBtnClick();

    QPointer<QWidget> mReturnTo;

    QPushButton *CloseBtn;
};

} // namespace kubato
