#!/usr/bin/env bash
# The real program, as built or as unpacked from the package: start-up without a usable display
# or platform, then under Xvfb with a window manager in a German locale, as its last line says.
#   smoke_test.sh CORVALE
set -euo pipefail
fail() { echo "smoke: $*" >&2 && exit 1; }
explained() {  # ARGUMENTS...: status 1, and Qt's own words on the platform "nosuch"
  local output actual=0
  output=$(timeout 5 "$@" 2>&1) || actual=$?
  [[ $actual == 1 && $output == *'platform plugin "nosuch"'* &&
    $output == *'Available platform plugins are: '* ]] ||
    fail "\"$*\" gave status $actual and: $output"
}
if [[ "$1" != --under-xvfb ]]; then
  expect() {  # STATUS LINE ARGUMENTS...: the status, and the one line printed starting so
    local status=$1 line=$2 output actual=0
    shift 2
    output=$(timeout "${limit:-5}" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>&1) ||
      actual=$?
    [[ $actual == "$status" && $output == "$line"* && $output != *$'\n'* ]] ||
      fail "\"$*\" gave status $actual and: $output"
  }
  expect 1 'corvale: no X display to connect to (DISPLAY is unset or empty)' "$1"
  # Qt tries X: a Wayland display is not the one that failed.
  expect 1 'corvale: no X display to connect to (DISPLAY is unset or empty)' \
    WAYLAND_DISPLAY=wayland-0 "$1"
  cannot='corvale: cannot connect to X display'
  elsewhere='start corvale from a desktop session or under xvfb-run'
  expect 1 "$cannot \":97\"; $elsewhere" DISPLAY=:97 "$1"
  # A display given with an option or in QT_QPA_PLATFORM holds the program to
  # it under xvfb-run too: the advice is to drop it, and says what that opens.
  there='start an X server there, or drop'
  elsewhere_too='and run corvale from a desktop session or under xvfb-run'
  expect 1 "$cannot \":98\" (given with -display); $there -display $elsewhere_too" \
    "$1" -display :98
  option="$cannot \":55\" (given with -platform); $there display=:55 from -platform"
  expect 1 "$option $elsewhere_too" "$1" -platform xcb:display=:55
  qpa="$cannot \":77\" (given in QT_QPA_PLATFORM); $there display=:77 from QT_QPA_PLATFORM"
  expect 1 "$qpa $elsewhere_too" QT_QPA_PLATFORM=xcb:display=:77 "$1"
  expect 1 "$qpa to use \":96\" from DISPLAY" QT_QPA_PLATFORM=xcb:display=:77 DISPLAY=:96 "$1"
  # -platform replaces QT_QPA_PLATFORM, its display with it.
  expect 1 "$cannot \":96\"; $elsewhere" QT_QPA_PLATFORM=xcb:display=:77 DISPLAY=:96 "$1" \
    -platform xcb
  # The Wayland line, which names -platform xcb, is not tried: no Wayland
  # platform plugin is installed where this runs.
  limit=2 expect 124 '' "$1" -platform offscreen  # still running: the window started
  explained env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=nosuch "$1"
  exec xvfb-run -a -s "-screen 0 800x600x24" "$0" --under-xvfb "$@"
fi
unset QT_QPA_PLATFORM LANGUAGE LC_ALL LC_NUMERIC
explained "$2" -platform nosuch  # with a display that works
# Dropping -display, as the advice says, opens the display that works.
status=0
output=$(timeout 5 "$2" -display :77 2>&1) || status=$?
given='corvale: cannot connect to X display ":77" (given with -display)'
[[ $status == 1 &&
  $output == "$given; start an X server there, or drop -display to use \"$DISPLAY\" from DISPLAY" ]] ||
  fail "\"-display :77\" gave status $status and: $output"
wait_for() { for _ in $(seq 100); do "$@" && return || sleep 0.1; done && "$@"; }  # 10 s
copied() { xdotool key ctrl+a ctrl+c && xclip -o -selection clipboard; }  # from the focus

openbox &
wm=$!
wm_ready() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK) == *"window id"* ]]; }
wait_for wm_ready || fail "the window manager did not start"
LANG=de_DE.UTF-8 "$2" &
pid=$!
trap 'kill "$pid" "$wm" 2>/dev/null || true' EXIT
window=$(timeout 20 xdotool search --sync --name "^Corvale by Brennick$" | head -n 1) ||
  fail "no window appeared"
xdotool windowactivate --sync "$window"
# Drawn from SVG by a Qt plugin that only the installed system can supply.
has_icon() { [[ $(xprop -id "$window" _NET_WM_ICON) == "_NET_WM_ICON(CARDINAL)"* ]]; }
wait_for has_icon || fail "the window has no icon"
# A dock groups the window under its launcher by the class its entry names.
class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../../packaging/org.corvale.Corvale.desktop")
wm_class=$(xprop -id "$window" WM_CLASS)
[[ -n $class && $wm_class == *", \"$class\"" ]] || fail "$wm_class, not class \"$class\""

[[ $(copied) == ",5" ]] || fail "Kp does not start as \",5\" in a German locale"
# Keys and clicks sent while a run works are dropped, so what follows a run
# is sent again until it is answered: a click into the transcript, then KEYS.
transcript() {
  xdotool mousemove --window "$window" 228 124 click 1 key "$@" ctrl+c
  xclip -o -selection clipboard
}
row_2() { transcript ctrl+a | sed -n 3p; }
computed() { [[ $(row_2) == $'2\t7,5000\t3,7500\t1,2500\t,6250\t3,1250\t-1,8750'* ]]; }
xdotool key Tab Tab Tab Tab Tab Tab Tab space  # Compute by keyboard, past the box's switch and table
wait_for computed || fail "row 2 reads \"$(row_2)\""
# Qt's own texts speak German too: the transcript's menu copies with K.
printf none | xclip -selection clipboard
xdotool mousemove --window "$window" 228 124 click 1 key ctrl+a click 3 sleep 0.5 key k
[[ $(xclip -o -selection clipboard) == Step$'\t'* ]] || fail "no German \"&Kopieren\" in the menu"
# The same copy's cells carry their values, so that a spreadsheet in another
# language reads numbers, not text: LibreOffice Calc in English reads the
# German window's "-1,8750" as -1.875.
spreadsheet=$(mktemp -d)
xclip -o -selection clipboard -t text/html >"$spreadsheet/copy.html"
LC_ALL=C.UTF-8 timeout 120 soffice "-env:UserInstallation=file://$spreadsheet/profile" --headless \
  --infilter="HTML (StarCalc)" --convert-to "csv:Text - txt - csv (StarCalc):59,34,76,1,,0,true" \
  --outdir "$spreadsheet" "$spreadsheet/copy.html" >/dev/null 2>&1
read_back=$(sed -n 3p "$spreadsheet/copy.csv" 2>/dev/null)
rm -rf "$spreadsheet"
[[ $read_back == "2;7.5;3.75;1.25;0.625;3.125;-1.875" ]] ||
  fail "LibreOffice Calc in English read row 2 of a German copy as \"$read_back\""

# Loops 500000 at SP 1e12 (its rows, written the slow way, take a quarter of a second): Compute
# by mouse, Continue clicked while it works, and the transcript ends at row 500000. On a busy
# machine the click may come after the run and is rightly acted on, so the pair is tried again:
# a window that acts on clicks made during a run never ends at row 500000.
xdotool key shift+Tab shift+Tab ctrl+a type 500000  # back past the switch to Loops
xdotool key shift+Tab ctrl+a type 1000000000000    # SP
last_row() { transcript ctrl+End shift+Home | tail -n 1; }  # after the column names
ran() { [[ $(last_row) == [0-9][0-9][0-9][0-9][0-9][0-9]*$'\t'* ]]; }
settled() { local before; before=$(last_row) && sleep 1 && [[ $(last_row) == "$before" ]]; }
click_during_run() {
  xdotool mousemove --window "$window" 76 292 click 1 sleep 0.05 \
    mousemove --window "$window" 160 292 click 1
  wait_for ran || fail "the long run did not end: \"$(last_row | head -c 80)\""
  wait_for settled
  row=$(last_row)
  [[ $row == 500000$'\t'* ]]
}
click_during_run || click_during_run || click_during_run ||
  fail "a click during the run was acted on: the last row is \"${row:0:80}\""

xdotool key alt+F4
timeout 10 tail --pid="$pid" -f /dev/null || fail "the program did not end when its window closed"
wait "$pid" || fail "exit status $?"
echo "smoke: start-up errors and their advice, icon, comma locale, row 2, German menu, a German copy read by an English Calc, no click after a run, window closed," \
  "exit status 0"
