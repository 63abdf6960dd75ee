#!/usr/bin/env bash
# Start-up benchmark: starts the calculator under Xvfb RUNS times and measures the
# time from exec to its window being mapped, and its resident memory 1.5 s later,
# against a bare Qt Widgets window (about 100 push buttons, a line edit and a
# menu bar) built by this script as the floor. Prints medians and the ratios.
#
# Usage: bench/startup.sh [-n RUNS] [-d DISPLAY_NUMBER] [CALCULATOR]
#   Without -d, Xvfb picks a free display number.
#   CALCULATOR defaults to build/bin/velmor-calculator, else the installed one.
# Needs: Xvfb, a C and C++ compiler, libx11-dev, qt6-base-dev (pkg-config Qt6Widgets).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=20
display_number=${BENCH_DISPLAY:-}
while getopts "n:d:" opt; do
  case $opt in
    n) runs=$OPTARG ;;
    d) display_number=$OPTARG ;;
    *) sed -n '2,9p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
calculator=${1:-}
if [ -z "$calculator" ]; then
  if [ -x build/bin/velmor-calculator ]; then calculator=build/bin/velmor-calculator
  else calculator=$(command -v velmor-calculator || true); fi
fi
[ -x "$calculator" ] || { echo "no calculator program found (build it or pass its path)" >&2; exit 2; }

work=${BENCH_WORK:-build/bench-startup}
mkdir -p "$work"
cc -O2 -Wall -o "$work/startup_probe" bench/startup_probe.c -lX11
. bench/xvfb_session.sh
bench_build_floor "$work"

bench_start_xvfb "$work" "$display_number"
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT

probe() { "$work/startup_probe" 1500 "$1"; }
# One unmeasured start of each fills the page cache and the font cache.
probe "$work/floor" >/dev/null
probe "$calculator" >/dev/null
: >"$work/floor.txt"
: >"$work/calculator.txt"
for i in $(seq "$runs"); do
  # Alternate the two so any drift in the machine's load hits both alike.
  probe "$work/floor" >>"$work/floor.txt"
  probe "$calculator" >>"$work/calculator.txt"
  printf '\r%d/%d' "$i" "$runs" >&2
done
echo >&2

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
floor_ms=$(cut -d' ' -f1 "$work/floor.txt" | median)
floor_kb=$(cut -d' ' -f2 "$work/floor.txt" | median)
calc_ms=$(cut -d' ' -f1 "$work/calculator.txt" | median)
calc_kb=$(cut -d' ' -f2 "$work/calculator.txt" | median)

div() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "runs: $runs each, display $DISPLAY (Xvfb), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-34s %12s %12s\n' "program" "map (ms)" "RSS (MB)"
printf '%-34s %12.1f %12.1f\n' "floor (bare Qt Widgets window)" "$floor_ms" "$(div "$floor_kb" 1024)"
printf '%-34s %12.1f %12.1f\n' "$(basename "$calculator")" "$calc_ms" "$(div "$calc_kb" 1024)"
printf '%-34s %12s %12s\n' "ratio to the floor" "$(div "$calc_ms" "$floor_ms")" "$(div "$calc_kb" "$floor_kb")"
