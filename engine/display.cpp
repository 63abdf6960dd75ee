#include "engine/display.h"

#include <algorithm>

#include "engine/texts.h"
#include "engine/utf8.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"
#include "numeric/range.h"

namespace velmor {

int NumberFormat::radix() const {
    switch (base) {
    case kHex: return 16;
    case kOct: return 8;
    case kBin: return 2;
    default: return 10;
    }
}

Decimal Display::read(Reading how) const {
    if (valueBehind_) return *valueBehind_;
    if (showsMessage_ || isBlank(text_)) {
        if (how == Reading::Strict) fail(ErrCode::TypeMismatch);
        return 0;
    }
    if (!format_.decimal()) return readNumeral(how);
    return how == Reading::Strict ? strictNumber(text_) : leadingNumber(text_);
}

std::optional<Decimal> Display::tryRead(Reading how) const {
    try {
        return read(how);
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

bool Display::startsWithNumber() const {
    if (format_.decimal() || valueBehind_ || isBlank(text_)) return true;
    if (showsMessage_) return false;
    try {
        return radix::leadingWordNumeral(text_, format_.word()).has_value();
    } catch (const CalcError&) {
        return true;  // a numeral too wide for the word: reading it tells the overflow
    }
}

Decimal Display::readNumeral(Reading how) const {
    if (how == Reading::Strict) return radix::readWordNumeral(trimBlanks(text_), format_.word());
    return radix::leadingWordNumeral(text_, format_.word()).value_or(0);
}

void Display::show(Decimal value, std::string_view label) {
    std::string number;
    Decimal kept;
    if (format_.decimal()) {
        number = numberText(value);
        kept = inRange(value);
    } else {
        number = radix::wordText(value, format_.word());
        kept = radix::readWordNumeral(number, format_.word());
    }
    writeText(std::string(label) + number);
    valueBehind_ = kept;
    startsNewNumber_ = true;
}

bool Display::showOrOverflow(Decimal value, std::string_view label) {
    try {
        show(value, label);
        return true;
    } catch (const CalcError&) {
        showOverflow();
        return false;
    }
}

void Display::showAsTyped(std::string_view label, std::string_view number) {
    const Decimal value = strictNumber(number);
    if (!format_.decimal()) return show(value, label);
    writeText(std::string(label) + std::string(number));
    valueBehind_ = value;
    startsNewNumber_ = true;
}

void Display::showText(std::string text) {
    writeText(std::move(text));
    showsMessage_ = true;
    startsNewNumber_ = true;
}

void Display::setText(std::string text) { writeText(std::move(text)); }

void Display::append(std::string_view more) {
    text_ += more;
    valueBehind_.reset();
    showsMessage_ = false;
    typedNegative_ = false;
}

void Display::clear() {
    text_.clear();
    valueBehind_.reset();
    showsMessage_ = false;
    typedNegative_ = false;
}

void Display::writeText(std::string text) {
    text_ = std::move(text);
    valueBehind_.reset();
    showsMessage_ = false;
    typedNegative_ = false;
    ++operandCount_;
}

// The next digit starts a new number, or extends the text on display.
void Display::startEntry(bool extendText) {
    if (startsNewNumber_ || !extendText) clear();
    valueBehind_.reset();
    showsMessage_ = false;
    startsNewNumber_ = false;
    ++operandCount_;
}

bool Display::typeDigit(int value) {
    if (!format_.hasDigit(value)) return false;
    if (!format_.decimal()) return typeNumeralDigit(value);
    startEntry(true);
    text_ += static_cast<char>('0' + value);
    return true;
}

std::optional<std::int32_t> Display::numeralBeingTyped() const {
    if (startsNewNumber_ || showsMessage_) return std::nullopt;
    try {
        return radix::readWordNumeral(trimBlanks(text_), format_.word());
    } catch (const CalcError&) {
        return std::nullopt;  // no numeral of the word: a digit starts a new one
    }
}

// The numeral typed so far, extended by one digit: as text while it is
// positive; after "+/-" as the negative
// number whose magnitude the digits write. Either way it stays in the word.
bool Display::typeNumeralDigit(int value) {
    const radix::Word word = format_.word();
    const std::optional<std::int32_t> current = numeralBeingTyped();
    if (current && typedNegative_) {
        const std::int64_t magnitude = -std::int64_t{*current} * word.radix + value;
        if (magnitude > (std::int64_t{1} << (word.bits - 1))) return false;  // below the word's least value
        startEntry(true);
        text_ = radix::patternText(static_cast<std::uint32_t>(-magnitude), word);
        typedNegative_ = magnitude != 0;
        return true;
    }
    // The numeral is written as the word writes it: upper case, no leading zeros.
    const std::string kept = current && *current != 0 ? radix::patternText(static_cast<std::uint32_t>(*current), word) : "";
    const std::string typed = kept + "0123456789ABCDEF"[value];
    if (typed.size() > static_cast<size_t>(radix::numeralWidth(word))) return false;
    try {
        radix::readWordNumeral(typed, word);
    } catch (const CalcError&) {
        return false;  // a value beyond the word's bits (Oct Byte 400)
    }
    startEntry(current.has_value());
    text_ = typed;
    return true;
}

void Display::typePoint() {
    if (!format_.decimal()) return;  // Hex, Oct and Bin hold whole numbers
    if (startsNewNumber_) {
        // Right after an operator the point starts the new number, so it is not lost.
        startEntry(false);
        text_ = "0.";
        return;
    }
    valueBehind_.reset();
    showsMessage_ = false;
    if (text_.find('.') == std::string::npos) text_ += '.';
}

void Display::backspace() {
    valueBehind_.reset();
    showsMessage_ = false;
    if (typedNegative_) {
        // The last digit of the negative number goes, not the last of its numeral.
        const radix::Word word = format_.word();
        const std::int64_t magnitude = -std::int64_t{radix::leadingWordNumeral(text_, word).value_or(0)} / word.radix;
        text_ = magnitude == 0 ? std::string() : radix::patternText(static_cast<std::uint32_t>(-magnitude), word);
        typedNegative_ = magnitude != 0;
        return;
    }
    if (isBlank(text_)) text_ = "0";
    else dropLastCharacter(text_);
}

// The value on display written again (with the other sign, in another
// format): the same operand, so the entry state and the operand count stay.
void Display::replaceValue(Decimal value) {
    const bool starts = startsNewNumber_;
    show(value);
    startsNewNumber_ = starts;
    --operandCount_;
}

void Display::changeSign() {
    const Decimal negated = -read(Reading::Leading);
    const bool wasShown = valueBehind_.has_value();
    replaceValue(negated);
    // A value only shown stays a result; an edited number is a number typed.
    if (!wasShown) valueBehind_.reset();
    typedNegative_ = !startsNewNumber_ && !format_.decimal() && negated < 0;
}

void Display::changeFormat(NumberFormat format) {
    if (format == format_) return;
    if (isBlank(text_)) {
        format_ = format;
        return;
    }
    Decimal value = read(format_.decimal() ? Reading::Leading : Reading::Strict);
    // Between words of a base a narrower word keeps the low bits; a wider one
    // the signed value.
    if (!format_.decimal() && !format.decimal() && format.wordBits < format_.wordBits)
        value = radix::signedInWord(static_cast<std::uint32_t>(toInt64(value)), format.wordBits);
    const NumberFormat old = format_;
    format_ = format;
    try {
        replaceValue(value);
    } catch (const CalcError&) {
        format_ = old;
        throw;
    }
}

}  // namespace velmor
