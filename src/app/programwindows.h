#pragma once

// All windows of the program, created once at start-up in their fixed order and wired to one
// Workbench and to the desktop's services. main() builds it with the Qt services; the tests
// and the screenshot tool build it with scripted ones.

#include <memory>

#include "app/workbench.h"

namespace kubato {

class Clipboard;
class Clock;
class FileChooser;
class MessageBox;
class PrintDialog;
class WaitCursor;

class TAboutForm;
class TClipForm;
class TDA30Form;
class TDA57Form;
class TDA58Form;
class TErgForm;
class TGrafikForm;
class TLizForm;
class TMainForm;
class TMessForm;
class TProtoForm;
class TTheoForm;

// What the windows need of the desktop. The coordinate and the triangle window each have
// their own file dialog, each remembering its own last file.
struct Ports {
    MessageBox &messageBox;
    FileChooser &openDialog30;
    FileChooser &openDialog58;
    PrintDialog &printDialog;
    Clipboard &clipboard;
    WaitCursor &waitCursor;
    Clock &clock;
};

class ProgramWindows {
public:
    explicit ProgramWindows(const Ports &ports);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows &) = delete;
    ProgramWindows &operator=(const ProgramWindows &) = delete;

    Workbench &workbench() { return mWorkbench; }
    TMainForm &mainForm() { return *mMainForm; }
    TDA30Form &da30Form() { return *mDA30Form; }
    TDA58Form &da58Form() { return *mDA58Form; }
    TDA57Form &da57Form() { return *mDA57Form; }
    TProtoForm &protoForm() { return *mProtoForm; }
    TErgForm &ergForm() { return *mErgForm; }
    TGrafikForm &grafikForm() { return *mGrafikForm; }
    TMessForm &messForm() { return *mMessForm; }
    TLizForm &lizForm() { return *mLizForm; }
    TAboutForm &aboutForm() { return *mAboutForm; }
    TClipForm &clipForm() { return *mClipForm; }
    TTheoForm &theoForm() { return *mTheoForm; }

private:
    Ports mPorts;
    Workbench mWorkbench;
    // The main window owns the other windows as their Qt parent.
    std::unique_ptr<TMainForm> mMainForm;
    TDA30Form *mDA30Form;
    TDA58Form *mDA58Form;
    TDA57Form *mDA57Form;
    TProtoForm *mProtoForm;
    TErgForm *mErgForm;
    TGrafikForm *mGrafikForm;
    TMessForm *mMessForm;
    TLizForm *mLizForm;
    TAboutForm *mAboutForm;
    TClipForm *mClipForm;
    TTheoForm *mTheoForm;
};

} // namespace kubato
