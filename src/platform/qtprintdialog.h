#pragma once

#include "platform/printdialog.h"

namespace kubato {

// QPrintDialog over the window in front. Printing to a PDF file is set to 600 dots per inch:
// the lists place their texts in unscaled printer pixels, laid out for that resolution.
class QtPrintDialog : public PrintDialog {
public:
    std::unique_ptr<PrintTarget> choosePrinter() override;
};

} // namespace kubato
