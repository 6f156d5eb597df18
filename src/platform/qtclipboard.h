#pragma once

#include "platform/clipboard.h"

namespace kubato {

// The system clipboard through QClipboard; texts cross as Unicode, lines keep their CR LF.
class QtClipboard : public Clipboard {
public:
    void setText(std::string_view text) override;
    std::string text() const override;
};

} // namespace kubato
