#include <gtest/gtest.h>

#include "formula/tokens.h"

namespace velmor {
namespace {

// Token texts joined with "|", or "!" when the formula has a character no token takes.
std::string split(const std::string& formula) {
    const Tokens t = tokenizeFormula(formula);
    if (!t.valid) return "!";
    std::string out;
    for (const Token& token : t.list) out += (out.empty() ? "" : "|") + token.text;
    return out;
}

TEST(FormulaTokens, CaptionsNumbersAndLetters) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"A+B", "A|+|B"}, {"A1/x", "A|1/x"}, {"21/x", "2|1/x"}, {"111/x", "11|1/x"},
        {"Ax^2+Bx^3", "A|x^2|+|B|x^3"}, {"AModB", "A|Mod|B"}, {"Ax^yB", "A|x^y|B"},
        {"12.5E-07*C", "12.5E-07|*|C"}, {"2E", "2|E"}, {"2E+", "2|E|+"}, {"2E+B", "2|E|+|B"},
        {"1.5E3", "1.5E3"}, {"(D-E)/F", "(|D|-|E|)|/|F"}, {" 1 + 2 ", "1|+|2"}, {"", ""},
        {"a+B", "!"}, {"x", "!"}, {"G", "!"}, {"1,5", "!"}, {"Error :overflow", "!"},
    };
    for (const auto& [formula, expected] : cases) EXPECT_EQ(split(formula), expected) << formula;
}

TEST(FormulaTokens, VariablesComeInAlphabeticalOrderOnce) {
    EXPECT_EQ(variablesIn(tokenizeFormula("B+A")), "AB");
    EXPECT_EQ(variablesIn(tokenizeFormula("F*A+A-C")), "ACF");
    EXPECT_EQ(variablesIn(tokenizeFormula("12+7")), "");
    EXPECT_EQ(variablesIn(tokenizeFormula("1.5E-07")), "");  // an exponent is no variable
}

TEST(FormulaTokens, SubstitutionKeepsValuesApartFromCaptions) {
    VariableValues v;
    v[0] = "3";
    EXPECT_EQ(substitutedText(tokenizeFormula("A1/x+B"), v), "31/x+B");
    v[1] = "007";
    EXPECT_EQ(substitutedText(tokenizeFormula("A+B+A"), v), "3+007+3");
    v[0] = "";
    EXPECT_EQ(substitutedText(tokenizeFormula("A+B"), v), "+007");
}

}  // namespace
}  // namespace velmor
