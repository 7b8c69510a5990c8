#!/usr/bin/env python3
"""The figures the README's lessons 2 to 4 quote, from the two references alone.

Runs each lesson's commands on tests/simulation/loop_reference.py's loop (the
plant and the loop's options) and measures the rows since SP last changed
with tests/labbook/stepinfo_reference.py's stepinfo; prints each figure as the
README writes it, one line each under the scenario's name. The lab book's
table in tests/labbook/lessons_test.cpp hard-codes the same lines.

    python3 tests/labbook/lessons_reference.py            # the figures
    python3 tests/labbook/lessons_reference.py README.md  # each one in the README, or exit 1
"""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from stepinfo_reference import Runs, stepinfo  # noqa: E402

NBSP = "\u00a0"
TWO_LAGS = dict(K=1.0, T1=5.0, T2=5.0)


def prose(value, decimals=4):
    text = f"{value:,.{decimals}f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def span(limit, at):
    steps, first, last = at
    if steps == 0:
        return f"X never at {limit}"
    if steps == 1:
        return f"X at {limit} at step {first} only"
    if steps == last - first + 1:
        return f"X at {limit} for {steps} steps, from step {first} to step {last}"
    return f"X at {limit} in {steps} steps between step {first} and step {last}"


def figure(kind, arg, f, rows):
    falling = f["final"] < f["start"]
    row = rows[arg - 1] if isinstance(arg, int) else None
    if kind == "rise":
        word = "fall" if falling else "rise"
        return (f"a {word} time of {f['riseTo'] - f['riseFrom']} steps, "
                f"from step {f['riseFrom']} to step {f['riseTo']}")
    if kind == "peak":
        word = "a lowest PV of" if falling else "a peak of"
        return f"{word} {prose(f['peak'])} at step {f['peakStep']}"
    if kind == "overshoot":
        return f"an overshoot of {f['overshoot']:.1f}{NBSP}%"
    if kind == "settling":
        return (f"a settling time of {f['settledFrom'] - f['first']} steps, "
                f"from step {f['first']} to step {f['settledFrom']}")
    if kind == "error":
        return f"a steady-state error of {prose(f['sp'] - f['final'])}"
    if kind in ("at 0", "at 255"):
        return span(kind[3:], f["atZero" if kind == "at 0" else "atFull"])
    if kind in ("X", "PV", "I"):
        return f"{kind} {prose(row[{'X': 1, 'PV': 2, 'I': 5}[kind]])} at step {arg}"
    if kind == "X from":  # X's range from that step on
        xs = [r[1] for r in rows[arg - 1:]]
        return f"from step {arg} on, X moves between {prose(min(xs), 1)} and {prose(max(xs), 1)}"
    raise ValueError(kind)


# Each scenario: its name, the Loop page's options, the commands
# (kind, Kp, Ki, Kd, SP, Loops) and the figures quoted, each a kind and, for
# a row's value, its step.
SCENARIOS = [
    ("two lags, Kd 0", TWO_LAGS, [("C", 4, .2, 0, 5, 300)],
     [("overshoot", None), ("peak", None), ("rise", None), ("settling", None)]),
    ("two lags, Kd 2", TWO_LAGS, [("C", 4, .2, 2, 5, 300)], [("overshoot", None)]),
    ("two lags, Kd 10", TWO_LAGS, [("C", 4, .2, 10, 5, 300)],
     [("overshoot", None), ("rise", None), ("settling", None), ("X", 2), ("at 0", None),
      ("PV", 7), ("PV", 15)]),
    ("windup, none", {}, [("C", .5, .5, .5, 300, 100), ("+", .5, .5, .5, 5, 300)],
     [("I", 100), ("at 255", None), ("rise", None), ("settling", None)]),
    ("windup, conditional", dict(windup="conditional"),
     [("C", .5, .5, .5, 300, 100), ("+", .5, .5, .5, 5, 300)],
     [("I", 100), ("at 255", None), ("rise", None), ("peak", None), ("overshoot", None),
      ("settling", None)]),
    ("windup, back-calculation Kb .5", dict(windup="back", kb=.5),
     [("C", .5, .5, .5, 300, 100), ("+", .5, .5, .5, 5, 300)],
     [("I", 100), ("at 255", None), ("rise", None), ("peak", None), ("settling", None)]),
    ("windup, back-calculation Kb .1", dict(windup="back", kb=.1),
     [("C", .5, .5, .5, 300, 100), ("+", .5, .5, .5, 5, 300)],
     [("at 255", None), ("settling", None)]),
    ("load, P alone", dict(load=-2.0, load_step=51), [("C", .5, 0, 0, 5, 100)],
     [("PV", 50), ("PV", 51), ("X", 50), ("X", 100), ("error", None), ("overshoot", None)]),
    ("load with I", dict(load=-2.0, load_step=51), [("C", .5, .5, 0, 5, 100)],
     [("PV", 50), ("PV", 51), ("X", 50), ("X", 100), ("settling", None), ("error", None)]),
    ("noise, Kd 0", dict(TWO_LAGS, sigma=.05), [("C", 4, .2, 0, 5, 300)], [("X from", 151)]),
    ("noise, Kd 10", dict(TWO_LAGS, sigma=.05), [("C", 4, .2, 10, 5, 300)],
     [("X from", 151), ("X", 2), ("at 0", None), ("settling", None)]),
    ("noise, Kd 10 on PV", dict(TWO_LAGS, sigma=.05, on_pv=True), [("C", 4, .2, 10, 5, 300)],
     [("X from", 151), ("X", 2), ("at 0", None), ("settling", None)]),
]


def measured():
    for name, options, commands, kinds in SCENARIOS:
        lesson = Runs()
        for command in commands:
            lesson.press(*command, options)
        f = stepinfo(lesson)
        f["sp"] = lesson.runs[-1][1]
        yield name, [figure(kind, arg, f, lesson.rows()) for kind, arg in kinds]


def main(argv):
    if len(argv) == 1:
        for name, figures in measured():
            print(name)
            for text in figures:
                print("  " + text)
        return 0
    with open(argv[1], encoding="utf-8") as file:
        readme = re.sub(r"[ \t\n]+", " ", file.read())
    missing = [(n, t) for n, figures in measured() for t in figures if t not in readme]
    for name, text in missing:
        print(f"{name}: not in {argv[1]}: {text}")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
