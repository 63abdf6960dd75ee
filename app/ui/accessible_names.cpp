#include "app/ui/accessible_names.h"

#include "app/ui/translations.h"

#include <QString>
#include <QWidget>
#include <array>

namespace velmor {
namespace {

constexpr const char* kContext = "Accessible";

struct Row {
    Ctl id;
    AccessibleText text;
};

using C = Ctl;

// Rows follow the Ctl enumeration so a control finds its row by index.
constexpr std::array<Row, kControlCount> kRows = {{
    {C::Display, {QT_TRANSLATE_NOOP("Accessible", "Display"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the number being entered and every result; digits can be typed into it.")}},
    {C::Backspace, {QT_TRANSLATE_NOOP("Accessible", "Backspace"),
     QT_TRANSLATE_NOOP("Accessible", "Deletes the last character of the display.")}},
    {C::Next, {QT_TRANSLATE_NOOP("Accessible", "Next operand"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the operands the operator keys recorded, one per press, up to the position the operator keys and Dat share; CE and Stat put it back to the start.")}},
    {C::FormulaPrompt, {QT_TRANSLATE_NOOP("Accessible", "Formula prompt"),
     QT_TRANSLATE_NOOP("Accessible", "Names the formula variable whose value is entered next.")}},
    {C::WorkValue, {QT_TRANSLATE_NOOP("Accessible", "Work value"),
     QT_TRANSLATE_NOOP("Accessible", "Holds the last result for the calculator's own use.")}},

    {C::BaseFrame, {QT_TRANSLATE_NOOP("Accessible", "Number base"),
     QT_TRANSLATE_NOOP("Accessible", "Chooses whether the display shows hexadecimal, decimal, octal or binary numbers.")}},
    {baseOption(kHex), {QT_TRANSLATE_NOOP("Accessible", "Hexadecimal"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the display in base 16 and enables the digit keys A to F.")}},
    {baseOption(kDec), {QT_TRANSLATE_NOOP("Accessible", "Decimal"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the display in base 10.")}},
    {baseOption(kOct), {QT_TRANSLATE_NOOP("Accessible", "Octal"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the display in base 8.")}},
    {baseOption(kBin), {QT_TRANSLATE_NOOP("Accessible", "Binary"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the display in base 2.")}},

    {C::AngleFrame, {QT_TRANSLATE_NOOP("Accessible", "Angle unit"),
     QT_TRANSLATE_NOOP("Accessible", "Chooses degrees, radians or grads; in other bases than decimal, the word size.")}},
    {C::Degrees, {QT_TRANSLATE_NOOP("Accessible", "Degrees"),
     QT_TRANSLATE_NOOP("Accessible", "Trigonometric keys take and give angles in degrees.")}},
    {C::Radians, {QT_TRANSLATE_NOOP("Accessible", "Radians"),
     QT_TRANSLATE_NOOP("Accessible", "Trigonometric keys take and give angles in radians.")}},
    {C::Grads, {QT_TRANSLATE_NOOP("Accessible", "Grads"),
     QT_TRANSLATE_NOOP("Accessible", "Trigonometric keys take and give angles in grads.")}},

    {operatorKey(kOpPower), {QT_TRANSLATE_NOOP("Accessible", "Power"),
     QT_TRANSLATE_NOOP("Accessible", "Raises the displayed number to the power entered next.")}},
    {operatorKey(kOpMul), {QT_TRANSLATE_NOOP("Accessible", "Multiply"),
     QT_TRANSLATE_NOOP("Accessible", "Multiplies the displayed number by the number entered next.")}},
    {operatorKey(kOpDiv), {QT_TRANSLATE_NOOP("Accessible", "Divide"),
     QT_TRANSLATE_NOOP("Accessible", "Divides the displayed number by the number entered next.")}},
    {operatorKey(kOpSub), {QT_TRANSLATE_NOOP("Accessible", "Subtract"),
     QT_TRANSLATE_NOOP("Accessible", "Subtracts the number entered next from the displayed number.")}},
    {operatorKey(kOpAdd), {QT_TRANSLATE_NOOP("Accessible", "Add"),
     QT_TRANSLATE_NOOP("Accessible", "Adds the number entered next to the displayed number.")}},
    {operatorKey(kOpCube), {QT_TRANSLATE_NOOP("Accessible", "Cube"),
     QT_TRANSLATE_NOOP("Accessible", "Raises the displayed number to the third power.")}},
    {operatorKey(kOpSquare), {QT_TRANSLATE_NOOP("Accessible", "Square"),
     QT_TRANSLATE_NOOP("Accessible", "Multiplies the displayed number by itself.")}},
    {operatorKey(kOpMod), {QT_TRANSLATE_NOOP("Accessible", "Modulo"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the remainder of the displayed number divided by the number entered next.")}},
    {operatorKey(kOpRecip), {QT_TRANSLATE_NOOP("Accessible", "Reciprocal"),
     QT_TRANSLATE_NOOP("Accessible", "Divides one by the displayed number.")}},
    {C::Factorial, {QT_TRANSLATE_NOOP("Accessible", "Factorial"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the factorial of the displayed number.")}},
    {C::MemoryClear, {QT_TRANSLATE_NOOP("Accessible", "Memory clear"),
     QT_TRANSLATE_NOOP("Accessible", "Sets the memory to zero.")}},
    {C::MemoryRecall, {QT_TRANSLATE_NOOP("Accessible", "Memory recall"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the number held in the memory.")}},
    {C::MemoryStore, {QT_TRANSLATE_NOOP("Accessible", "Memory store"),
     QT_TRANSLATE_NOOP("Accessible", "Stores the displayed number in the memory.")}},
    {C::MemoryAdd, {QT_TRANSLATE_NOOP("Accessible", "Memory add"),
     QT_TRANSLATE_NOOP("Accessible", "Adds the displayed number to the memory.")}},
    {C::Pi, {QT_TRANSLATE_NOOP("Accessible", "Pi"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the value of pi.")}},
    {C::Point, {QT_TRANSLATE_NOOP("Accessible", "Decimal point"),
     QT_TRANSLATE_NOOP("Accessible", "Starts the fractional part of the number.")}},

    {digitKey(0), {QT_TRANSLATE_NOOP("Accessible", "Zero"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the digit 0.")}},
    {digitKey(1), {QT_TRANSLATE_NOOP("Accessible", "One"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the digit 1.")}},
    {digitKey(2), {QT_TRANSLATE_NOOP("Accessible", "Two"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the digit 2.")}},
    {digitKey(3), {QT_TRANSLATE_NOOP("Accessible", "Three"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the digit 3.")}},
    {digitKey(4), {QT_TRANSLATE_NOOP("Accessible", "Four"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the digit 4.")}},
    {digitKey(5), {QT_TRANSLATE_NOOP("Accessible", "Five"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the digit 5.")}},
    {digitKey(6), {QT_TRANSLATE_NOOP("Accessible", "Six"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the digit 6.")}},
    {digitKey(7), {QT_TRANSLATE_NOOP("Accessible", "Seven"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the digit 7.")}},
    {digitKey(8), {QT_TRANSLATE_NOOP("Accessible", "Eight"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the digit 8.")}},
    {digitKey(9), {QT_TRANSLATE_NOOP("Accessible", "Nine"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the digit 9.")}},
    {C::ClearEntry, {QT_TRANSLATE_NOOP("Accessible", "Clear entry"),
     QT_TRANSLATE_NOOP("Accessible", "Clears the display, the running value and the pending operation, and puts the review position of the Next keys back to the start.")}},
    {C::ChangeSign, {QT_TRANSLATE_NOOP("Accessible", "Change sign"),
     QT_TRANSLATE_NOOP("Accessible", "Changes the sign of the displayed number.")}},
    {C::Equals, {QT_TRANSLATE_NOOP("Accessible", "Equals"),
     QT_TRANSLATE_NOOP("Accessible", "Completes the pending operation and shows the result.")}},
    {C::SquareRoot, {QT_TRANSLATE_NOOP("Accessible", "Square root"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the square root of the displayed number.")}},
    {C::Log, {QT_TRANSLATE_NOOP("Accessible", "Logarithm"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the base-10 logarithm of the displayed number.")}},
    {C::Sin, {QT_TRANSLATE_NOOP("Accessible", "Sine"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the sine of the displayed angle.")}},
    {C::Cos, {QT_TRANSLATE_NOOP("Accessible", "Cosine"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the cosine of the displayed angle.")}},
    {C::Tan, {QT_TRANSLATE_NOOP("Accessible", "Tangent"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the tangent of the displayed angle.")}},
    {hexKey(0), {QT_TRANSLATE_NOOP("Accessible", "Hex digit A"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the hexadecimal digit A (ten).")}},
    {hexKey(1), {QT_TRANSLATE_NOOP("Accessible", "Hex digit B"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the hexadecimal digit B (eleven).")}},
    {hexKey(2), {QT_TRANSLATE_NOOP("Accessible", "Hex digit C"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the hexadecimal digit C (twelve).")}},
    {hexKey(3), {QT_TRANSLATE_NOOP("Accessible", "Hex digit D"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the hexadecimal digit D (thirteen).")}},
    {hexKey(4), {QT_TRANSLATE_NOOP("Accessible", "Hex digit E"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the hexadecimal digit E (fourteen).")}},
    {hexKey(5), {QT_TRANSLATE_NOOP("Accessible", "Hex digit F"),
     QT_TRANSLATE_NOOP("Accessible", "Enters the hexadecimal digit F (fifteen).")}},

    {C::FunctionFrame, {QT_TRANSLATE_NOOP("Accessible", "Functions"),
     QT_TRANSLATE_NOOP("Accessible", "Reciprocal, inverse and hyperbolic trigonometric functions.")}},
    {functionKey(0), {QT_TRANSLATE_NOOP("Accessible", "Secant"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the secant of the displayed angle.")}},
    {functionKey(1), {QT_TRANSLATE_NOOP("Accessible", "Cosecant"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the cosecant of the displayed angle.")}},
    {functionKey(2), {QT_TRANSLATE_NOOP("Accessible", "Cotangent"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the cotangent of the displayed angle.")}},
    {functionKey(3), {QT_TRANSLATE_NOOP("Accessible", "Inverse sine"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the angle whose sine is displayed.")}},
    {functionKey(4), {QT_TRANSLATE_NOOP("Accessible", "Inverse cosine"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the angle whose cosine is displayed.")}},
    {functionKey(5), {QT_TRANSLATE_NOOP("Accessible", "Inverse tangent"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the angle whose tangent is displayed.")}},
    {functionKey(6), {QT_TRANSLATE_NOOP("Accessible", "Inverse secant"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the angle whose secant is displayed.")}},
    {functionKey(7), {QT_TRANSLATE_NOOP("Accessible", "Inverse cosecant"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the angle whose cosecant is displayed.")}},
    {functionKey(8), {QT_TRANSLATE_NOOP("Accessible", "Inverse cotangent"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the angle whose cotangent is displayed.")}},
    {functionKey(9), {QT_TRANSLATE_NOOP("Accessible", "Hyperbolic sine"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the hyperbolic sine of the displayed number.")}},
    {functionKey(10), {QT_TRANSLATE_NOOP("Accessible", "Hyperbolic cosine"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the hyperbolic cosine of the displayed number.")}},
    {functionKey(11), {QT_TRANSLATE_NOOP("Accessible", "Hyperbolic tangent"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the hyperbolic tangent of the displayed number.")}},
    {functionKey(12), {QT_TRANSLATE_NOOP("Accessible", "Hyperbolic secant"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the hyperbolic secant of the displayed number.")}},
    {functionKey(13), {QT_TRANSLATE_NOOP("Accessible", "Hyperbolic cosecant"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the hyperbolic cosecant of the displayed number.")}},
    {functionKey(14), {QT_TRANSLATE_NOOP("Accessible", "Hyperbolic cotangent"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the hyperbolic cotangent of the displayed number.")}},
    {functionKey(15), {QT_TRANSLATE_NOOP("Accessible", "Inverse hyperbolic sine"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the number whose hyperbolic sine is displayed.")}},
    {functionKey(16), {QT_TRANSLATE_NOOP("Accessible", "Inverse hyperbolic cosine"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the number whose hyperbolic cosine is displayed.")}},
    {functionKey(17), {QT_TRANSLATE_NOOP("Accessible", "Inverse hyperbolic tangent"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the number whose hyperbolic tangent is displayed.")}},
    {functionKey(18), {QT_TRANSLATE_NOOP("Accessible", "Inverse hyperbolic secant"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the number whose hyperbolic secant is displayed.")}},
    {functionKey(19), {QT_TRANSLATE_NOOP("Accessible", "Inverse hyperbolic cosecant"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the number whose hyperbolic cosecant is displayed.")}},
    {functionKey(20), {QT_TRANSLATE_NOOP("Accessible", "Inverse hyperbolic cotangent"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the number whose hyperbolic cotangent is displayed.")}},

    {C::MoreFrame, {QT_TRANSLATE_NOOP("Accessible", "More functions"),
     QT_TRANSLATE_NOOP("Accessible", "Exponentials, roots, combinatorics, sums, the formula and parentheses.")}},
    {C::ExpE, {QT_TRANSLATE_NOOP("Accessible", "Exponential"),
     QT_TRANSLATE_NOOP("Accessible", "Raises e to the displayed power.")}},
    {C::Combinations, {QT_TRANSLATE_NOOP("Accessible", "Combinations"),
     QT_TRANSLATE_NOOP("Accessible", "Counts the combinations of the displayed n taken r at a time, r entered next.")}},
    {C::Permutations, {QT_TRANSLATE_NOOP("Accessible", "Permutations"),
     QT_TRANSLATE_NOOP("Accessible", "Counts the permutations of the displayed n taken r at a time, r entered next.")}},
    {C::Ln, {QT_TRANSLATE_NOOP("Accessible", "Natural logarithm"),
     QT_TRANSLATE_NOOP("Accessible", "Gives the natural logarithm of the displayed number.")}},
    {integerSumKey(0), {QT_TRANSLATE_NOOP("Accessible", "Sum of integers"),
     QT_TRANSLATE_NOOP("Accessible", "Sums the whole numbers from 1 to the displayed n.")}},
    {integerSumKey(1), {QT_TRANSLATE_NOOP("Accessible", "Sum of squares of integers"),
     QT_TRANSLATE_NOOP("Accessible", "Sums the squares of the whole numbers from 1 to the displayed n.")}},
    {integerSumKey(2), {QT_TRANSLATE_NOOP("Accessible", "Sum of cubes of integers"),
     QT_TRANSLATE_NOOP("Accessible", "Sums the cubes of the whole numbers from 1 to the displayed n.")}},
    {C::Random, {QT_TRANSLATE_NOOP("Accessible", "Random number"),
     QT_TRANSLATE_NOOP("Accessible", "Shows a random number between 0 and 1.")}},
    {C::NthRoot, {QT_TRANSLATE_NOOP("Accessible", "Nth root"),
     QT_TRANSLATE_NOOP("Accessible", "Takes the root of the displayed number, its degree entered next.")}},
    {C::TenPower, {QT_TRANSLATE_NOOP("Accessible", "Power of ten"),
     QT_TRANSLATE_NOOP("Accessible", "Raises 10 to the displayed power.")}},
    {C::Percent, {QT_TRANSLATE_NOOP("Accessible", "Percent"),
     QT_TRANSLATE_NOOP("Accessible", "Divides the displayed number by 100; a pending operation takes the result as its second number.")}},
    {C::Formula, {QT_TRANSLATE_NOOP("Accessible", "User defined formula"),
     QT_TRANSLATE_NOOP("Accessible", "Starts typing a formula over the variables A to F.")}},
    {C::OpenParen, {QT_TRANSLATE_NOOP("Accessible", "Open parenthesis"),
     QT_TRANSLATE_NOOP("Accessible", "Opens a parenthesis in the calculation.")}},
    {C::CloseParen, {QT_TRANSLATE_NOOP("Accessible", "Close parenthesis"),
     QT_TRANSLATE_NOOP("Accessible", "Closes the open parenthesis.")}},
    // Captioned "New" while a formula result is on show; the description covers both.
    {C::SendFormula, {QT_TRANSLATE_NOOP("Accessible", "Send formula"),
     QT_TRANSLATE_NOOP("Accessible", "Sends the typed formula for evaluation; once a result shows, starts a new formula.")}},
    {C::Round, {QT_TRANSLATE_NOOP("Accessible", "Round"),
     QT_TRANSLATE_NOOP("Accessible", "Rounds the displayed number to a whole number.")}},

    {C::StatsFrame, {QT_TRANSLATE_NOOP("Accessible", "Statistics"),
     QT_TRANSLATE_NOOP("Accessible", "Collects a list of values and shows their summary.")}},
    {C::StatStart, {QT_TRANSLATE_NOOP("Accessible", "Start statistics"),
     QT_TRANSLATE_NOOP("Accessible", "Opens the statistics mode, enables its keys and puts the review position of the Next keys back to the start.")}},
    {C::StatAdd, {QT_TRANSLATE_NOOP("Accessible", "Add data"),
     QT_TRANSLATE_NOOP("Accessible", "Adds the displayed number to the statistics list.")}},
    {C::StatMean, {QT_TRANSLATE_NOOP("Accessible", "Mean"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the mean of the statistics list.")}},
    {C::StatSum, {QT_TRANSLATE_NOOP("Accessible", "Sum"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the sum of the statistics list.")}},
    {C::StatSumSquares, {QT_TRANSLATE_NOOP("Accessible", "Sum of squares"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the sum of the squares of the statistics list.")}},
    {C::StatSumCubes, {QT_TRANSLATE_NOOP("Accessible", "Sum of cubes"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the sum of the cubes of the statistics list.")}},
    {C::StatClear, {QT_TRANSLATE_NOOP("Accessible", "Clear statistics"),
     QT_TRANSLATE_NOOP("Accessible", "Clears the statistics list and closes the statistics mode.")}},
    {C::StatCount, {QT_TRANSLATE_NOOP("Accessible", "Count"),
     QT_TRANSLATE_NOOP("Accessible", "Shows how many values the statistics list holds.")}},
    {C::StatSampleDeviation, {QT_TRANSLATE_NOOP("Accessible", "Sample standard deviation"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the sample standard deviation of the list.")}},
    {C::StatPopulationDeviation, {QT_TRANSLATE_NOOP("Accessible", "Population standard deviation"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the population standard deviation of the list.")}},
    {C::StatNext, {QT_TRANSLATE_NOOP("Accessible", "Next statistics value"),
     QT_TRANSLATE_NOOP("Accessible", "Shows the values in the statistics list, one per press.")}},
}};

constexpr bool rowsInEnumOrder() {
    for (int i = 0; i < kControlCount; ++i)
        if (toInt(kRows[i].id) != i) return false;
    return true;
}
static_assert(rowsInEnumOrder(), "accessible text rows must follow the Ctl enumeration");

// The angle-unit buttons as word-size selectors, in the order optDeg, optRad, optGrad.
constexpr std::array<AccessibleText, 3> kWordSizes = {{
    {QT_TRANSLATE_NOOP("Accessible", "Double word"), QT_TRANSLATE_NOOP("Accessible", "Limits the display to a 32-bit value.")},
    {QT_TRANSLATE_NOOP("Accessible", "Word"), QT_TRANSLATE_NOOP("Accessible", "Limits the display to a 16-bit value.")},
    {QT_TRANSLATE_NOOP("Accessible", "Byte"), QT_TRANSLATE_NOOP("Accessible", "Limits the display to an 8-bit value.")},
}};



}  // namespace

AccessibleText accessibleText(Ctl control, bool wordSizeRole) {
    if (wordSizeRole && control >= Ctl::Degrees && control <= Ctl::Grads)
        return kWordSizes[toInt(control) - toInt(Ctl::Degrees)];
    return kRows[toInt(control)].text;
}

void applyAccessibleText(QWidget* widget, Ctl control, bool wordSizeRole) {
    // Only real changes are set, so screen readers hear no repeated name-change events.
    const AccessibleText text = accessibleText(control, wordSizeRole);
    const QString name = translatedText(kContext, text.name);
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
    const QString description = translatedText(kContext, text.description);
    if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
}

}  // namespace velmor
