#pragma once

#include <string>
#include <string_view>

namespace kubato {

// The system clipboard, plain text only. Texts are Windows-1252, lines separated by CR LF.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(std::string_view text) = 0;
    // The clipboard's text, or an empty text when it holds none.
    virtual std::string text() const = 0;
};

} // namespace kubato
