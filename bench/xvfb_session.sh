# Shared by the window benchmarks (sourced, not run): builds the bare floor
# window and starts a private Xvfb with a clean, identical environment for
# every program measured on it.
#
# bench_build_floor WORK          builds WORK/floor from bench/floor.cpp
# bench_start_xvfb WORK [NUMBER]  starts Xvfb on :NUMBER (or a free number),
#                                 sets xvfb_pid and exports DISPLAY

bench_build_floor() {
  # shellcheck disable=SC2046
  c++ -O2 -fPIC -std=c++17 -o "$1/floor" bench/floor.cpp $(pkg-config --cflags --libs Qt6Widgets)
}

bench_start_xvfb() {
  local work=$1 number=${2:-}
  if [ -n "$number" ]; then
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  else
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
  fi
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -z "$number" ] && [ -s "$work/display" ] && number=$(cat "$work/display")
    [ -n "$number" ] && DISPLAY=:$number xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  export DISPLAY=:$number
  xdpyinfo >/dev/null 2>&1 || { echo "Xvfb $DISPLAY did not start" >&2; return 1; }
  export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
  unset QT_SCALE_FACTOR QT_DEBUG_PLUGINS QT_LOGGING_RULES
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}
