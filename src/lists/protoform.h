#pragma once

#include "lists/listform.h"

namespace kubato {

// The protocol window: the protocol list of the last run, to read, print and copy.
class TProtoForm : public TListForm {
    Q_OBJECT

public:
    TProtoForm(const TextList &protocol, PrintDialog &printDialog, const Clock &clock,
               QWidget *parent = nullptr);

private:
    static ListWindowParameters parameters();

    void SBtnDruckClick();
    void SBtnProtoClibClick();
    void SBtnProtoClipFrageClick();
    void Button1Click();
};

} // namespace kubato
