#pragma once

#include <string_view>

namespace kubato {

// A modal message box with a text, a caption and an OK button. Texts are Windows-1252.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(std::string_view text, std::string_view caption) = 0;
};

} // namespace kubato
