#pragma once

#include <locale.h>

namespace kubato {

// The C locale, for reading and writing numbers with a decimal point whatever locale the
// desktop has set (the windowing toolkit sets the user's locale at start-up).
locale_t cLocale();

} // namespace kubato
