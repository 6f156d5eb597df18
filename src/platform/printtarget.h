#pragma once

#include <string_view>

namespace kubato {

// A printer chosen in the print dialog. Positions are printer pixels from the top-left corner
// of the printable area; a text's position is its top-left corner. Texts are Windows-1252.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    virtual void setJobName(std::string_view name) = 0;
    // The font's pixel height follows printerFontPixels() at the vertical resolution, so that
    // the page layout and the printed glyphs agree on the size.
    virtual void setFont(std::string_view family, int pointSize) = 0;
    virtual int verticalDpi() const = 0;
    // The printable area in printer pixels.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    // The advance width of a text in the font last set, in printer pixels. A target that cannot
    // measure texts reports 0, and the page layout then reckons with the font's nominal width.
    virtual int textWidth(std::string_view /*text*/) const { return 0; }
    virtual void beginDocument() = 0;
    virtual void newPage() = 0;
    virtual void textAt(int x, int y, std::string_view text) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
    virtual void endDocument() = 0;
};

// A font size in points as whole printer pixels at the given resolution: pointSize × dpi / 72,
// rounded to the nearest pixel, as an absolute value (a driver may report a negative
// resolution). Both the page layout of a printed list and the printer's font use it.
constexpr long long printerFontPixels(int pointSize, int dpi)
{
    const long long product = static_cast<long long>(pointSize) * dpi;
    const long long magnitude = product < 0 ? -product : product;
    return (magnitude * 2 + 72) / 144;
}

} // namespace kubato
