# Sourced by scripts/run, scripts/test and scripts/screenshots: one short line per stage on the
# terminal with its usual duration, the tools' output in the command's own folder of logs, and the
# end of that log when a stage fails.

# Each command keeps its logs apart (build/logs/test/, build/logs/run/...), so that commands run
# side by side in two terminals never write into each other's. Called once, before the first stage.
use_logs() {  # folder-name
  logs=build/logs/$1
  mkdir -p "$logs"
}

stage() {  # title usual-duration log-name command...
  run_stage "" "$@"
}

# The same for a long stage whose log counts its steps (ninja's "[12/148]"): the count shows
# while it runs (scripts/progress.py).
counted_stage() {  # title usual-duration log-name command...
  run_stage counted "$@"
}

run_stage() {
  local counted=$1 title=$2 usual=$3 log=$logs/$4.log status=0 started=$SECONDS
  shift 4
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
  took "$started"
}

# "  took 42 s", or "  took 3 min 5 s", since the given value of $SECONDS.
took() {  # started
  echo "  took $(took_since "$1")"
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
# program that scripts/run started with it. Waits for the one that holds it, naming it, for as
# long as it holds it: no limit, since a scripts/run holds it until its program ends; then holds
# the prefix until this script ends. The lock file names its holder. The Python helpers it starts
# see VOSSIK_WINE_HELD and do not wait for it again (tests/e2e/harness.py).
hold_wine_prefix() {  # who
  mkdir -p build
  # Opened without emptying it, so that the holder's name stays readable.
  exec {wine_lock}<>build/wine.lock
  if ! flock -n "$wine_lock"; then
    local holder
    holder=$(head -n 1 build/wine.lock)
    echo "waiting for build/wine, which ${holder:-another command} is using;" \
      "this one goes on when that one ends (Ctrl+C gives up)"
    flock "$wine_lock"
  fi
  echo "$1 (process $$, since $(date +%H:%M))" >build/wine.lock
  VOSSIK_WINE_HELD=$(pwd -P)/build/wine
  export VOSSIK_WINE_HELD
}

# Makes a Wine set-up the first time; says that it is ready the other times. With win64, the
# 64-bit exe's (build/wine64), which only the tests use; with a folder, that one (the end-to-end
# tests' second worker's, say: run.py --jobs).
prepare_wine() {  # usual-duration [win32|win64 [folder]]
  local arch=${2:-win32} prefix=${3:-build/wine}
  if [ "$arch" = win64 ]; then prefix=${3:-build/wine64}; fi
  if [ -f "$prefix/.vossik-ready" ]; then
    echo "Wine: $prefix is ready"
  else
    stage "preparing Wine ($prefix, made once)" "$1" "${prefix#build/}" \
      python3 tests/e2e/harness.py "$arch" "$prefix"
  fi
}
