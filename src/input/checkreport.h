#pragma once

// The message list as the file checks fill it: a head line, a rule and an empty line before
// the first faulty line, then one " Zeile= %4i : %s " line per faulty line.

#include <string_view>

#include "common/textlist.h"

namespace kubato {

class FaultReport {
public:
    FaultReport(TextList &messages, std::string_view head, std::string_view rule)
        : mMessages(messages), mHead(head), mRule(rule)
    {}

    // Lists a faulty line (numbered from 1) with the message of the first rule it breaks.
    void fault(long lineNumber, std::string_view message);

private:
    TextList &mMessages;
    std::string_view mHead;
    std::string_view mRule;
    bool mHeadWritten = false;
};

// The three lines for a check without any text: an empty line, "   Keine Datei geöffnet" and
// an empty line.
void reportNoFile(TextList &messages);

} // namespace kubato
