#include "formula/evaluator.h"
#include "engine/texts.h"

#include "numeric/arithmetic.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"

namespace velmor {
namespace {

// Deep enough for any formula a display holds; bounds the recursion on pasted text.
constexpr int kMaxNesting = 1000;

// Recursive descent over the tokens; failures leave as CalcError.
class Parser {
public:
    explicit Parser(const std::vector<Token>& tokens) : tokens_(tokens) {}

    Decimal formula() {
        const Decimal value = sum();
        if (pos_ != tokens_.size()) fail(ErrCode::InvalidCall);  // a ")" too many or two operands in a row
        return value;
    }

private:
    bool accept(TokenKind kind) {
        if (pos_ < tokens_.size() && tokens_[pos_].kind == kind) {
            ++pos_;
            return true;
        }
        return false;
    }

    Decimal sum() {
        Decimal value = product();
        for (;;) {
            if (accept(TokenKind::Plus)) value = checkedSum(value, product());
            else if (accept(TokenKind::Minus)) value = checkedDifference(value, product());
            else return value;
        }
    }

    Decimal product() {
        Decimal value = signedOperand();
        for (;;) {
            if (accept(TokenKind::Times)) value = checkedProduct(value, signedOperand());
            else if (accept(TokenKind::Divide)) value = divide(value, signedOperand());
            else if (accept(TokenKind::Mod)) value = intMod(value, signedOperand());
            else return value;
        }
    }

    // Unary signs bind looser than the power: -2x^y2 is -(2^2).
    Decimal signedOperand() {
        const NestingGuard guard(*this);
        if (accept(TokenKind::Minus)) return -signedOperand();
        if (accept(TokenKind::Plus)) return signedOperand();
        return power();
    }

    Decimal power() {
        const Decimal base = postfixed();
        if (!accept(TokenKind::Power)) return base;
        return raise(base, signedOperand());  // the exponent may carry a sign; right-associative
    }

    Decimal postfixed() {
        Decimal value = primary();
        for (;;) {
            if (accept(TokenKind::Square)) value = checkedPower(value, 2);
            else if (accept(TokenKind::Cube)) value = checkedPower(value, 3);
            else if (accept(TokenKind::Reciprocal)) value = divide(1, value);
            else return value;
        }
    }

    Decimal primary() {
        if (pos_ < tokens_.size() && tokens_[pos_].kind == TokenKind::Number)
            return strictNumber(tokens_[pos_++].text);
        if (!accept(TokenKind::Open)) fail(ErrCode::InvalidCall);  // an operand is missing
        const NestingGuard guard(*this);
        const Decimal value = sum();
        if (!accept(TokenKind::Close)) fail(ErrCode::InvalidCall);
        return value;
    }

    // Any division by zero, 0 / 0 included, is the formula's division error.
    static Decimal divide(Decimal dividend, Decimal divisor) {
        if (divisor.isZero()) fail(ErrCode::DivByZero);
        return checkedQuotient(dividend, divisor);
    }

    static Decimal raise(Decimal base, Decimal exponent) { return checkedPower(base, exponent); }

    struct NestingGuard {
        explicit NestingGuard(Parser& p) : parser(p) {
            if (++parser.depth_ > kMaxNesting) fail(ErrCode::InvalidCall);
        }
        ~NestingGuard() { --parser.depth_; }
        NestingGuard(const NestingGuard&) = delete;
        NestingGuard& operator=(const NestingGuard&) = delete;
        Parser& parser;
    };

    const std::vector<Token>& tokens_;
    size_t pos_ = 0;
    int depth_ = 0;
};

// Nothing or one number, possibly in balanced parentheses: there is nothing to compute.
bool isLoneNumber(const std::vector<Token>& tokens) {
    if (tokens.empty()) return true;
    size_t open = 0;
    while (open < tokens.size() && tokens[open].kind == TokenKind::Open) ++open;
    if (open >= tokens.size() || tokens[open].kind != TokenKind::Number) return false;
    const size_t rest = tokens.size() - open - 1;
    if (rest != open) return false;
    for (size_t i = open + 1; i < tokens.size(); ++i)
        if (tokens[i].kind != TokenKind::Close) return false;
    return true;
}

EvaluationOutcome outcomeOf(ErrCode code) {
    switch (code) {
    case ErrCode::DivByZero: return EvaluationOutcome::DivideByZero;
    case ErrCode::Overflow: return EvaluationOutcome::Overflow;
    default: return EvaluationOutcome::Invalid;
    }
}

}  // namespace

Evaluation evaluateTokens(const Tokens& bound) {
    if (!bound.valid) return {EvaluationOutcome::Invalid};
    if (isLoneNumber(bound.list)) return {EvaluationOutcome::Unchanged};
    try {
        return {EvaluationOutcome::Value, Parser(bound.list).formula()};
    } catch (const CalcError& e) {
        return {outcomeOf(e.code)};
    }
}

Evaluation evaluateFormula(std::string_view formula, const VariableValues& values) {
    return evaluateTokens(bindValues(tokenizeFormula(formula), values));
}

Phrase failurePhrase(EvaluationOutcome outcome) {
    switch (outcome) {
    case EvaluationOutcome::DivideByZero: return kPositiveInfinityText;
    case EvaluationOutcome::Overflow: return kOverflowText;
    case EvaluationOutcome::Value:
    case EvaluationOutcome::Invalid:
    case EvaluationOutcome::Unchanged: break;
    }
    return kInvalidInputText;
}

std::string outcomeText(const Evaluation& evaluation) {
    if (evaluation.outcome == EvaluationOutcome::Value) return numberText(evaluation.value);
    return failurePhrase(evaluation.outcome).source;
}

}  // namespace velmor
