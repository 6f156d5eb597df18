#pragma once

// A printer that records what a page layout prints, one readable line per call:
//     job [ KUBATO 5.1]
//     font Courier New 8
//     begin / newPage / end
//     text 200,186 [Programm  KUBATO 5.1]      (the text as Windows-1252 bytes)
//     line 200,375 4592,375
// Texts are measured as a monospaced font would be: 0.6 of the font's pixel height per
// character, unless a test sets its own character width or makes the printer unable to measure.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/format.h"
#include "platform/clock.h"
#include "platform/printtarget.h"

namespace kubato::test {

inline std::string textCall(long long x, long long y, std::string_view text)
{
    return format("text %lld,%lld [", x, y) + std::string(text) + "]";
}

inline std::string lineCall(long long x1, long long y1, long long x2, long long y2)
{
    return format("line %lld,%lld %lld,%lld", x1, y1, x2, y2);
}

class RecordingPrinter : public PrintTarget {
public:
    RecordingPrinter(int dpi, int width, int height) : mDpi(dpi), mWidth(width), mHeight(height) {}

    void setJobName(std::string_view name) override
    {
        calls.push_back("job [" + std::string(name) + "]");
    }
    void setFont(std::string_view family, int pointSize) override
    {
        mFontPixels = static_cast<int>(printerFontPixels(pointSize, mDpi));
        calls.push_back(
            format("font %.*s %d", static_cast<int>(family.size()), family.data(), pointSize));
    }
    int verticalDpi() const override { return mDpi; }
    int pageWidth() const override { return mWidth; }
    int pageHeight() const override { return mHeight; }
    int textWidth(std::string_view text) const override
    {
        if (!measures) {
            return PrintTarget::textWidth(text);
        }
        if (mFontPixels < 0) {
            ADD_FAILURE() << "a text is measured before the font is set";
        }
        const int perChar = charWidth > 0 ? charWidth : mFontPixels * 3 / 5;
        return static_cast<int>(text.size()) * perChar;
    }
    void beginDocument() override
    {
        mOpen = true;
        calls.push_back("begin");
    }
    void newPage() override
    {
        expectOpen("newPage");
        calls.push_back("newPage");
    }
    void textAt(int x, int y, std::string_view text) override
    {
        expectOpen("text");
        calls.push_back(textCall(x, y, text));
    }
    void line(int x1, int y1, int x2, int y2) override
    {
        expectOpen("line");
        calls.push_back(lineCall(x1, y1, x2, y2));
    }
    void endDocument() override
    {
        expectOpen("end");
        mOpen = false;
        calls.push_back("end");
    }

    // The calls between begin and end, split at every new page.
    std::vector<std::vector<std::string>> pages() const
    {
        std::vector<std::vector<std::string>> out;
        bool inside = false;
        for (const std::string &call : calls) {
            if (call == "begin" || call == "newPage") {
                out.emplace_back();
                inside = true;
            } else if (call == "end") {
                inside = false;
            } else if (inside) {
                out.back().push_back(call);
            }
        }
        return out;
    }

    std::vector<std::string> calls;
    bool measures = true;
    // Pixels per character in place of the font's own width, when above 0.
    int charWidth = 0;

private:
    void expectOpen(const char *what) const
    {
        if (!mOpen) {
            ADD_FAILURE() << what << " outside the document";
        }
    }

    int mDpi;
    int mWidth;
    int mHeight;
    int mFontPixels = -1;
    bool mOpen = false;
};

// A clock whose every reading gives the next day of the month (the 28th is followed by the 1st),
// so that a test sees when the date was read.
class SteppingClock final : public Clock {
public:
    explicit SteppingClock(Date first) : mNext(first) {}
    Date today() const override
    {
        const Date date = mNext;
        mNext.day = mNext.day % 28 + 1;
        return date;
    }

private:
    mutable Date mNext;
};

} // namespace kubato::test
