#!/usr/bin/env bash
# The real program heard under Xvfb through a PulseAudio null sink of its own (no sound card, as
# root, without D-Bus): SP's tone first, then the pitch rises with PV, SP softly beside it, a click
# where the loop by hand first crosses SP.
#   sound_test.sh CORVALE    (needs scripts/setup test: pulseaudio, parec, xvfb)
set -euo pipefail
fail() { echo "sound: $*" >&2 && exit 1; }
start_server() {
  pulseaudio --daemonize=yes --exit-idle-time=-1 --system=false -n \
    --log-target=file:"$XDG_RUNTIME_DIR/pulse.log" \
    -L "module-null-sink sink_name=ci_sink rate=48000" -L module-native-protocol-unix || return
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break || sleep 0.1; done
  pactl set-default-sink ci_sink
}
if [[ "$1" != --under-xvfb ]]; then
  command -v pulseaudio >/dev/null && command -v parec >/dev/null ||
    fail "pulseaudio and parec are missing: run scripts/setup test"
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR HOME=$XDG_RUNTIME_DIR
  trap 'pactl exit >/dev/null 2>&1 || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
  start_server || fail "pulseaudio did not start"
  # A display Xvfb picks free itself, so no test started at the same moment takes the same.
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset \
    3>"$XDG_RUNTIME_DIR/display" >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill "$xvfb" 2>/dev/null; pactl exit >/dev/null 2>&1 || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
  for _ in $(seq 200); do [[ -s $XDG_RUNTIME_DIR/display ]] && break || sleep 0.1; done
  d=$(tr -d '\n' <"$XDG_RUNTIME_DIR/display")
  [[ -n $d ]] || fail "Xvfb did not start"
  for _ in $(seq 100); do xdpyinfo -display ":$d" >/dev/null 2>&1 && break || sleep 0.1; done
  DISPLAY=":$d" "$0" --under-xvfb "$1"
  exit
fi
work=$XDG_RUNTIME_DIR
record() {
  parec -d ci_sink.monitor --format=s16le --rate=48000 --channels=1 --raw --latency-msec=10 \
    >>"$work/rec.raw" &
  rec=$!
  local size=$(stat -c %s "$work/rec.raw" 2>/dev/null || echo 0)
  for _ in $(seq 100); do (($(stat -c %s "$work/rec.raw") > size)) && break || sleep 0.05; done
}
record
openbox >/dev/null 2>&1 &
wm=$!
# The window manager ready before the window asks to be shown, else it may stay unmanaged, unseen.
wm_ready() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]; }
for _ in $(seq 100); do wm_ready && break || sleep 0.1; done
LANGUAGE=en "$2" 2>"$work/corvale.log" &
app=$!
trap 'kill "$app" "$wm" "$rec" 2>/dev/null || true' EXIT
window=
for _ in $(seq 300); do  # a loaded machine may take a while
  window=$(xdotool search --onlyvisible --name "^Corvale" 2>/dev/null | head -n 1) || true
  [[ -n $window ]] && break || sleep 0.2
done
[[ -n $window ]] || fail "no window appeared: $(cat "$work/corvale.log")"
xdotool windowactivate --sync "$window"; sleep 1
xdotool key Tab Tab Tab Tab Tab Tab Tab space; sleep 1  # Compute, with the initial values
mark=$(stat -c %s "$work/rec.raw")
xdotool key shift+Tab shift+Tab Right Tab; sleep 0.5  # the switch to the chart, and into it
xdotool key p; sleep 8
python3 - "$work/rec.raw" "$mark" <<'PY'
import array, math, sys
a, rate = array.array('h'), 48000; a.frombytes(open(sys.argv[1], 'rb').read()[int(sys.argv[2]) // 2 * 2:])
def hz(s): return sum(1 for x, y in zip(s, s[1:]) if (x < 0) != (y < 0)) / 2 / (len(s) / rate)
def tone(s, f):  # Goertzel amplitude
    w, s1, s2 = 2 * math.pi * f / rate, 0.0, 0.0
    for x in s: s1, s2 = x + 2 * math.cos(w) * s1 - s2, s1
    return 2 * math.sqrt(max(0, s1 * s1 + s2 * s2 - 2 * math.cos(w) * s1 * s2)) / len(s)
# The loop by hand: X the previous output, PV = X / 2, output = P + D + I within 0..255.
kp = ki = kd = 0.5; sp = 5; x = integral = last = 0.0; pv = []
for step in range(100):
    p = x / 2; e = sp - p; integral += e; pv.append(p)
    x, last = min(255.0, max(0.0, kp * e + kd * (e - last) + ki * integral)), e
cross = next(r for r in range(1, 100) if pv[r] > sp >= pv[r - 1])
loud = [i for i in range(len(a)) if abs(a[i]) > 500] or sys.exit("sound: nothing was heard")
# First SP's tone, 220-880 Hz on a log scale over 0 to the peak; a pause; then PV.
gap = next((k for k in range(len(loud) - 1) if loud[k + 1] - loud[k] > 0.1 * rate), None)
if gap is None: sys.exit("sound: no pause between SP's tone and PV")
# Over the 10 ms windows that sound throughout: where a busy server ran dry for a moment, the
# gap is no part of the tone's pitch.
windows = [a[i:i + 480] for i in range(loud[0] + 480, loud[gap] - 960, 480)]
sounding = [w for w in windows if min(max(abs(x) for x in w[k:k + 120]) for k in range(0, 480, 120)) > 500]
reference = sum(hz(w) for w in sounding) / max(1, len(sounding))
want = 220 * 4 ** (sp / max(pv))
if abs(reference - want) > 0.03 * want: sys.exit("sound: SP's tone %d Hz, not %d Hz" % (reference, want))
start, end = loud[gap + 1], loud[-1]; heard = (end - start) / rate
# A busy machine may stretch it (the stream's short buffer runs dry), never shorten it.
if not 2.2 < heard < 6: sys.exit("sound: %.2f s heard, not about 2.5 s" % heard)
# Pitch: step 1 (PV 0) low; by the peak, three times as high, timed loosely: a loaded machine
# may stretch the sound where the server ran dry.
early = hz(a[start + 240:start + 1200])
late = max(hz(a[i:i + 2400]) for i in range(start, start + int(0.4 * (end - start)), 1200))
if not late > 3 * early: sys.exit("sound: pitch %d Hz at step 1, at most %d Hz by the peak" % (early, late))
# Beside PV, SP's voice at its pitch, a fifth as loud: at step 1, PV 0 sounds at 220 Hz.
voice = tone(a[start + 240:start + 1200], want) / max(1, tone(a[start + 240:start + 1200], 220))
if not 0.1 < voice < 0.3: sys.exit("sound: SP beside PV at %.2f of PV's loudness, not 0.2" % voice)
# The first click, 3 kHz, within 50 ms of the first crossing's time.
expected = start + cross * (end - start) / 100
first = next((i for i in range(start, end - 192, 48) if tone(a[i:i + 192], 3000) > 2000), None)
if first is None or abs(first - expected) > 0.05 * rate:
    sys.exit("sound: the first click at %s s, PV crosses SP at %.3f s (step %d)" %
             (first and "%.3f" % ((first - start) / rate), (expected - start) / rate, cross + 1))
print("sound: SP %d Hz, then %.2f s, %d Hz at step 1 (SP beside it at %.2f), %d Hz by the peak, "
      "click at step %d" % (reference, heard, early, voice, late, cross + 1))
PY

# Heard after the key: how long from the key to the first sound, or nothing.
heard_after() {
  python3 - "$work/rec.raw" "$1" <<'PY'
import array, sys
a = array.array('h'); a.frombytes(open(sys.argv[1], 'rb').read()[int(sys.argv[2]) // 2 * 2:])
loud = [i for i in range(len(a)) if abs(a[i]) > 500]
print("%d ms, %.2f s" % (loud[0] / 48, (loud[-1] - loud[0]) / 48000) if loud else "nothing")
PY
}
streams() { pactl list short sink-inputs | wc -l; }
problems=()
# Idle after Play, the stream closes: no CPU spent on silence, and the sink may suspend.
sleep 5
(($(streams) == 0)) || problems+=("the stream stays open while idle")
# A cursor tone opens it again, soon after the key.
mark=$(stat -c %s "$work/rec.raw"); xdotool key Right; sleep 1
tone=$(heard_after "$mark"); echo "sound: a tone after idle: $tone"
[[ $tone != nothing ]] || problems+=("no tone after idle")
# The server gone and back: the first Play after it plays.
kill "$rec"; pactl exit; sleep 1
xdotool key p; sleep 1.5  # says there is no sound output
start_server || fail "pulseaudio did not start again"
record
mark=$(stat -c %s "$work/rec.raw"); xdotool key p; sleep 7
back=$(heard_after "$mark"); echo "sound: the first Play after the server came back: $back"
[[ $back != nothing ]] || problems+=("the first Play after the server came back was silent")
# A server that hangs, with a stream open: closing the window ends the program at once.
xdotool key Right; sleep 0.3
server=$(cat "$XDG_RUNTIME_DIR/pulse/pid")
kill -STOP "$server"
xdotool key p; sleep 0.3
start=$(date +%s%N); xdotool key alt+F4
# One read of its state: the program may end, and be reaped, between two looks.
alive() { local s; s=$(awk '{print $3}' "/proc/$app/stat" 2>/dev/null) && [[ -n $s && $s != Z ]]; }
hung=1  # told by the wait itself: once the server goes on, a hung program may end
for _ in $(seq 50); do alive && sleep 0.1 || { hung=0 && break; }; done
ended=$((($(date +%s%N) - start) / 1000000))
kill -CONT "$server"
if ((hung)); then problems+=("closing with the server stopped hangs")
else echo "sound: closed in $ended ms with the server stopped"; fi
for problem in "${problems[@]}"; do echo "sound: $problem" >&2; done
((${#problems[@]} == 0))
