#include "input/checkreport.h"

#include <string>

#include "common/cp1252.h"

namespace kubato {

void FaultReport::fault(long lineNumber, std::string_view message)
{
    if (!mHeadWritten) {
        mMessages.append(mHead);
        mMessages.append(mRule);
        mMessages.append("");
        mHeadWritten = true;
    }
    const std::string text(message);
    mMessages.appendf(" Zeile= %4li : %s ", lineNumber, text.c_str());
}

void reportNoFile(TextList &messages)
{
    messages.append("");
    messages.append("   Keine Datei geöffnet"_cp);
    messages.append("");
}

} // namespace kubato
