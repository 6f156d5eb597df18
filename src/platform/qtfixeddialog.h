#pragma once

#include <QDialog>
#include <QPointer>

namespace kubato {

// A window of the program other than the main window: a dialog with a fixed client area that
// cannot be resized, a silver background, and its place in the middle of the screen each
// time it is shown.
class FixedDialog : public QDialog {
    Q_OBJECT

public:
    FixedDialog(const QString &caption, QSize clientSize, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QPointer<QWidget> mReturnTo;
};

// Gives the input focus back to the window that had it before a modal window opened over it.
// A window manager would do so itself; a bare X display (Xvfb, kiosk set-ups) leaves the
// keyboard with no window at all once the modal window is gone.
void returnFocusTo(QWidget *window);

} // namespace kubato
