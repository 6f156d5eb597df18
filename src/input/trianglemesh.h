#pragma once

// Triangle meshes of REB data type DA58: one triangle or quadrilateral per 80-column line.
// Columns 1-2 "58", 8-9 KZ (horizon code), 17-20 running number, 23-30, 33-40, 43-50 the
// point numbers 1 to 3, 54-60 the optional point 4 (a quadrilateral, two triangles).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/pointnumber.h"
#include "common/textlist.h"

namespace kubato {

// The example block shown above the loaded text: 22 lines of 80 columns.
std::vector<std::string> triangleExampleBlock();

// The text a loaded triangle file gives (in Windows-1252, see loadedTextToCp1252), as lines
// each ended by CR LF; no line is removed. A file already in that form is taken without a copy.
std::string triangleTextFromFile(std::string bytes);

struct TriangleCheck {
    TextList messages;      // empty when the text passed
    bool hasLines = false;  // false: "Keine Datei geöffnet", count and fields untouched
    long triangleCount = 0; // TriangleCount: one per line, one more with a point 4
    std::string kzo, zdzo;  // prefills of KZOEdit and ZDZOEdit
    std::string kzu, zdzu;  // prefills of KZUEdit and ZDZUEdit
};

// One line of a triangle text as its check reads it.
struct MeshLine {
    std::int32_t kz = 0;     // columns 8-9
    std::int32_t number = 0; // columns 17-20
    // The point numbers 1 to 4 with every blank removed; point 4 only for a quadrilateral.
    std::array<PointNumber, 4> points;
    bool quadrilateral = false; // columns 54-60 not blank
};

// Takes the lines of a triangle text as its check reads them, in the order of the text; whoever
// keeps them (the run's triangle table) then needs no second reading of the text.
class MeshReceiver {
public:
    virtual ~MeshReceiver() = default;
    // Called once before the first line with how many triangles the text gives as REB files
    // are usually written and at most when it passes the check, told from its size
    // (lineBounds); a faulty text may give more.
    virtual void expect(std::size_t usual, std::size_t most) = 0;
    virtual void line(const MeshLine &line) = 0;
};

// Checks every line of a triangle text, counts the triangles and derives the horizon
// prefills (the first KZ above, the last differing KZ below), for a faulty text as well. Every
// line read goes to the receiver, if one is given.
TriangleCheck checkTriangles(std::string_view text, MeshReceiver *receiver = nullptr);

} // namespace kubato
