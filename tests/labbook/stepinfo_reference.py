#!/usr/bin/env python3
"""Expected step-response figures for tests/labbook/step_info_test.cpp.

Runs the loop in binary64 with the operations in the program's order, then
measures the rows since the set point last changed as MATLAB's and GNU
Octave's stepinfo do with their default final value, the last sample: plain
loops over whole lists, none of the trace's blocks. Prints one C++ table row
per case; the tests hard-code them.

    python3 tests/labbook/stepinfo_reference.py
"""

import math

SMALLEST_STEP = 5e-5


class Loop:
    """The simulation's state across Compute and its Continues."""

    def __init__(self):
        # runs: (rows, set point); a row is (step, X, PV, Error, P, I, D)
        self.runs, self.x, self.integral, self.step = [], 0.0, 0.0, 0

    def compute(self, kp, ki, kd, sp, loops):
        self.__init__()
        self.cont(kp, ki, kd, sp, loops)

    def cont(self, kp, ki, kd, sp, loops):
        kp, ki, kd, sp = float(kp), float(ki), float(kd), float(sp)
        last_error = 0.0  # each run starts D afresh
        rows = []
        for _ in range(loops):
            x = self.x
            pv = x / 2
            error = sp - pv
            self.integral = self.integral + error
            p = kp * error
            d = kd * (error - last_error)
            i = ki * self.integral
            out = (p + d) + i
            out = 255.0 if out > 255 else 0.0 if out < 0 else out
            self.step += 1
            rows.append((self.step, x, pv, error, p, i, d))
            self.x = out
            last_error = error
        self.runs.append((rows, sp))

    def rows(self):
        return [row for rows, _ in self.runs for row in rows]


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
    loop = Loop()
    for command in commands:
        kind, *values = command.split()
        (loop.compute if kind == "C" else loop.cont)(*values[:4], int(values[4]))
    return loop


def opt(v):
    return "{}" if v is None else str(v)


def cpp(commands):
    return "{" + ", ".join('"%s"' % c for c in commands) + "}"


def main():
    # The transcript's first rows of the initial values, as the program shows them.
    loop = Loop()
    loop.compute(".5", ".5", ".5", "5", 2)
    assert loop.rows()[1] == (2, 7.5, 3.75, 1.25, 0.625, 3.125, -1.875), loop.rows()[1]

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
