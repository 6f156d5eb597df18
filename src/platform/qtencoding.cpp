#include "platform/qtencoding.h"

#include <QStringList>

#include "common/cp1252.h"
#include "common/textlist.h"

namespace kubato {

using namespace Qt::StringLiterals;

QString fromCp1252(std::string_view bytes)
{
    const std::string utf8 = cp1252ToUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toCp1252(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString viewText(std::string_view text)
{
    QString view = fromCp1252(text);
    view.replace(u"\r\n"_s, u"\n"_s);
    view.replace(u'\r', u'\n');
    // The break after the last line ends it; it starts no further block.
    if (view.endsWith(u'\n')) {
        view.chop(1);
    }
    return view;
}

QString viewText(const TextList &lines)
{
    // The list's text joins its lines by CR LF with no break after the last, so an empty last
    // line still gets its block.
    QString view = fromCp1252(lines.text());
    view.replace(u"\r\n"_s, u"\n"_s);
    return view;
}

QString viewText(const std::vector<std::string> &lines)
{
    QStringList view;
    for (const std::string &line : lines) {
        view << fromCp1252(line);
    }
    return view.join(u'\n');
}

std::string textOfView(const QString &plainText)
{
    if (plainText.isEmpty()) {
        return {};
    }
    QString text = plainText;
    // A view's raw text separates its blocks by the paragraph separator, a soft break inside
    // a block by the line separator; both end a line of the file.
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(u'\n', u"\r\n"_s);
    text += u"\r\n"_s;
    return toCp1252(text);
}

} // namespace kubato
