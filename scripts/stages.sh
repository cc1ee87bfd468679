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
