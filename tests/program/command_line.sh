#!/bin/sh
# The program's command line, run without any display: --help and --version must
# answer on the terminal, anything unknown must be refused, and none of them may
# try to open a window (the xcb platform with no DISPLAY would fail if it did).
# Qt's own options are Qt's: they never read as the program's, and they start
# the window with the option applied.
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
check "--help-all"          0 out "--stylesheet <stylesheet>"
check "--help-all"          0 out "--reverse"
check "--help-all"          0 out "--display <hostname:screen_number>"
check "--help"              0 out "--help-all"
# Qt's options, with a dash or two, are no -v or -h: with no display to open,
# each fails the same way: one line that says so, and exit status 1.
for qt in "-reverse" "--reverse" "-stylesheet x.qss" "-platformtheme x" "-platformpluginpath /nowhere" \
          "-qwindowtitle v" "-display :99"; do
  check "$qt" 1 err "^velmor-calculator: no display to open the window on (could not connect to display"
  [ "$(wc -l <err.txt)" -eq 1 ] || { echo "FAIL: '$qt' wrote more than one line"; cat err.txt; fail=1; }
done
check "-platform nosuch" 1 err "no display to open the window on (Could not find the Qt platform plugin \"nosuch\""
# What is left after the toolkit has taken its own options is refused before the
# window opens; that check runs with a platform (offscreen) that needs no display.
export QT_QPA_PLATFORM=offscreen
check "--no-such-option"    2 err "Unknown option 'no-such-option'"
check "-style fusion stray" 2 err "unexpected argument \"stray\""
check "-reverse -x"         2 err "Unknown option 'x'"
check "-name n stray"       2 err "unexpected argument \"stray\""   # an X11 option on another platform

# The window starts with a Qt option applied: the platform named on the command
# line opens the window where the environment's could not. A program still
# running after a few seconds (timeout's 124) is one that started; one that
# refused or failed would have ended at once.
export QT_QPA_PLATFORM=xcb
for qt in "-platform offscreen" "-platform offscreen -reverse -stylesheet x.qss"; do
  # shellcheck disable=SC2086
  timeout 3 "$program" $qt >out.txt 2>err.txt
  got=$?
  if [ "$got" -ne 124 ]; then echo "FAIL: '$qt' exited $got instead of starting"; cat out.txt err.txt; fail=1
  else echo "ok: '$qt' started"; fi
done
exit $fail
