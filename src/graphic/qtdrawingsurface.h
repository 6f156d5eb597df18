#pragma once

#include <QBrush>
#include <QPen>

#include "graphic/drawingsurface.h"

class QPainter;

namespace kubato {

// The drawing surface on a QPainter, pixel for pixel as the window canvas draws: no
// antialiasing of outlines, fills or glyphs, so every outline, fill and text box lands on
// whole pixels. Texts are written in the painter's font as it stands when the surface is made
// (the window's font).
class QtDrawingSurface : public DrawingSurface {
public:
    explicit QtDrawingSurface(QPainter &painter);

    void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void setPen(Rgb colour) override;
    void setFill(Rgb colour) override;
    void setNoFill() override;
    void polygon(std::span<const PixelPoint> corners) override;
    void polyline(std::span<const PixelPoint> points) override;
    void text(PixelPoint topLeft, std::string_view text) override;

private:
    QPainter &mPainter;
    QPen mPen;
    QBrush mFill;
};

} // namespace kubato
