#include "formula/formula_cycle.h"

#include <cctype>

#include "engine/form.h"
#include "engine/texts.h"
#include "formula/evaluator.h"
#include "formula/tokens.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"

namespace velmor {
namespace {

constexpr const char* kResultDue = "1";  // prompt box text between an evaluation and "New"

ControlState& promptBox(Form& form) { return form.control(Ctl::FormulaPrompt); }

// The letter of the open prompt ("A =" ... "F ="), or 0 when none is open.
char openPrompt(const Form& form) { return form.formula.promptLetter; }

void askFor(Form& form, char letter) {
    form.formula.promptLetter = letter;
    promptBox(form).text = std::string(1, letter) + " =";
}

VariableValues answeredValues(const FormulaState& f) {
    VariableValues values;
    for (const char letter : f.answered) {
        const int slot = variableSlot(letter);
        values[static_cast<size_t>(slot)] = letter == 'F' ? numberText(f.valueF) : f.values[static_cast<size_t>(slot)];
    }
    return values;
}

void capture(Form& form) {
    FormulaState& f = form.formula;
    f.captured = form.display();
    f.formulaText = f.captured;
    f.answered.clear();
    f.formulaCaptured = 1;
}

// Takes the display as the value of the prompt's letter. F must be a number;
// when it is not, this throws and the prompt stays open for another try.
void takeValue(Form& form, char letter) {
    FormulaState& f = form.formula;
    if (letter == 'F') f.valueF = strictNumber(form.display());
    else f.values[static_cast<size_t>(variableSlot(letter))] = form.display();
    f.answered += letter;
    f.formulaText = substitutedText(tokenizeFormula(f.captured), answeredValues(f));
}

// The first letter of the formula, in alphabetical order, still without a value.
char nextLetter(const FormulaState& f) {
    for (const char letter : variablesIn(tokenizeFormula(f.captured)))
        if (f.answered.find(letter) == std::string::npos) return letter;
    return 0;
}

// Digits of the formula's first number, kept in the work box as the running value's text.
std::string firstNumberDigits(const std::string& formula) {
    for (const Token& t : tokenizeFormula(formula).list) {
        if (t.kind != TokenKind::Number) continue;
        std::string digits;
        for (const char c : t.text)
            if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
        return digits;
    }
    return {};
}

// Shows the substituted formula, then its value. True when a result is shown.
bool evaluate(Form& form) {
    FormulaState& f = form.formula;
    promptBox(form).visible = false;
    promptBox(form).text = kResultDue;
    f.promptLetter = 0;
    f.formulaCaptured = 0;
    form.display() = f.formulaText;
    form.control(Ctl::WorkValue).text.clear();
    const Evaluation result = evaluateFormula(f.captured, answeredValues(f));
    if (result.outcome == EvaluationOutcome::Unchanged) return true;
    form.display() = outcomeText(result);
    if (result.outcome != EvaluationOutcome::Value) return false;
    form.control(Ctl::WorkValue).text = firstNumberDigits(f.formulaText);
    return true;
}

void markResult(Form& form) {
    if (isBlank(form.display())) return;
    form.display() = std::string(kResultMark) + " " + form.display();
    form.control(Ctl::SendFormula).text = kNewCaption;
    form.formula.resultShown = true;
}

}  // namespace

void sendFormula(Form& form) {
    if (form.display().find(kResultMark) != std::string::npos) {
        form.display().clear();
        return;
    }
    FormulaState& f = form.formula;
    if (f.formulaCaptured != 1) capture(form);
    promptBox(form).visible = true;
    if (const char letter = openPrompt(form)) {
        try {
            takeValue(form, letter);
        } catch (const CalcError&) {
            return;  // not a number at "F =": the prompt stays open
        }
    }
    if (const char letter = nextLetter(f)) {
        form.display().clear();
        askFor(form, letter);
        return;
    }
    if (evaluate(form)) markResult(form);
}

void pressOkOrNew(Form& form) {
    if (form.formula.resultShown) resetFormula(form);
    else sendFormula(form);
}

void resetFormula(Form& form) {
    FormulaState& f = form.formula;
    promptBox(form).text.clear();
    f.promptLetter = 0;
    form.control(Ctl::WorkValue).text.clear();
    form.display().clear();
    f.formulaCaptured = 0;
    f.formulaText.clear();
    f.captured.clear();
    f.answered.clear();
    f.resultShown = false;
    form.control(Ctl::SendFormula).text = kOkCaption;
}

}  // namespace velmor
