#include "numeric/numtext.h"

#include <algorithm>
#include <cstdlib>

#include "numeric/errors.h"
#include "numeric/radix.h"
#include "numeric/range.h"

namespace velmor {
namespace {

bool isSkippedBlank(char c) { return kBlankCharacters.find(c) != std::string_view::npos; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }


// Collects a decimal number digit by digit, keeping only what decides the
// value rounded to 34 digits: the first 40 significant digits, whether any
// dropped digit was non-zero, and the power of ten. A pasted megabyte of
// digits stays cheap.
class DecimalDigits {
public:
    void negate() { negative_ = true; }
    void point() { afterPoint_ = true; }
    void digit(char c) {
        seen_ = true;
        if (afterPoint_) --scale_;
        if (digits_.empty() && c == '0') return;  // leading zeros carry no value
        if (digits_.size() < kSignificantDigits) { digits_ += c; return; }
        ++scale_;  // a dropped digit still counts as a place
        sticky_ = sticky_ || c != '0';
    }
    void exponentSign(char c) { negativeExponent_ = c == '-'; }
    void exponentDigit(char c) {
        if (exponent_ < 1000000000LL) exponent_ = exponent_ * 10 + (c - '0');
    }
    bool seenDigit() const { return seen_; }

    Decimal value() const {
        if (digits_.empty()) return Decimal();
        long long scale = scale_ + (negativeExponent_ ? -exponent_ : exponent_);
        std::string text = negative_ ? "-" + digits_ : digits_;
        if (sticky_) { text += '1'; --scale; }
        // Far beyond the range either way: the range check only needs to see which side.
        scale = std::clamp(scale, -20000LL, 20000LL);
        return inRange(Decimal::fromText(text + "E" + std::to_string(scale)));
    }

private:
    static constexpr size_t kSignificantDigits = 40;
    std::string digits_;
    long long scale_ = 0;  // value = digits * 10^(scale + exponent)
    long long exponent_ = 0;
    bool negative_ = false, afterPoint_ = false, sticky_ = false, negativeExponent_ = false, seen_ = false;
};

// Reads prefixed digits of `radix` from `pos`, skipping blanks when asked; a
// 32-bit value with the upper half read as two's complement.
Decimal readPrefixedInteger(std::string_view s, size_t& pos, int radix, bool skipBlanks) {
    std::uint64_t value = 0;
    while (pos < s.size()) {
        if (skipBlanks && isSkippedBlank(s[pos])) { ++pos; continue; }
        const int d = radix::digitValue(s[pos]);
        if (d < 0 || d >= radix) break;
        value = value * radix + d;
        if (value > 0xFFFFFFFFull) fail(ErrCode::Overflow);
        ++pos;
    }
    return Decimal::fromInt64(value >= 0x80000000ull ? static_cast<std::int64_t>(value) - 0x100000000ll
                                                     : static_cast<std::int64_t>(value));
}

int prefixRadix(char c) {
    if (c == 'H' || c == 'h') return 16;
    if (c == 'O' || c == 'o') return 8;
    return 0;
}

}  // namespace

Decimal leadingNumber(std::string_view s) {
    size_t i = 0;
    const auto skip = [&] { while (i < s.size() && isSkippedBlank(s[i])) ++i; };
    skip();
    if (i < s.size() && s[i] == '&') {
        size_t j = i + 1;
        while (j < s.size() && isSkippedBlank(s[j])) ++j;
        if (j < s.size() && prefixRadix(s[j]) != 0) {
            const int radix = prefixRadix(s[j]);
            ++j;
            return readPrefixedInteger(s, j, radix, true);
        }
        return Decimal();
    }
    DecimalDigits number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') number.negate();
        ++i;
    }
    bool sawPoint = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (isSkippedBlank(c)) continue;
        if (isDigit(c)) { number.digit(c); continue; }
        if (c == '.' && !sawPoint) { number.point(); sawPoint = true; continue; }
        break;
    }
    if (!number.seenDigit()) return Decimal();
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        // The exponent counts only when a digit follows the letter and its sign.
        size_t j = i + 1;
        while (j < s.size() && isSkippedBlank(s[j])) ++j;
        char sign = '+';
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) sign = s[j++];
        DecimalDigits withExponent = number;
        withExponent.exponentSign(sign);
        bool expDigit = false;
        for (; j < s.size(); ++j) {
            if (isSkippedBlank(s[j])) continue;
            if (!isDigit(s[j])) break;
            withExponent.exponentDigit(s[j]);
            expDigit = true;
        }
        if (expDigit) return withExponent.value();
    }
    return number.value();
}

Decimal strictNumber(std::string_view s) {
    const std::string_view t = trimBlanks(s);
    if (t.size() >= 3 && t[0] == '&' && prefixRadix(t[1]) != 0) {
        size_t pos = 2;
        const Decimal value = readPrefixedInteger(t, pos, prefixRadix(t[1]), false);
        if (pos != t.size()) fail(ErrCode::TypeMismatch);
        return value;
    }
    DecimalDigits number;
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') number.negate();
        ++i;
    }
    for (; i < t.size(); ++i) {
        if (isDigit(t[i])) number.digit(t[i]);
        else if (t[i] == ',' && number.seenDigit()) continue;
        else break;
    }
    if (i < t.size() && t[i] == '.') {
        number.point();
        for (++i; i < t.size() && isDigit(t[i]); ++i) number.digit(t[i]);
    }
    if (!number.seenDigit()) fail(ErrCode::TypeMismatch);
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) number.exponentSign(t[i++]);
        bool expDigit = false;
        for (; i < t.size() && isDigit(t[i]); ++i) { number.exponentDigit(t[i]); expDigit = true; }
        if (!expDigit) fail(ErrCode::TypeMismatch);
    }
    if (i != t.size()) fail(ErrCode::TypeMismatch);
    return number.value();
}

namespace {

// A finite non-zero value as its significant digits and the power of ten of
// the first one, rounded to 15 digits, halves to even.
struct ShownDigits {
    bool negative;
    std::string digits;  // no leading or trailing zeros
    int exponent;
};

ShownDigits roundedDigits(Decimal value) {
    const std::string raw = value.debugText();  // [+-]coefficientE[+-]exponent
    const size_t e = raw.find('E');
    std::string digits = raw.substr(1, e - 1);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    int exponent = std::stoi(raw.substr(e + 1)) + static_cast<int>(digits.size()) - 1;
    constexpr size_t kShown = 15;
    if (digits.size() > kShown) {
        const char first = digits[kShown];
        const bool sticky = digits.find_first_not_of('0', kShown + 1) != std::string::npos;
        digits.resize(kShown);
        const bool odd = (digits.back() - '0') % 2 == 1;
        if (first > '5' || (first == '5' && (sticky || odd))) {
            size_t i = kShown;
            while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                digits.pop_back();
                ++exponent;
            } else {
                ++digits[i - 1];
            }
        }
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return {raw[0] == '-', digits, exponent};
}

}  // namespace

std::string numberText(Decimal value) {
    value = inRange(value.isNaN() ? Decimal::fromText("Inf") : value);
    if (value.isZero()) return "0";
    const ShownDigits shown = roundedDigits(value);
    const std::string& digits = shown.digits;
    const int exponent = shown.exponent;

    std::string out = shown.negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1) out += "." + digits.substr(1);
        const int magnitude = std::abs(exponent);
        out += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const size_t intLen = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= intLen) {
            out += digits + std::string(intLen - digits.size(), '0');
        } else {
            out += digits.substr(0, intLen) + "." + digits.substr(intLen);
        }
    } else {
        out += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
    return out;
}

std::int32_t round32(Decimal value) {
    if (!value.isFinite()) fail(ErrCode::Overflow);
    const Decimal r = roundHalfEven(value);
    if (!(r >= Decimal::fromInt64(-2147483648LL) && r <= Decimal::fromInt64(2147483647LL))) fail(ErrCode::Overflow);
    return static_cast<std::int32_t>(toInt64(r));
}

std::int32_t intMod(Decimal a, Decimal b) {
    const std::int64_t dividend = round32(a);
    const std::int64_t divisor = round32(b);
    if (divisor == 0) fail(ErrCode::DivByZero);
    return static_cast<std::int32_t>(dividend % divisor);
}

std::string exactText(Decimal value) {
    // The library writes the coefficient and the power of ten: "+1234E-2".
    const std::string raw = value.debugText();
    const size_t e = raw.find('E');
    std::string digits = raw.substr(1, e - 1);
    int exponent = std::stoi(raw.substr(e + 1));
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    const std::string sign = raw[0] == '-' && digits != "0" ? "-" : "";
    const int pointAt = static_cast<int>(digits.size()) + exponent;  // digits before the point
    if (exponent >= 0 && pointAt <= 34) return sign + digits + std::string(static_cast<size_t>(exponent), '0');
    if (exponent < 0 && pointAt > 0) return sign + digits.substr(0, pointAt) + "." + digits.substr(pointAt);
    if (exponent < 0 && pointAt > -5) return sign + "0." + std::string(static_cast<size_t>(-pointAt), '0') + digits;
    const std::string mantissa = digits.size() > 1 ? digits.substr(0, 1) + "." + digits.substr(1) : digits;
    return sign + mantissa + "E" + std::to_string(pointAt - 1);
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(kBlankCharacters);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlankCharacters) - first + 1);
}

bool isBlank(std::string_view text) { return trimBlanks(text).empty(); }

}  // namespace velmor
