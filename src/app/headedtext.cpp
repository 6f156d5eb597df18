#include "app/headedtext.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

#include "platform/qtencoding.h"
#include "platform/qtlook.h"

namespace kubato {

void fillHeadedText(QTextEdit &view, std::span<const HeadedLine> lines)
{
    view.setReadOnly(true);
    view.setUndoRedoEnabled(false);
    view.setAcceptRichText(false);
    view.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setViewColours(view, Qt::black, viewGrey());
    view.clear();

    QTextCursor cursor(view.document());
    QTextCharFormat regular;
    regular.setFontWeight(QFont::Normal);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bool first = true;
    for (const HeadedLine &line : lines) {
        if (!first) {
            cursor.insertBlock();
        }
        first = false;
        cursor.insertText(fromCp1252(line.text), line.heading ? bold : regular);
    }
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view.moveCursor(QTextCursor::Start);
}

} // namespace kubato
