#include "programfixture.h"

#include <QPlainTextEdit>

#include "platform/qtencoding.h"

namespace kubato::test {

std::vector<std::string> ProgramFixture::messageLines(TMessForm &mess)
{
    std::vector<std::string> lines;
    const QString text = control<QPlainTextEdit>(mess, "MessEdit")->toPlainText();
    for (const QString &line : text.split(u'\n')) {
        lines.push_back(toCp1252(line));
    }
    return lines;
}

} // namespace kubato::test
