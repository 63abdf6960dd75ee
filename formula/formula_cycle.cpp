#include "formula/formula_cycle.h"

#include <cctype>

#include "engine/form.h"
#include "engine/texts.h"
#include "formula/evaluator.h"
#include "formula/formula_state.h"
#include "formula/tokens.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"

namespace velmor {
namespace {

constexpr const char* kResultDue = "1";  // prompt box text between an evaluation and "New"

ControlState& promptBox(Form& form) { return form.control(Ctl::FormulaPrompt); }

// The letter of the open prompt ("A =" ... "F ="), or 0 when none is open.
char openPrompt(const Form& form) { return formulaState(form).promptLetter; }

void askFor(Form& form, char letter) {
    formulaState(form).promptLetter = letter;
    promptBox(form).text = withArgument(form.say(kVariablePrompt), std::string(1, letter));
}

VariableValues answeredValues(const FormulaState& f) {
    VariableValues values;
    for (const char letter : f.answered) {
        const int slot = variableSlot(letter);
        values[static_cast<size_t>(slot)] = letter == 'F' ? exactText(f.valueF) : f.values[static_cast<size_t>(slot)];
    }
    return values;
}

void capture(Form& form) {
    FormulaState& f = formulaState(form);
    f.captured = form.display.text();
    f.formulaText = f.captured;
    f.answered.clear();
    f.formulaCaptured = 1;
}

// The value given at a prompt for A to E: what was typed in Dec (the formula
// takes it as text); a key's result (MRC, a function) with every digit of the
// value behind it; outside Dec the numeral's value.
std::string valueText(const Form& form) {
    if (form.display.format().decimal() && !form.display.shownValue()) return form.display.text();
    return exactText(form.display.read(Reading::Strict));
}

// Takes the display as the value of the prompt's letter. F must be a number;
// when it is not, this throws and the prompt stays open for another try.
void takeValue(Form& form, char letter) {
    FormulaState& f = formulaState(form);
    if (letter == 'F') f.valueF = form.display.read(Reading::Strict);
    else f.values[static_cast<size_t>(variableSlot(letter))] = valueText(form);
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

// The mark and a space before a formula's value, in the language the display shows.
std::string resultLabel(const Form& form) { return form.say(kResultMark) + " "; }

void markResult(Form& form) {
    form.control(Ctl::SendFormula).text = form.say(kNewCaption);
    formulaState(form).resultShown = true;
}

// Shows a value after the result mark ("Result = 19"), a number like any key's
// result: every key reads the value behind the text. A value beyond the word
// of Hex, Oct or Bin shows the overflow text and no result.
void showResultValue(Form& form, Decimal value) {
    if (form.display.showOrOverflow(value, resultLabel(form))) markResult(form);
}

// A formula with no operation: its single number is the result, kept as it
// was typed; an empty one shows nothing.
void showUnchanged(Form& form, const std::string& formula) {
    if (isBlank(formula)) return form.display.setText(formula);
    const std::string label = resultLabel(form);
    try {
        form.display.showAsTyped(label, formula);
    } catch (const CalcError& error) {
        if (error.code == ErrCode::TypeMismatch) form.display.showText(label + formula);
        else form.display.showOverflow();
    }
    markResult(form);
}

// Shows the formula's value, or the text of its failure.
void evaluate(Form& form) {
    FormulaState& f = formulaState(form);
    promptBox(form).visible = false;
    promptBox(form).text = kResultDue;
    f.promptLetter = 0;
    f.formulaCaptured = 0;
    form.control(Ctl::WorkValue).text.clear();
    const Evaluation result = evaluateFormula(f.captured, answeredValues(f));
    if (result.outcome == EvaluationOutcome::Unchanged) return showUnchanged(form, f.formulaText);
    if (result.outcome != EvaluationOutcome::Value) return form.display.showText(form.say(failurePhrase(result.outcome)));
    form.control(Ctl::WorkValue).text = firstNumberDigits(f.formulaText);
    showResultValue(form, result.value);
}

}  // namespace

void sendFormula(Form& form) {
    if (form.display.text().find(form.say(kResultMark)) != std::string::npos) {
        form.display.clear();
        return;
    }
    FormulaState& f = formulaState(form);
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
        form.display.clear();
        askFor(form, letter);
        return;
    }
    evaluate(form);
}

void pressOkOrNew(Form& form) {
    if (formulaState(form).resultShown) resetFormula(form);
    else sendFormula(form);
}

void resetFormula(Form& form) {
    FormulaState& f = formulaState(form);
    promptBox(form).text.clear();
    f.promptLetter = 0;
    form.control(Ctl::WorkValue).text.clear();
    form.display.clear();
    f.formulaCaptured = 0;
    f.formulaText.clear();
    f.captured.clear();
    f.answered.clear();
    f.resultShown = false;
    form.control(Ctl::SendFormula).text = form.say(kOkCaption);
}

}  // namespace velmor
