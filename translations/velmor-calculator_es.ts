<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info. del &amp;sistema</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Advertencia: ...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>It is a easy to calculator, With  more Flexible Calculating options.</source>
        <translation>Es una calculadora fácil de usar, con opciones de cálculo más flexibles.</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>Velmor Calculator icon</source>
        <translation>Icono de la Calculadora Velmor</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Shows the number being entered and every result; digits can be typed into it.</source>
        <translation>Muestra el número que se está introduciendo y cada resultado; se pueden escribir dígitos en ella.</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Deletes the last character of the display.</source>
        <translation>Borra el último carácter de la pantalla.</translation>
    </message>
    <message>
        <source>Next operand</source>
        <translation>Operando siguiente</translation>
    </message>
    <message>
        <source>Shows the operands the operator keys recorded, one per press, up to the position the operator keys and Dat share; CE and Stat put it back to the start.</source>
        <translation>Muestra los operandos que registraron las teclas de operador, uno por pulsación, hasta la posición que comparten las teclas de operador y Dat; CE y Est la devuelven al principio.</translation>
    </message>
    <message>
        <source>Formula prompt</source>
        <translation>Indicador de variable de la fórmula</translation>
    </message>
    <message>
        <source>Names the formula variable whose value is entered next.</source>
        <translation>Indica la variable de la fórmula cuyo valor se introduce a continuación.</translation>
    </message>
    <message>
        <source>Work value</source>
        <translation>Valor de trabajo</translation>
    </message>
    <message>
        <source>Holds the last result for the calculator&apos;s own use.</source>
        <translation>Guarda el último resultado para uso interno de la calculadora.</translation>
    </message>
    <message>
        <source>Number base</source>
        <translation>Base numérica</translation>
    </message>
    <message>
        <source>Chooses whether the display shows hexadecimal, decimal, octal or binary numbers.</source>
        <translation>Elige si la pantalla muestra números hexadecimales, decimales, octales o binarios.</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>Shows the display in base 16 and enables the digit keys A to F.</source>
        <translation>Muestra la pantalla en base 16 y habilita las teclas de dígito de la A a la F.</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Shows the display in base 10.</source>
        <translation>Muestra la pantalla en base 10.</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Octal</translation>
    </message>
    <message>
        <source>Shows the display in base 8.</source>
        <translation>Muestra la pantalla en base 8.</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binario</translation>
    </message>
    <message>
        <source>Shows the display in base 2.</source>
        <translation>Muestra la pantalla en base 2.</translation>
    </message>
    <message>
        <source>Angle unit</source>
        <translation>Unidad de ángulo</translation>
    </message>
    <message>
        <source>Chooses degrees, radians or grads; in other bases than decimal, the word size.</source>
        <translation>Elige grados, radianes o gradianes; en las bases distintas de la decimal, el tamaño de palabra.</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Trigonometric keys take and give angles in degrees.</source>
        <translation>Las teclas trigonométricas toman y dan los ángulos en grados.</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Radianes</translation>
    </message>
    <message>
        <source>Trigonometric keys take and give angles in radians.</source>
        <translation>Las teclas trigonométricas toman y dan los ángulos en radianes.</translation>
    </message>
    <message>
        <source>Grads</source>
        <translation>Gradianes</translation>
    </message>
    <message>
        <source>Trigonometric keys take and give angles in grads.</source>
        <translation>Las teclas trigonométricas toman y dan los ángulos en gradianes.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Raises the displayed number to the power entered next.</source>
        <translation>Eleva el número mostrado a la potencia que se introduzca a continuación.</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>Multiplies the displayed number by the number entered next.</source>
        <translation>Multiplica el número mostrado por el número que se introduzca a continuación.</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Divides the displayed number by the number entered next.</source>
        <translation>Divide el número mostrado entre el número que se introduzca a continuación.</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Restar</translation>
    </message>
    <message>
        <source>Subtracts the number entered next from the displayed number.</source>
        <translation>Resta al número mostrado el número que se introduzca a continuación.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Sumar</translation>
    </message>
    <message>
        <source>Adds the number entered next to the displayed number.</source>
        <translation>Suma al número mostrado el número que se introduzca a continuación.</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Cubo</translation>
    </message>
    <message>
        <source>Raises the displayed number to the third power.</source>
        <translation>Eleva el número mostrado al cubo.</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Multiplies the displayed number by itself.</source>
        <translation>Multiplica el número mostrado por sí mismo.</translation>
    </message>
    <message>
        <source>Modulo</source>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>Gives the remainder of the displayed number divided by the number entered next.</source>
        <translation>Da el resto de dividir el número mostrado entre el número que se introduzca a continuación.</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Recíproco</translation>
    </message>
    <message>
        <source>Divides one by the displayed number.</source>
        <translation>Divide uno entre el número mostrado.</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Factorial</translation>
    </message>
    <message>
        <source>Gives the factorial of the displayed number.</source>
        <translation>Da el factorial del número mostrado.</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Borrar memoria</translation>
    </message>
    <message>
        <source>Sets the memory to zero.</source>
        <translation>Pone la memoria a cero.</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Recuperar memoria</translation>
    </message>
    <message>
        <source>Shows the number held in the memory.</source>
        <translation>Muestra el número guardado en la memoria.</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>Guardar en memoria</translation>
    </message>
    <message>
        <source>Stores the displayed number in the memory.</source>
        <translation>Guarda el número mostrado en la memoria.</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Sumar a la memoria</translation>
    </message>
    <message>
        <source>Adds the displayed number to the memory.</source>
        <translation>Suma el número mostrado a la memoria.</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Shows the value of pi.</source>
        <translation>Muestra el valor de pi.</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Punto decimal</translation>
    </message>
    <message>
        <source>Starts the fractional part of the number.</source>
        <translation>Empieza la parte decimal del número.</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Cero</translation>
    </message>
    <message>
        <source>Enters the digit 0.</source>
        <translation>Introduce el dígito 0.</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Uno</translation>
    </message>
    <message>
        <source>Enters the digit 1.</source>
        <translation>Introduce el dígito 1.</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Enters the digit 2.</source>
        <translation>Introduce el dígito 2.</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Enters the digit 3.</source>
        <translation>Introduce el dígito 3.</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Enters the digit 4.</source>
        <translation>Introduce el dígito 4.</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Enters the digit 5.</source>
        <translation>Introduce el dígito 5.</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Enters the digit 6.</source>
        <translation>Introduce el dígito 6.</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Enters the digit 7.</source>
        <translation>Introduce el dígito 7.</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Enters the digit 8.</source>
        <translation>Introduce el dígito 8.</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Enters the digit 9.</source>
        <translation>Introduce el dígito 9.</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Borrar entrada</translation>
    </message>
    <message>
        <source>Clears the display, the running value and the pending operation, and puts the review position of the Next keys back to the start.</source>
        <translation>Borra la pantalla, el valor acumulado y la operación pendiente, y devuelve al principio la posición de revisión de las teclas Sig.</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Cambiar signo</translation>
    </message>
    <message>
        <source>Changes the sign of the displayed number.</source>
        <translation>Cambia el signo del número mostrado.</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Completes the pending operation and shows the result.</source>
        <translation>Completa la operación pendiente y muestra el resultado.</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Raíz cuadrada</translation>
    </message>
    <message>
        <source>Gives the square root of the displayed number.</source>
        <translation>Da la raíz cuadrada del número mostrado.</translation>
    </message>
    <message>
        <source>Logarithm</source>
        <translation>Logaritmo</translation>
    </message>
    <message>
        <source>Gives the base-10 logarithm of the displayed number.</source>
        <translation>Da el logaritmo en base 10 del número mostrado.</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Seno</translation>
    </message>
    <message>
        <source>Gives the sine of the displayed angle.</source>
        <translation>Da el seno del ángulo mostrado.</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Coseno</translation>
    </message>
    <message>
        <source>Gives the cosine of the displayed angle.</source>
        <translation>Da el coseno del ángulo mostrado.</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>Gives the tangent of the displayed angle.</source>
        <translation>Da la tangente del ángulo mostrado.</translation>
    </message>
    <message>
        <source>Hex digit A</source>
        <translation>Dígito hexadecimal A</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit A (ten).</source>
        <translation>Introduce el dígito hexadecimal A (diez).</translation>
    </message>
    <message>
        <source>Hex digit B</source>
        <translation>Dígito hexadecimal B</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit B (eleven).</source>
        <translation>Introduce el dígito hexadecimal B (once).</translation>
    </message>
    <message>
        <source>Hex digit C</source>
        <translation>Dígito hexadecimal C</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit C (twelve).</source>
        <translation>Introduce el dígito hexadecimal C (doce).</translation>
    </message>
    <message>
        <source>Hex digit D</source>
        <translation>Dígito hexadecimal D</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit D (thirteen).</source>
        <translation>Introduce el dígito hexadecimal D (trece).</translation>
    </message>
    <message>
        <source>Hex digit E</source>
        <translation>Dígito hexadecimal E</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit E (fourteen).</source>
        <translation>Introduce el dígito hexadecimal E (catorce).</translation>
    </message>
    <message>
        <source>Hex digit F</source>
        <translation>Dígito hexadecimal F</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit F (fifteen).</source>
        <translation>Introduce el dígito hexadecimal F (quince).</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>Reciprocal, inverse and hyperbolic trigonometric functions.</source>
        <translation>Funciones trigonométricas recíprocas, inversas e hiperbólicas.</translation>
    </message>
    <message>
        <source>Secant</source>
        <translation>Secante</translation>
    </message>
    <message>
        <source>Gives the secant of the displayed angle.</source>
        <translation>Da la secante del ángulo mostrado.</translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation>Cosecante</translation>
    </message>
    <message>
        <source>Gives the cosecant of the displayed angle.</source>
        <translation>Da la cosecante del ángulo mostrado.</translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation>Cotangente</translation>
    </message>
    <message>
        <source>Gives the cotangent of the displayed angle.</source>
        <translation>Da la cotangente del ángulo mostrado.</translation>
    </message>
    <message>
        <source>Inverse sine</source>
        <translation>Seno inverso</translation>
    </message>
    <message>
        <source>Gives the angle whose sine is displayed.</source>
        <translation>Da el ángulo cuyo seno se muestra.</translation>
    </message>
    <message>
        <source>Inverse cosine</source>
        <translation>Coseno inverso</translation>
    </message>
    <message>
        <source>Gives the angle whose cosine is displayed.</source>
        <translation>Da el ángulo cuyo coseno se muestra.</translation>
    </message>
    <message>
        <source>Inverse tangent</source>
        <translation>Tangente inversa</translation>
    </message>
    <message>
        <source>Gives the angle whose tangent is displayed.</source>
        <translation>Da el ángulo cuya tangente se muestra.</translation>
    </message>
    <message>
        <source>Inverse secant</source>
        <translation>Secante inversa</translation>
    </message>
    <message>
        <source>Gives the angle whose secant is displayed.</source>
        <translation>Da el ángulo cuya secante se muestra.</translation>
    </message>
    <message>
        <source>Inverse cosecant</source>
        <translation>Cosecante inversa</translation>
    </message>
    <message>
        <source>Gives the angle whose cosecant is displayed.</source>
        <translation>Da el ángulo cuya cosecante se muestra.</translation>
    </message>
    <message>
        <source>Inverse cotangent</source>
        <translation>Cotangente inversa</translation>
    </message>
    <message>
        <source>Gives the angle whose cotangent is displayed.</source>
        <translation>Da el ángulo cuya cotangente se muestra.</translation>
    </message>
    <message>
        <source>Hyperbolic sine</source>
        <translation>Seno hiperbólico</translation>
    </message>
    <message>
        <source>Gives the hyperbolic sine of the displayed number.</source>
        <translation>Da el seno hiperbólico del número mostrado.</translation>
    </message>
    <message>
        <source>Hyperbolic cosine</source>
        <translation>Coseno hiperbólico</translation>
    </message>
    <message>
        <source>Gives the hyperbolic cosine of the displayed number.</source>
        <translation>Da el coseno hiperbólico del número mostrado.</translation>
    </message>
    <message>
        <source>Hyperbolic tangent</source>
        <translation>Tangente hiperbólica</translation>
    </message>
    <message>
        <source>Gives the hyperbolic tangent of the displayed number.</source>
        <translation>Da la tangente hiperbólica del número mostrado.</translation>
    </message>
    <message>
        <source>Hyperbolic secant</source>
        <translation>Secante hiperbólica</translation>
    </message>
    <message>
        <source>Gives the hyperbolic secant of the displayed number.</source>
        <translation>Da la secante hiperbólica del número mostrado.</translation>
    </message>
    <message>
        <source>Hyperbolic cosecant</source>
        <translation>Cosecante hiperbólica</translation>
    </message>
    <message>
        <source>Gives the hyperbolic cosecant of the displayed number.</source>
        <translation>Da la cosecante hiperbólica del número mostrado.</translation>
    </message>
    <message>
        <source>Hyperbolic cotangent</source>
        <translation>Cotangente hiperbólica</translation>
    </message>
    <message>
        <source>Gives the hyperbolic cotangent of the displayed number.</source>
        <translation>Da la cotangente hiperbólica del número mostrado.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic sine</source>
        <translation>Seno hiperbólico inverso</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic sine is displayed.</source>
        <translation>Da el número cuyo seno hiperbólico se muestra.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic cosine</source>
        <translation>Coseno hiperbólico inverso</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic cosine is displayed.</source>
        <translation>Da el número cuyo coseno hiperbólico se muestra.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic tangent</source>
        <translation>Tangente hiperbólica inversa</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic tangent is displayed.</source>
        <translation>Da el número cuya tangente hiperbólica se muestra.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic secant</source>
        <translation>Secante hiperbólica inversa</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic secant is displayed.</source>
        <translation>Da el número cuya secante hiperbólica se muestra.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic cosecant</source>
        <translation>Cosecante hiperbólica inversa</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic cosecant is displayed.</source>
        <translation>Da el número cuya cosecante hiperbólica se muestra.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic cotangent</source>
        <translation>Cotangente hiperbólica inversa</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic cotangent is displayed.</source>
        <translation>Da el número cuya cotangente hiperbólica se muestra.</translation>
    </message>
    <message>
        <source>More functions</source>
        <translation>Más funciones</translation>
    </message>
    <message>
        <source>Exponentials, roots, combinatorics, sums, the formula and parentheses.</source>
        <translation>Exponenciales, raíces, combinatoria, sumas, la fórmula y los paréntesis.</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponencial</translation>
    </message>
    <message>
        <source>Raises e to the displayed power.</source>
        <translation>Eleva e a la potencia mostrada.</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Combinaciones</translation>
    </message>
    <message>
        <source>Counts the combinations of the displayed n taken r at a time, r entered next.</source>
        <translation>Cuenta las combinaciones de n elementos, el número mostrado, tomados de r en r; r se introduce a continuación.</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>Permutaciones</translation>
    </message>
    <message>
        <source>Counts the permutations of the displayed n taken r at a time, r entered next.</source>
        <translation>Cuenta las permutaciones de n elementos, el número mostrado, tomados de r en r; r se introduce a continuación.</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Logaritmo natural</translation>
    </message>
    <message>
        <source>Gives the natural logarithm of the displayed number.</source>
        <translation>Da el logaritmo natural del número mostrado.</translation>
    </message>
    <message>
        <source>Sum of integers</source>
        <translation>Suma de enteros</translation>
    </message>
    <message>
        <source>Sums the whole numbers from 1 to the displayed n.</source>
        <translation>Suma los números enteros desde 1 hasta el número n mostrado.</translation>
    </message>
    <message>
        <source>Sum of squares of integers</source>
        <translation>Suma de cuadrados de enteros</translation>
    </message>
    <message>
        <source>Sums the squares of the whole numbers from 1 to the displayed n.</source>
        <translation>Suma los cuadrados de los números enteros desde 1 hasta el número n mostrado.</translation>
    </message>
    <message>
        <source>Sum of cubes of integers</source>
        <translation>Suma de cubos de enteros</translation>
    </message>
    <message>
        <source>Sums the cubes of the whole numbers from 1 to the displayed n.</source>
        <translation>Suma los cubos de los números enteros desde 1 hasta el número n mostrado.</translation>
    </message>
    <message>
        <source>Random number</source>
        <translation>Número aleatorio</translation>
    </message>
    <message>
        <source>Shows a random number between 0 and 1.</source>
        <translation>Muestra un número aleatorio entre 0 y 1.</translation>
    </message>
    <message>
        <source>Nth root</source>
        <translation>Raíz enésima</translation>
    </message>
    <message>
        <source>Takes the root of the displayed number, its degree entered next.</source>
        <translation>Extrae la raíz del número mostrado; su índice se introduce a continuación.</translation>
    </message>
    <message>
        <source>Power of ten</source>
        <translation>Potencia de diez</translation>
    </message>
    <message>
        <source>Raises 10 to the displayed power.</source>
        <translation>Eleva 10 a la potencia mostrada.</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Divides the displayed number by 100; a pending operation takes the result as its second number.</source>
        <translation>Divide el número mostrado entre 100; una operación pendiente toma el resultado como segundo número.</translation>
    </message>
    <message>
        <source>User defined formula</source>
        <translation>Fórmula definida por el usuario</translation>
    </message>
    <message>
        <source>Starts typing a formula over the variables A to F.</source>
        <translation>Empieza a escribir una fórmula con las variables de la A a la F.</translation>
    </message>
    <message>
        <source>Open parenthesis</source>
        <translation>Abrir paréntesis</translation>
    </message>
    <message>
        <source>Opens a parenthesis in the calculation.</source>
        <translation>Abre un paréntesis en el cálculo.</translation>
    </message>
    <message>
        <source>Close parenthesis</source>
        <translation>Cerrar paréntesis</translation>
    </message>
    <message>
        <source>Closes the open parenthesis.</source>
        <translation>Cierra el paréntesis abierto.</translation>
    </message>
    <message>
        <source>Send formula</source>
        <translation>Enviar fórmula</translation>
    </message>
    <message>
        <source>Sends the typed formula for evaluation; once a result shows, starts a new formula.</source>
        <translation>Envía la fórmula escrita para evaluarla; cuando se muestra un resultado, empieza una fórmula nueva.</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redondear</translation>
    </message>
    <message>
        <source>Rounds the displayed number to a whole number.</source>
        <translation>Redondea el número mostrado a un número entero.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadística</translation>
    </message>
    <message>
        <source>Collects a list of values and shows their summary.</source>
        <translation>Reúne una lista de valores y muestra su resumen.</translation>
    </message>
    <message>
        <source>Start statistics</source>
        <translation>Iniciar estadística</translation>
    </message>
    <message>
        <source>Opens the statistics mode, enables its keys and puts the review position of the Next keys back to the start.</source>
        <translation>Abre el modo de estadística, habilita sus teclas y devuelve al principio la posición de revisión de las teclas Sig.</translation>
    </message>
    <message>
        <source>Add data</source>
        <translation>Añadir dato</translation>
    </message>
    <message>
        <source>Adds the displayed number to the statistics list.</source>
        <translation>Añade el número mostrado a la lista estadística.</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Shows the mean of the statistics list.</source>
        <translation>Muestra la media de la lista estadística.</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Shows the sum of the statistics list.</source>
        <translation>Muestra la suma de la lista estadística.</translation>
    </message>
    <message>
        <source>Sum of squares</source>
        <translation>Suma de cuadrados</translation>
    </message>
    <message>
        <source>Shows the sum of the squares of the statistics list.</source>
        <translation>Muestra la suma de los cuadrados de la lista estadística.</translation>
    </message>
    <message>
        <source>Sum of cubes</source>
        <translation>Suma de cubos</translation>
    </message>
    <message>
        <source>Shows the sum of the cubes of the statistics list.</source>
        <translation>Muestra la suma de los cubos de la lista estadística.</translation>
    </message>
    <message>
        <source>Clear statistics</source>
        <translation>Borrar estadística</translation>
    </message>
    <message>
        <source>Clears the statistics list and closes the statistics mode.</source>
        <translation>Vacía la lista estadística y cierra el modo de estadística.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Recuento</translation>
    </message>
    <message>
        <source>Shows how many values the statistics list holds.</source>
        <translation>Muestra cuántos valores contiene la lista estadística.</translation>
    </message>
    <message>
        <source>Sample standard deviation</source>
        <translation>Desviación estándar muestral</translation>
    </message>
    <message>
        <source>Shows the sample standard deviation of the list.</source>
        <translation>Muestra la desviación estándar muestral de la lista.</translation>
    </message>
    <message>
        <source>Population standard deviation</source>
        <translation>Desviación estándar poblacional</translation>
    </message>
    <message>
        <source>Shows the population standard deviation of the list.</source>
        <translation>Muestra la desviación estándar poblacional de la lista.</translation>
    </message>
    <message>
        <source>Next statistics value</source>
        <translation>Siguiente valor estadístico</translation>
    </message>
    <message>
        <source>Shows the values in the statistics list, one per press.</source>
        <translation>Muestra los valores de la lista estadística, uno por pulsación.</translation>
    </message>
    <message>
        <source>Double word</source>
        <translation>Palabra doble</translation>
    </message>
    <message>
        <source>Limits the display to a 32-bit value.</source>
        <translation>Limita la pantalla a un valor de 32 bits.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Limits the display to a 16-bit value.</source>
        <translation>Limita la pantalla a un valor de 16 bits.</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>Limits the display to an 8-bit value.</source>
        <translation>Limita la pantalla a un valor de 8 bits.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Error :overflow</source>
        <translation>Error: desbordamiento</translation>
    </message>
    <message>
        <source>error :positive infinity</source>
        <translation>Error: infinito positivo</translation>
    </message>
    <message>
        <source>Divide by zero error</source>
        <translation>Error: división por cero</translation>
    </message>
    <message>
        <source>Invalid : input</source>
        <translation>Entrada no válida</translation>
    </message>
    <message>
        <source>Invalid: input </source>
        <translation>Entrada no válida </translation>
    </message>
    <message>
        <source>Infinity</source>
        <translation>Infinito</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Result =</source>
        <translation>Resultado =</translation>
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
        <translation>El resto de este tema no se muestra: es más largo de lo que puede mostrar la ventana de ayuda.</translation>
    </message>
    <message>
        <source>Help is not available</source>
        <translation>La ayuda no está disponible</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; is missing or damaged: %2. Reinstall Velmor Calculator to restore it.</source>
        <translation>El archivo de ayuda «%1» falta o está dañado: %2. Reinstale Calculadora Velmor para restaurarlo.</translation>
    </message>
    <message>
        <source>Help topic not found</source>
        <translation>No se encontró el tema de ayuda</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; has no topic %2.</source>
        <translation>El archivo de ayuda «%1» no tiene el tema %2.</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Velmor Calculator Help</source>
        <translation>Ayuda de la Calculadora Velmor</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Sig.</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Bin</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Deg</translation>
    </message>
    <message>
        <source>Rad</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Grad</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Azar</translation>
    </message>
    <message>
        <source>Formule</source>
        <translation>Fórmula</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rou</source>
        <translation>Red.</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Dat</source>
        <translation>Dat</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
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
        <translation>¿Qué es esto?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Super Scientific</source>
        <translation>Supercientífica</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Standard Deviation</source>
        <translation>Desviación estándar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>HelpTopics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>¿Qué es esto?</translation>
    </message>
    <message>
        <source>About Calculator</source>
        <translation>Acerca de Calculadora</translation>
    </message>
    <message>
        <source>Formulae</source>
        <translation>Fórmulas</translation>
    </message>
    <message>
        <source>Mathematical Constants and Formulae</source>
        <translation>Constantes y fórmulas matemáticas</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>El subíndice está fuera del intervalo</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error definido por la aplicación o por el objeto</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Get latest version</source>
        <translation>Obtenga la versión más reciente</translation>
    </message>
    <message>
        <source>This software does not support this value<byte value="xd"/>
Please install the latest software</source>
        <translation>Este programa no admite este valor<byte value="xd"/>
Instale la versión más reciente del programa</translation>
    </message>
    <message>
        <source>Number&apos;s completed</source>
        <translation>Se han mostrado todos los números</translation>
    </message>
    <message>
        <source>Enter Some Data</source>
        <translation>Introduzca algunos datos</translation>
    </message>
    <message>
        <source>Please enter some values</source>
        <translation>Introduzca algunos valores</translation>
    </message>
    <message>
        <source>The list is full: it holds %1 values</source>
        <translation>La lista está llena: contiene %1 valores</translation>
    </message>
    <message>
        <source>The clipboard cannot be used at the moment. Please try again.</source>
        <translation>No se puede usar el portapapeles en este momento. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>ToolTip</name>
    <message>
        <source>Random Number</source>
        <translation>Número aleatorio</translation>
    </message>
    <message>
        <source>User Defined Formule</source>
        <translation>Fórmula definida por el usuario</translation>
    </message>
    <message>
        <source>Send the formula to System</source>
        <translation>Enviar la fórmula al sistema</translation>
    </message>
    <message>
        <source>Round up the Number</source>
        <translation>Redondear el número</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Velmor Calculator</source>
        <translation>Calculadora Velmor</translation>
    </message>
</context>
</TS>
