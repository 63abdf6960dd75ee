#include "engine/numtext.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

#include "engine/errors.h"

namespace velmor {
namespace {

bool isSkippedBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 99;
}

// strtod under the "C" locale: the program's locale may use "," as its decimal point.
double parseCNumber(const std::string& clean) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const double value = strtod_l(clean.c_str(), nullptr, cLocale);
    if (std::isinf(value) || std::isnan(value)) fail(ErrCode::Overflow);
    return value;
}

// Collects a decimal number digit by digit, keeping only what decides the
// rounded double: the first 800 significant digits, whether any dropped digit
// was non-zero, and the power of ten. A pasted megabyte of digits stays cheap.
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

    double value() const {
        if (digits_.empty()) return negative_ ? -0.0 : 0.0;
        long long scale = scale_ + (negativeExponent_ ? -exponent_ : exponent_);
        std::string text = negative_ ? "-" + digits_ : digits_;
        if (sticky_) { text += '1'; --scale; }
        // Far beyond the double range either way: strtod only needs to see which side.
        scale = std::clamp(scale, -100000LL, 100000LL);
        return parseCNumber(text + "E" + std::to_string(scale));
    }

private:
    static constexpr size_t kSignificantDigits = 800;
    std::string digits_;
    long long scale_ = 0;  // value = digits * 10^(scale + exponent)
    long long exponent_ = 0;
    bool negative_ = false, afterPoint_ = false, sticky_ = false, negativeExponent_ = false, seen_ = false;
};

// Reads prefixed digits of `radix` from `pos`, skipping blanks when asked; a
// 32-bit value with the upper half read as two's complement.
double readPrefixedInteger(std::string_view s, size_t& pos, int radix, bool skipBlanks) {
    std::uint64_t value = 0;
    while (pos < s.size()) {
        if (skipBlanks && isSkippedBlank(s[pos])) { ++pos; continue; }
        const int d = digitValue(s[pos]);
        if (d >= radix) break;
        value = value * radix + d;
        if (value > 0xFFFFFFFFull) fail(ErrCode::Overflow);
        ++pos;
    }
    return value >= 0x80000000ull ? static_cast<double>(value) - 4294967296.0 : static_cast<double>(value);
}

int prefixRadix(char c) {
    if (c == 'H' || c == 'h') return 16;
    if (c == 'O' || c == 'o') return 8;
    return 0;
}

}  // namespace

double leadingNumber(std::string_view s) {
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
        return 0;
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
    if (!number.seenDigit()) return 0;
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

double strictNumber(std::string_view s) {
    size_t begin = 0, end = s.size();
    while (begin < end && (s[begin] == ' ' || s[begin] == '\t')) ++begin;
    while (end > begin && (s[end - 1] == ' ' || s[end - 1] == '\t')) --end;
    const std::string_view t = s.substr(begin, end - begin);
    if (t.size() >= 3 && t[0] == '&' && prefixRadix(t[1]) != 0) {
        size_t pos = 2;
        const double value = readPrefixedInteger(t, pos, prefixRadix(t[1]), false);
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

std::string numberText(double value) {
    if (!std::isfinite(value)) fail(ErrCode::Overflow);
    if (value == 0) return "0";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));  // -d.ddddddddddddddde+XX
    const bool negative = sci[0] == '-';
    const size_t epos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(negative ? 1 : 0, epos - (negative ? 1 : 0)))
        if (isDigit(c)) digits += c;
    int exponent = 0;
    std::from_chars(sci.data() + epos + (sci[epos + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
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

std::int32_t round32(double value) {
    if (!std::isfinite(value)) fail(ErrCode::Overflow);
    const double r = std::nearbyint(value);  // the default rounding mode sends halves to even
    if (r < -2147483648.0 || r > 2147483647.0) fail(ErrCode::Overflow);
    return static_cast<std::int32_t>(r);
}

std::int32_t intMod(double a, double b) {
    const std::int64_t dividend = round32(a);
    const std::int64_t divisor = round32(b);
    if (divisor == 0) fail(ErrCode::DivByZero);
    return static_cast<std::int32_t>(dividend % divisor);
}

bool isBlank(std::string_view text) {
    for (char c : text)
        if (c != ' ') return false;
    return true;
}

}  // namespace velmor
