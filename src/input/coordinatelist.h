#pragma once

// Coordinate lists of REB data types DA30 (one point per 80-column line) and DA45 (up to two
// points per line): the example blocks, the opening rule for a loaded file and the check.
//
// DA30: columns 1-2 "30", 3-4 KZ, 13-20 point number, 51-60 y, 61-70 x, 71-80 z.
// DA45: columns 1-2 "45", 3-9 number, 11-20 y, 21-30 x, 31-40 z of the first point;
//       43-49 number, 51-60 y, 61-70 x, 71-80 z of the optional second point.
// Values are whole millimetres.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/pointnumber.h"
#include "common/textlist.h"

namespace kubato {

enum class CoordinateType { DA30, DA45 };

// The example block shown above the loaded text: 24 lines (DA30) or 16 lines (DA45) of 80
// columns, the sample points from line 8 on.
std::vector<std::string> coordinateExampleBlock(CoordinateType type);

// The text a loaded coordinate file gives (in Windows-1252, see loadedTextToCp1252), as lines
// each ended by CR LF. Trailing lines shorter than 80 characters are dropped (an empty last
// line, a short closing line); a last line that begins with "45" and reaches column 40 stays,
// since it holds one whole DA45 point written without the blanks of an absent second point.
// A file already in that form is taken without a copy.
std::string coordinateTextFromFile(std::string bytes);

// The position name prefilled from a coordinate file: at most 6 characters of the file name
// (after the last path separator), stopping before the first ".".
std::string positionFromPath(std::string_view lowerCasePath);

// Takes the points of a coordinate text as its check reads them, in the order of the text:
// the point of a DA30 line; the first point of a DA45 line and its second where columns 43-49
// hold a number. Values in metres. Whoever keeps the points (the run's point table) then needs
// no second reading of the text.
class CoordinateReceiver {
public:
    virtual ~CoordinateReceiver() = default;
    // Called once before the first point with how many points the text gives as REB files
    // are usually written and at most when it passes the check, told from its size
    // (lineBounds); a faulty text may give more.
    virtual void expect(std::size_t usual, std::size_t most) = 0;
    virtual void point(const PointNumber &number, double y, double x, double z) = 0;
};

struct CoordinateCheck {
    TextList messages;          // empty when the text passed
    long pointCount = 0;        // PointCount as the check sets it
    double lowestHeight = 9999; // lowest height in whole metres (floor), start value 9999.0
};

// Checks every line of a coordinate text column by column and counts its points; every point
// read goes to the receiver, if one is given.
CoordinateCheck checkCoordinates(std::string_view text, CoordinateType type,
                                 CoordinateReceiver *receiver = nullptr);

// The KOBHEdit prefill from the lowest height: "%.3f".
std::string kobhPrefill(double lowestHeight);

} // namespace kubato
