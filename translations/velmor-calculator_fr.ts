<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Infos système…</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Avertissement&#xa0;: ...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de la %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>It is a easy to calculator, With  more Flexible Calculating options.</source>
        <translation>Une calculatrice facile à utiliser, aux options de calcul plus souples.</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>Velmor Calculator icon</source>
        <translation>Icône de la Calculatrice Velmor</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Shows the number being entered and every result; digits can be typed into it.</source>
        <translation>Affiche le nombre en cours de saisie et chaque résultat&#xa0;; on peut y taper des chiffres.</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Deletes the last character of the display.</source>
        <translation>Efface le dernier caractère de l’affichage.</translation>
    </message>
    <message>
        <source>Next operand</source>
        <translation>Opérande suivant</translation>
    </message>
    <message>
        <source>Shows the operands the operator keys recorded, one per press, up to the position the operator keys and Dat share; CE and Stat put it back to the start.</source>
        <translation>Affiche, un par appui, les opérandes enregistrés par les touches d’opération, jusqu’à la position que ces touches partagent avec Dat&#xa0;; CE et Stat la ramènent au début.</translation>
    </message>
    <message>
        <source>Formula prompt</source>
        <translation>Invite de la formule</translation>
    </message>
    <message>
        <source>Names the formula variable whose value is entered next.</source>
        <translation>Indique la variable de la formule dont la valeur est à entrer.</translation>
    </message>
    <message>
        <source>Work value</source>
        <translation>Valeur de travail</translation>
    </message>
    <message>
        <source>Holds the last result for the calculator&apos;s own use.</source>
        <translation>Conserve le dernier résultat pour l’usage interne de la calculatrice.</translation>
    </message>
    <message>
        <source>Number base</source>
        <translation>Base de numération</translation>
    </message>
    <message>
        <source>Chooses whether the display shows hexadecimal, decimal, octal or binary numbers.</source>
        <translation>Choisit si l’affichage montre des nombres hexadécimaux, décimaux, octaux ou binaires.</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadécimal</translation>
    </message>
    <message>
        <source>Shows the display in base 16 and enables the digit keys A to F.</source>
        <translation>Affiche en base 16 et active les touches de chiffres A à F.</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Décimal</translation>
    </message>
    <message>
        <source>Shows the display in base 10.</source>
        <translation>Affiche en base 10.</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Octal</translation>
    </message>
    <message>
        <source>Shows the display in base 8.</source>
        <translation>Affiche en base 8.</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binaire</translation>
    </message>
    <message>
        <source>Shows the display in base 2.</source>
        <translation>Affiche en base 2.</translation>
    </message>
    <message>
        <source>Angle unit</source>
        <translation>Unité d’angle</translation>
    </message>
    <message>
        <source>Chooses degrees, radians or grads; in other bases than decimal, the word size.</source>
        <translation>Choisit les degrés, les radians ou les grades&#xa0;; dans les bases autres que décimale, la taille de mot.</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Trigonometric keys take and give angles in degrees.</source>
        <translation>Les touches trigonométriques utilisent des angles en degrés.</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Radians</translation>
    </message>
    <message>
        <source>Trigonometric keys take and give angles in radians.</source>
        <translation>Les touches trigonométriques utilisent des angles en radians.</translation>
    </message>
    <message>
        <source>Grads</source>
        <translation>Grades</translation>
    </message>
    <message>
        <source>Trigonometric keys take and give angles in grads.</source>
        <translation>Les touches trigonométriques utilisent des angles en grades.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Raises the displayed number to the power entered next.</source>
        <translation>Élève le nombre affiché à la puissance entrée ensuite.</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <source>Multiplies the displayed number by the number entered next.</source>
        <translation>Multiplie le nombre affiché par le nombre entré ensuite.</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>Divides the displayed number by the number entered next.</source>
        <translation>Divise le nombre affiché par le nombre entré ensuite.</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Soustraire</translation>
    </message>
    <message>
        <source>Subtracts the number entered next from the displayed number.</source>
        <translation>Soustrait du nombre affiché le nombre entré ensuite.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Additionner</translation>
    </message>
    <message>
        <source>Adds the number entered next to the displayed number.</source>
        <translation>Ajoute au nombre affiché le nombre entré ensuite.</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Cube</translation>
    </message>
    <message>
        <source>Raises the displayed number to the third power.</source>
        <translation>Élève le nombre affiché à la puissance trois.</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Multiplies the displayed number by itself.</source>
        <translation>Multiplie le nombre affiché par lui-même.</translation>
    </message>
    <message>
        <source>Modulo</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Gives the remainder of the displayed number divided by the number entered next.</source>
        <translation>Donne le reste de la division du nombre affiché par le nombre entré ensuite.</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Divides one by the displayed number.</source>
        <translation>Divise un par le nombre affiché.</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Factorielle</translation>
    </message>
    <message>
        <source>Gives the factorial of the displayed number.</source>
        <translation>Donne la factorielle du nombre affiché.</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Effacer la mémoire</translation>
    </message>
    <message>
        <source>Sets the memory to zero.</source>
        <translation>Remet la mémoire à zéro.</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Rappel de la mémoire</translation>
    </message>
    <message>
        <source>Shows the number held in the memory.</source>
        <translation>Affiche le nombre conservé en mémoire.</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>Mise en mémoire</translation>
    </message>
    <message>
        <source>Stores the displayed number in the memory.</source>
        <translation>Met le nombre affiché en mémoire.</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Ajout à la mémoire</translation>
    </message>
    <message>
        <source>Adds the displayed number to the memory.</source>
        <translation>Ajoute le nombre affiché à la mémoire.</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Shows the value of pi.</source>
        <translation>Affiche la valeur de pi.</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Point décimal</translation>
    </message>
    <message>
        <source>Starts the fractional part of the number.</source>
        <translation>Commence la partie décimale du nombre.</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <source>Enters the digit 0.</source>
        <translation>Entre le chiffre 0.</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Un</translation>
    </message>
    <message>
        <source>Enters the digit 1.</source>
        <translation>Entre le chiffre 1.</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Enters the digit 2.</source>
        <translation>Entre le chiffre 2.</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Enters the digit 3.</source>
        <translation>Entre le chiffre 3.</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Enters the digit 4.</source>
        <translation>Entre le chiffre 4.</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Enters the digit 5.</source>
        <translation>Entre le chiffre 5.</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Enters the digit 6.</source>
        <translation>Entre le chiffre 6.</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Enters the digit 7.</source>
        <translation>Entre le chiffre 7.</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Enters the digit 8.</source>
        <translation>Entre le chiffre 8.</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Enters the digit 9.</source>
        <translation>Entre le chiffre 9.</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Effacer l’entrée</translation>
    </message>
    <message>
        <source>Clears the display, the running value and the pending operation, and puts the review position of the Next keys back to the start.</source>
        <translation>Efface l’affichage, la valeur en cours et l’opération en attente, et ramène au début la position de parcours des touches Suivant.</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Changer de signe</translation>
    </message>
    <message>
        <source>Changes the sign of the displayed number.</source>
        <translation>Change le signe du nombre affiché.</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Égal</translation>
    </message>
    <message>
        <source>Completes the pending operation and shows the result.</source>
        <translation>Termine l’opération en attente et affiche le résultat.</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Racine carrée</translation>
    </message>
    <message>
        <source>Gives the square root of the displayed number.</source>
        <translation>Donne la racine carrée du nombre affiché.</translation>
    </message>
    <message>
        <source>Logarithm</source>
        <translation>Logarithme</translation>
    </message>
    <message>
        <source>Gives the base-10 logarithm of the displayed number.</source>
        <translation>Donne le logarithme décimal du nombre affiché.</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Gives the sine of the displayed angle.</source>
        <translation>Donne le sinus de l’angle affiché.</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Cosinus</translation>
    </message>
    <message>
        <source>Gives the cosine of the displayed angle.</source>
        <translation>Donne le cosinus de l’angle affiché.</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>Gives the tangent of the displayed angle.</source>
        <translation>Donne la tangente de l’angle affiché.</translation>
    </message>
    <message>
        <source>Hex digit A</source>
        <translation>Chiffre hexadécimal A</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit A (ten).</source>
        <translation>Entre le chiffre hexadécimal A (dix).</translation>
    </message>
    <message>
        <source>Hex digit B</source>
        <translation>Chiffre hexadécimal B</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit B (eleven).</source>
        <translation>Entre le chiffre hexadécimal B (onze).</translation>
    </message>
    <message>
        <source>Hex digit C</source>
        <translation>Chiffre hexadécimal C</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit C (twelve).</source>
        <translation>Entre le chiffre hexadécimal C (douze).</translation>
    </message>
    <message>
        <source>Hex digit D</source>
        <translation>Chiffre hexadécimal D</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit D (thirteen).</source>
        <translation>Entre le chiffre hexadécimal D (treize).</translation>
    </message>
    <message>
        <source>Hex digit E</source>
        <translation>Chiffre hexadécimal E</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit E (fourteen).</source>
        <translation>Entre le chiffre hexadécimal E (quatorze).</translation>
    </message>
    <message>
        <source>Hex digit F</source>
        <translation>Chiffre hexadécimal F</translation>
    </message>
    <message>
        <source>Enters the hexadecimal digit F (fifteen).</source>
        <translation>Entre le chiffre hexadécimal F (quinze).</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Reciprocal, inverse and hyperbolic trigonometric functions.</source>
        <translation>Fonctions trigonométriques réciproques, inverses et hyperboliques.</translation>
    </message>
    <message>
        <source>Secant</source>
        <translation>Sécante</translation>
    </message>
    <message>
        <source>Gives the secant of the displayed angle.</source>
        <translation>Donne la sécante de l’angle affiché.</translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation>Cosécante</translation>
    </message>
    <message>
        <source>Gives the cosecant of the displayed angle.</source>
        <translation>Donne la cosécante de l’angle affiché.</translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation>Cotangente</translation>
    </message>
    <message>
        <source>Gives the cotangent of the displayed angle.</source>
        <translation>Donne la cotangente de l’angle affiché.</translation>
    </message>
    <message>
        <source>Inverse sine</source>
        <translation>Arc sinus</translation>
    </message>
    <message>
        <source>Gives the angle whose sine is displayed.</source>
        <translation>Donne l’angle dont le sinus est affiché.</translation>
    </message>
    <message>
        <source>Inverse cosine</source>
        <translation>Arc cosinus</translation>
    </message>
    <message>
        <source>Gives the angle whose cosine is displayed.</source>
        <translation>Donne l’angle dont le cosinus est affiché.</translation>
    </message>
    <message>
        <source>Inverse tangent</source>
        <translation>Arc tangente</translation>
    </message>
    <message>
        <source>Gives the angle whose tangent is displayed.</source>
        <translation>Donne l’angle dont la tangente est affichée.</translation>
    </message>
    <message>
        <source>Inverse secant</source>
        <translation>Arc sécante</translation>
    </message>
    <message>
        <source>Gives the angle whose secant is displayed.</source>
        <translation>Donne l’angle dont la sécante est affichée.</translation>
    </message>
    <message>
        <source>Inverse cosecant</source>
        <translation>Arc cosécante</translation>
    </message>
    <message>
        <source>Gives the angle whose cosecant is displayed.</source>
        <translation>Donne l’angle dont la cosécante est affichée.</translation>
    </message>
    <message>
        <source>Inverse cotangent</source>
        <translation>Arc cotangente</translation>
    </message>
    <message>
        <source>Gives the angle whose cotangent is displayed.</source>
        <translation>Donne l’angle dont la cotangente est affichée.</translation>
    </message>
    <message>
        <source>Hyperbolic sine</source>
        <translation>Sinus hyperbolique</translation>
    </message>
    <message>
        <source>Gives the hyperbolic sine of the displayed number.</source>
        <translation>Donne le sinus hyperbolique du nombre affiché.</translation>
    </message>
    <message>
        <source>Hyperbolic cosine</source>
        <translation>Cosinus hyperbolique</translation>
    </message>
    <message>
        <source>Gives the hyperbolic cosine of the displayed number.</source>
        <translation>Donne le cosinus hyperbolique du nombre affiché.</translation>
    </message>
    <message>
        <source>Hyperbolic tangent</source>
        <translation>Tangente hyperbolique</translation>
    </message>
    <message>
        <source>Gives the hyperbolic tangent of the displayed number.</source>
        <translation>Donne la tangente hyperbolique du nombre affiché.</translation>
    </message>
    <message>
        <source>Hyperbolic secant</source>
        <translation>Sécante hyperbolique</translation>
    </message>
    <message>
        <source>Gives the hyperbolic secant of the displayed number.</source>
        <translation>Donne la sécante hyperbolique du nombre affiché.</translation>
    </message>
    <message>
        <source>Hyperbolic cosecant</source>
        <translation>Cosécante hyperbolique</translation>
    </message>
    <message>
        <source>Gives the hyperbolic cosecant of the displayed number.</source>
        <translation>Donne la cosécante hyperbolique du nombre affiché.</translation>
    </message>
    <message>
        <source>Hyperbolic cotangent</source>
        <translation>Cotangente hyperbolique</translation>
    </message>
    <message>
        <source>Gives the hyperbolic cotangent of the displayed number.</source>
        <translation>Donne la cotangente hyperbolique du nombre affiché.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic sine</source>
        <translation>Argument sinus hyperbolique</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic sine is displayed.</source>
        <translation>Donne le nombre dont le sinus hyperbolique est affiché.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic cosine</source>
        <translation>Argument cosinus hyperbolique</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic cosine is displayed.</source>
        <translation>Donne le nombre dont le cosinus hyperbolique est affiché.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic tangent</source>
        <translation>Argument tangente hyperbolique</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic tangent is displayed.</source>
        <translation>Donne le nombre dont la tangente hyperbolique est affichée.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic secant</source>
        <translation>Argument sécante hyperbolique</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic secant is displayed.</source>
        <translation>Donne le nombre dont la sécante hyperbolique est affichée.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic cosecant</source>
        <translation>Argument cosécante hyperbolique</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic cosecant is displayed.</source>
        <translation>Donne le nombre dont la cosécante hyperbolique est affichée.</translation>
    </message>
    <message>
        <source>Inverse hyperbolic cotangent</source>
        <translation>Argument cotangente hyperbolique</translation>
    </message>
    <message>
        <source>Gives the number whose hyperbolic cotangent is displayed.</source>
        <translation>Donne le nombre dont la cotangente hyperbolique est affichée.</translation>
    </message>
    <message>
        <source>More functions</source>
        <translation>Autres fonctions</translation>
    </message>
    <message>
        <source>Exponentials, roots, combinatorics, sums, the formula and parentheses.</source>
        <translation>Exponentielles, racines, dénombrement, sommes, formule et parenthèses.</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponentielle</translation>
    </message>
    <message>
        <source>Raises e to the displayed power.</source>
        <translation>Élève e à la puissance affichée.</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Combinaisons</translation>
    </message>
    <message>
        <source>Counts the combinations of the displayed n taken r at a time, r entered next.</source>
        <translation>Compte les combinaisons de r éléments parmi le n affiché, r étant entré ensuite.</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>Arrangements</translation>
    </message>
    <message>
        <source>Counts the permutations of the displayed n taken r at a time, r entered next.</source>
        <translation>Compte les arrangements de r éléments parmi le n affiché, r étant entré ensuite.</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Logarithme népérien</translation>
    </message>
    <message>
        <source>Gives the natural logarithm of the displayed number.</source>
        <translation>Donne le logarithme népérien du nombre affiché.</translation>
    </message>
    <message>
        <source>Sum of integers</source>
        <translation>Somme des entiers</translation>
    </message>
    <message>
        <source>Sums the whole numbers from 1 to the displayed n.</source>
        <translation>Additionne les entiers de 1 au n affiché.</translation>
    </message>
    <message>
        <source>Sum of squares of integers</source>
        <translation>Somme des carrés des entiers</translation>
    </message>
    <message>
        <source>Sums the squares of the whole numbers from 1 to the displayed n.</source>
        <translation>Additionne les carrés des entiers de 1 au n affiché.</translation>
    </message>
    <message>
        <source>Sum of cubes of integers</source>
        <translation>Somme des cubes des entiers</translation>
    </message>
    <message>
        <source>Sums the cubes of the whole numbers from 1 to the displayed n.</source>
        <translation>Additionne les cubes des entiers de 1 au n affiché.</translation>
    </message>
    <message>
        <source>Random number</source>
        <translation>Nombre aléatoire</translation>
    </message>
    <message>
        <source>Shows a random number between 0 and 1.</source>
        <translation>Affiche un nombre aléatoire entre 0 et 1.</translation>
    </message>
    <message>
        <source>Nth root</source>
        <translation>Racine n-ième</translation>
    </message>
    <message>
        <source>Takes the root of the displayed number, its degree entered next.</source>
        <translation>Prend la racine du nombre affiché, son indice étant entré ensuite.</translation>
    </message>
    <message>
        <source>Power of ten</source>
        <translation>Puissance de dix</translation>
    </message>
    <message>
        <source>Raises 10 to the displayed power.</source>
        <translation>Élève 10 à la puissance affichée.</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Divides the displayed number by 100; a pending operation takes the result as its second number.</source>
        <translation>Divise le nombre affiché par 100&#xa0;; une opération en attente prend le résultat comme second nombre.</translation>
    </message>
    <message>
        <source>User defined formula</source>
        <translation>Formule personnalisée</translation>
    </message>
    <message>
        <source>Starts typing a formula over the variables A to F.</source>
        <translation>Commence la saisie d’une formule utilisant les variables A à F.</translation>
    </message>
    <message>
        <source>Open parenthesis</source>
        <translation>Parenthèse ouvrante</translation>
    </message>
    <message>
        <source>Opens a parenthesis in the calculation.</source>
        <translation>Ouvre une parenthèse dans le calcul.</translation>
    </message>
    <message>
        <source>Close parenthesis</source>
        <translation>Parenthèse fermante</translation>
    </message>
    <message>
        <source>Closes the open parenthesis.</source>
        <translation>Ferme la parenthèse ouverte.</translation>
    </message>
    <message>
        <source>Send formula</source>
        <translation>Envoyer la formule</translation>
    </message>
    <message>
        <source>Sends the typed formula for evaluation; once a result shows, starts a new formula.</source>
        <translation>Envoie la formule saisie pour l’évaluer&#xa0;; une fois le résultat affiché, commence une nouvelle formule.</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Arrondi</translation>
    </message>
    <message>
        <source>Rounds the displayed number to a whole number.</source>
        <translation>Arrondit le nombre affiché à l’entier.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Collects a list of values and shows their summary.</source>
        <translation>Rassemble une liste de valeurs et en affiche le résumé.</translation>
    </message>
    <message>
        <source>Start statistics</source>
        <translation>Démarrer les statistiques</translation>
    </message>
    <message>
        <source>Opens the statistics mode, enables its keys and puts the review position of the Next keys back to the start.</source>
        <translation>Ouvre le mode statistiques, active ses touches et ramène au début la position de parcours des touches Suivant.</translation>
    </message>
    <message>
        <source>Add data</source>
        <translation>Ajouter une donnée</translation>
    </message>
    <message>
        <source>Adds the displayed number to the statistics list.</source>
        <translation>Ajoute le nombre affiché à la liste statistique.</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Shows the mean of the statistics list.</source>
        <translation>Affiche la moyenne de la liste statistique.</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Somme</translation>
    </message>
    <message>
        <source>Shows the sum of the statistics list.</source>
        <translation>Affiche la somme de la liste statistique.</translation>
    </message>
    <message>
        <source>Sum of squares</source>
        <translation>Somme des carrés</translation>
    </message>
    <message>
        <source>Shows the sum of the squares of the statistics list.</source>
        <translation>Affiche la somme des carrés de la liste statistique.</translation>
    </message>
    <message>
        <source>Sum of cubes</source>
        <translation>Somme des cubes</translation>
    </message>
    <message>
        <source>Shows the sum of the cubes of the statistics list.</source>
        <translation>Affiche la somme des cubes de la liste statistique.</translation>
    </message>
    <message>
        <source>Clear statistics</source>
        <translation>Effacer les statistiques</translation>
    </message>
    <message>
        <source>Clears the statistics list and closes the statistics mode.</source>
        <translation>Vide la liste statistique et ferme le mode statistiques.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre de valeurs</translation>
    </message>
    <message>
        <source>Shows how many values the statistics list holds.</source>
        <translation>Affiche le nombre de valeurs de la liste statistique.</translation>
    </message>
    <message>
        <source>Sample standard deviation</source>
        <translation>Écart type de l’échantillon</translation>
    </message>
    <message>
        <source>Shows the sample standard deviation of the list.</source>
        <translation>Affiche l’écart type de l’échantillon de la liste.</translation>
    </message>
    <message>
        <source>Population standard deviation</source>
        <translation>Écart type de la population</translation>
    </message>
    <message>
        <source>Shows the population standard deviation of the list.</source>
        <translation>Affiche l’écart type de la population de la liste.</translation>
    </message>
    <message>
        <source>Next statistics value</source>
        <translation>Valeur statistique suivante</translation>
    </message>
    <message>
        <source>Shows the values in the statistics list, one per press.</source>
        <translation>Affiche les valeurs de la liste statistique, une par appui.</translation>
    </message>
    <message>
        <source>Double word</source>
        <translation>Double mot</translation>
    </message>
    <message>
        <source>Limits the display to a 32-bit value.</source>
        <translation>Limite l’affichage à une valeur de 32 bits.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Limits the display to a 16-bit value.</source>
        <translation>Limite l’affichage à une valeur de 16 bits.</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Octet</translation>
    </message>
    <message>
        <source>Limits the display to an 8-bit value.</source>
        <translation>Limite l’affichage à une valeur de 8 bits.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Error :overflow</source>
        <translation>Erreur : dépassement</translation>
    </message>
    <message>
        <source>error :positive infinity</source>
        <translation>Erreur : infini positif</translation>
    </message>
    <message>
        <source>Divide by zero error</source>
        <translation>Erreur : division par zéro</translation>
    </message>
    <message>
        <source>Invalid : input</source>
        <translation>Entrée non valide</translation>
    </message>
    <message>
        <source>Invalid: input </source>
        <translation>Entrée non valide </translation>
    </message>
    <message>
        <source>Infinity</source>
        <translation>Infini</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Result =</source>
        <translation>Résultat =</translation>
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
        <translation>La suite de ce sujet n’est pas affichée&#xa0;: elle est plus longue que ce que la fenêtre d’aide peut afficher.</translation>
    </message>
    <message>
        <source>Help is not available</source>
        <translation>L&apos;aide n&apos;est pas disponible</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; is missing or damaged: %2. Reinstall Velmor Calculator to restore it.</source>
        <translation>Le fichier d’aide « %1 » est absent ou endommagé&#xa0;: %2. Réinstallez la Calculatrice Velmor pour le rétablir.</translation>
    </message>
    <message>
        <source>Help topic not found</source>
        <translation>Sujet d&apos;aide introuvable</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; has no topic %2.</source>
        <translation>Le fichier d’aide « %1 » ne contient pas de sujet %2.</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Velmor Calculator Help</source>
        <translation>Aide de la Calculatrice Velmor</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Backspace</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Déc</translation>
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
        <translation>Aléa</translation>
    </message>
    <message>
        <source>Formule</source>
        <translation>Formule</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rou</source>
        <translation>Arr</translation>
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
        <translation>Nouv.</translation>
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
        <translation>Qu’est-ce que c’est&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Super Scientific</source>
        <translation>Super scientifique</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Standard Deviation</source>
        <translation>Écart type</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>HelpTopics</source>
        <translation>Rubriques d’aide</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>Qu’est-ce que c’est&#xa0;?</translation>
    </message>
    <message>
        <source>About Calculator</source>
        <translation>À propos de la Calculatrice</translation>
    </message>
    <message>
        <source>Formulae</source>
        <translation>Formules</translation>
    </message>
    <message>
        <source>Mathematical Constants and Formulae</source>
        <translation>Constantes et formules mathématiques</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument non valide</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l’application ou par l’objet</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Get latest version</source>
        <translation>Procurez-vous la dernière version</translation>
    </message>
    <message>
        <source>This software does not support this value<byte value="xd"/>
Please install the latest software</source>
        <translation>Ce logiciel ne prend pas en charge cette valeur<byte value="xd"/>
Veuillez installer la dernière version du logiciel</translation>
    </message>
    <message>
        <source>Number&apos;s completed</source>
        <translation>Tous les nombres ont été affichés</translation>
    </message>
    <message>
        <source>Enter Some Data</source>
        <translation>Entrez des données</translation>
    </message>
    <message>
        <source>Please enter some values</source>
        <translation>Veuillez entrer des valeurs</translation>
    </message>
    <message>
        <source>The list is full: it holds %1 values</source>
        <translation>La liste est pleine&#xa0;: elle contient %1 valeurs</translation>
    </message>
    <message>
        <source>The clipboard cannot be used at the moment. Please try again.</source>
        <translation>Le presse-papiers est indisponible pour le moment. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>ToolTip</name>
    <message>
        <source>Random Number</source>
        <translation>Nombre aléatoire</translation>
    </message>
    <message>
        <source>User Defined Formule</source>
        <translation>Formule personnalisée</translation>
    </message>
    <message>
        <source>Send the formula to System</source>
        <translation>Envoyer la formule à la calculatrice</translation>
    </message>
    <message>
        <source>Round up the Number</source>
        <translation>Arrondir le nombre</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Velmor Calculator</source>
        <translation>Calculatrice Velmor</translation>
    </message>
</context>
</TS>
