// Arbitrary bytes as the texts of the control graphic, with any choice of horizon, point
// numbers and any window size. The drawing goes to a surface that draws nothing but checks
// every call: colours are colours, pixel positions are bounded by the window and the scene's
// own clamp, rectangles are ordered, polygons and lines have their number of corners, and the
// triangles of the meshes stay inside the drawing area whenever it leaves room for a picture.
//
// Input: one flag byte (bits 0-1: the horizon choice, bit 2: point numbers, bit 3: DA45), the
// drawing area as four 16-bit values (left, top, width, height, little-endian, signed), then
// the coordinate text and the triangle text separated by the byte 0x1E.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string_view>

#include "graphic/drawingsurface.h"
#include "graphic/scene.h"

using namespace kubato;

namespace {

constexpr char PartSeparator = '\x1e';
// The scene clamps a position to a million pixels either way; everything it adds to that
// (frame, arrowheads, labels) stays within a few dozen pixels.
constexpr long long ClampedPixels = 1000000;
constexpr long long Decoration = 200;
// Below this size the scale becomes 0 and the picture shrinks to the middle of the area.
constexpr int RoomForAPicture = 72;

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

class CheckingSurface final : public DrawingSurface {
public:
    explicit CheckingSurface(const DrawingArea &area)
        : mArea(area), mBound(ClampedPixels + Decoration + absolute(area.left) +
                              absolute(area.top) + absolute(area.width) + absolute(area.height))
    {}

    void fillRect(int left, int top, int right, int bottom, Rgb colour) override
    {
        requireColour(colour);
        requireSane(left, top);
        requireSane(right, bottom);
        require(left <= right && top <= bottom);
        require(left >= mArea.left && top >= mArea.top && right <= mArea.left + mArea.width &&
                bottom <= mArea.bottom());
    }
    void setPen(Rgb colour) override
    {
        requireColour(colour);
        mPen = colour;
    }
    void setFill(Rgb colour) override
    {
        requireColour(colour);
        mFill = colour;
    }
    void setNoFill() override { mFill.reset(); }

    void polygon(std::span<const PixelPoint> corners) override
    {
        require(corners.size() == 3);
        for (const PixelPoint &p : corners) {
            requireSane(p.x, p.y);
        }
        // Arrowheads are drawn with the black pen, the meshes with navy or white.
        if (!(mPen == BlackColour) && mArea.width >= RoomForAPicture &&
            mArea.height >= RoomForAPicture) {
            for (const PixelPoint &p : corners) {
                require(p.x >= mArea.left && p.x <= mArea.left + mArea.width);
                require(p.y >= mArea.top && p.y <= mArea.bottom());
            }
        }
    }
    void polyline(std::span<const PixelPoint> points) override
    {
        require(points.size() == 2 || points.size() == 5);
        for (const PixelPoint &p : points) {
            requireSane(p.x, p.y);
        }
    }
    void text(PixelPoint topLeft, std::string_view text) override
    {
        requireSane(topLeft.x, topLeft.y);
        // A label or a point number of at most seven characters; a dimension's value is
        // written with one decimal and may be long only for absurd extents.
        require(text.size() <= 400);
    }

private:
    static long long absolute(int v) { return v < 0 ? -static_cast<long long>(v) : v; }

    static void requireColour(Rgb c)
    {
        require(c.red >= 0 && c.red <= 255 && c.green >= 0 && c.green <= 255 && c.blue >= 0 &&
                c.blue <= 255);
    }
    void requireSane(int x, int y) const
    {
        require(absolute(x) <= mBound && absolute(y) <= mBound);
    }

    DrawingArea mArea;
    long long mBound;
    Rgb mPen{};
    std::optional<Rgb> mFill;
};

int signed16(const std::uint8_t *p)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    constexpr std::size_t head = 9;
    if (size < head) {
        return 0;
    }
    GraphicChoices choices;
    switch (data[0] & 3) {
    case 1:
        choices.horizon = HorizonChoice::First;
        break;
    case 2:
        choices.horizon = HorizonChoice::Second;
        break;
    default:
        choices.horizon = HorizonChoice::Both;
        break;
    }
    choices.pointNumbers = (data[0] & 4) != 0;
    const DrawingArea area{signed16(data + 1), signed16(data + 3), signed16(data + 5),
                           signed16(data + 7)};

    const std::string_view rest(reinterpret_cast<const char *>(data + head), size - head);
    const std::size_t separator = rest.find(PartSeparator);
    GraphicTexts texts;
    texts.coordinateText = rest.substr(0, separator);
    texts.triangleText =
        separator == std::string_view::npos ? std::string_view() : rest.substr(separator + 1);
    texts.coordinateType = (data[0] & 8) != 0 ? CoordinateType::DA45 : CoordinateType::DA30;

    CheckingSurface surface(area);
    const SceneOutcome outcome = drawControlGraphic(surface, texts, area, choices);
    require(outcome.CBoxPNrEnabled == (choices.horizon != HorizonChoice::Both));
    return 0;
}
