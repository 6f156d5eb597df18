#include "platform/qtclipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qtencoding.h"

namespace kubato {

void QtClipboard::setText(std::string_view text)
{
    QGuiApplication::clipboard()->setText(fromCp1252(text));
}

std::string QtClipboard::text() const
{
    return toCp1252(QGuiApplication::clipboard()->text());
}

} // namespace kubato
