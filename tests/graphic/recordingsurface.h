#pragma once

// A drawing surface that records what a scene draws, one readable line per drawing, each
// with the pen and fill in force at that moment, so that tests compare what the user would
// see rather than the order in which colours were set:
//     fillRect 11,21 279,239 silver
//     polygon navy/lightgreen 45,180 245,180 45,80
//     polyline white 43,78 43,182
//     text 48,83 on none [ NN-Höhe ]        (the text as Windows-1252 bytes)
// The same lines are built for expected results by the functions below.

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/format.h"
#include "graphic/drawingsurface.h"

namespace kubato::test {

inline std::string colourName(std::optional<Rgb> colour)
{
    if (!colour) {
        return "none";
    }
    const struct {
        Rgb rgb;
        const char *name;
    } names[] = {{BlackColour, "black"},   {WhiteColour, "white"},
                 {SilverColour, "silver"}, {NavyColour, "navy"},
                 {YellowColour, "yellow"}, {LightGreenColour, "lightgreen"}};
    for (const auto &n : names) {
        if (n.rgb == *colour) {
            return n.name;
        }
    }
    return format("rgb(%d,%d,%d)", colour->red, colour->green, colour->blue);
}

inline std::string pointsText(std::span<const PixelPoint> points)
{
    std::string out;
    for (const PixelPoint &p : points) {
        appendFormat(out, " %d,%d", p.x, p.y);
    }
    return out;
}

inline std::string fillRectLine(int left, int top, int right, int bottom, Rgb colour)
{
    return format("fillRect %d,%d %d,%d ", left, top, right, bottom) + colourName(colour);
}

inline std::string polygonLine(Rgb pen, std::optional<Rgb> fill,
                               std::initializer_list<PixelPoint> corners)
{
    return "polygon " + colourName(pen) + "/" + colourName(fill) + pointsText(corners);
}

inline std::string polylineLine(Rgb pen, std::initializer_list<PixelPoint> points)
{
    return "polyline " + colourName(pen) + pointsText(points);
}

inline std::string textLine(PixelPoint topLeft, std::optional<Rgb> background,
                            std::string_view text)
{
    return format("text %d,%d on ", topLeft.x, topLeft.y) + colourName(background) + " [" +
           std::string(text) + "]";
}

class RecordingSurface : public DrawingSurface {
public:
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override
    {
        lines.push_back(fillRectLine(left, top, right, bottom, colour));
    }
    void setPen(Rgb colour) override { mPen = colour; }
    void setFill(Rgb colour) override { mFill = colour; }
    void setNoFill() override { mFill.reset(); }
    void polygon(std::span<const PixelPoint> corners) override
    {
        lines.push_back("polygon " + colourName(mPen) + "/" + colourName(mFill) +
                        pointsText(corners));
        all.insert(all.end(), corners.begin(), corners.end());
    }
    void polyline(std::span<const PixelPoint> points) override
    {
        lines.push_back("polyline " + colourName(mPen) + pointsText(points));
        all.insert(all.end(), points.begin(), points.end());
    }
    void text(PixelPoint topLeft, std::string_view text) override
    {
        lines.push_back(textLine(topLeft, mFill, text));
        all.push_back(topLeft);
    }

    // The recorded lines that begin with the given word ("polygon", "text", ...).
    std::vector<std::string> only(std::string_view kind) const
    {
        std::vector<std::string> out;
        for (const std::string &line : lines) {
            if (line.starts_with(kind) && line.size() > kind.size() && line[kind.size()] == ' ') {
                out.push_back(line);
            }
        }
        return out;
    }

    std::vector<std::string> lines;
    // Every pixel position handed over, in order.
    std::vector<PixelPoint> all;

private:
    // A drawing before any pen was set shows the pen as "none".
    std::optional<Rgb> mPen;
    std::optional<Rgb> mFill;
};

} // namespace kubato::test
