#pragma once

// The one crossing between the program's Windows-1252 texts and Qt's QString. Every text that
// a window shows or reads passes through here.

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace kubato {

class TextList;

QString fromCp1252(std::string_view bytes);
// A character that Windows-1252 lacks becomes '?'.
std::string toCp1252(const QString &text);

// A loaded text (lines ended by CR LF, a lone CR or a lone LF) as a text view holds it: one
// block per line, so the view shows exactly the lines the checks see, an empty last line
// included.
QString viewText(std::string_view text);

// The lines of a list as a text view holds them, one block per line.
QString viewText(const TextList &lines);
QString viewText(const std::vector<std::string> &lines);

// The text of a view's blocks (its plain or raw text), each line ended by CR LF; an empty view
// holds no line.
std::string textOfView(const QString &plainText);

} // namespace kubato
