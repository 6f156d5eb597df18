#pragma once

#include <string_view>

#include "platform/qtfixeddialog.h"

class QEvent;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;

namespace kubato {

class Clipboard;

// The clipboard window: shows the text now on the system clipboard, whichever program put it
// there. Its hidden field ClipEdit is the list windows' way onto the clipboard.
class TClipForm : public FixedDialog {
    Q_OBJECT

public:
    explicit TClipForm(Clipboard &clipboard, QWidget *parent = nullptr);

    // Puts the text (lines separated by CR LF) on the clipboard as plain text, and keeps it in
    // ClipEdit as the record of what was copied last.
    void copyToClipboard(std::string_view text);

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void FormActivate();
    void Button1Click();

    Clipboard &mClipboard;
    QPlainTextEdit *ClipProtoEdit;
    QPlainTextEdit *ClipEdit;
    QPushButton *Button1;
};

} // namespace kubato
