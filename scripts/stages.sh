# Sourced by scripts/run, scripts/test and scripts/screenshots: one short line per stage on the
# terminal with its usual duration, the tools' output in build/logs/, and the end of that log
# when a stage fails.

stage() {  # title usual-duration log-name command...
  run_stage "" "$@"
}

# The same for a long stage whose log counts its steps (ninja's "[12/148]"): the count shows
# while it runs (scripts/progress.py).
counted_stage() {  # title usual-duration log-name command...
  run_stage counted "$@"
}

run_stage() {
  local counted=$1 title=$2 usual=$3 log=build/logs/$4.log status=0 started=$SECONDS
  shift 4
  mkdir -p build/logs
  echo "$title, $usual (log: $log)"
  if [ -n "$counted" ]; then
    logged_with_count "$log" "$@" || status=$?
  else
    "$@" >"$log" 2>&1 || status=$?
  fi
  if [ "$status" -ne 0 ]; then
    echo "$title: failed; the end of $log:" >&2
    tail -n 25 "$log" >&2
    return 1
  fi
  echo "  took $(took_since "$started")"
}

# "42 s", or "3 min 5 s", since the given value of $SECONDS.
took_since() {  # started
  local seconds=$((SECONDS - $1))
  if [ "$seconds" -lt 60 ]; then
    echo "$seconds s"
  else
    echo "$((seconds / 60)) min $((seconds % 60)) s"
  fi
}

# Runs the command with its output in the log, showing the log's last count meanwhile; returns
# the command's status.
logged_with_count() {  # log command...
  local log=$1 watcher status=0
  shift
  : >"$log"
  python3 scripts/progress.py "$log" $$ &
  watcher=$!
  "$@" >"$log" 2>&1 || status=$?
  kill "$watcher" 2>/dev/null || true
  wait "$watcher" 2>/dev/null || true
  return "$status"
}

# One user of build/wine at a time: each test ends the prefix's wineserver, which would take a
# program that scripts/run started with it. Waits, saying so, for another scripts/run,
# scripts/test or screenshot to end; then holds the prefix until this script ends. The Python
# helpers it starts see VOSSIK_WINE_HELD and do not wait for it again (tests/e2e/harness.py).
hold_wine_prefix() {
  mkdir -p build
  exec {wine_lock}>build/wine.lock
  if ! flock -n "$wine_lock"; then
    echo "waiting for build/wine: another scripts/run, scripts/test or screenshot is using it;" \
      "this one goes on when that one ends"
    flock "$wine_lock"
  fi
  VOSSIK_WINE_HELD=$(pwd -P)/build/wine
  export VOSSIK_WINE_HELD
}

# Makes a Wine set-up the first time; says that it is ready the other times. With win64, the
# 64-bit exe's (build/wine64), which only the tests use.
prepare_wine() {  # usual-duration [win64]
  local prefix=build/wine${2:+64}
  if [ -f "$prefix/.vossik-ready" ]; then
    echo "Wine: $prefix is ready"
  else
    stage "preparing Wine ($prefix, made once)" "$1" "${prefix#build/}" \
      python3 tests/e2e/harness.py ${2:-}
  fi
}
