#pragma once

#include <memory>

#include "platform/printtarget.h"

namespace kubato {

// The print dialog, in which the user chooses a printer and its settings.
class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    // The chosen printer, or nothing when the user cancels. A printer that writes a PDF file
    // is set to 600 dots per inch: the page layout of the lists places its texts at fixed
    // printer pixels made for that resolution.
    virtual std::unique_ptr<PrintTarget> choosePrinter() = 0;
};

} // namespace kubato
