// The "Formule" key: switches formula entry on for the rest of the session.
#pragma once

#include "engine/actions.h"

namespace velmor {

struct Form;

void startFormulaEntry(Form& form);

// True once formula entry is on.
bool typingFormula(const Form& form);

// An operator key while a formula is typed: records the operand it finds and
// puts the key's formula text into the display instead of computing.
void typeOperator(Form& form, const Press& press);

// "(" and ")": put their formula text into the display.
void typeParenthesis(Form& form, const Press& press);

// The letter keys A to F while a formula is typed: append the variable.
void typeVariable(Form& form, const Press& press);

// A base option while a formula is typed: the base changes only when the
// display holds a number, so the formula is never lost.
void changeBaseKeepingFormula(Form& form, const Press& press);

}  // namespace velmor
