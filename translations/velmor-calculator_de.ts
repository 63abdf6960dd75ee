<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Warnung: ...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Info über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>It is a easy to calculator, With  more Flexible Calculating options.</source>
        <translation>Ein einfach zu bedienender Rechner mit vielseitigen Rechenmöglichkeiten.</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>Velmor Calculator icon</source>
        <translation>Symbol des Velmor-Rechners</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Shows the number being entered and every result; digits can be typed into it.</source>
        <translation>Zeigt die eingegebene Zahl und jedes Ergebnis; Ziffern können direkt eingetippt werden.</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Deletes the last character of the display.</source>
        <translation>Löscht das letzte Zeichen der Anzeige.</translation>
    </message>
    <message>
        <source>Next operand</source>
        <translation>Nächster Operand</translation>
    </message>
    <message>
        <source>Shows the operands the operator keys recorded, one per press, up to the position the operator keys and Dat share; CE and Stat put it back to the start.</source>
        <translation>Zeigt die von den Operatortasten aufgezeichneten Operanden, einen pro Tastendruck, bis zu der Position, die sich die Operatortasten und Dat teilen; CE und Stat setzen sie auf den Anfang zurück.</translation>
    </message>
    <message>
        <source>Formula prompt</source>
        <translation>Variablenabfrage der Formel</translation>
    </message>
    <message>
        <source>Names the formula variable whose value is entered next.</source>
        <translation>Nennt die Formelvariable, deren Wert als Nächstes eingegeben wird.</translation>
    </message>
    <message>
        <source>Work value</source>
        <translation>Arbeitswert</translation>
    </message>
    <message>
        <source>Holds the last result for the calculator&apos;s own use.</source>
        <translation>Enthält das letzte Ergebnis für die interne Verwendung des Rechners.</translation>
    </message>
    <message>
        <source>Number base</source>
        <translation>Zahlensystem</translation>
    </message>
    <message>
        <source>Chooses whether the display shows hexadecimal, decimal, octal or binary numbers.</source>
        <translation>Legt fest, ob die Anzeige hexadezimale, dezimale, oktale oder binäre Zahlen zeigt.</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadezimal</translation>
    </message>
    <message>
        <source>Shows the display in base 16 and enables the digit keys A to F.</source>
        <translation>Stellt die Anzeige auf Basis 16 um und aktiviert die Zifferntasten A bis F.</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message>
        <source>Shows the display in base 10.</source>
        <translation>Stellt die Anzeige auf Basis 10 um.</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Oktal</translation>
    </message>
    <message>
        <source>Shows the display in base 8.</source>
        <translation>Stellt die Anzeige auf Basis 8 um.</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binär</translation>
    </message>
    <message>
        <source>Shows the display in base 2.</source>
        <translation>Stellt die Anzeige auf Basis 2 um.</translation>
    </message>
    <message>
        <source>Angle unit</source>
        <translation>Winkeleinheit</translation>
    </message>
    <message>
        <source>Chooses degrees, radians or grads; in other bases than decimal, the word size.</source>
        <translation>Wählt Grad, Bogenmaß oder Gon; in anderen Zahlensystemen als dem Dezimalsystem die Wortgröße.</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Trigonometric keys take and give angles in degrees.</source>
        <translation>Die trigonometrischen Tasten verwenden Winkel in Grad.</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Bogenmaß</translation>
    </message>
    <message>
        <source>Trigonometric keys take and give angles in radians.</source>
        <translation>Die trigonometrischen Tasten verwenden Winkel im Bogenmaß.</translation>
    </message>
    <message>
        <source>Grads</source>
        <translation>Gon</translation>
    </message>
    <message>
        <source>Trigonometric keys take and give angles in grads.</source>
        <translation>Die trigonometrischen Tasten verwenden Winkel in Gon.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenz</translation>
    </message>
    <message>
        <source>Raises the displayed number to the power entered next.</source>
        <translation>Potenziert die angezeigte Zahl mit dem als Nächstes eingegebenen Exponenten.</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>Multiplies the displayed number by the number entered next.</source>
        <translation>Multipliziert die angezeigte Zahl mit der als Nächstes eingegebenen Zahl.</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividieren</translation>
    </message>
    <message>
        <source>Divides the displayed number by the number entered next.</source>
        <translation>Dividiert die angezeigte Zahl durch die als Nächstes eingegebene Zahl.</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <source>Subtracts the number entered next from the displayed number.</source>
        <translation>Subtrahiert die als Nächstes eingegebene Zahl von der angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Adds the number entered next to the displayed number.</source>
        <translation>Addiert die als Nächstes eingegebene Zahl zur angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Dritte Potenz</translation>
    </message>
    <message>
        <source>Raises the displayed number to the third power.</source>
        <translation>Erhebt die angezeigte Zahl in die dritte Potenz.</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Multiplies the displayed number by itself.</source>
        <translation>Multipliziert die angezeigte Zahl mit sich selbst.</translation>
    </message>
    <message>
        <source>Modulo</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Gives the remainder of the displayed number divided by the number entered next.</source>
        <translation>Berechnet den Rest der Division der angezeigten Zahl durch die als Nächstes eingegebene Zahl.</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>Divides one by the displayed number.</source>
        <translation>Dividiert eins durch die angezeigte Zahl.</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>Gives the factorial of the displayed number.</source>
        <translation>Berechnet die Fakultät der angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Sets the memory to zero.</source>
        <translation>Setzt den Speicher auf null.</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>Shows the number held in the memory.</source>
        <translation>Zeigt die im Speicher abgelegte Zahl.</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>Im Speicher ablegen</translation>
    </message>
    <message>
        <source>Stores the displayed number in the memory.</source>
        <translation>Legt die angezeigte Zahl im Speicher ab.</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Zum Speicher addieren</translation>
    </message>
    <message>
        <source>Adds the displayed number to the memory.</source>
        <translation>Addiert die angezeigte Zahl zum Speicher.</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Shows the value of pi.</source>
        <translation>Zeigt den Wert von Pi.</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>Starts the fractional part of the number.</source>
        <translation>Beginnt die Nachkommastellen der Zahl.</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Enters the digit 0.</source>
        <translation>Gibt die Ziffer 0 ein.</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <source>Enters the digit 1.</source>
        <translation>Gibt die Ziffer 1 ein.</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Enters the digit 2.</source>
        <translation>Gibt die Ziffer 2 ein.</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Enters the digit 3.</source>
        <translation>Gibt die Ziffer 3 ein.</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Enters the digit 4.</source>
        <translation>Gibt die Ziffer 4 ein.</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Enters the digit 5.</source>
        <translation>Gibt die Ziffer 5 ein.</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Enters the digit 6.</source>
        <translation>Gibt die Ziffer 6 ein.</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Enters the digit 7.</source>
        <translation>Gibt die Ziffer 7 ein.</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Enters the digit 8.</source>
        <translation>Gibt die Ziffer 8 ein.</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Enters the digit 9.</source>
        <translation>Gibt die Ziffer 9 ein.</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <source>Clears the display, the running value and the pending operation, and puts the review position of the Next keys back to the start.</source>
        <translation>Löscht die Anzeige, das Zwischenergebnis und die ausstehende Rechenoperation und setzt die Position der Weiter-Tasten auf den Anfang zurück.</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <source>Changes the sign of the displayed number.</source>
        <translation>Wechselt das Vorzeichen der angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Completes the pending operation and shows the result.</source>
        <translation>Führt die ausstehende Rechenoperation aus und zeigt das Ergebnis.</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>Gives the square root of the displayed number.</source>
        <translation>Berechnet die Quadratwurzel der angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Logarithm</source>
        <translation>Logarithmus</translation>
    </message>
    <message>
        <source>Gives the base-10 logarithm of the displayed number.</source>
        <translation>Berechnet den Zehnerlogarithmus der angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Gives the sine of the displayed angle.</source>
        <translation>Berechnet den Sinus des angezeigten Winkels.</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>Gives the cosine of the displayed angle.</source>
        <translation>Berechnet den Kosinus des angezeigten Winkels.</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>Gives the tangent of the displayed angle.</source>
        <translation>Berechnet den Tangens des angezeigten Winkels.</translation>
    </message>
    <message>
        <source>Hex digit A</source>
        <translation>Hexadezimalziffer A</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit A (ten).</source>
        <translation>Gibt die Hexadezimalziffer A (zehn) ein.</translation>
    </message>
    <message>
        <source>Hex digit B</source>
        <translation>Hexadezimalziffer B</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit B (eleven).</source>
        <translation>Gibt die Hexadezimalziffer B (elf) ein.</translation>
    </message>
    <message>
        <source>Hex digit C</source>
        <translation>Hexadezimalziffer C</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit C (twelve).</source>
        <translation>Gibt die Hexadezimalziffer C (zwölf) ein.</translation>
    </message>
    <message>
        <source>Hex digit D</source>
        <translation>Hexadezimalziffer D</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit D (thirteen).</source>
        <translation>Gibt die Hexadezimalziffer D (dreizehn) ein.</translation>
    </message>
    <message>
        <source>Hex digit E</source>
        <translation>Hexadezimalziffer E</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit E (fourteen).</source>
        <translation>Gibt die Hexadezimalziffer E (vierzehn) ein.</translation>
    </message>
    <message>
        <source>Hex digit F</source>
        <translation>Hexadezimalziffer F</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit F (fifteen).</source>
        <translation>Gibt die Hexadezimalziffer F (fünfzehn) ein.</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Reciprocal, inverse and hyperbolic trigonometric functions.</source>
        <translation>Reziproke, inverse und hyperbolische trigonometrische Funktionen.</translation>
    </message>
    <message>
        <source>Secant</source>
        <translation>Sekans</translation>
    </message>
    <message>
        <source>Gives the secant of the displayed angle.</source>
        <translation>Berechnet den Sekans des angezeigten Winkels.</translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation>Kosekans</translation>
    </message>
    <message>
        <source>Gives the cosecant of the displayed angle.</source>
        <translation>Berechnet den Kosekans des angezeigten Winkels.</translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation>Kotangens</translation>
    </message>
    <message>
        <source>Gives the cotangent of the displayed angle.</source>
        <translation>Berechnet den Kotangens des angezeigten Winkels.</translation>
    </message>
    <message>
        <source>Inverse sine</source>
        <translation>Arkussinus</translation>
    </message>
    <message>
        <source>Gives the angle whose sine is displayed.</source>
        <translation>Berechnet den Winkel, dessen Sinus angezeigt wird.</translation>
    </message>
    <message>
        <source>Inverse cosine</source>
        <translation>Arkuskosinus</translation>
    </message>
    <message>
        <source>Gives the angle whose cosine is displayed.</source>
        <translation>Berechnet den Winkel, dessen Kosinus angezeigt wird.</translation>
    </message>
    <message>
        <source>Inverse tangent</source>
        <translation>Arkustangens</translation>
    </message>
    <message>
        <source>Gives the angle whose tangent is displayed.</source>
        <translation>Berechnet den Winkel, dessen Tangens angezeigt wird.</translation>
    </message>
    <message>
        <source>Inverse secant</source>
        <translation>Arkussekans</translation>
    </message>
    <message>
        <source>Gives the angle whose secant is displayed.</source>
        <translation>Berechnet den Winkel, dessen Sekans angezeigt wird.</translation>
    </message>
    <message>
        <source>Inverse cosecant</source>
        <translation>Arkuskosekans</translation>
    </message>
    <message>
        <source>Gives the angle whose cosecant is displayed.</source>
        <translation>Berechnet den Winkel, dessen Kosekans angezeigt wird.</translation>
    </message>
    <message>
        <source>Inverse cotangent</source>
        <translation>Arkuskotangens</translation>
    </message>
    <message>
        <source>Gives the angle whose cotangent is displayed.</source>
        <translation>Berechnet den Winkel, dessen Kotangens angezeigt wird.</translation>
    </message>
    <message>
        <source>Hyperbolic sine</source>
        <translation>Sinus hyperbolicus</translation>
    </message>
    <message>
        <source>Gives the hyperbolic sine of the displayed number.</source>
        <translation>Berechnet den Sinus hyperbolicus der angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Hyperbolic cosine</source>
        <translation>Kosinus hyperbolicus</translation>
    </message>
    <message>
        <source>Gives the hyperbolic cosine of the displayed number.</source>
        <translation>Berechnet den Kosinus hyperbolicus der angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Hyperbolic tangent</source>
        <translation>Tangens hyperbolicus</translation>
    </message>
    <message>
        <source>Gives the hyperbolic tangent of the displayed number.</source>
        <translation>Berechnet den Tangens hyperbolicus der angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Hyperbolic secant</source>
        <translation>Sekans hyperbolicus</translation>
    </message>
    <message>
        <source>Gives the hyperbolic secant of the displayed number.</source>
        <translation>Berechnet den Sekans hyperbolicus der angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Hyperbolic cosecant</source>
        <translation>Kosekans hyperbolicus</translation>
    </message>
    <message>
        <source>Gives the hyperbolic cosecant of the displayed number.</source>
        <translation>Berechnet den Kosekans hyperbolicus der angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Hyperbolic cotangent</source>
        <translation>Kotangens hyperbolicus</translation>
    </message>
    <message>
        <source>Gives the hyperbolic cotangent of the displayed number.</source>
        <translation>Berechnet den Kotangens hyperbolicus der angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic sine</source>
        <translation>Areasinus hyperbolicus</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic sine is displayed.</source>
        <translation>Berechnet die Zahl, deren Sinus hyperbolicus angezeigt wird.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic cosine</source>
        <translation>Areakosinus hyperbolicus</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic cosine is displayed.</source>
        <translation>Berechnet die Zahl, deren Kosinus hyperbolicus angezeigt wird.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic tangent</source>
        <translation>Areatangens hyperbolicus</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic tangent is displayed.</source>
        <translation>Berechnet die Zahl, deren Tangens hyperbolicus angezeigt wird.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic secant</source>
        <translation>Areasekans hyperbolicus</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic secant is displayed.</source>
        <translation>Berechnet die Zahl, deren Sekans hyperbolicus angezeigt wird.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic cosecant</source>
        <translation>Areakosekans hyperbolicus</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic cosecant is displayed.</source>
        <translation>Berechnet die Zahl, deren Kosekans hyperbolicus angezeigt wird.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic cotangent</source>
        <translation>Areakotangens hyperbolicus</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic cotangent is displayed.</source>
        <translation>Berechnet die Zahl, deren Kotangens hyperbolicus angezeigt wird.</translation>
    </message>
    <message>
        <source>More functions</source>
        <translation>Weitere Funktionen</translation>
    </message>
    <message>
        <source>Exponentials, roots, combinatorics, sums, the formula and parentheses.</source>
        <translation>Exponentialfunktionen, Wurzeln, Kombinatorik, Summen, die eigene Formel und Klammern.</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponentialfunktion</translation>
    </message>
    <message>
        <source>Raises e to the displayed power.</source>
        <translation>Potenziert e mit der angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Kombinationen</translation>
    </message>
    <message>
        <source>Counts the combinations of the displayed n taken r at a time, r entered next.</source>
        <translation>Zählt die Kombinationen von r aus den angezeigten n Elementen; r wird als Nächstes eingegeben.</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>Permutationen</translation>
    </message>
    <message>
        <source>Counts the permutations of the displayed n taken r at a time, r entered next.</source>
        <translation>Zählt die Permutationen von r aus den angezeigten n Elementen; r wird als Nächstes eingegeben.</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>Gives the natural logarithm of the displayed number.</source>
        <translation>Berechnet den natürlichen Logarithmus der angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Sum of integers</source>
        <translation>Summe der ganzen Zahlen</translation>
    </message>
    <message>
        <source>Sums the whole numbers from 1 to the displayed n.</source>
        <translation>Summiert die ganzen Zahlen von 1 bis zum angezeigten n.</translation>
    </message>
    <message>
        <source>Sum of squares of integers</source>
        <translation>Summe der Quadratzahlen</translation>
    </message>
    <message>
        <source>Sums the squares of the whole numbers from 1 to the displayed n.</source>
        <translation>Summiert die Quadrate der ganzen Zahlen von 1 bis zum angezeigten n.</translation>
    </message>
    <message>
        <source>Sum of cubes of integers</source>
        <translation>Summe der Kubikzahlen</translation>
    </message>
    <message>
        <source>Sums the cubes of the whole numbers from 1 to the displayed n.</source>
        <translation>Summiert die Kuben der ganzen Zahlen von 1 bis zum angezeigten n.</translation>
    </message>
    <message>
        <source>Random number</source>
        <translation>Zufallszahl</translation>
    </message>
    <message>
        <source>Shows a random number between 0 and 1.</source>
        <translation>Zeigt eine Zufallszahl zwischen 0 und 1.</translation>
    </message>
    <message>
        <source>Nth root</source>
        <translation>n-te Wurzel</translation>
    </message>
    <message>
        <source>Takes the root of the displayed number, its degree entered next.</source>
        <translation>Zieht die Wurzel aus der angezeigten Zahl; der Wurzelexponent wird als Nächstes eingegeben.</translation>
    </message>
    <message>
        <source>Power of ten</source>
        <translation>Zehnerpotenz</translation>
    </message>
    <message>
        <source>Raises 10 to the displayed power.</source>
        <translation>Potenziert 10 mit der angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Divides the displayed number by 100; a pending operation takes the result as its second number.</source>
        <translation>Dividiert die angezeigte Zahl durch 100; eine ausstehende Rechenoperation verwendet das Ergebnis als zweite Zahl.</translation>
    </message>
    <message>
        <source>User defined formula</source>
        <translation>Benutzerdefinierte Formel</translation>
    </message>
    <message>
        <source>Starts typing a formula over the variables A to F.</source>
        <translation>Beginnt die Eingabe einer Formel mit den Variablen A bis F.</translation>
    </message>
    <message>
        <source>Open parenthesis</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>Opens a parenthesis in the calculation.</source>
        <translation>Öffnet eine Klammer in der Berechnung.</translation>
    </message>
    <message>
        <source>Close parenthesis</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>Closes the open parenthesis.</source>
        <translation>Schließt die offene Klammer.</translation>
    </message>
    <message>
        <source>Send formula</source>
        <translation>Formel senden</translation>
    </message>
    <message>
        <source>Sends the typed formula for evaluation; once a result shows, starts a new formula.</source>
        <translation>Übergibt die eingegebene Formel zur Berechnung; sobald ein Ergebnis angezeigt wird, beginnt sie eine neue Formel.</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Rounds the displayed number to a whole number.</source>
        <translation>Rundet die angezeigte Zahl auf eine ganze Zahl.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Collects a list of values and shows their summary.</source>
        <translation>Sammelt eine Liste von Werten und zeigt ihre Kennzahlen.</translation>
    </message>
    <message>
        <source>Start statistics</source>
        <translation>Statistik starten</translation>
    </message>
    <message>
        <source>Opens the statistics mode, enables its keys and puts the review position of the Next keys back to the start.</source>
        <translation>Öffnet den Statistikmodus, aktiviert seine Tasten und setzt die Position der Weiter-Tasten auf den Anfang zurück.</translation>
    </message>
    <message>
        <source>Add data</source>
        <translation>Daten hinzufügen</translation>
    </message>
    <message>
        <source>Adds the displayed number to the statistics list.</source>
        <translation>Fügt die angezeigte Zahl der Statistikliste hinzu.</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Shows the mean of the statistics list.</source>
        <translation>Zeigt den Mittelwert der Statistikliste.</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Shows the sum of the statistics list.</source>
        <translation>Zeigt die Summe der Statistikliste.</translation>
    </message>
    <message>
        <source>Sum of squares</source>
        <translation>Quadratsumme</translation>
    </message>
    <message>
        <source>Shows the sum of the squares of the statistics list.</source>
        <translation>Zeigt die Summe der Quadrate der Statistikliste.</translation>
    </message>
    <message>
        <source>Sum of cubes</source>
        <translation>Kubiksumme</translation>
    </message>
    <message>
        <source>Shows the sum of the cubes of the statistics list.</source>
        <translation>Zeigt die Summe der Kuben der Statistikliste.</translation>
    </message>
    <message>
        <source>Clear statistics</source>
        <translation>Statistik löschen</translation>
    </message>
    <message>
        <source>Clears the statistics list and closes the statistics mode.</source>
        <translation>Leert die Statistikliste und beendet den Statistikmodus.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Shows how many values the statistics list holds.</source>
        <translation>Zeigt, wie viele Werte die Statistikliste enthält.</translation>
    </message>
    <message>
        <source>Sample standard deviation</source>
        <translation>Standardabweichung der Stichprobe</translation>
    </message>
    <message>
        <source>Shows the sample standard deviation of the list.</source>
        <translation>Zeigt die Standardabweichung der Liste als Stichprobe.</translation>
    </message>
    <message>
        <source>Population standard deviation</source>
        <translation>Standardabweichung der Grundgesamtheit</translation>
    </message>
    <message>
        <source>Shows the population standard deviation of the list.</source>
        <translation>Zeigt die Standardabweichung der Liste als Grundgesamtheit.</translation>
    </message>
    <message>
        <source>Next statistics value</source>
        <translation>Nächster Statistikwert</translation>
    </message>
    <message>
        <source>Shows the values in the statistics list, one per press.</source>
        <translation>Zeigt die Werte der Statistikliste, einen pro Tastendruck.</translation>
    </message>
    <message>
        <source>Double word</source>
        <translation>Doppelwort</translation>
    </message>
    <message>
        <source>Limits the display to a 32-bit value.</source>
        <translation>Beschränkt die Anzeige auf einen 32-Bit-Wert.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Limits the display to a 16-bit value.</source>
        <translation>Beschränkt die Anzeige auf einen 16-Bit-Wert.</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>Limits the display to an 8-bit value.</source>
        <translation>Beschränkt die Anzeige auf einen 8-Bit-Wert.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Error :overflow</source>
        <translation>Fehler: Überlauf</translation>
    </message>
    <message>
        <source>error :positive infinity</source>
        <translation>Fehler: +unendlich</translation>
    </message>
    <message>
        <source>Divide by zero error</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Invalid : input</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>Invalid: input </source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>Infinity</source>
        <translation>Unendlich</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Result =</source>
        <translation>Ergebnis =</translation>
    </message>
    <message>
        <source>%1 =</source>
        <translation>%1 =</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The rest of this topic is not shown: it is longer than the help window can show.</source>
        <translation>Der Rest dieses Themas wird nicht angezeigt, da es länger ist, als das Hilfefenster anzeigen kann.</translation>
    </message>
    <message>
        <source>Help is not available</source>
        <translation>Hilfe ist nicht verfügbar</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; is missing or damaged: %2. Reinstall Velmor Calculator to restore it.</source>
        <translation>Die Hilfedatei „%1“ fehlt oder ist beschädigt: %2. Installieren Sie den Velmor-Rechner neu, um sie wiederherzustellen.</translation>
    </message>
    <message>
        <source>Help topic not found</source>
        <translation>Hilfethema nicht gefunden</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; has no topic %2.</source>
        <translation>Die Hilfedatei „%1“ enthält kein Thema %2.</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Velmor Calculator Help</source>
        <translation>Hilfe zum Velmor-Rechner</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Backspace</source>
        <translation>Rück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Bin</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Rad</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Grad</source>
        <translation>Gon</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Zuf</translation>
    </message>
    <message>
        <source>Formule</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rou</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Stat</translation>
    </message>
    <message>
        <source>Dat</source>
        <translation>Dat</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Dword</source>
        <translation>Dword</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Word</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>What is this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Super Scientific</source>
        <translation>Wissenschaftlich (erweitert)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Standard Deviation</source>
        <translation>Standardabweichung</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>HelpTopics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>Direkthilfe</translation>
    </message>
    <message>
        <source>About Calculator</source>
        <translation>Info über Rechner</translation>
    </message>
    <message>
        <source>Formulae</source>
        <translation>Formeln</translation>
    </message>
    <message>
        <source>Mathematical Constants and Formulae</source>
        <translation>Mathematische Konstanten und Formeln</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Get latest version</source>
        <translation>Holen Sie sich die neueste Version</translation>
    </message>
    <message>
        <source>This software does not support this value<byte value="xd"/>
Please install the latest software</source>
        <translation>Diese Software unterstützt diesen Wert nicht<byte value="xd"/>
Bitte installieren Sie die neueste Software</translation>
    </message>
    <message>
        <source>Number&apos;s completed</source>
        <translation>Alle Zahlen wurden angezeigt</translation>
    </message>
    <message>
        <source>Enter Some Data</source>
        <translation>Geben Sie Daten ein</translation>
    </message>
    <message>
        <source>Please enter some values</source>
        <translation>Bitte geben Sie einige Werte ein</translation>
    </message>
    <message>
        <source>The list is full: it holds %1 values</source>
        <translation>Die Liste ist voll; sie enthält %1 Werte</translation>
    </message>
    <message>
        <source>The clipboard cannot be used at the moment. Please try again.</source>
        <translation>Die Zwischenablage kann zurzeit nicht verwendet werden. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>ToolTip</name>
    <message>
        <source>Random Number</source>
        <translation>Zufallszahl</translation>
    </message>
    <message>
        <source>User Defined Formule</source>
        <translation>Benutzerdefinierte Formel</translation>
    </message>
    <message>
        <source>Send the formula to System</source>
        <translation>Formel an das System übergeben</translation>
    </message>
    <message>
        <source>Round up the Number</source>
        <translation>Zahl runden</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Velmor Calculator</source>
        <translation>Velmor-Rechner</translation>
    </message>
</context>
</TS>
