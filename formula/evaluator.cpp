#include "formula/evaluator.h"

#include <cmath>

#include "engine/errors.h"
#include "engine/numtext.h"

namespace velmor {
namespace {

// Deep enough for any formula a display holds; bounds the recursion on pasted text.
constexpr int kMaxNesting = 1000;

// Recursive descent over the tokens; failures leave as CalcError.
class Parser {
public:
    explicit Parser(const std::vector<Token>& tokens) : tokens_(tokens) {}

    double formula() {
        const double value = sum();
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

    double sum() {
        double value = product();
        for (;;) {
            if (accept(TokenKind::Plus)) value = checked(value + product());
            else if (accept(TokenKind::Minus)) value = checked(value - product());
            else return value;
        }
    }

    double product() {
        double value = signedOperand();
        for (;;) {
            if (accept(TokenKind::Times)) value = checked(value * signedOperand());
            else if (accept(TokenKind::Divide)) value = divide(value, signedOperand());
            else if (accept(TokenKind::Mod)) value = intMod(value, signedOperand());
            else return value;
        }
    }

    // Unary signs bind looser than the power: -2x^y2 is -(2^2).
    double signedOperand() {
        const NestingGuard guard(*this);
        if (accept(TokenKind::Minus)) return -signedOperand();
        if (accept(TokenKind::Plus)) return signedOperand();
        return power();
    }

    double power() {
        const double base = postfixed();
        if (!accept(TokenKind::Power)) return base;
        return raise(base, signedOperand());  // the exponent may carry a sign; right-associative
    }

    double postfixed() {
        double value = primary();
        for (;;) {
            if (accept(TokenKind::Square)) value = checked(value * value);
            else if (accept(TokenKind::Cube)) value = checked(value * value * value);
            else if (accept(TokenKind::Reciprocal)) value = divide(1, value);
            else return value;
        }
    }

    double primary() {
        if (pos_ < tokens_.size() && tokens_[pos_].kind == TokenKind::Number)
            return strictNumber(tokens_[pos_++].text);
        if (!accept(TokenKind::Open)) fail(ErrCode::InvalidCall);  // an operand is missing
        const NestingGuard guard(*this);
        const double value = sum();
        if (!accept(TokenKind::Close)) fail(ErrCode::InvalidCall);
        return value;
    }

    static double checked(double value) {
        if (std::isnan(value)) fail(ErrCode::InvalidCall);
        if (std::isinf(value)) fail(ErrCode::Overflow);
        return value;
    }

    static double divide(double dividend, double divisor) {
        if (divisor == 0) fail(ErrCode::DivByZero);
        return checked(dividend / divisor);
    }

    static double raise(double base, double exponent) {
        if (base == 0 && exponent < 0) fail(ErrCode::DivByZero);
        return checked(std::pow(base, exponent));
    }

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

Outcome outcomeOf(ErrCode code) {
    switch (code) {
    case ErrCode::DivByZero: return Outcome::DivideByZero;
    case ErrCode::Overflow: return Outcome::Overflow;
    default: return Outcome::Invalid;
    }
}

}  // namespace

Evaluation evaluateTokens(const Tokens& bound) {
    if (!bound.valid) return {Outcome::Invalid};
    if (isLoneNumber(bound.list)) return {Outcome::Unchanged};
    try {
        return {Outcome::Value, Parser(bound.list).formula()};
    } catch (const CalcError& e) {
        return {outcomeOf(e.code)};
    }
}

Evaluation evaluateFormula(std::string_view formula, const VariableValues& values) {
    return evaluateTokens(bindValues(tokenizeFormula(formula), values));
}

std::string outcomeText(const Evaluation& evaluation) {
    switch (evaluation.outcome) {
    case Outcome::Value: return numberText(evaluation.value);
    case Outcome::DivideByZero: return "error :positive infinity";
    case Outcome::Overflow: return "Error :overflow";
    case Outcome::Invalid:
    case Outcome::Unchanged: break;
    }
    return "Invalid : input";
}

}  // namespace velmor
