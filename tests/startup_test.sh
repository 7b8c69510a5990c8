#!/usr/bin/env bash
# Start-up without a usable display: one line and status 1, never Qt's abort;
# Qt's own -platform option is honoured.
#   startup_test.sh CORVALE
set -uo pipefail
corvale=$1
failures=0
expect() {  # expect STATUS PATTERN COMMAND...: the status and the one line printed
  local status=$1 pattern=$2
  shift 2
  local output
  output=$(timeout "${limit:-5}" "$@" 2>&1)
  local actual=$?
  if [[ $actual != "$status" || ! $output =~ $pattern ]]; then
    echo "startup: \"$*\" gave status $actual and: $output" >&2
    failures=$((failures + 1))
  fi
}
quiet=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
expect 1 '^corvale: no display found \(DISPLAY and WAYLAND_DISPLAY are unset\)[^'$'\n'']*$' \
  "${quiet[@]}" "$corvale"
expect 1 '^corvale: cannot connect to display ":97"[^'$'\n'']*$' \
  "${quiet[@]}" DISPLAY=:97 "$corvale"
expect 1 '^corvale: cannot connect to display ":98"[^'$'\n'']*$' \
  "${quiet[@]}" "$corvale" -display :98
# Still running when timeout stops it: the offscreen window started.
limit=2 expect 124 '' "${quiet[@]}" "$corvale" -platform offscreen
((failures == 0)) && echo "startup: 4 checks passed"
exit $((failures > 0))
