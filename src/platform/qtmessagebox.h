#pragma once

#include "platform/messagebox.h"

namespace kubato {

// The message box as a QMessageBox with an OK button, modal over the window in front.
class QtMessageBox : public MessageBox {
public:
    void show(std::string_view text, std::string_view caption) override;
};

} // namespace kubato
