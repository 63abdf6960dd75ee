// The number on display: the one record of what the display shows, the full
// value behind a result, the state of the number being typed, and the format
// (base and word size) every number is shown in. Keys read the display only
// through `read` and write it only through `show`, `showText`, `setText`
// and the entry functions, so the text, the value and the format never disagree.
//
// Decimal: a key that shows a computed number keeps the whole value behind the
// 15-digit text; the next key that reads the display gets that value. Any edit
// makes the text the truth again, so a typed 0.333333333333333 means itself.
//
// Hex, Oct and Bin: every value is a signed whole number of the word size
// (Dword 32, Word 16, Byte 8 bits) in two's complement, so Byte FF is -1.
// Typing keeps to the word: a digit that would make the numeral wider than
// the word is refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/controls.h"
#include "engine/texts.h"
#include "numeric/decimal.h"
#include "numeric/radix.h"

namespace velmor {

// How the display is read as a number.
//  Leading: the number the text starts with, 0 when it starts with none
//           (Dec: "12abc" is 12; Hex: "ffh" is FF; an error text is 0).
//  Strict:  the whole text must be a number of the base (TypeMismatch otherwise).
enum class Reading { Leading, Strict };

// The base numbers are shown in, and outside decimal the word size.
struct NumberFormat {
    int base = kDec;     // kHex, kDec, kOct or kBin
    int wordBits = 32;   // Dword 32, Word 16, Byte 8; decimal ignores it

    bool decimal() const { return base == kDec; }
    int radix() const;
    radix::Word word() const { return {radix(), wordBits}; }
    // Whether digit `value` (0 to 15) is a digit of the base.
    bool hasDigit(int value) const { return value >= 0 && value < radix(); }
    bool operator==(const NumberFormat&) const = default;
};

class Display {
public:
    const std::string& text() const { return text_; }
    const NumberFormat& format() const { return format_; }
    // True when the next digit starts a new number instead of extending this one.
    bool startsNewNumber() const { return startsNewNumber_; }
    // Counts the operands that reached the display (typed, pasted, shown). The
    // pending operation compares it with the count when it was set.
    std::uint64_t operandCount() const { return operandCount_; }

    // The display's value in its format; throws CalcError (TypeMismatch for a
    // strict reading of a text that is no number, Overflow beyond the range).
    Decimal read(Reading how) const;
    // The computed value behind the text, when a key showed one.
    const std::optional<Decimal>& shownValue() const { return valueBehind_; }
    // The same, or nothing where `read` throws.
    std::optional<Decimal> tryRead(Reading how) const;
    // False for a text outside Dec that starts with no numeral of the base (an
    // error text, pasted words): the leading reading takes it for 0, but the
    // operator keys find no operand in it.
    bool startsWithNumber() const;

    // Shows a computed value as a result, in the format: the decimal text with
    // the whole value behind it, or the word's numeral. Throws Overflow (and
    // shows nothing) when the value is beyond the range or the word.
    // `label` goes before the number ("Result = 19").
    void show(Decimal value, std::string_view label = {});
    // The same, but a value the format cannot show (beyond the word, a memory
    // filled in Dec) shows the overflow text instead; false when it did.
    bool showOrOverflow(Decimal value, std::string_view label = {});
    // Shows a decimal number as it was typed, after a label (a formula that is
    // one number keeps its text: "Result = .1"), with its value behind it;
    // outside Dec as `show` does. Throws TypeMismatch when it is no number.
    void showAsTyped(std::string_view label, std::string_view number);
    // Shows a text that is no number (an error text, an empty result): it
    // reads as 0, and the next digit starts a new number.
    void showText(std::string text);
    // An edit from outside the keys (a paste): the text is what it means from
    // now on; whether the next digit starts a new number stays as it was.
    void setText(std::string text);
    // Adds text at the end (a formula's operator, parenthesis or variable),
    // leaving the entry state as it is.
    void append(std::string_view more);
    // Empties the display, as "CE" and the keys that wait for a second operand do.
    void clear();

    // The value shown stays; the next digit starts a new number.
    void endEntry() { startsNewNumber_ = true; }
    // A digit key, 0 to 15 (A to F in Hex). False, and nothing changes, when
    // the digit is none of the base or would make the numeral wider than the word.
    bool typeDigit(int value);
    // The decimal point: only in Dec, and only once per number.
    void typePoint();
    void backspace();
    // "+/-": the display's value negated. During entry, digits typed next
    // extend the negative number. Throws Overflow when the negation has no
    // text (Byte -128), leaving the display as it was.
    void changeSign();

    // Changes the base or word size, keeping the value on display: widening
    // keeps a negative value negative (Byte 80 is Dword FFFFFF80), narrowing
    // keeps the low bits. Throws CalcError, changing nothing, when the display
    // is no number of the old base or the value does not fit the new one.
    void changeFormat(NumberFormat format);
    // Changes the format and leaves the text as it is, for a display that
    // holds no number to convert (an error text).
    void setFormatOnly(NumberFormat format) { format_ = format; }

    // The overflow text, in the user's language (Form sets it).
    void showOverflow() { showText(overflowText_); }
    void setOverflowText(std::string text) { overflowText_ = std::move(text); }

private:
    void writeText(std::string text);
    void replaceValue(Decimal value);
    void startEntry(bool extendText);
    std::optional<std::int32_t> numeralBeingTyped() const;
    bool typeNumeralDigit(int value);
    Decimal readNumeral(Reading how) const;

    std::string text_;
    NumberFormat format_;
    std::optional<Decimal> valueBehind_;  // a shown value behind the text
    bool showsMessage_ = false;           // the text is a message, not a number
    bool startsNewNumber_ = false;
    bool typedNegative_ = false;          // +/- made the numeral being typed negative
    std::uint64_t operandCount_ = 0;
    std::string overflowText_ = kOverflowText.source;
};

}  // namespace velmor
