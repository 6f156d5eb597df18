#pragma once

// The look the windows share: the fonts they name, the colours of window backgrounds and text
// views, and the placing of a window in the middle of the screen.

#include <QColor>
#include <QFont>

class QPlainTextEdit;
class QTextEdit;
class QWidget;

namespace kubato {

// Makes the font names of the windows resolve to fitting fonts: "MS Sans Serif" to a sans
// font of Arial's metrics. ("Courier New" already resolves to Liberation Mono through
// fontconfig.) Call once, before the first window.
void installFontSubstitutes();

QFont msSansSerif(int pointSize);
QFont courierNew(int pointSize);
QFont fontWithPixelHeight(const QString &family, int pixels);

inline QColor silver()
{
    return {192, 192, 192};
}
inline QColor viewGrey()
{
    return {216, 216, 216};
}
inline QColor navy()
{
    return {0, 0, 128};
}

// Window and button background silver, as all the program's windows have.
void setSilverBackground(QWidget &widget);
// Text colour and background of a text view.
void setViewColours(QWidget &view, const QColor &text, const QColor &background);

// A plain-text view in Courier New that shows its lines unwrapped with both scroll bars.
void makeFixedColumnView(QPlainTextEdit &view, int pointSize);
// The grey example block above the text of a file window: Courier New 8, read-only.
void makeExampleView(QPlainTextEdit &view);

// Puts a top-level window in the middle of the available area of its screen. A desktop
// without a window manager would otherwise leave it at the top-left corner.
void centreOnScreen(QWidget &window);

} // namespace kubato
