#!/usr/bin/env bash
# The real program under a real X server with a window manager, in a German
# system locale: its window shows its icon, its boxes and rows use the comma,
# and closing its window as a user does ends it with status 0. Runs the
# program as built or as unpacked from the package.
#   smoke_test.sh CORVALE
set -euo pipefail
if [[ "$1" != --under-xvfb ]]; then
  exec xvfb-run -a -s "-screen 0 800x600x24" "$0" --under-xvfb "$@"
fi
corvale=$2
unset QT_QPA_PLATFORM LANGUAGE LC_ALL LC_NUMERIC
fail() {
  echo "smoke: $*" >&2
  exit 1
}
wait_for() {  # up to ten seconds
  for _ in $(seq 100); do "$@" && return || sleep 0.1; done
  "$@"
}
copied() {  # what Ctrl+A Ctrl+C copies from the focused control
  xdotool key ctrl+a ctrl+c
  xclip -o -selection clipboard
}

openbox &
wm=$!
wm_ready() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK) == *"window id"* ]]; }
wait_for wm_ready || fail "the window manager did not start"
LANG=de_DE.UTF-8 "$corvale" &
pid=$!
trap 'kill "$pid" "$wm" 2>/dev/null || true' EXIT
window=$(timeout 20 xdotool search --sync --name "^Corvale by Brennick$" | head -n 1) ||
  fail "no window appeared"
xdotool windowactivate --sync "$window"
# Drawn from SVG by a Qt plugin that only the installed system can supply.
has_icon() { [[ $(xprop -id "$window" _NET_WM_ICON) == "_NET_WM_ICON(CARDINAL)"* ]]; }
wait_for has_icon || fail "the window has no icon"

[[ $(copied) == ",5" ]] || fail "Kp does not start as \",5\" in a German locale"
xdotool key Tab Tab Tab Tab Tab Tab space  # Compute, reached from Kp by keyboard
xdotool key shift+Tab                      # back to the transcript
row=$(copied | sed -n 3p)
[[ $row == $'2\t7,5000\t3,7500\t1,2500\t,6250\t3,1250\t-1,8750'* ]] ||
  fail "row 2 reads \"$row\""

xdotool key alt+F4
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for ended || fail "the program did not end when its window closed"
wait "$pid" || fail "exit status $?"
echo "smoke: icon shown, comma locale read, row 2 computed, window closed, exit status 0"
