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
    {C::Text1, {"Display", "Shows the number being entered and every result; digits can be typed into it."}},
    {C::Command2, {"Backspace", "Deletes the last character of the display."}},
    {C::cmdNext, {"Next operand", "Shows the operands recorded by the operator keys, one per press."}},
    {C::txtformu, {"Formula prompt", "Names the formula variable whose value is entered next."}},
    {C::Text2, {"Work value", "Holds the last result for the calculator's own use."}},

    {C::Frame1, {"Number base", "Chooses whether the display shows hexadecimal, decimal, octal or binary numbers."}},
    {option1(kHex), {"Hexadecimal", "Shows the display in base 16 and enables the digit keys A to F."}},
    {option1(kDec), {"Decimal", "Shows the display in base 10."}},
    {option1(kOct), {"Octal", "Shows the display in base 8."}},
    {option1(kBin), {"Binary", "Shows the display in base 2."}},

    {C::Frame3, {"Angle unit", "Chooses degrees, radians or grads; in other bases than decimal, the word size."}},
    {C::optDeg, {"Degrees", "Trigonometric keys take and give angles in degrees."}},
    {C::optRad, {"Radians", "Trigonometric keys take and give angles in radians."}},
    {C::optGrad, {"Grads", "Trigonometric keys take and give angles in grads."}},

    {cmdop(kOpPower), {"Power", "Raises the displayed number to the power entered next."}},
    {cmdop(kOpMul), {"Multiply", "Multiplies the displayed number by the number entered next."}},
    {cmdop(kOpDiv), {"Divide", "Divides the displayed number by the number entered next."}},
    {cmdop(kOpSub), {"Subtract", "Subtracts the number entered next from the displayed number."}},
    {cmdop(kOpAdd), {"Add", "Adds the number entered next to the displayed number."}},
    {cmdop(kOpCube), {"Cube", "Raises the displayed number to the third power."}},
    {cmdop(kOpSquare), {"Square", "Multiplies the displayed number by itself."}},
    {cmdop(kOpMod), {"Modulo", "Gives the remainder of the displayed number divided by the number entered next."}},
    {cmdop(kOpRecip), {"Reciprocal", "Divides one by the displayed number."}},
    {C::Command12, {"Factorial", "Gives the factorial of the displayed number."}},
    {C::Command3, {"Memory clear", "Sets the memory to zero."}},
    {C::Command4, {"Memory recall", "Shows the number held in the memory."}},
    {C::Command5, {"Memory store", "Stores the displayed number in the memory."}},
    {C::Command6, {"Memory add", "Adds the displayed number to the memory."}},
    {C::Command7, {"Pi", "Shows the value of pi."}},
    {C::Command1, {"Decimal point", "Starts the fractional part of the number."}},

    {cmdNo(0), {"Zero", "Enters the digit 0."}},
    {cmdNo(1), {"One", "Enters the digit 1."}},
    {cmdNo(2), {"Two", "Enters the digit 2."}},
    {cmdNo(3), {"Three", "Enters the digit 3."}},
    {cmdNo(4), {"Four", "Enters the digit 4."}},
    {cmdNo(5), {"Five", "Enters the digit 5."}},
    {cmdNo(6), {"Six", "Enters the digit 6."}},
    {cmdNo(7), {"Seven", "Enters the digit 7."}},
    {cmdNo(8), {"Eight", "Enters the digit 8."}},
    {cmdNo(9), {"Nine", "Enters the digit 9."}},
    {C::CMCE, {"Clear entry", "Clears the display and the recorded operands."}},
    {C::cmdSgn, {"Change sign", "Changes the sign of the displayed number."}},
    {C::cmdeq, {"Equals", "Completes the pending operation and shows the result."}},
    {C::cmdsqrt, {"Square root", "Gives the square root of the displayed number."}},
    {C::Command11, {"Logarithm", "Gives the base-10 logarithm of the displayed number."}},
    {C::Command10, {"Sine", "Gives the sine of the displayed angle."}},
    {C::Command9, {"Cosine", "Gives the cosine of the displayed angle."}},
    {C::Command8, {"Tangent", "Gives the tangent of the displayed angle."}},
    {cmdhex(0), {"Hex digit A", "Enters the hexadecimal digit A (ten)."}},
    {cmdhex(1), {"Hex digit B", "Enters the hexadecimal digit B (eleven)."}},
    {cmdhex(2), {"Hex digit C", "Enters the hexadecimal digit C (twelve)."}},
    {cmdhex(3), {"Hex digit D", "Enters the hexadecimal digit D (thirteen)."}},
    {cmdhex(4), {"Hex digit E", "Enters the hexadecimal digit E (fourteen)."}},
    {cmdhex(5), {"Hex digit F", "Enters the hexadecimal digit F (fifteen)."}},

    {C::Frame2, {"Functions", "Reciprocal, inverse and hyperbolic trigonometric functions."}},
    {cmdCont(0), {"Secant", "Gives the secant of the displayed angle."}},
    {cmdCont(1), {"Cosecant", "Gives the cosecant of the displayed angle."}},
    {cmdCont(2), {"Cotangent", "Gives the cotangent of the displayed angle."}},
    {cmdCont(3), {"Inverse sine", "Gives the angle whose sine is displayed."}},
    {cmdCont(4), {"Inverse cosine", "Gives the angle whose cosine is displayed."}},
    {cmdCont(5), {"Inverse tangent", "Gives the angle whose tangent is displayed."}},
    {cmdCont(6), {"Inverse secant", "Gives the angle whose secant is displayed."}},
    {cmdCont(7), {"Inverse cosecant", "Gives the angle whose cosecant is displayed."}},
    {cmdCont(8), {"Inverse cotangent", "Gives the angle whose cotangent is displayed."}},
    {cmdCont(9), {"Hyperbolic sine", "Gives the hyperbolic sine of the displayed number."}},
    {cmdCont(10), {"Hyperbolic cosine", "Gives the hyperbolic cosine of the displayed number."}},
    {cmdCont(11), {"Hyperbolic tangent", "Gives the hyperbolic tangent of the displayed number."}},
    {cmdCont(12), {"Hyperbolic secant", "Gives the hyperbolic secant of the displayed number."}},
    {cmdCont(13), {"Hyperbolic cosecant", "Gives the hyperbolic cosecant of the displayed number."}},
    {cmdCont(14), {"Hyperbolic cotangent", "Gives the hyperbolic cotangent of the displayed number."}},
    {cmdCont(15), {"Inverse hyperbolic sine", "Gives the number whose hyperbolic sine is displayed."}},
    {cmdCont(16), {"Inverse hyperbolic cosine", "Gives the number whose hyperbolic cosine is displayed."}},
    {cmdCont(17), {"Inverse hyperbolic tangent", "Gives the number whose hyperbolic tangent is displayed."}},
    {cmdCont(18), {"Inverse hyperbolic secant", "Gives the number whose hyperbolic secant is displayed."}},
    {cmdCont(19), {"Inverse hyperbolic cosecant", "Gives the number whose hyperbolic cosecant is displayed."}},
    {cmdCont(20), {"Inverse hyperbolic cotangent", "Gives the number whose hyperbolic cotangent is displayed."}},

    {C::Frame4, {"More functions", "Exponentials, roots, combinatorics, sums, the formula and parentheses."}},
    {C::cmdea, {"Exponential", "Raises e to the displayed power."}},
    {C::cmdncr, {"Combinations", "Counts the combinations of the displayed n taken r at a time, r entered next."}},
    {C::cmdnpr, {"Permutations", "Counts the permutations of the displayed n taken r at a time, r entered next."}},
    {C::cmdLn, {"Natural logarithm", "Gives the natural logarithm of the displayed number."}},
    {cmdsigx(0), {"Sum of integers", "Sums the whole numbers from 1 to the displayed n."}},
    {cmdsigx(1), {"Sum of squares of integers", "Sums the squares of the whole numbers from 1 to the displayed n."}},
    {cmdsigx(2), {"Sum of cubes of integers", "Sums the cubes of the whole numbers from 1 to the displayed n."}},
    {C::cmdRand, {"Random number", "Shows a random number between 0 and 1."}},
    {C::cmdnsqrt, {"Nth root", "Takes the root of the displayed number, its degree entered next."}},
    {C::cmd10x, {"Power of ten", "Raises 10 to the displayed power."}},
    {C::cmdPercent, {"Percent", "Takes the displayed number as a percentage of the pending operand."}},
    {C::cmdFormule, {"User defined formula", "Starts typing a formula over the variables A to F."}},
    {C::cmdrB, {"Open parenthesis", "Opens a parenthesis in the calculation."}},
    {C::cmdLB, {"Close parenthesis", "Closes the open parenthesis."}},
    // Captioned "New" while a formula result is on show; the description covers both.
    {C::cmdOK, {"Send formula", "Sends the typed formula for evaluation; once a result shows, starts a new formula."}},
    {C::cmdRou, {"Round", "Rounds the displayed number to a whole number."}},

    {C::Frame5, {"Statistics", "Collects a list of values and shows their summary."}},
    {C::cmdStat, {"Start statistics", "Opens the statistics mode and enables its keys."}},
    {C::cmdData, {"Add data", "Adds the displayed number to the statistics list."}},
    {C::cmdXbar, {"Mean", "Shows the mean of the statistics list."}},
    {C::cmdSigmax, {"Sum", "Shows the sum of the statistics list."}},
    {C::cmdSigmaX2, {"Sum of squares", "Shows the sum of the squares of the statistics list."}},
    {C::cmdSigmax3, {"Sum of cubes", "Shows the sum of the cubes of the statistics list."}},
    {C::cmdClear, {"Clear statistics", "Clears the statistics list and closes the statistics mode."}},
    {C::cmdstdN, {"Count", "Shows how many values the statistics list holds."}},
    {C::cmdStdDev, {"Sample standard deviation", "Shows the sample standard deviation of the list."}},
    {C::cmdSigmas, {"Population standard deviation", "Shows the population standard deviation of the list."}},
    {C::cmdStdNext, {"Next statistics value", "Shows the values of the statistics list, one per press."}},
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
    if (wordSizeRole && control >= Ctl::optDeg && control <= Ctl::optGrad)
        return kWordSizes[toInt(control) - toInt(Ctl::optDeg)];
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
