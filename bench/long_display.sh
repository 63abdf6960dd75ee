#!/usr/bin/env bash
# Long-display benchmark: the cost of one key press with a long text on the
# display, and the memory a paste costs. For each size it starts the calculator
# under a private Xvfb, pastes that many digits (through the X clipboard, as a
# user would), then times key presses from the X server's key event to the
# window's next redraw (bench/keylat.c: XTest key, XDamage report) and reads
# VmRSS and VmHWM from /proc/PID/status. A bare Qt window with a line edit
# (bench/floor.cpp), typed into the same way, gives the floor for the machine.
#
# Usage: bench/long_display.sh [-n PRESSES] [-d DISPLAY_NUMBER] [CALCULATOR]
#   SIZES (environment) lists the pasted lengths: default "0 10000 100000 300000 10000000".
#   CALCULATOR defaults to build/bin/velmor-calculator.
# Needs: Xvfb, xclip, xdotool, a C and C++ compiler, libx11-dev, libxdamage-dev,
# libxtst-dev, qt6-base-dev (pkg-config Qt6Widgets).
set -euo pipefail
cd "$(dirname "$0")/.."

presses=60
display_number=${BENCH_DISPLAY:-}
while getopts "n:d:" opt; do
  case $opt in
    n) presses=$OPTARG ;;
    d) display_number=$OPTARG ;;
    *) sed -n '2,15p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
calculator=${1:-build/bin/velmor-calculator}
[ -x "$calculator" ] || { echo "no calculator program at $calculator" >&2; exit 2; }
sizes=${SIZES:-0 10000 100000 300000 10000000}

work=${BENCH_WORK:-build/bench-long-display}
mkdir -p "$work"
cc -O2 -Wall -o "$work/keylat" bench/keylat.c -lX11 -lXdamage -lXtst
. bench/xvfb_session.sh
bench_build_floor "$work"

bench_start_xvfb "$work" "$display_number"
program_pid=
clip_pid=
cleanup() {
  [ -n "$clip_pid" ] && kill "$clip_pid" 2>/dev/null
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

status() { awk -v k="$2:" '$1 == k { print $2 }' "/proc/$1/status"; }

# Starts a program, waits for its window, and leaves its pid in program_pid.
start() {
  "$1" >/dev/null 2>&1 &
  program_pid=$!
  xdotool search --sync --pid "$program_pid" --name "$2" >/dev/null
  sleep 0.5
}

stop() {
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=
  [ -n "$clip_pid" ] && { kill "$clip_pid" 2>/dev/null || true; wait "$clip_pid" 2>/dev/null || true; }
  clip_pid=
}

# Puts SIZE digits on the clipboard and pastes them with Ctrl+V; returns when the
# resident size has stopped growing.
paste() {
  head -c "$1" /dev/zero | tr '\0' '1' >"$work/clip.txt"
  xclip -quiet -selection clipboard -i "$work/clip.txt" >/dev/null 2>&1 &
  clip_pid=$!
  sleep 0.5
  xdotool search --pid "$program_pid" --name "Velmor Calculator" windowfocus --sync key ctrl+v
  local previous=0 current
  for i in $(seq 120); do
    sleep 0.5
    current=$(status "$program_pid" VmRSS)
    [ "$i" -gt 4 ] && [ "$current" = "$previous" ] && break
    previous=$current
  done
}

field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }

echo "presses: $presses each, display $DISPLAY (Xvfb), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
start "$work/floor" "Startup floor"
floor=$("$work/keylat" -n "$presses" -t "Startup floor")
stop
printf '%-28s %10s %10s %10s\n' "" "median ms" "p90 ms" "missed"
printf '%-28s %10s %10s %10s\n' "floor: empty line edit" "$(field median_ms <<<"$floor")" \
  "$(field p90_ms <<<"$floor")" "$(field missed <<<"$floor")"
echo
printf '%12s %10s %10s %8s %12s %12s %12s\n' "characters" "median ms" "p90 ms" "missed" "paste +MB" "peak +MB" "peak/paste"
for size in $sizes; do
  start "$calculator" "Velmor Calculator"
  before=$(status "$program_pid" VmRSS)
  [ "$size" -gt 0 ] && paste "$size"
  after=$(status "$program_pid" VmRSS)
  result=$("$work/keylat" -n "$presses" -t "Velmor Calculator")
  peak=$(status "$program_pid" VmHWM)
  stop
  awk -v s="$size" -v b="$before" -v a="$after" -v p="$peak" -v m="$(field median_ms <<<"$result")" \
      -v q="$(field p90_ms <<<"$result")" -v x="$(field missed <<<"$result")" 'BEGIN {
    # Below a megabyte the growth of the window itself (glyph caches) hides the paste.
    ratio = s >= 1000000 ? sprintf("%.1f", (p - b) * 1024 / s) : "-"
    printf "%12d %10s %10s %8s %12.1f %12.1f %12s\n", s, m, q, x, (a - b) / 1024, (p - b) / 1024, ratio }'
done
