#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <array>

#include "common/textlist.h"
#include "platform/qtfixeddialog.h"

class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QToolButton;

namespace kubato {

class Clock;
class PrintDialog;
class TClipForm;

// What tells the protocol window and the prism-values window apart; everything else they do
// alike.
struct ListWindowParameters {
    struct PictureButton {
        QString name;
        QString hint;
    };

    QString formName;
    QString caption;
    QSize clientSize;
    QString viewName;
    bool horizontalScrollBar = true;
    PictureButton print;
    PictureButton copy;
    PictureButton showClipboard;
    QSize pictureButtonSize;
    std::array<int, 3> pictureButtonX{};
    QString closeName;
    QRect closeGeometry;
    // How far left of the printable right edge the date of the page head starts.
    int dateInset = 0;
};

// A window that shows one list of the run (protocol or prism values) read-only in Courier New,
// prints it with head and foot on every page, copies it to the clipboard and opens the
// clipboard window. The list belongs to the Workbench; the window shows it as it stands each
// time it opens.
class TListForm : public FixedDialog {
    Q_OBJECT

public:
    TListForm(const ListWindowParameters &parameters, const TextList &list,
              PrintDialog &printDialog, const Clock &clock, QWidget *parent);

    // The clipboard window exists only after the list windows; it is handed over once it does.
    void setClipForm(TClipForm *clipForm) { mClipForm = clipForm; }

protected:
    void showEvent(QShowEvent *event) override;

    QToolButton *printButton() const { return mPrintButton; }
    QToolButton *copyButton() const { return mCopyButton; }
    QToolButton *showClipboardButton() const { return mShowClipboardButton; }
    QPushButton *closeButton() const { return mCloseButton; }

    // The actions of the tool bar, for the handlers of the two windows.
    void printTheList();
    void copyTheList();
    void showClipboard();
    void closeWindow();

private:
    void showList();

    ListWindowParameters mParameters;
    const TextList &mList;
    PrintDialog &mPrintDialog;
    const Clock &mClock;
    TClipForm *mClipForm = nullptr;
    // The list as the view shows it, so that reopening an unchanged list keeps the place the
    // user had scrolled to.
    TextList mShown;

    QPlainTextEdit *mView;
    QToolButton *mPrintButton;
    QToolButton *mCopyButton;
    QToolButton *mShowClipboardButton;
    QPushButton *mCloseButton;
};

} // namespace kubato
