#pragma once

#include <functional>
#include <string>

#include "platform/qtfixeddialog.h"

class QFrame;
class QPlainTextEdit;
class QPushButton;

namespace kubato {

class FileChooser;
class MessageBox;
class TMessForm;
class WaitCursor;
class Workbench;
struct CheckOutcome;
struct OpenOutcome;

// What the coordinate and the triangle window share: a tool panel over the grey example block
// and the view of the loaded text; opening a chosen file, read and shown under the wait
// cursor; and OK, which checks under the wait cursor, tells the main window and ends with the
// findings in the message window or the count box.
class FileWindow : public FixedDialog {
    Q_OBJECT

public:
    // The message window exists only after this one; it is handed over once it does.
    void setMessForm(TMessForm *messForm) { mMessForm = messForm; }

    // Shows the caption and the text the Workbench holds now (after opening a file and after
    // a reset).
    virtual void showWorkbench() = 0;

signals:
    // A check has changed the main window's state or the DA57/DA59 fields.
    void workbenchChanged();

protected:
    struct Layout {
        QSize clientSize;
        int panelHeight = 0;
        int exampleHeight = 0;
    };

    FileWindow(const std::string &caption, const Layout &layout, Workbench &workbench,
               MessageBox &messageBox, FileChooser &openDialog, WaitCursor &waitCursor,
               QWidget *parent);

    // The tool panel along the top edge.
    QFrame *panel() const { return mPanel; }
    // A button on the tool panel; the buttons are made in the order of the tab key.
    QPushButton *addButton(const QString &caption, const QString &name, const QRect &geometry);
    // The grey, read-only example block below the panel.
    QPlainTextEdit *addExampleView(const QString &name);
    // The view of the loaded text, filling the rest of the window.
    QPlainTextEdit *addTextView(const QString &name);

    // Lets the user choose a file and has openFile read it into the Workbench; a file that cannot
    // be read is told in a box once the wait cursor is gone.
    void openChosenFile(OpenOutcome (Workbench::*openFile)(const std::string &));
    // Ends OK: runs check under the wait cursor, tells the main window and presents the
    // outcome; an accepted text closes the window.
    void finishOk(const std::function<CheckOutcome()> &check);

    Workbench &mWorkbench;

private:
    MessageBox &mMessageBox;
    FileChooser &mOpenDialog;
    WaitCursor &mWaitCursor;
    TMessForm *mMessForm = nullptr;
    Layout mLayout;
    QFrame *mPanel;
};

} // namespace kubato
