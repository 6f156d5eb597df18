#pragma once

#include <string_view>

namespace kubato {

// A printer chosen in the print dialog. Positions are printer pixels from the top-left corner
// of the printable area; a text's position is its top-left corner. Texts are Windows-1252.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    virtual void setJobName(std::string_view name) = 0;
    virtual void setFont(std::string_view family, int pointSize) = 0;
    virtual int verticalDpi() const = 0;
    // The printable area in printer pixels.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    virtual void beginDocument() = 0;
    virtual void newPage() = 0;
    virtual void textAt(int x, int y, std::string_view text) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
    virtual void endDocument() = 0;
};

} // namespace kubato
