#pragma once

// The fixed texts of the explanations and terms-of-use windows: lines appended one by one,
// headings in bold, in a read-only view that can be selected in but not edited.

#include <span>
#include <string_view>

class QTextEdit;

namespace kubato {

struct HeadedLine {
    bool heading;          // bold
    std::string_view text; // Windows-1252
};

// Builders for the tables of lines, so a text reads as headings and body lines.
constexpr HeadedLine heading(std::string_view text)
{
    return {true, text};
}
constexpr HeadedLine body(std::string_view text)
{
    return {false, text};
}

// Makes the view read-only and selectable, light grey, and fills it with the lines.
void fillHeadedText(QTextEdit &view, std::span<const HeadedLine> lines);

} // namespace kubato
