#pragma once

// The drawing surface of the control graphic: what the scene needs from a window's canvas.
// Like a canvas it keeps a pen and a fill; polygons, lines and texts use them as they stand
// when drawn. Positions are whole window pixels, x to the right and y downward.

#include <span>
#include <string_view>

namespace kubato {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Rgb &, const Rgb &) = default;
};

inline constexpr Rgb BlackColour{0, 0, 0};
inline constexpr Rgb WhiteColour{255, 255, 255};
inline constexpr Rgb SilverColour{192, 192, 192};
inline constexpr Rgb NavyColour{0, 0, 128};
inline constexpr Rgb LightGreenColour{192, 220, 192};
inline constexpr Rgb YellowColour{255, 255, 0};

struct PixelPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const PixelPoint &, const PixelPoint &) = default;
};

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Fills the pixels from (left, top) up to, not including, (right, bottom) with colour.
    // Pen and fill stay as they are.
    virtual void fillRect(int left, int top, int right, int bottom, Rgb colour) = 0;

    // The colour of outlines and lines, one pixel wide.
    virtual void setPen(Rgb colour) = 0;
    // The colour inside polygons and behind texts.
    virtual void setFill(Rgb colour) = 0;
    // No fill: polygons are only outlined, and texts leave what lies behind them visible.
    virtual void setNoFill() = 0;

    // A closed polygon through the corners, outlined with the pen and filled with the fill.
    virtual void polygon(std::span<const PixelPoint> corners) = 0;
    // An open line through the points, with the pen.
    virtual void polyline(std::span<const PixelPoint> points) = 0;
    // A Windows-1252 text in the window's font, black, its top-left corner at topLeft; its
    // background box is painted in the fill colour, or left transparent without a fill.
    virtual void text(PixelPoint topLeft, std::string_view text) = 0;
};

} // namespace kubato
