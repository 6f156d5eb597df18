#pragma once

// The pictures of the list windows' tool bars, 32 x 32, drawn rather than loaded so that they
// need no image files and look alike on every desktop.

#include <QIcon>

namespace kubato {

// A printer with a sheet of paper: print the list.
QIcon printListIcon();
// A clipboard with an arrow pointing into it and a sheet beside it: copy the list. Its
// disabled state shows a greyed copy of the picture.
QIcon copyListIcon();
// A clipboard with a question mark: show what the clipboard holds.
QIcon showClipboardIcon();

} // namespace kubato
