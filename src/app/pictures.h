#pragma once

// The program's own pictures, drawn rather than loaded, so that they need no image files and
// look alike on every desktop: the program icon, the tool-bar pictures of the main window and
// the two pictures of its tool bar.

#include <QIcon>
#include <QPixmap>

namespace kubato {

// A triangular prism on a mesh: the program icon.
QPixmap programPicture(int size);
QIcon programIcon();

// The tool-bar pictures of the main window, 32 x 32. Each takes the desktop's icon theme's
// picture when the theme has a fitting one and the drawn one otherwise.
QIcon resetIcon();   // an eraser: start again
QIcon explainIcon(); // an open book: explanations
QIcon infoIcon();    // an "i": the maker's details
QIcon exitIcon();    // a door with an arrow: end the program

// The two fixed pictures of the main window's tool bar: the program name and its subject.
QPixmap nameLettering();
QPixmap subjectLettering();

} // namespace kubato
