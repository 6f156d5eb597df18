#include "graphic/qtdrawingsurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPoint>
#include <QVarLengthArray>

#include "platform/qtencoding.h"

namespace kubato {

namespace {

QColor toColour(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

// One pixel wide whatever the painter's transformation, and the last pixel of an open line
// drawn, so that a line closed back to its start leaves no gap at the corner.
QPen onePixelPen(Rgb colour)
{
    QPen pen(toColour(colour));
    pen.setWidth(0);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QVarLengthArray<QPoint, 8> toQPoints(std::span<const PixelPoint> points)
{
    QVarLengthArray<QPoint, 8> result;
    result.reserve(static_cast<qsizetype>(points.size()));
    for (const PixelPoint &p : points) {
        result.append(QPoint(p.x, p.y));
    }
    return result;
}

} // namespace

QtDrawingSurface::QtDrawingSurface(QPainter &painter)
    : mPainter(painter), mPen(onePixelPen(BlackColour)), mFill(Qt::NoBrush)
{
    mPainter.setRenderHint(QPainter::Antialiasing, false);
    // Glyphs without antialiasing, like the bitmap font the window names: a number written
    // again at the same corner then leaves the same pixels instead of growing bolder.
    mPainter.setRenderHint(QPainter::TextAntialiasing, false);
    QFont font = mPainter.font();
    font.setStyleStrategy(QFont::NoAntialias);
    mPainter.setFont(font);
    mPainter.setPen(mPen);
    mPainter.setBrush(mFill);
    mPainter.setBackgroundMode(Qt::TransparentMode);
}

void QtDrawingSurface::fillRect(int left, int top, int right, int bottom, Rgb colour)
{
    if (right <= left || bottom <= top) {
        return;
    }
    mPainter.fillRect(QRect(left, top, right - left, bottom - top), toColour(colour));
}

void QtDrawingSurface::setPen(Rgb colour)
{
    mPen = onePixelPen(colour);
    mPainter.setPen(mPen);
}

void QtDrawingSurface::setFill(Rgb colour)
{
    mFill = QBrush(toColour(colour));
    mPainter.setBrush(mFill);
}

void QtDrawingSurface::setNoFill()
{
    mFill = QBrush(Qt::NoBrush);
    mPainter.setBrush(mFill);
}

void QtDrawingSurface::polygon(std::span<const PixelPoint> corners)
{
    if (corners.empty()) {
        return;
    }
    const QVarLengthArray<QPoint, 8> points = toQPoints(corners);
    mPainter.drawPolygon(points.constData(), static_cast<int>(points.size()));
}

void QtDrawingSurface::polyline(std::span<const PixelPoint> points)
{
    if (points.empty()) {
        return;
    }
    const QVarLengthArray<QPoint, 8> qpoints = toQPoints(points);
    mPainter.drawPolyline(qpoints.constData(), static_cast<int>(qpoints.size()));
}

void QtDrawingSurface::text(PixelPoint topLeft, std::string_view text)
{
    // Texts are black whatever the pen; the fill, when set, paints the text's box.
    const bool opaque = mFill.style() != Qt::NoBrush;
    mPainter.setPen(QPen(Qt::black));
    mPainter.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    if (opaque) {
        mPainter.setBackground(mFill);
    }
    // QPainter places a text by its baseline.
    const int baseline = topLeft.y + mPainter.fontMetrics().ascent();
    mPainter.drawText(QPoint(topLeft.x, baseline), fromCp1252(text));
    mPainter.setBackgroundMode(Qt::TransparentMode);
    mPainter.setPen(mPen);
}

} // namespace kubato
