#!/usr/bin/env python3
"""Expected step-response figures for tests/labbook/step_info_test.cpp.

Runs tests/simulation/loop_reference.py's loop on the default plant, then
measures the rows since the set point last changed as MATLAB's and GNU
Octave's stepinfo do with their default final value, the last sample: plain
loops over whole lists, none of the trace's blocks. Prints one C++ table row
per case; the tests hard-code them.

    python3 tests/labbook/stepinfo_reference.py
"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "simulation"))
from loop_reference import Loop  # noqa: E402

SMALLEST_STEP = 5e-5


class Runs:
    """The runs since a Compute, each its rows and set point: "C" starts afresh, "+" carries on."""

    def __init__(self):
        self.loop, self.runs = Loop(), []

    def press(self, kind, kp, ki, kd, sp, loops, options=None):
        if kind == "C":
            self.loop, self.runs = Loop(seed=(options or {}).get("seed", 0)), []
        first = len(self.loop.rows)
        self.loop.run(int(loops), float(kp), float(ki), float(kd), float(sp), **(options or {}))
        self.runs.append((self.loop.rows[first:], float(sp)))

    def rows(self):
        return self.loop.rows


def stepinfo(loop):
    rows = loop.rows()
    # The rows since SP last changed.
    first_run = len(loop.runs) - 1
    while first_run > 0 and loop.runs[first_run - 1][1] == loop.runs[first_run][1]:
        first_run -= 1
    first = sum(len(r) for r, _ in loop.runs[:first_run])
    sp = loop.runs[-1][1]
    # A step is a change of SP from the command before; the loop starts from
    # rest, under SP 0.
    previous_sp = loop.runs[first_run - 1][1] if first_run > 0 else 0.0
    measured = rows[first:]
    steps = [r[0] for r in measured]
    pv = [r[2] for r in measured]
    n = len(pv)
    start = rows[first - 1][2] if first > 0 else 0.0
    final = pv[-1]
    change = final - start
    f = dict(first=steps[0], last=steps[-1], previous_sp=previous_sp, start=start, final=final)
    f["isStep"] = abs(sp - previous_sp) >= SMALLEST_STEP
    band = 0.02 * abs(change)
    # The last tenth, and never fewer than ten steps (or all there are).
    tail = max(math.ceil(n / 10), min(n, 10))
    f["tailFrom"] = steps[n - tail]
    f["tail"] = (min(pv[n - tail:]), max(pv[n - tail:]))
    f["settled"] = (f["isStep"] and abs(change) >= SMALLEST_STEP
                    and all(abs(v - final) <= band for v in pv[n - tail:]))
    f["riseFrom"] = f["riseTo"] = f["settledFrom"] = None
    f["peak"], f["peakStep"], f["overshoot"] = 0.0, 0, 0.0
    if f["settled"]:
        falling = change < 0

        def reaches(v, level):
            return v <= level if falling else v >= level

        low, high = start + 0.1 * change, start + 0.9 * change
        f["riseFrom"] = next((s for s, v in zip(steps, pv) if reaches(v, low)), None)
        f["riseTo"] = next((s for s, v in zip(steps, pv) if reaches(v, high)), None)
        peak = min(pv) if falling else max(pv)
        f["peak"] = peak
        f["peakStep"] = steps[pv.index(peak)]
        f["overshoot"] = max(0.0, (peak - final) / change * 100)
        outside = [s for s, v in zip(steps, pv) if abs(v - final) > band]
        f["settledFrom"] = outside[-1] + 1 if outside else steps[0]
    for name, limit in (("atZero", 0.0), ("atFull", 255.0)):
        at = [r[0] for r in measured if r[0] > 1 and r[1] == limit]
        f[name] = (len(at), at[0], at[-1]) if at else (0, 0, 0)
    return f


# The tests' cases, each as the commands a user would give: "C Kp Ki Kd SP Loops" for a Compute,
# "+ ..." for a Continue.
CASES = [
    ("the initial values", ["C .5 .5 .5 5 100"]),
    ("P alone: a third of SP short", ["C 1 0 0 5 30"]),
    ("a fall once the wound-up integral unwinds", ["C .5 .5 .5 300 10", "+ .5 .5 .5 50 100"]),
    ("a Continue under the same SP", ["C .5 .5 .5 5 100", "+ .5 .5 .5 5 100"]),
    ("one Compute as long", ["C .5 .5 .5 5 200"]),
    ("ringing between 0 and 7.5", ["C 3 0 0 5 100"]),
    ("SP moved by less than the transcript shows", ["C .5 .5 .5 5 100", "+ .5 .5 .5 5.00003 100"]),
    ("one step", ["C .5 .5 .5 5 1"]),
    ("bang-bang", ["C 100 0 0 5 100"]),
    ("ringing, ending where it started", ["C 2.5 0 0 5 101"]),
    ("ten steps, still ringing", ["C .5 .5 .5 5 10"]),
    ("SP down to where P alone left PV: a step, though SP is where PV stood",
     ["C 1 0 0 5 30", "+ 1 0 0 1.66667 30"]),
    ("SP 0 from rest: no step", ["C .5 .5 .5 0 10"]),
    ("SP less than the transcript shows from rest: no step", ["C .5 .5 .5 0.00003 10"]),
    ("no gains: a step, but no response", ["C 0 0 0 5 20"]),
    ("within the band from the step's first row", ["C .5 .5 0 5 1", "+ 1 0 0 7.5 20"]),
    ("a rise smaller than 1", ["C .5 .5 .5 .5 100"]),
]


def run(commands):
    runs = Runs()
    for command in commands:
        runs.press(*command.split())
    return runs


def opt(v):
    return "{}" if v is None else str(v)


def cpp(commands):
    return "{" + ", ".join('"%s"' % c for c in commands) + "}"


def main():
    # The transcript's first rows of the initial values, as the program shows them.
    second = run(["C .5 .5 .5 5 2"]).rows()[1]
    assert second == (2, 7.5, 3.75, 1.25, 0.625, 3.125, -1.875), second

    for name, commands in CASES:
        f = stepinfo(run(commands))
        f.update({k: str(f[k]).lower() for k in ("isStep", "settled")})
        f.update({k: opt(f[k]) for k in ("riseFrom", "riseTo", "settledFrom")})
        print(f"      {{{cpp(commands)}, " +
              "{first}, {last}, {previous_sp!r}, {start!r}, {final!r}, {isStep}, {settled}, "
              "{riseFrom}, {riseTo}, {peak!r}, {peakStep}, {overshoot!r}, {settledFrom}, "
              "{tailFrom}, {{{tail[0]!r}, {tail[1]!r}}}, {{{atZero[0]}, {atZero[1]}, "
              "{atZero[2]}}}, {{{atFull[0]}, {atFull[1]}, {atFull[2]}}}}},  // ".format(**f) + name)

if __name__ == "__main__":
    main()
