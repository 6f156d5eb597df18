#pragma once

// The DA57 values (reference height KOBH, control values KWYX and KWZ) and the DA59 values
// (position name, KZ and z,dz of the upper and the lower horizon) as the user types them into
// the eight fields of the DA57/DA59 dialog, their check, and the case of computation they
// select.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kubato {

// The eight fields in the order in which OK checks them.
enum class Field { KOBH, KWYX, KWZ, POS, KZO, ZDZO, KZU, ZDZU };
inline constexpr std::size_t FieldCount = 8;

using FieldTexts = std::array<std::string, FieldCount>;

inline std::size_t fieldIndex(Field f)
{
    return static_cast<std::size_t>(f);
}

// The control's name of a field ("KOBHEdit").
std::string_view fieldName(Field f);
// The longest text the user can type into a field.
std::size_t fieldMaxLength(Field f);

// The texts of the fields when the dialog is created, and after a reset (the reset keeps the
// position).
FieldTexts creationFieldTexts();
FieldTexts resetFieldTexts(const FieldTexts &current);

// The values of a run, read from the field texts as they stand: KZ by integer conversion,
// the others by decimal conversion, nothing scaled.
struct TCalcParams {
    std::string POS;
    std::int32_t KZO = 0;
    double ZDZO = 0;
    std::int32_t KZU = 0;
    double ZDZU = 0;
    double KOBH = 0;
    double KWYX = 0;
    double KWZ = 0;
};

TCalcParams readCalcParams(const FieldTexts &texts);

// The case of computation: 1 two prism horizons; 2 prism horizon above, level plane (NN
// height) below; 3 level plane above, prism horizon below; 0 no case possible.
using CalcCase = int;
CalcCase decideCase(std::int32_t kzo, double zdzo, std::int32_t kzu, double zdzu);

// Checks one typed number and may change it (a decimal comma becomes a point). Returns -2
// for an empty text, -1 for a text beginning with "-", 0 when a character is neither a digit
// nor a point, and 1 when valid.
int CheckNumberText(std::string &text);

struct ControlValuesCheck {
    enum class Outcome { FieldFault, NoCase, Accepted };
    Outcome outcome = Outcome::FieldFault;
    Field failingField = Field::KOBH; // with FieldFault: the field that gets the focus
    std::string message;              // with FieldFault: the text of ErrLabel57
    FieldTexts changedTexts;          // with NoCase and Accepted: the texts to write back
    TCalcParams values;               // with NoCase and Accepted
    CalcCase calcCase = 0;
    std::string label57; // with Accepted
    std::string label59; // with Accepted
};

// The OK check of the dialog: every field in order, the first failing one reported; then
// the case decision.
ControlValuesCheck checkControlValues(const FieldTexts &texts);

// The text of the message box when no case applies (caption "  Meldung").
std::string_view noCaseMessage();

} // namespace kubato
