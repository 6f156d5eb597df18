#include "platform/qtlook.h"

#include <QPlainTextEdit>
#include <QScreen>
#include <QWidget>

namespace kubato {

using namespace Qt::StringLiterals;

void installFontSubstitutes()
{
    QFont::insertSubstitution(u"MS Sans Serif"_s, u"Liberation Sans"_s);
}

QFont msSansSerif(int pointSize)
{
    return QFont(u"MS Sans Serif"_s, pointSize);
}

QFont courierNew(int pointSize)
{
    QFont font(u"Courier New"_s, pointSize);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QFont fontWithPixelHeight(const QString &family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

void setSilverBackground(QWidget &widget)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, silver());
    palette.setColor(QPalette::Button, silver());
    // Disabled captions in the classic dark grey: the style's own is too faint on silver.
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void setViewColours(QWidget &view, const QColor &text, const QColor &background)
{
    QPalette palette = view.palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, background);
    view.setPalette(palette);
}

void makeFixedColumnView(QPlainTextEdit &view, int pointSize)
{
    view.setFont(courierNew(pointSize));
    view.setLineWrapMode(QPlainTextEdit::NoWrap);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void makeExampleView(QPlainTextEdit &view)
{
    makeFixedColumnView(view, 8);
    setViewColours(view, Qt::black, viewGrey());
    view.setReadOnly(true);
    view.setUndoRedoEnabled(false);
}

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    window.move(frame.topLeft().x() < area.left() ? area.left() : frame.topLeft().x(),
                frame.topLeft().y() < area.top() ? area.top() : frame.topLeft().y());
}

} // namespace kubato
