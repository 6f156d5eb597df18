#pragma once

#include "lists/listform.h"

namespace kubato {

// The prism-values window: the result list of the last run, to read, print and copy.
class TErgForm : public TListForm {
    Q_OBJECT

public:
    TErgForm(const TextList &result, PrintDialog &printDialog, const Clock &clock,
             QWidget *parent = nullptr);

private:
    static ListWindowParameters parameters();

    void SBtnDruckErgClick();
    void SpBtnClipErgClick();
    void SBtnClipErgFrageClick();
    void CloseBtnClick();
};

} // namespace kubato
