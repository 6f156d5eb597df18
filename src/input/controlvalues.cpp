#include "input/controlvalues.h"

#include "common/cp1252.h"
#include "common/format.h"
#include "common/numbers.h"

namespace kubato {

namespace {

struct FieldRule {
    std::string_view name;
    std::size_t maxLength;
    std::string_view subject; // the beginning of every message of the field
    std::string_view range;   // the accepted range as the "ungültig" message names it
    double low, high;         // the accepted range
    bool integer;
};

constexpr FieldRule kRules[FieldCount] = {
    {"KOBHEdit", 8, "KOBH-Wert", "( >=0.0 und <=2000.0 )", 0.0, 2000.0, false},
    {"KWYXEdit", 6, "KWYX-Wert", "( >=0.0 und <=100.0 )", 0.0, 100.0, false},
    {"KWZEdit", 6, "KWZ-Wert", "( >=0.0 und <=20.0 )", 0.0, 20.0, false},
    {"POSEdit", 10, "Position", "", 0.0, 0.0, false},
    {"KZOEdit", 2, "KZ-oben-Wert", "( >=0 und <=99 )", 0.0, 99.0, true},
    {"ZDZOEdit", 8, "z,dz-oben-Wert", "( >=0.0 und <=2000.0 )", 0.0, 2000.0, false},
    {"KZUEdit", 2, "KZ-unten-Wert", "( >=0 und <=99 )", 0.0, 99.0, true},
    {"ZDZUEdit", 8, "z,dz-unten-Wert", "( >=0.0 und <=2000.0 )", 0.0, 2000.0, false},
};

const FieldRule &rule(Field f)
{
    return kRules[fieldIndex(f)];
}

std::string fieldMessage(const FieldRule &r, int result)
{
    std::string message(r.subject);
    switch (result) {
    case -1:
        message += " darf nicht negativ sein";
        break;
    case -2:
        message += " fehlt";
        break;
    case 0:
        message += " ist nicht numerisch";
        break;
    default:
        message += " ist ungültig "_cp;
        message += r.range;
        break;
    }
    return message;
}

// The missing lower z,dz of a single-horizon file: the triangle check left KZ oben set, its
// z,dz "0" and KZ unten "0", so the lower horizon must be a level plane with a height.
bool lowerHeightExpected(const FieldTexts &texts)
{
    return texts[fieldIndex(Field::KZO)] > std::string_view("0") &&
           texts[fieldIndex(Field::ZDZO)] == "0" && texts[fieldIndex(Field::KZU)] == "0";
}

} // namespace

std::string_view fieldName(Field f)
{
    return rule(f).name;
}

std::size_t fieldMaxLength(Field f)
{
    return rule(f).maxLength;
}

FieldTexts creationFieldTexts()
{
    return {"200", "50", "5", "", "", "", "", ""};
}

FieldTexts resetFieldTexts(const FieldTexts &current)
{
    return {"200", "50", "5", current[fieldIndex(Field::POS)], "", "0.0", "", "0.0"};
}

TCalcParams readCalcParams(const FieldTexts &texts)
{
    TCalcParams p;
    p.POS = texts[fieldIndex(Field::POS)];
    p.KZO = toInteger(texts[fieldIndex(Field::KZO)]);
    p.ZDZO = toDecimal(texts[fieldIndex(Field::ZDZO)]);
    p.KZU = toInteger(texts[fieldIndex(Field::KZU)]);
    p.ZDZU = toDecimal(texts[fieldIndex(Field::ZDZU)]);
    p.KOBH = toDecimal(texts[fieldIndex(Field::KOBH)]);
    p.KWYX = toDecimal(texts[fieldIndex(Field::KWYX)]);
    p.KWZ = toDecimal(texts[fieldIndex(Field::KWZ)]);
    return p;
}

CalcCase decideCase(std::int32_t kzo, double zdzo, std::int32_t kzu, double zdzu)
{
    if (kzo > 0 && kzu > 0) {
        return 1;
    }
    if (kzo > 0 && kzu == 0 && zdzu > 0.0) {
        return 2;
    }
    if (kzo == 0 && zdzo > 0.0 && kzu > 0) {
        return 3;
    }
    return 0;
}

int CheckNumberText(std::string &text)
{
    if (text.empty()) {
        return -2;
    }
    if (text.front() == '-') {
        return -1;
    }
    int result = 1;
    for (char &c : text) {
        if (c == ',') {
            c = '.';
        }
        if (c != '.' && (c < '0' || c > '9')) {
            result = 0;
        }
    }
    return result;
}

ControlValuesCheck checkControlValues(const FieldTexts &texts)
{
    ControlValuesCheck check;
    check.changedTexts = texts;
    std::array<int, FieldCount> results{};
    for (std::size_t i = 0; i < FieldCount; ++i) {
        if (static_cast<Field>(i) != Field::POS) {
            results[i] = CheckNumberText(check.changedTexts[i]);
        }
    }
    check.values = readCalcParams(check.changedTexts);

    for (std::size_t i = 0; i < FieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        const FieldRule &r = kRules[i];
        bool fails = false;
        if (field == Field::POS) {
            fails = texts[i].empty();
        } else {
            const std::string &changed = check.changedTexts[i];
            const double value = r.integer ? toInteger(changed) : toDecimal(changed);
            fails = results[i] < 1 || value < r.low || value > r.high;
        }
        if (!fails) {
            continue;
        }
        check.failingField = field;
        if (field == Field::POS) {
            check.message = "Position fehlt";
        } else if (field == Field::ZDZU && results[i] == -2 && lowerHeightExpected(texts)) {
            check.message = std::string("z,dz-unten-Wert fehlt ( NN-Höhe > 0.0 )"_cp);
        } else {
            check.message = fieldMessage(r, results[i]);
        }
        return check;
    }

    const TCalcParams &v = check.values;
    check.calcCase = decideCase(v.KZO, v.ZDZO, v.KZU, v.ZDZU);
    if (check.calcCase == 0) {
        check.outcome = ControlValuesCheck::Outcome::NoCase;
        return check;
    }
    check.outcome = ControlValuesCheck::Outcome::Accepted;
    check.label57 = format(" KOBH=%.3f, KWYX=%.3f, KWZ=%.3f", v.KOBH, v.KWYX, v.KWZ);
    check.label59 = format(" Pos=%10s, KZ=%2i, zdz=%.3f,  KZ=%2i, zdz=%.3f", v.POS.c_str(), v.KZO,
                           v.ZDZO, v.KZU, v.ZDZU);
    return check;
}

std::string_view noCaseMessage()
{
    return "Keine Fallzuordnung möglich !! , KZ- und z,dz-Werte überprüfen"_cp;
}

} // namespace kubato
