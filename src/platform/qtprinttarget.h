#pragma once

#include <QFont>
#include <QPainter>

#include <memory>

#include "platform/printtarget.h"

class QPrinter;

namespace kubato {

// A printer chosen in the print dialog, painted on with QPainter in printer pixels.
class QtPrintTarget : public PrintTarget {
public:
    explicit QtPrintTarget(std::unique_ptr<QPrinter> printer);
    ~QtPrintTarget() override;

    void setJobName(std::string_view name) override;
    void setFont(std::string_view family, int pointSize) override;
    int verticalDpi() const override;
    int pageWidth() const override;
    int pageHeight() const override;
    int textWidth(std::string_view text) const override;
    void beginDocument() override;
    void newPage() override;
    void textAt(int x, int y, std::string_view text) override;
    void line(int x1, int y1, int x2, int y2) override;
    void endDocument() override;

private:
    std::unique_ptr<QPrinter> mPrinter;
    QPainter mPainter;
    QFont mFont;
};

} // namespace kubato
