// Arbitrary bytes as the eight texts of the DA57/DA59 dialog (separated by line feeds): the
// number check, the OK check and the Workbench's acceptance.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/workbench.h"
#include "input/controlvalues.h"

using namespace kubato;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char *>(data), size);
    FieldTexts texts;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        const std::size_t end = rest.find('\n');
        texts[i] = std::string(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }

    for (std::string text : texts) {
        const int result = CheckNumberText(text);
        if (result < -2 || result > 1) {
            std::abort();
        }
    }

    const ControlValuesCheck check = checkControlValues(texts);
    if (check.outcome == ControlValuesCheck::Outcome::FieldFault && check.message.empty()) {
        std::abort();
    }
    if (check.outcome == ControlValuesCheck::Outcome::Accepted) {
        const TCalcParams &v = check.values;
        if (check.calcCase < 1 || check.calcCase > 3 || !(v.KOBH >= 0.0 && v.KOBH <= 2000.0) ||
            !(v.KWYX >= 0.0 && v.KWYX <= 100.0) || !(v.KWZ >= 0.0 && v.KWZ <= 20.0) || v.KZO < 0 ||
            v.KZO > 99 || v.KZU < 0 || v.KZU > 99) {
            std::abort();
        }
    }

    Workbench bench;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        bench.setField(static_cast<Field>(i), texts[i]);
    }
    const ControlValuesCheck accepted = bench.acceptControlValues();
    if ((accepted.outcome == ControlValuesCheck::Outcome::Accepted) != bench.ControlValuesReady()) {
        std::abort();
    }
    return 0;
}
