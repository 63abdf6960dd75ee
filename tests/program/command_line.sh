#!/bin/sh
# The program's command line, run without any display: --help and --version must
# answer on the terminal, anything unknown must be refused, and none of them may
# try to open a window (the xcb platform with no DISPLAY would fail if it did).
# Usage: command_line.sh PROGRAM
set -u
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
export QT_QPA_PLATFORM=xcb
unset DISPLAY WAYLAND_DISPLAY
fail=0

# arguments | exit code | stream | text that must appear
check() {
  args=$1 code=$2 stream=$3 pattern=$4
  # shellcheck disable=SC2086
  "$program" $args >out.txt 2>err.txt
  got=$?
  [ "$stream" = out ] && file=out.txt || file=err.txt
  if [ "$got" -ne "$code" ]; then
    echo "FAIL: '$args' exited $got, expected $code"; cat out.txt err.txt; fail=1
  elif ! grep -q -- "$pattern" "$file"; then
    echo "FAIL: '$args' printed no '$pattern' on std$stream"; cat out.txt err.txt; fail=1
  else
    echo "ok: '$args'"
  fi
}

cd "$(mktemp -d)" || exit 1
check "--help"              0 out "Usage: .*velmor-calculator \[options\]"
check "--help"              0 out "-v, --version"
check "-h"                  0 out "scientific calculator"
check "--version"           0 out "^velmor-calculator [0-9][0-9.]*$"
check "-v"                  0 out "^velmor-calculator [0-9][0-9.]*$"
# Help wins over the toolkit's options, which are judged only once a window is due.
check "-style fusion --help" 0 out "Usage:"
# What is left after the toolkit has taken its own options is refused before the
# window opens; that check runs with a platform (offscreen) that needs no display.
export QT_QPA_PLATFORM=offscreen
check "--no-such-option"    2 err "Unknown option 'no-such-option'"
check "-style fusion stray" 2 err "unexpected argument \"stray\""
exit $fail
