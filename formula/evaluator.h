// Evaluation of a user-defined formula: numbers, parentheses, unary signs and
// the operator captions, with the usual precedence (postfix "x^2", "x^3", "1/x";
// then "x^y", right-associative; then "*", "/", "Mod"; then "+", "-").
#pragma once

#include <string>
#include <string_view>

#include "engine/phrase.h"
#include "formula/tokens.h"
#include "numeric/decimal.h"

namespace velmor {

enum class EvaluationOutcome {
    Value,         // computed: `value` holds it
    Unchanged,     // a single number (or nothing): no operation to compute
    Invalid,       // malformed: dangling operator, empty operand, unbalanced parentheses
    DivideByZero,
    Overflow,
};

struct Evaluation {
    EvaluationOutcome outcome;
    Decimal value;
};

// Evaluates tokens that hold numbers only (variables already bound to values).
Evaluation evaluateTokens(const Tokens& bound);

// Tokenizes the formula as typed, binds the values of its variables and evaluates it.
Evaluation evaluateFormula(std::string_view formula, const VariableValues& values);

// The display text of a failed evaluation (Invalid, DivideByZero, Overflow).
Phrase failurePhrase(EvaluationOutcome outcome);

// What the display shows, untranslated, for an outcome other than Unchanged:
// the value in the standard number-to-text conversion, or the failure's text.
std::string outcomeText(const Evaluation& evaluation);

}  // namespace velmor
