#!/usr/bin/env python3
"""Writes scientific.tsv: reference results of the scientific keys for their
decimal arguments as typed, computed with mpmath at 80 digits (more for huge
angles in radians) and written as the calculator writes numbers (15
significant digits rounded halves to even, exponent form below 1E-04 and from
1E+15 on; 0 below the smallest double; beyond 1.79769313486232E+308 nothing).

Columns: key, unit (deg, rad, grad), operand, second operand (only for the
two-operand operations ncr, npr and nsqrt), expected display text. An expected
text starting with "#" is the error number the two-operand computation raises.

It also writes chains.tsv: key sequences whose intermediate results carry
rounding noise (1 / 3 * 3, pi in full, sqrt 3 squared), with the exact value
of the chain's mathematics. Columns: unit, keys, expected display text. A key
is a caption or control name as the unit tests write them; 'TEXT is a text
typed or pasted into the display; pi is the full-precision pi behind the
display.

Run from anywhere: python3 tests/reference/make_reference.py
"""

import math
import os
import random
from decimal import Decimal, Context, ROUND_HALF_EVEN, getcontext
from fractions import Fraction

import mpmath
from mpmath import mp, mpf

mp.dps = 80
getcontext().prec = 200

# The largest value the display shows is 1.79769313486232E+308: anything that
# rounds above it is out of the range; below the smallest double is 0.
LAST_SHOWN = mpf("1.797693134862325e308")
SMALLEST_KEPT = mpf("4.9406564584124654e-324")

DIV0 = "Divide by zero error"
INVALID = "Invalid : input"
INFINITY = "Infinity"
OVERFLOW_TEXT = "Error :overflow"
FACT_INVALID = "Invalid: input "


class Skip(Exception):
    """A case whose outcome is not a display text (a message box, a value
    outside the normal double range)."""


def calc_text(x):
    """The calculator's number-to-text form of the exact value x."""
    x = mpf(x)
    if x == 0 or abs(x) < SMALLEST_KEPT:
        return "0"
    if abs(x) > LAST_SHOWN:
        raise Skip()
    d = Decimal(mpmath.nstr(x, 40, strip_zeros=False, min_fixed=1, max_fixed=0))
    d = Context(prec=15, rounding=ROUND_HALF_EVEN).plus(d)
    sign = "-" if d < 0 else ""
    digits = "".join(str(c) for c in d.as_tuple().digits).rstrip("0") or "0"
    exponent = d.adjusted()
    if exponent < -4 or exponent >= 15:
        mantissa = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
        return f"{sign}{mantissa}E{'-' if exponent < 0 else '+'}{abs(exponent):02d}"
    if exponent >= 0:
        whole = digits[: exponent + 1].ljust(exponent + 1, "0")
        frac = digits[exponent + 1:]
        return sign + whole + ("." + frac if frac else "")
    return sign + "0." + "0" * (-exponent - 1) + digits


def input_text(v):
    """The display text typed for v: the decimal as written in this script
    (a float as its shortest repr, which is how it was written or rounded)."""
    if isinstance(v, str):
        return v
    if v == int(v) and abs(v) < 1e15:
        return str(int(v))
    return repr(v).replace("e", "E")


class Typed(Decimal):
    """The exact decimal value of a typed text, usable by mpmath at its
    working precision and exactly by Fraction and comparisons."""

    @property
    def _mpf_(self):
        return mpf(str(self))._mpf_


def typed(v):
    return Typed(input_text(v))


def precise(fn):
    """Runs fn with enough digits for an argument of any size (a huge angle in
    radians needs its digits before the point as well)."""
    def run(v, u):
        digits = 80 + max(0, int(abs(v).adjusted()) if isinstance(v, Decimal) and v != 0 else 0)
        with mp.workdps(digits):
            return fn(v, u)
    return run


# ---- angles -------------------------------------------------------------

TURN = {"deg": 360, "grad": 400}


def reduced_turn(v, unit):
    """The exact angle modulo a full turn, as a fraction of the unit."""
    return Fraction(v) % TURN[unit]


def radians(v, unit):
    if unit == "rad":
        return mpf(v)
    r = reduced_turn(v, unit)
    return mpf(r.numerator) / r.denominator * mp.pi / (TURN[unit] // 2)


def cos_is_zero(v, unit):
    return unit != "rad" and reduced_turn(v, unit) in (TURN[unit] / 4, 3 * TURN[unit] / 4)


def sin_is_zero(v, unit):
    if unit == "rad":
        return v == 0
    return reduced_turn(v, unit) in (0, TURN[unit] / 2)


def in_unit(rad, unit):
    if unit == "deg":
        return rad * 180 / mp.pi
    if unit == "grad":
        return rad * 200 / mp.pi
    return rad


def f_sin(v, u):
    return 0 if sin_is_zero(v, u) else mpmath.sin(radians(v, u))


def f_cos(v, u):
    return 0 if cos_is_zero(v, u) else mpmath.cos(radians(v, u))


def f_tan(v, u):
    if cos_is_zero(v, u):
        return INFINITY
    return 0 if sin_is_zero(v, u) else mpmath.tan(radians(v, u))


def f_sec(v, u):
    return DIV0 if cos_is_zero(v, u) else 1 / mpmath.cos(radians(v, u))


def f_csc(v, u):
    return DIV0 if sin_is_zero(v, u) else 1 / mpmath.sin(radians(v, u))


def f_cot(v, u):
    if sin_is_zero(v, u):
        return DIV0
    return 0 if cos_is_zero(v, u) else mpmath.cot(radians(v, u))


def f_asin(v, u):
    return INVALID if abs(v) > 1 else in_unit(mpmath.asin(v), u)


def f_acos(v, u):
    return INVALID if abs(v) > 1 else in_unit(mpmath.acos(v), u)


def f_atan(v, u):
    return in_unit(mpmath.atan(v), u)


def f_asec(v, u):
    return INVALID if abs(v) < 1 else in_unit(mpmath.acos(1 / mpf(v)), u)


def f_acsc(v, u):
    return INVALID if abs(v) < 1 else in_unit(mpmath.asin(1 / mpf(v)), u)


def f_acot(v, u):
    return in_unit(mp.pi / 2 - mpmath.atan(v), u)


def f_csch(v, u):
    return DIV0 if v == 0 else 1 / mpmath.sinh(v)


def f_coth(v, u):
    return DIV0 if v == 0 else mpmath.coth(v)


def f_acosh(v, u):
    return INVALID if v < 1 else mpmath.acosh(v)


def f_atanh(v, u):
    if v == 1:
        return DIV0
    return INVALID if abs(v) >= 1 else mpmath.atanh(v)


def f_asech(v, u):
    if v == 0:
        return DIV0
    return INVALID if v < 0 or v > 1 else mpmath.acosh(1 / mpf(v))


def f_acsch(v, u):
    return DIV0 if v == 0 else mpmath.asinh(1 / mpf(v))


def f_acoth(v, u):
    if v == 1:
        return DIV0
    return INVALID if abs(v) <= 1 else mpmath.atanh(1 / mpf(v))


EXTENDED = [
    f_sec, f_csc, f_cot, f_asin, f_acos, f_atan, f_asec, f_acsc, f_acot,
    lambda v, u: mpmath.sinh(v), lambda v, u: mpmath.cosh(v), lambda v, u: mpmath.tanh(v),
    lambda v, u: 1 / mpmath.cosh(v), f_csch, f_coth,
    lambda v, u: mpmath.asinh(v), f_acosh, f_atanh, f_asech, f_acsch, f_acoth,
]


# ---- one-operand keys of the lower group ----------------------------------

def f_ln(v, u):
    return input_text(v) if v <= 0 else mpmath.log(v)


def f_log(v, u):
    return input_text(v) if v <= 0 else mpmath.log10(v)


def f_exp(v, u):
    r = mpmath.exp(v)
    return OVERFLOW_TEXT if r > LAST_SHOWN else r


def f_exp10(v, u):
    r = mpmath.power(10, mpf(v))
    return OVERFLOW_TEXT if r > LAST_SHOWN else r


def f_sqrt(v, u):
    return INVALID if v < 0 else mpmath.sqrt(v)


def f_percent(v, u):
    return mpf(v) / 100


def f_round(v, u):
    return mpf(round(Fraction(v)))  # Fraction rounds halves to even


def f_factorial(v, u):
    if v < 0:
        return FACT_INVALID
    if v == int(v):
        if v > 170:
            raise Skip()
        return mpf(math.factorial(int(v)))
    return mpmath.gamma(mpf(v) + 1)


# ---- two-operand computations of "=" ------------------------------------

def f_ncr(n, r):
    if n < 0:
        return "#6"
    if r < 0 or r > n:
        return "#11"
    if n == int(n) and r == int(r):
        return mpf(math.comb(int(n), int(r)))
    return mpmath.binomial(n, r)


def f_npr(n, r):
    if n < 0:
        return "#6" if n - r < 0 else 0
    if n - r < 0:
        return "#11"
    if n == int(n) and r == int(r) and r >= 0:
        return mpf(math.perm(int(n), int(r)))
    return mpmath.gamma(mpf(n) + 1) / mpmath.gamma(mpf(n) - mpf(r) + 1)


def f_nsqrt(x, n):
    if n == 0:
        return "#11"
    if x < 0:
        if n != int(n) or int(n) % 2 == 0:
            return "#5"
        return -mpmath.power(-mpf(x), 1 / mpf(n))
    if x == 0:
        return "#11" if n < 0 else 0
    return mpmath.power(x, 1 / mpf(n))


# ---- case lists ---------------------------------------------------------

rng = random.Random(20261207)
UNITS = ["deg", "rad", "grad"]


def rand_values(count, low, high, digits=None):
    out = []
    for _ in range(count):
        x = rng.uniform(low, high)
        out.append(round(x, digits) if digits is not None else x)
    return out


def expected_text(result):
    if isinstance(result, str):
        return result
    return calc_text(result)


def add_cases(rows, key, unit, values, fn, second=None):
    for v in values:
        try:
            if second is None:
                text = expected_text(precise(fn)(typed(v), unit))
                rows.append((key, unit, input_text(v), "", text))
            else:
                text = expected_text(fn(typed(v), typed(second)))
                rows.append((key, unit, input_text(v), input_text(second), text))
        except Skip:
            pass


def angle_inputs(unit):
    if unit == "deg":
        special = [0, 30, 45, 60, 90, 120, 135, 150, 180, 210, 270, 300, 330, 360, -30, -90, 750,
                   -270, 89.9999, 1e15, 1e300, 0.001]
    elif unit == "grad":
        special = [0, 50, 100, 150, 200, 300, 400, -100, -50, 33.5, 1e12, 1e-7]
    else:
        special = [0, 1, -1, 90, 3.141592653589793, 1.5707963267948966, 1e22, 1e-8, 100000, 2.5]
    return special + rand_values(8, -720, 720, 4) + rand_values(2, -1e6, 1e6)


def build():
    rows = []
    for unit in UNITS:
        values = angle_inputs(unit)
        add_cases(rows, "Command10", unit, values, f_sin)
        add_cases(rows, "Command9", unit, values, f_cos)
        add_cases(rows, "Command8", unit, values, f_tan)
        for i, fn in enumerate(EXTENDED[:3]):
            add_cases(rows, f"cmdCont({i})", unit, values[:14], fn)
        inverse_inputs = [0, 0.5, -0.5, 1, -1, 2, -2, 0.999999, 1.000001, 0.1, 10, 1e10, -1e-10] \
            + rand_values(3, -3, 3, 5)
        for i, fn in enumerate(EXTENDED[3:9], start=3):
            add_cases(rows, f"cmdCont({i})", unit, inverse_inputs, fn)
    hyperbolic_inputs = [0, 1, -1, 0.5, -0.5, 2, 0.999999999, 1.0000001, 1e-9, 30, -30, 700,
                         1000, 20] + rand_values(2, -5, 5, 6)
    for i, fn in enumerate(EXTENDED[9:], start=9):
        add_cases(rows, f"cmdCont({i})", UNITS[i % 3], hyperbolic_inputs, fn)

    positive = [1, 2, 10, 100, 1000, 0.5, 1e-300, 1e300, 7.389, 123456.789, 0, -5, 0.999999999999]
    add_cases(rows, "cmdLn", "deg", positive + rand_values(3, 0, 50, 4), f_ln)
    add_cases(rows, "Command11", "deg", positive + rand_values(3, 0, 50, 4), f_log)
    powers = [0, 1, -1, 2, 0.5, -0.5, 10, 100, 709, 710, -700, 308, 308.3, 1e-10, 2.302585092994046]
    add_cases(rows, "cmdea", "deg", powers + rand_values(3, -20, 20, 3), f_exp)
    add_cases(rows, "cmd10x", "deg", powers + rand_values(3, -20, 20, 3), f_exp10)
    add_cases(rows, "cmdsqrt", "deg", [0, 1, 2, 3, 4, 9, 0.25, 1e-300, 1e300, 2e-5, -4] + rand_values(3, 0, 1000, 3),
              f_sqrt)
    add_cases(rows, "cmdPercent", "deg", [0, 1, 50, -12.5, 1e-300, 1e300, 3.14159] + rand_values(2, -1000, 1000, 3),
              f_percent)
    add_cases(rows, "cmdRou", "deg", [2.5, 3.5, -2.5, 2.6, 2.4, 0.5, -0.4, 1e20, 123456.5] + rand_values(2, -1000, 1000, 2),
              f_round)
    add_cases(rows, "Command12", "deg", [0, 1, 5, 10, 20, 25, 100, 170, 3.5, 0.5, -1, -0.5, 1.5, 10.25, 170.5, 171.5, 60.1]
              + rand_values(3, 0, 100, 2), f_factorial)

    pairs_ncr = [(7, 3), (200, 2), (1000, 3), (1000, 500), (52, 5), (60, 30), (1030, 515), (1500, 700),
                 (10, 0), (10, 10), (5.5, 2), (10.5, 3.5), (100.25, 50.75), (2000.5, 3), (3, 4), (3, -1), (-3, 2),
                 (0, 0), (1e15, 1), (40, 20), (10000.5, 2.5), (3000.25, 100.5), (1e9 + 0.5, 3.75),
                 (2500.5, 1249.75), (1e12 + 0.5, 1e12), (7.5, 7.25), (0.5, 0.25),
                 ("1E22", 0.5), ("5E17", 2.5), ("1E30", 1.5), (300000, 65.25), ("1E25", 3.75)]
    for n, r in pairs_ncr:
        add_cases(rows, "ncr", "deg", [n], f_ncr, second=r)
    pairs_npr = [(7, 3), (200, 2), (170, 170), (171, 171), (1000, 100), (10, 0), (5.5, 2), (10.5, 3.5),
                 (5, -2), (3, 4), (-3, 2), (-2, -5), (0, 0), (100, 50), (3000.5, 2.5),
                 (1e6 + 0.5, 10.5), (5000.25, -3.5), (2.5, -0.5), (0.5, 0.25), (3, -400), (1e9, 15.5),
                 ("1E20", 0.5), ("5E17", 2.5), ("5E17", -2.5), (10000, 70.5), ("1E12", 20.5), ("1E30", 0.25)]
    for n, r in pairs_npr:
        add_cases(rows, "npr", "deg", [n], f_npr, second=r)
    pairs_root = [(27, 3), (8, 3), (-8, 3), (-27, -3), (16, 4), (2, 2), (2, 12), (1e300, 7), (10, 0.5),
                  (-8, 2), (-8, 2.5), (0, 3), (5, 0), (1000000, 6), (7, 10)]
    for x, n in pairs_root:
        add_cases(rows, "nsqrt", "deg", [x], f_nsqrt, second=n)
    # Arguments a user types whose binary double is a different number, huge
    # angles in radians, and results in the range below the normal doubles.
    add_cases(rows, "Command10", "rad", ["3.14159265358979", "-3.14159265358979", "0.4", "1E300", "1E100",
                                         "-1E300", "1.79769313486232E+308", "123456789012345"], f_sin)
    add_cases(rows, "Command9", "rad", ["1E300", "1.5707963267949", "1E200", "0.4"], f_cos)
    add_cases(rows, "Command8", "rad", ["1E300", "1.5707963267949", "0.4"], f_tan)
    add_cases(rows, "cmdCont(3)", "rad", ["0.3", "0.7"], f_asin)
    add_cases(rows, "cmdCont(3)", "deg", ["0.3", "0.707106781186548", "1E-30", "-1E-30"], f_asin)
    add_cases(rows, "cmdCont(5)", "grad", ["1E-30"], f_atan)
    add_cases(rows, "cmdCont(4)", "rad", ["0.9999999999999999999999999999999999"], f_acos)
    add_cases(rows, "cmdCont(9)", "rad", ["0.7", "0.4", "1E-300"], EXTENDED[9])
    add_cases(rows, "cmdsqrt", "deg", ["18", "473211", "0.1", "2E-320", "1.79769313486232E+308"], f_sqrt)
    add_cases(rows, "cmd10x", "deg", ["-320", "-323.3", "-323.5", "-324", "308.254715559916", "-0.3"], f_exp10)
    add_cases(rows, "cmdea", "deg", ["-740", "-744.4", "-745.2", "709.782712893384", "0.1"], f_exp)
    add_cases(rows, "cmdPercent", "deg", ["1E-321", "4.94065645841247E-322", "0.1"], f_percent)
    return rows


# ---- chains with rounding noise on the way ---------------------------------

ONE_THIRD_TIMES_THREE = "1 / 3 * 3 ="
ROOT_THREE_SQUARED = "3 cmdsqrt x^2"


def chains():
    """(unit, keys, exact value or display text) of each chain."""
    pi = mp.pi
    return [
        # pi in full: the circle functions take it for pi, a difference keeps its digits.
        ("rad", "pi Command10", mpmath.sin(pi)),
        ("rad", "pi Command9", mpmath.cos(pi)),
        ("rad", "pi Command8", mpmath.tan(pi)),
        ("rad", "pi / 2 = Command9", mpmath.cos(pi / 2)),
        ("rad", "pi / 2 = Command8", INFINITY),
        ("rad", "pi * 2 = Command10", mpmath.sin(2 * pi)),
        ("rad", "pi / 4 = Command8", mpmath.tan(pi / 4)),
        ("rad", "pi / 6 = Command10", mpmath.sin(pi / 6)),
        ("rad", "pi - '3.14159265358979 =", pi - mpf("3.14159265358979")),
        ("rad", "pi cmdCont(1)", DIV0),
        ("rad", "1 cmdCont(5) * 4 = Command10", mpmath.sin(4 * mpmath.atan(1))),
        # 1 / 3 * 3 holds 34 nines behind the 1 it shows.
        ("rad", ONE_THIRD_TIMES_THREE + " cmdLn", mpmath.log(1)),
        ("rad", ONE_THIRD_TIMES_THREE + " Command11", mpmath.log10(1)),
        ("rad", ONE_THIRD_TIMES_THREE + " cmdCont(4)", mpmath.acos(1)),
        ("rad", ONE_THIRD_TIMES_THREE + " cmdCont(16)", mpmath.acosh(1)),
        ("rad", ONE_THIRD_TIMES_THREE + " cmdCont(17)", DIV0),
        ("rad", ONE_THIRD_TIMES_THREE + " x^y '1E34 =", mpf(1)),
        ("rad", ONE_THIRD_TIMES_THREE + " cmdncr 1 =", mpf(1)),
        ("rad", ONE_THIRD_TIMES_THREE + " - 1 =", mpf(0)),
        ("rad", ROOT_THREE_SQUARED + " cmdnpr 3 =", mpf(6)),
        ("rad", ROOT_THREE_SQUARED + " Command12", mpf(6)),
        ("rad", ROOT_THREE_SQUARED + " Mod 2 =", mpf(1)),
        ("rad", ROOT_THREE_SQUARED + " Command5 CE 2 +/- x^y Command4 =", mpf(-8)),
        ("grad", "5 0 Command8 cmdCont(3)", mpmath.asin(mpmath.tan(mpf(50) * pi / 200)) * 200 / pi),
        ("deg", "1 / 3 * 2 7 0 = Command8", INFINITY),
        ("deg", "1 / 3 * 2 7 0 = Command9", mpf(0)),
        ("deg", "2 cmdsqrt 1/x cmdCont(3)", mpf(45)),
        ("deg", "4 5 Command10 - 2 cmdsqrt 1/x =", mpf(0)),
        ("deg", "'3.5 cmdLn cmdea cmdRou", mpf(4)),
        ("deg", "'4.5 cmdLn cmdea cmdRou", mpf(4)),
        ("deg", "'2.5 cmdLn cmdea cmdRou", mpf(2)),
        # Typed numbers are exact: every digit of a difference counts.
        ("deg", "'1E32 + 1 - '1E32 =", mpf(1)),
        ("deg", "1 + '1E-32 - 1 =", mpf("1e-32")),
        ("deg", "'123456789 + '0.00000000000000000000001 - '123456789 =", mpf("1e-23")),
        ("deg", "1 - '0.9999999999999999999999999999999999 =", mpf("1e-34")),
        # Statistics of equal computed values.
        ("deg", "2 0 cmdsqrt cmdStat cmdData cmdData cmdData cmdSigmas", mpf(0)),
        ("deg", "2 0 cmdsqrt cmdStat cmdData cmdData cmdData cmdStdDev", mpf(0)),
        ("deg", "3 1/x cmdStat " + "cmdData " * 6 + "cmdSigmas", mpf(0)),
        ("deg", "3 1/x cmdStat " + "cmdData " * 6 + "cmdXbar", mpf(1) / 3),
    ]


def chain_text(value):
    """A chain's expected text: mpmath's zeros of the circle functions (1E-81
    at 80 digits) are 0."""
    if not isinstance(value, str) and abs(value) < mpf(10) ** (10 - mp.dps):
        return "0"
    return expected_text(value)


def write_table(name, header, rows):
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), name)
    with open(path, "w", encoding="utf-8") as out:
        out.write(header + "\n")
        for row in rows:
            out.write("\t".join(row) + "\n")
    print(f"{len(rows)} cases written to {path}")


def main():
    write_table("scientific.tsv", "# key\tunit\toperand\tsecond\texpected (made by make_reference.py)", build())
    chain_rows = [(unit, keys, chain_text(value)) for unit, keys, value in chains()]
    write_table("chains.tsv", "# unit\tkeys\texpected (made by make_reference.py)", chain_rows)


if __name__ == "__main__":
    main()
