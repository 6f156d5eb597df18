#pragma once

// Scripted stand-ins for the desktop's services: they answer at once from a script and record
// what the windows asked, so every window can be driven without a real dialog.

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/programwindows.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/filechooser.h"
#include "platform/messagebox.h"
#include "platform/printdialog.h"
#include "platform/waitcursor.h"

namespace kubato::test {

struct ShownBox {
    std::string caption;
    std::string text;
    bool operator==(const ShownBox &) const = default;
};

class CountingWaitCursor : public WaitCursor {
public:
    void begin() override
    {
        ++depth;
        ++begins;
    }
    void end() override { --depth; }
    int depth = 0;
    int begins = 0;
};

class RecordingMessageBox : public MessageBox {
public:
    void show(std::string_view text, std::string_view caption) override
    {
        shown.push_back({std::string(caption), std::string(text)});
        waitingWhenShown.push_back(cursor != nullptr && cursor->depth > 0);
    }
    std::vector<ShownBox> shown;
    // Whether the wait cursor stood while each box was shown.
    std::vector<bool> waitingWhenShown;
    const CountingWaitCursor *cursor = nullptr;
};

// Answers each call with the next scripted path; nothing scripted means the user cancelled.
class ScriptedFileChooser : public FileChooser {
public:
    std::optional<std::string> chooseFile() override
    {
        ++calls;
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<std::string>> answers;
    int calls = 0;
};

class MemoryClipboard : public Clipboard {
public:
    void setText(std::string_view text) override { content = std::string(text); }
    std::string text() const override { return content; }
    std::string content;
};

class FixedClock : public Clock {
public:
    Date today() const override { return date; }
    Date date{7, 3, 2001};
};

// The user cancels every print dialog.
class CancellingPrintDialog : public PrintDialog {
public:
    std::unique_ptr<PrintTarget> choosePrinter() override
    {
        ++calls;
        return nullptr;
    }
    int calls = 0;
};

struct ScriptedPorts {
    RecordingMessageBox messageBox;
    ScriptedFileChooser openDialog30;
    ScriptedFileChooser openDialog58;
    CancellingPrintDialog printDialog;
    MemoryClipboard clipboard;
    CountingWaitCursor waitCursor;
    FixedClock clock;

    ScriptedPorts() { messageBox.cursor = &waitCursor; }
    ScriptedPorts(const ScriptedPorts &) = delete;
    ScriptedPorts &operator=(const ScriptedPorts &) = delete;

    Ports ports()
    {
        return {messageBox, openDialog30, openDialog58, printDialog, clipboard, waitCursor, clock};
    }
};

} // namespace kubato::test
