#!/bin/sh
# Runs the calculator on its own Xvfb screen and D-Bus session with the
# accessibility bus, then reads and drives it through AT-SPI (atspi_check.py).
# Usage: run_atspi.sh PROGRAM [LANGUAGE CATALOGUE]
# With a language the program speaks it (LANGUAGE), and the check expects the
# catalogue's names and the language's help file beside the program.
# Exits 77 (reported as skipped) when a package it needs is not installed.
set -u
program=$1
language=${2:-}
catalogue=${3:-}
help_file=$(dirname "$program")/calculator.hlp
if [ -n "$language" ]; then
  export LANGUAGE="$language"
  help_file=$(dirname "$program")/calculator_$language.hlp
fi
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3  # the system Python, where python3-pyatspi installs

missing=
command -v Xvfb >/dev/null 2>&1 || missing="$missing xvfb"
command -v dbus-run-session >/dev/null 2>&1 || missing="$missing dbus"
[ -x /usr/libexec/at-spi-bus-launcher ] || missing="$missing at-spi2-core"
"$python" -c "import pyatspi" >/dev/null 2>&1 || missing="$missing python3-pyatspi"
if [ -n "$missing" ]; then
  echo "SKIPPED: not installed:$missing (scripts/setup.sh installs them)"
  exit 77
fi

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  # Waited for, so its socket is gone before another server may take the number.
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number when it is ready. It does not
# reset when its last client leaves: a helper of the accessibility bus that
# connects and leaves first would otherwise have the program's own connection
# refused during the reset.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
tries=0
while [ ! -s "$work/display" ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
if [ ! -s "$work/display" ]; then
  echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1
fi
export DISPLAY=":$(cat "$work/display")"

# The window system platform, whatever the test run chose for the other tests,
# and the accessibility bridge on even without a desktop asking for it.
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# A sanitized program reports the platform libraries' leaks, not its own.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"

dbus-run-session -- sh -c '
  "$1" >"$2/program.log" 2>&1 &
  program_pid=$!
  "$3" "$4/atspi_check.py" Calculator "Velmor Calculator" "$5" ${6:+"$6"}
  status=$?
  kill $program_pid 2>/dev/null
  wait $program_pid 2>/dev/null
  if [ $status -ne 0 ]; then echo "--- program output:"; cat "$2/program.log"; fi
  exit $status
' check "$program" "$work" "$python" "$here" "$help_file" "$catalogue"
