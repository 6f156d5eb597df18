#include <gtest/gtest.h>

#include <string>

#include "common/cp1252.h"
#include "input/controlvalues.h"

namespace kubato {
namespace {

// The fields as the two sample files leave them.
FieldTexts sampleFields()
{
    return {"3.000", "50", "5", "bsp", "23", "0", "25", "0"};
}

FieldTexts withField(FieldTexts texts, Field f, const std::string &text)
{
    texts[fieldIndex(f)] = text;
    return texts;
}

TEST(CheckNumberText, Results)
{
    struct Case {
        std::string text;
        int result;
        std::string changed;
    };
    const Case cases[] = {
        {"", -2, ""},          {"-5", -1, "-5"},  {"12a", 0, "12a"}, {"1,5", 1, "1.5"},
        {"1.2.3", 1, "1.2.3"}, {" 5", 0, " 5"},   {"5 ", 0, "5 "},   {".", 1, "."},
        {"2500", 1, "2500"},   {"1e3", 0, "1e3"}, {"+3", 0, "+3"},   {"1,5x", 0, "1.5x"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        std::string text = c.text;
        EXPECT_EQ(CheckNumberText(text), c.result);
        EXPECT_EQ(text, c.changed);
    }
}

TEST(ControlValues, EveryMessageOfTheFields)
{
    struct Case {
        Field field;
        std::string text;
        const char *message;
    };
    const Case cases[] = {
        {Field::KOBH, "-5", "KOBH-Wert darf nicht negativ sein"},
        {Field::KOBH, "", "KOBH-Wert fehlt"},
        {Field::KOBH, "12a", "KOBH-Wert ist nicht numerisch"},
        {Field::KOBH, "2500", "KOBH-Wert ist ungültig ( >=0.0 und <=2000.0 )"},
        {Field::KOBH, "2000.0001", "KOBH-Wert ist ungültig ( >=0.0 und <=2000.0 )"},
        {Field::KWYX, "-1", "KWYX-Wert darf nicht negativ sein"},
        {Field::KWYX, "", "KWYX-Wert fehlt"},
        {Field::KWYX, "x", "KWYX-Wert ist nicht numerisch"},
        {Field::KWYX, "100,5", "KWYX-Wert ist ungültig ( >=0.0 und <=100.0 )"},
        {Field::KWZ, "-", "KWZ-Wert darf nicht negativ sein"},
        {Field::KWZ, "", "KWZ-Wert fehlt"},
        {Field::KWZ, "5 ", "KWZ-Wert ist nicht numerisch"},
        {Field::KWZ, "21", "KWZ-Wert ist ungültig ( >=0.0 und <=20.0 )"},
        {Field::POS, "", "Position fehlt"},
        {Field::KZO, "-1", "KZ-oben-Wert darf nicht negativ sein"},
        {Field::KZO, "", "KZ-oben-Wert fehlt"},
        {Field::KZO, " 5", "KZ-oben-Wert ist nicht numerisch"},
        {Field::KZO, "100", "KZ-oben-Wert ist ungültig ( >=0 und <=99 )"},
        {Field::ZDZO, "-2", "z,dz-oben-Wert darf nicht negativ sein"},
        {Field::ZDZO, "", "z,dz-oben-Wert fehlt"},
        {Field::ZDZO, "1;5", "z,dz-oben-Wert ist nicht numerisch"},
        {Field::ZDZO, "99999999999", "z,dz-oben-Wert ist ungültig ( >=0.0 und <=2000.0 )"},
        {Field::KZU, "-25", "KZ-unten-Wert darf nicht negativ sein"},
        {Field::KZU, "", "KZ-unten-Wert fehlt"},
        {Field::KZU, "2a", "KZ-unten-Wert ist nicht numerisch"},
        {Field::KZU, "99999999999", "KZ-unten-Wert ist ungültig ( >=0 und <=99 )"},
        {Field::ZDZU, "-0", "z,dz-unten-Wert darf nicht negativ sein"},
        {Field::ZDZU, "", "z,dz-unten-Wert fehlt"},
        {Field::ZDZU, "o", "z,dz-unten-Wert ist nicht numerisch"},
        {Field::ZDZU, "2000.5", "z,dz-unten-Wert ist ungültig ( >=0.0 und <=2000.0 )"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(fieldName(c.field)) + " \"" + c.text + "\"");
        const ControlValuesCheck check =
            checkControlValues(withField(sampleFields(), c.field, c.text));
        EXPECT_EQ(check.outcome, ControlValuesCheck::Outcome::FieldFault);
        EXPECT_EQ(check.failingField, c.field);
        EXPECT_EQ(cp1252ToUtf8(check.message), c.message);
    }
}

TEST(ControlValues, BoundsAndOddFormsThatPass)
{
    for (const auto &[field, text] :
         std::vector<std::pair<Field, std::string>>{{Field::KOBH, "0"},
                                                    {Field::KOBH, "2000"},
                                                    {Field::KOBH, "."},
                                                    {Field::KWYX, "100.0"},
                                                    {Field::KWZ, "20"},
                                                    {Field::KZO, "1.5"},
                                                    {Field::KZU, "99"},
                                                    {Field::KWYX, "1.2.3"},
                                                    {Field::POS, " "}}) {
        SCOPED_TRACE(std::string(fieldName(field)) + " \"" + text + "\"");
        EXPECT_EQ(checkControlValues(withField(sampleFields(), field, text)).outcome,
                  ControlValuesCheck::Outcome::Accepted);
    }
}

TEST(ControlValues, OnlyTheFirstFaultyFieldIsReported)
{
    FieldTexts texts = {"", "x", "-1", "", "", "", "", ""};
    EXPECT_EQ(checkControlValues(texts).failingField, Field::KOBH);
    texts[fieldIndex(Field::KOBH)] = "3";
    EXPECT_EQ(checkControlValues(texts).failingField, Field::KWYX);
    texts[fieldIndex(Field::KWYX)] = "50";
    texts[fieldIndex(Field::KWZ)] = "5";
    EXPECT_EQ(checkControlValues(texts).failingField, Field::POS);
}

TEST(ControlValues, MissingLowerHeightOfASingleHorizon)
{
    struct Case {
        const char *kzo, *zdzo, *kzu;
        const char *message;
    };
    const Case cases[] = {
        {"23", "0", "0", "z,dz-unten-Wert fehlt ( NN-Höhe > 0.0 )"},
        {"1", "0", "0", "z,dz-unten-Wert fehlt ( NN-Höhe > 0.0 )"},
        {"01", "0", "0", "z,dz-unten-Wert fehlt ( NN-Höhe > 0.0 )"},
        {"23", "0.0", "0", "z,dz-unten-Wert fehlt"},
        {"0", "0", "0", "z,dz-unten-Wert fehlt"},
        {"23", "0", "25", "z,dz-unten-Wert fehlt"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.kzo) + "/" + c.zdzo + "/" + c.kzu);
        FieldTexts texts = sampleFields();
        texts[fieldIndex(Field::KZO)] = c.kzo;
        texts[fieldIndex(Field::ZDZO)] = c.zdzo;
        texts[fieldIndex(Field::KZU)] = c.kzu;
        texts[fieldIndex(Field::ZDZU)] = "";
        const ControlValuesCheck check = checkControlValues(texts);
        EXPECT_EQ(check.failingField, Field::ZDZU);
        EXPECT_EQ(cp1252ToUtf8(check.message), c.message);
    }
}

TEST(ControlValues, AcceptedValuesAndTheirLabels)
{
    const ControlValuesCheck check = checkControlValues(sampleFields());
    ASSERT_EQ(check.outcome, ControlValuesCheck::Outcome::Accepted);
    EXPECT_EQ(check.calcCase, 1);
    EXPECT_EQ(check.label57, " KOBH=3.000, KWYX=50.000, KWZ=5.000");
    EXPECT_EQ(check.label59, " Pos=       bsp, KZ=23, zdz=0.000,  KZ=25, zdz=0.000");

    const ControlValuesCheck comma =
        checkControlValues(withField(sampleFields(), Field::KWYX, "1,5"));
    ASSERT_EQ(comma.outcome, ControlValuesCheck::Outcome::Accepted);
    EXPECT_EQ(comma.changedTexts[fieldIndex(Field::KWYX)], "1.5");
    EXPECT_EQ(comma.label57, " KOBH=3.000, KWYX=1.500, KWZ=5.000");
}

TEST(ControlValues, CaseOfComputation)
{
    struct Case {
        const char *kzo, *zdzo, *kzu, *zdzu;
        CalcCase calcCase;
    };
    const Case cases[] = {
        {"23", "0", "25", "0", 1},  {"1", "5", "1", "7", 1},      {"1", "0", "0", "120.0", 2},
        {"0", "98.5", "2", "0", 3}, {"0", "210.5", "25", "0", 3}, {"23", "0", "0", "0", 0},
        {"0", "0", "0", "5", 0},    {"0", "0", "25", "0", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.kzo) + "/" + c.zdzo + "/" + c.kzu + "/" + c.zdzu);
        FieldTexts texts = sampleFields();
        texts[fieldIndex(Field::KZO)] = c.kzo;
        texts[fieldIndex(Field::ZDZO)] = c.zdzo;
        texts[fieldIndex(Field::KZU)] = c.kzu;
        texts[fieldIndex(Field::ZDZU)] = c.zdzu;
        const ControlValuesCheck check = checkControlValues(texts);
        EXPECT_EQ(check.calcCase, c.calcCase);
        EXPECT_EQ(check.outcome, c.calcCase == 0 ? ControlValuesCheck::Outcome::NoCase
                                                 : ControlValuesCheck::Outcome::Accepted);
    }
    EXPECT_EQ(decideCase(-1, 5.0, 3, 0.0), 0);
    EXPECT_EQ(decideCase(3, 0.0, -1, 5.0), 0);
    EXPECT_EQ(cp1252ToUtf8(noCaseMessage()),
              "Keine Fallzuordnung möglich !! , KZ- und z,dz-Werte überprüfen");
}

TEST(ControlValues, RunReadsTheTextsAsTheyStand)
{
    const TCalcParams p = readCalcParams({"12.5", "1,5", "abc", "pos", " 7", "0.25", "1.9", ""});
    EXPECT_EQ(p.KOBH, 12.5);
    EXPECT_EQ(p.KWYX, 1.0);
    EXPECT_EQ(p.KWZ, 0.0);
    EXPECT_EQ(p.POS, "pos");
    EXPECT_EQ(p.KZO, 7);
    EXPECT_EQ(p.ZDZO, 0.25);
    EXPECT_EQ(p.KZU, 1);
    EXPECT_EQ(p.ZDZU, 0.0);
}

} // namespace
} // namespace kubato
