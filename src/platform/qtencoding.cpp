#include "platform/qtencoding.h"

#include <QStringList>

#include "common/cp1252.h"
#include "common/largememory.h"
#include "common/textlist.h"

namespace kubato {

using namespace Qt::StringLiterals;

namespace {

// Every Windows-1252 character lies in the Basic Multilingual Plane: one UTF-16 unit each.
char16_t unitOf(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x80 && b < 0xA0 ? static_cast<char16_t>(detail::kCp1252High[b - 0x80]) : b;
}

// The text in UTF-16 as a text view takes it, built in one pass: a survey of millions of lines
// is shown in seconds, where replacing the breaks afterwards would take far longer. CR LF
// becomes LF; where a lone CR ends a line too, it becomes LF as well, else it stays.
QString withViewBreaks(std::string_view text, bool loneCrEndsLine)
{
    QString view(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    char16_t *const begin = reinterpret_cast<char16_t *>(view.data());
    prefaultPages(begin, text.size() * sizeof(char16_t));
    char16_t *to = begin;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            *to++ = u'\n';
            ++i;
        } else if (c == '\r' && loneCrEndsLine) {
            *to++ = u'\n';
        } else {
            *to++ = unitOf(c);
        }
    }
    view.truncate(to - begin);
    return view;
}

// The text in Windows-1252; a character the set lacks becomes '?'. With breaksToCrLf, LF and
// the paragraph and line separators of a view's raw text (its blocks, its soft breaks) each
// become CR LF: every one of them ends a line of the file.
std::string cp1252Of(const QString &text, bool breaksToCrLf)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()) + static_cast<std::size_t>(text.size()) / 32);
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text[i].unicode();
        if (breaksToCrLf &&
            (unit == u'\n' || unit == QChar::ParagraphSeparator || unit == QChar::LineSeparator)) {
            out += "\r\n";
        } else if (QChar::isSurrogate(unit)) {
            // A character beyond the Basic Multilingual Plane (or half of one): Windows-1252
            // has none of them.
            if (QChar::isHighSurrogate(unit) && i + 1 < size && text[i + 1].isLowSurrogate()) {
                ++i;
            }
            out += '?';
        } else {
            const int byte = detail::cp1252Byte(unit);
            out += byte < 0 ? '?' : static_cast<char>(byte);
        }
    }
    return out;
}

} // namespace

QString fromCp1252(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    char16_t *to = reinterpret_cast<char16_t *>(text.data());
    prefaultPages(to, bytes.size() * sizeof(char16_t));
    for (const char c : bytes) {
        *to++ = unitOf(c);
    }
    return text;
}

std::string toCp1252(const QString &text)
{
    return cp1252Of(text, false);
}

QString viewText(std::string_view text)
{
    QString view = withViewBreaks(text, true);
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
    return withViewBreaks(lines.text(), false);
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
    std::string text = cp1252Of(plainText, true);
    text += "\r\n";
    return text;
}

} // namespace kubato
