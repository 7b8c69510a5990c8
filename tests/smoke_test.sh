#!/usr/bin/env bash
# Starts the real program under a real X server, waits for its window, closes
# it as a window manager would, and expects a clean exit.
#   smoke_test.sh CORVALE X11_WINDOW_TOOL
set -euo pipefail
if [[ "$1" != --under-xvfb ]]; then
  exec xvfb-run -a -s "-screen 0 800x600x24" "$0" --under-xvfb "$@"
fi
corvale=$2
tool=$3
title="Corvale by Brennick"
unset QT_QPA_PLATFORM

"$corvale" &
pid=$!
if ! "$tool" wait "$title" 20; then
  kill "$pid" 2>/dev/null || true
  echo "smoke: no window appeared" >&2
  exit 1
fi
"$tool" close "$title"
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  echo "smoke: the program did not end when its window closed" >&2
  exit 1
fi
wait "$pid"  # set -e turns a failed exit status into a failed test
echo "smoke: window appeared, closed, exit status 0"
