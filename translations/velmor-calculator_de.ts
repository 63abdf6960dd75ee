<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a easy to calculator, With  more Flexible Calculating options.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>Velmor Calculator icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the number being entered and every result; digits can be typed into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the last character of the display.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next operand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the operands the operator keys recorded, one per press, up to the position the operator keys and Dat share; CE and Stat put it back to the start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formula prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names the formula variable whose value is entered next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holds the last result for the calculator&apos;s own use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses whether the display shows hexadecimal, decimal, octal or binary numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the display in base 16 and enables the digit keys A to F.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the display in base 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the display in base 8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the display in base 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses degrees, radians or grads; in other bases than decimal, the word size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigonometric keys take and give angles in degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigonometric keys take and give angles in radians.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigonometric keys take and give angles in grads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raises the displayed number to the power entered next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplies the displayed number by the number entered next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divides the displayed number by the number entered next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtracts the number entered next from the displayed number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the number entered next to the displayed number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raises the displayed number to the third power.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplies the displayed number by itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the remainder of the displayed number divided by the number entered next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divides one by the displayed number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the factorial of the displayed number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the memory to zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the number held in the memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stores the displayed number in the memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the displayed number to the memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the value of pi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the fractional part of the number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the digit 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the digit 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the digit 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the digit 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the digit 4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the digit 5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the digit 6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the digit 7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the digit 8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the digit 9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears the display, the running value and the pending operation, and puts the review position of the Next keys back to the start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes the sign of the displayed number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completes the pending operation and shows the result.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the square root of the displayed number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logarithm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the base-10 logarithm of the displayed number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the sine of the displayed angle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the cosine of the displayed angle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the tangent of the displayed angle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex digit A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit A (ten).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex digit B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit B (eleven).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex digit C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit C (twelve).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex digit D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit D (thirteen).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex digit E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit E (fourteen).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex digit F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit F (fifteen).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reciprocal, inverse and hyperbolic trigonometric functions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the secant of the displayed angle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the cosecant of the displayed angle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the cotangent of the displayed angle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse sine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the angle whose sine is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse cosine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the angle whose cosine is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse tangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the angle whose tangent is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse secant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the angle whose secant is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse cosecant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the angle whose cosecant is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse cotangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the angle whose cotangent is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperbolic sine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the hyperbolic sine of the displayed number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperbolic cosine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the hyperbolic cosine of the displayed number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperbolic tangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the hyperbolic tangent of the displayed number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperbolic secant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the hyperbolic secant of the displayed number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperbolic cosecant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the hyperbolic cosecant of the displayed number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperbolic cotangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the hyperbolic cotangent of the displayed number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse hyperbolic sine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic sine is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse hyperbolic cosine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic cosine is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse hyperbolic tangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic tangent is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse hyperbolic secant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic secant is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse hyperbolic cosecant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic cosecant is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse hyperbolic cotangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic cotangent is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exponentials, roots, combinatorics, sums, the formula and parentheses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raises e to the displayed power.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts the combinations of the displayed n taken r at a time, r entered next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts the permutations of the displayed n taken r at a time, r entered next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the natural logarithm of the displayed number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum of integers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sums the whole numbers from 1 to the displayed n.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum of squares of integers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sums the squares of the whole numbers from 1 to the displayed n.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum of cubes of integers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sums the cubes of the whole numbers from 1 to the displayed n.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows a random number between 0 and 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nth root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes the root of the displayed number, its degree entered next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power of ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raises 10 to the displayed power.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divides the displayed number by 100; a pending operation takes the result as its second number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User defined formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts typing a formula over the variables A to F.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open parenthesis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a parenthesis in the calculation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close parenthesis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the open parenthesis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends the typed formula for evaluation; once a result shows, starts a new formula.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounds the displayed number to a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collects a list of values and shows their summary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the statistics mode, enables its keys and puts the review position of the Next keys back to the start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the displayed number to the statistics list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the mean of the statistics list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the sum of the statistics list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum of squares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the sum of the squares of the statistics list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum of cubes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the sum of the cubes of the statistics list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears the statistics list and closes the statistics mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows how many values the statistics list holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample standard deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the sample standard deviation of the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Population standard deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the population standard deviation of the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next statistics value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the values in the statistics list, one per press.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limits the display to a 32-bit value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limits the display to a 16-bit value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limits the display to an 8-bit value.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Error :overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error :positive infinity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divide by zero error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid : input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid: input </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infinity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 =</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rou</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Byte</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>What is this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Super Scientific</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HelpTopics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formulae</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mathematical Constants and Formulae</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get latest version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This software does not support this value<byte value="xd"/>
Please install the latest software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number&apos;s completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Some Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter some values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list is full: it holds %1 values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard cannot be used at the moment. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolTip</name>
    <message>
        <source>Random Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Defined Formule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the formula to System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round up the Number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmor::HelpViewer</name>
    <message>
        <source>Velmor Calculator Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
