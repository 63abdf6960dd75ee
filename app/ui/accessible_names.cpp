#include "app/ui/accessible_names.h"

#include <QString>
#include <QWidget>
#include <array>

namespace velmor {
namespace {

struct Row {
    Ctl id;
    AccessibleText text;
};

using C = Ctl;

// Rows follow the Ctl enumeration so a control finds its row by index.
constexpr std::array<Row, kControlCount> kRows = {{
    {C::Display, {"Display", "Shows the number being entered and every result; digits can be typed into it."}},
    {C::Backspace, {"Backspace", "Deletes the last character of the display."}},
    {C::Next, {"Next operand", "Shows the operands the operator keys recorded, one per press, up to the position the operator keys and Dat share; CE and Stat put it back to the start."}},
    {C::FormulaPrompt, {"Formula prompt", "Names the formula variable whose value is entered next."}},
    {C::WorkValue, {"Work value", "Holds the last result for the calculator's own use."}},

    {C::BaseFrame, {"Number base", "Chooses whether the display shows hexadecimal, decimal, octal or binary numbers."}},
    {baseOption(kHex), {"Hexadecimal", "Shows the display in base 16 and enables the digit keys A to F."}},
    {baseOption(kDec), {"Decimal", "Shows the display in base 10."}},
    {baseOption(kOct), {"Octal", "Shows the display in base 8."}},
    {baseOption(kBin), {"Binary", "Shows the display in base 2."}},

    {C::AngleFrame, {"Angle unit", "Chooses degrees, radians or grads; in other bases than decimal, the word size."}},
    {C::Degrees, {"Degrees", "Trigonometric keys take and give angles in degrees."}},
    {C::Radians, {"Radians", "Trigonometric keys take and give angles in radians."}},
    {C::Grads, {"Grads", "Trigonometric keys take and give angles in grads."}},

    {operatorKey(kOpPower), {"Power", "Raises the displayed number to the power entered next."}},
    {operatorKey(kOpMul), {"Multiply", "Multiplies the displayed number by the number entered next."}},
    {operatorKey(kOpDiv), {"Divide", "Divides the displayed number by the number entered next."}},
    {operatorKey(kOpSub), {"Subtract", "Subtracts the number entered next from the displayed number."}},
    {operatorKey(kOpAdd), {"Add", "Adds the number entered next to the displayed number."}},
    {operatorKey(kOpCube), {"Cube", "Raises the displayed number to the third power."}},
    {operatorKey(kOpSquare), {"Square", "Multiplies the displayed number by itself."}},
    {operatorKey(kOpMod), {"Modulo", "Gives the remainder of the displayed number divided by the number entered next."}},
    {operatorKey(kOpRecip), {"Reciprocal", "Divides one by the displayed number."}},
    {C::Factorial, {"Factorial", "Gives the factorial of the displayed number."}},
    {C::MemoryClear, {"Memory clear", "Sets the memory to zero."}},
    {C::MemoryRecall, {"Memory recall", "Shows the number held in the memory."}},
    {C::MemoryStore, {"Memory store", "Stores the displayed number in the memory."}},
    {C::MemoryAdd, {"Memory add", "Adds the displayed number to the memory."}},
    {C::Pi, {"Pi", "Shows the value of pi."}},
    {C::Point, {"Decimal point", "Starts the fractional part of the number."}},

    {digitKey(0), {"Zero", "Enters the digit 0."}},
    {digitKey(1), {"One", "Enters the digit 1."}},
    {digitKey(2), {"Two", "Enters the digit 2."}},
    {digitKey(3), {"Three", "Enters the digit 3."}},
    {digitKey(4), {"Four", "Enters the digit 4."}},
    {digitKey(5), {"Five", "Enters the digit 5."}},
    {digitKey(6), {"Six", "Enters the digit 6."}},
    {digitKey(7), {"Seven", "Enters the digit 7."}},
    {digitKey(8), {"Eight", "Enters the digit 8."}},
    {digitKey(9), {"Nine", "Enters the digit 9."}},
    {C::ClearEntry, {"Clear entry", "Clears the display, the running value and the pending operation, and puts the review position of the Next keys back to the start."}},
    {C::ChangeSign, {"Change sign", "Changes the sign of the displayed number."}},
    {C::Equals, {"Equals", "Completes the pending operation and shows the result."}},
    {C::SquareRoot, {"Square root", "Gives the square root of the displayed number."}},
    {C::Log, {"Logarithm", "Gives the base-10 logarithm of the displayed number."}},
    {C::Sin, {"Sine", "Gives the sine of the displayed angle."}},
    {C::Cos, {"Cosine", "Gives the cosine of the displayed angle."}},
    {C::Tan, {"Tangent", "Gives the tangent of the displayed angle."}},
    {hexKey(0), {"Hex digit A", "Enters the hexadecimal digit A (ten)."}},
    {hexKey(1), {"Hex digit B", "Enters the hexadecimal digit B (eleven)."}},
    {hexKey(2), {"Hex digit C", "Enters the hexadecimal digit C (twelve)."}},
    {hexKey(3), {"Hex digit D", "Enters the hexadecimal digit D (thirteen)."}},
    {hexKey(4), {"Hex digit E", "Enters the hexadecimal digit E (fourteen)."}},
    {hexKey(5), {"Hex digit F", "Enters the hexadecimal digit F (fifteen)."}},

    {C::FunctionFrame, {"Functions", "Reciprocal, inverse and hyperbolic trigonometric functions."}},
    {functionKey(0), {"Secant", "Gives the secant of the displayed angle."}},
    {functionKey(1), {"Cosecant", "Gives the cosecant of the displayed angle."}},
    {functionKey(2), {"Cotangent", "Gives the cotangent of the displayed angle."}},
    {functionKey(3), {"Inverse sine", "Gives the angle whose sine is displayed."}},
    {functionKey(4), {"Inverse cosine", "Gives the angle whose cosine is displayed."}},
    {functionKey(5), {"Inverse tangent", "Gives the angle whose tangent is displayed."}},
    {functionKey(6), {"Inverse secant", "Gives the angle whose secant is displayed."}},
    {functionKey(7), {"Inverse cosecant", "Gives the angle whose cosecant is displayed."}},
    {functionKey(8), {"Inverse cotangent", "Gives the angle whose cotangent is displayed."}},
    {functionKey(9), {"Hyperbolic sine", "Gives the hyperbolic sine of the displayed number."}},
    {functionKey(10), {"Hyperbolic cosine", "Gives the hyperbolic cosine of the displayed number."}},
    {functionKey(11), {"Hyperbolic tangent", "Gives the hyperbolic tangent of the displayed number."}},
    {functionKey(12), {"Hyperbolic secant", "Gives the hyperbolic secant of the displayed number."}},
    {functionKey(13), {"Hyperbolic cosecant", "Gives the hyperbolic cosecant of the displayed number."}},
    {functionKey(14), {"Hyperbolic cotangent", "Gives the hyperbolic cotangent of the displayed number."}},
    {functionKey(15), {"Inverse hyperbolic sine", "Gives the number whose hyperbolic sine is displayed."}},
    {functionKey(16), {"Inverse hyperbolic cosine", "Gives the number whose hyperbolic cosine is displayed."}},
    {functionKey(17), {"Inverse hyperbolic tangent", "Gives the number whose hyperbolic tangent is displayed."}},
    {functionKey(18), {"Inverse hyperbolic secant", "Gives the number whose hyperbolic secant is displayed."}},
    {functionKey(19), {"Inverse hyperbolic cosecant", "Gives the number whose hyperbolic cosecant is displayed."}},
    {functionKey(20), {"Inverse hyperbolic cotangent", "Gives the number whose hyperbolic cotangent is displayed."}},

    {C::MoreFrame, {"More functions", "Exponentials, roots, combinatorics, sums, the formula and parentheses."}},
    {C::ExpE, {"Exponential", "Raises e to the displayed power."}},
    {C::Combinations, {"Combinations", "Counts the combinations of the displayed n taken r at a time, r entered next."}},
    {C::Permutations, {"Permutations", "Counts the permutations of the displayed n taken r at a time, r entered next."}},
    {C::Ln, {"Natural logarithm", "Gives the natural logarithm of the displayed number."}},
    {integerSumKey(0), {"Sum of integers", "Sums the whole numbers from 1 to the displayed n."}},
    {integerSumKey(1), {"Sum of squares of integers", "Sums the squares of the whole numbers from 1 to the displayed n."}},
    {integerSumKey(2), {"Sum of cubes of integers", "Sums the cubes of the whole numbers from 1 to the displayed n."}},
    {C::Random, {"Random number", "Shows a random number between 0 and 1."}},
    {C::NthRoot, {"Nth root", "Takes the root of the displayed number, its degree entered next."}},
    {C::TenPower, {"Power of ten", "Raises 10 to the displayed power."}},
    {C::Percent, {"Percent", "Divides the displayed number by 100; a pending operation takes the result as its second number."}},
    {C::Formula, {"User defined formula", "Starts typing a formula over the variables A to F."}},
    {C::OpenParen, {"Open parenthesis", "Opens a parenthesis in the calculation."}},
    {C::CloseParen, {"Close parenthesis", "Closes the open parenthesis."}},
    // Captioned "New" while a formula result is on show; the description covers both.
    {C::SendFormula, {"Send formula", "Sends the typed formula for evaluation; once a result shows, starts a new formula."}},
    {C::Round, {"Round", "Rounds the displayed number to a whole number."}},

    {C::StatsFrame, {"Statistics", "Collects a list of values and shows their summary."}},
    {C::StatStart, {"Start statistics", "Opens the statistics mode, enables its keys and puts the review position of the Next keys back to the start."}},
    {C::StatAdd, {"Add data", "Adds the displayed number to the statistics list."}},
    {C::StatMean, {"Mean", "Shows the mean of the statistics list."}},
    {C::StatSum, {"Sum", "Shows the sum of the statistics list."}},
    {C::StatSumSquares, {"Sum of squares", "Shows the sum of the squares of the statistics list."}},
    {C::StatSumCubes, {"Sum of cubes", "Shows the sum of the cubes of the statistics list."}},
    {C::StatClear, {"Clear statistics", "Clears the statistics list and closes the statistics mode."}},
    {C::StatCount, {"Count", "Shows how many values the statistics list holds."}},
    {C::StatSampleDeviation, {"Sample standard deviation", "Shows the sample standard deviation of the list."}},
    {C::StatPopulationDeviation, {"Population standard deviation", "Shows the population standard deviation of the list."}},
    {C::StatNext, {"Next statistics value", "Shows the values in the statistics list, one per press."}},
}};

constexpr bool rowsInEnumOrder() {
    for (int i = 0; i < kControlCount; ++i)
        if (toInt(kRows[i].id) != i) return false;
    return true;
}
static_assert(rowsInEnumOrder(), "accessible text rows must follow the Ctl enumeration");

// The angle-unit buttons as word-size selectors, in the order optDeg, optRad, optGrad.
constexpr std::array<AccessibleText, 3> kWordSizes = {{
    {"Double word", "Limits the display to a 32-bit value."},
    {"Word", "Limits the display to a 16-bit value."},
    {"Byte", "Limits the display to an 8-bit value."},
}};

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

AccessibleText accessibleText(Ctl control, bool wordSizeRole) {
    if (wordSizeRole && control >= Ctl::Degrees && control <= Ctl::Grads)
        return kWordSizes[toInt(control) - toInt(Ctl::Degrees)];
    return kRows[toInt(control)].text;
}

void applyAccessibleText(QWidget* widget, Ctl control, bool wordSizeRole) {
    // Only real changes are set, so screen readers hear no repeated name-change events.
    const AccessibleText text = accessibleText(control, wordSizeRole);
    const QString name = toQString(text.name);
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
    const QString description = toQString(text.description);
    if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
}

}  // namespace velmor
