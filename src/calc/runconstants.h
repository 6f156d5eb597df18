#pragma once

// The constants of a computation run.

#include <string_view>

namespace kubato {

// A findings listing of the protocol list shows a finding while its count, increased first,
// is below this limit (so 49 findings at most); the next one brings the cut-off message.
inline constexpr long MaxListLines = 50;

// The same limit for the prism lines of one section of the result list.
inline constexpr long MaxResultLines = 1000;

// Rule line of the protocol list: one blank and 71 minus signs.
inline constexpr std::string_view ProtoRule =
    " -----------------------------------------------------------------------";
static_assert(ProtoRule.size() == 72);

// Rule line of the result list: one blank and 82 minus signs.
inline constexpr std::string_view ErgRule =
    " ----------------------------------------------------------------------------------";
static_assert(ErgRule.size() == 83);

} // namespace kubato
