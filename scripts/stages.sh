# Sourced by scripts/run and scripts/test: one short line per stage on the terminal, the tools'
# output in build/logs/, and the end of that log when a stage fails.

stage() {  # title log-name command...
  local title=$1 log=build/logs/$2.log
  shift 2
  mkdir -p build/logs
  echo "$title (log: $log)"
  if ! "$@" >"$log" 2>&1; then
    echo "$title: failed; the end of $log:" >&2
    tail -n 25 "$log" >&2
    return 1
  fi
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
