#include "platform/qtprinttarget.h"

#include <QFontMetrics>
#include <QPrinter>

#include <algorithm>

#include "platform/qtencoding.h"

namespace kubato {

QtPrintTarget::QtPrintTarget(std::unique_ptr<QPrinter> printer) : mPrinter(std::move(printer)) {}

QtPrintTarget::~QtPrintTarget()
{
    if (mPainter.isActive()) {
        mPainter.end();
    }
}

void QtPrintTarget::setJobName(std::string_view name)
{
    mPrinter->setDocName(fromCp1252(name));
}

void QtPrintTarget::setFont(std::string_view family, int pointSize)
{
    // The size is set in whole printer pixels, as the page layout reckons; a point size would
    // leave Qt a fractional pixel height.
    mFont = QFont(fromCp1252(family));
    const long long pixels = printerFontPixels(pointSize, verticalDpi());
    mFont.setPixelSize(static_cast<int>(std::clamp<long long>(pixels, 1, 100000)));
    if (mPainter.isActive()) {
        mPainter.setFont(mFont);
    }
}

int QtPrintTarget::verticalDpi() const
{
    return mPrinter->resolution();
}

int QtPrintTarget::pageWidth() const
{
    return static_cast<int>(mPrinter->pageRect(QPrinter::DevicePixel).width());
}

int QtPrintTarget::pageHeight() const
{
    return static_cast<int>(mPrinter->pageRect(QPrinter::DevicePixel).height());
}

int QtPrintTarget::textWidth(std::string_view text) const
{
    return QFontMetrics(mFont, mPrinter.get()).horizontalAdvance(fromCp1252(text));
}

void QtPrintTarget::beginDocument()
{
    mPainter.begin(mPrinter.get());
    mPainter.setFont(mFont);
}

void QtPrintTarget::newPage()
{
    mPrinter->newPage();
}

void QtPrintTarget::textAt(int x, int y, std::string_view text)
{
    mPainter.drawText(x, y + mPainter.fontMetrics().ascent(), fromCp1252(text));
}

void QtPrintTarget::line(int x1, int y1, int x2, int y2)
{
    mPainter.drawLine(x1, y1, x2, y2);
}

void QtPrintTarget::endDocument()
{
    mPainter.end();
}

} // namespace kubato
