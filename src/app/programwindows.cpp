#include "app/programwindows.h"

#include "app/aboutform.h"
#include "app/lizform.h"
#include "app/mainform.h"
#include "app/theoform.h"
#include "graphic/grafikform.h"
#include "input/da30form.h"
#include "input/da57form.h"
#include "input/da58form.h"
#include "lists/clipform.h"
#include "lists/ergform.h"
#include "lists/messform.h"
#include "lists/protoform.h"

namespace kubato {

ProgramWindows::ProgramWindows(const Ports &ports) : mPorts(ports)
{
    mMainForm =
        std::make_unique<TMainForm>(mWorkbench, ports.messageBox, ports.waitCursor, ports.clock);
    TMainForm *main = mMainForm.get();
    mDA30Form =
        new TDA30Form(mWorkbench, ports.messageBox, ports.openDialog30, ports.waitCursor, main);
    mDA58Form =
        new TDA58Form(mWorkbench, ports.messageBox, ports.openDialog58, ports.waitCursor, main);
    mDA57Form = new TDA57Form(mWorkbench, ports.messageBox, main);
    mProtoForm = new TProtoForm(mWorkbench.protocol(), ports.printDialog, ports.clock, main);
    mErgForm = new TErgForm(mWorkbench.result(), ports.printDialog, ports.clock, main);
    mGrafikForm = new TGrafikForm(mWorkbench, ports.waitCursor, main);
    mMessForm = new TMessForm(main);
    mLizForm = new TLizForm(main);
    mAboutForm = new TAboutForm(*mLizForm, main);
    mClipForm = new TClipForm(ports.clipboard, main);
    mTheoForm = new TTheoForm(main);

    mDA30Form->setMessForm(mMessForm);
    mDA58Form->setMessForm(mMessForm);
    mProtoForm->setClipForm(mClipForm);
    mErgForm->setClipForm(mClipForm);
    QObject::connect(mDA30Form, &TDA30Form::workbenchChanged, main, &TMainForm::refresh);
    QObject::connect(mDA58Form, &TDA58Form::workbenchChanged, main, &TMainForm::refresh);
    QObject::connect(mDA57Form, &TDA57Form::workbenchChanged, main, &TMainForm::refresh);
    main->setWindows({mDA30Form, mDA58Form, mDA57Form, mProtoForm, mErgForm, mGrafikForm,
                      mAboutForm, mTheoForm});
}

ProgramWindows::~ProgramWindows() = default;

} // namespace kubato
