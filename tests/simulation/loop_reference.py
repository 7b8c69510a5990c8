#!/usr/bin/env python3
"""Expected rows for tests/simulation/loop_options_test.cpp, from the laws alone.

The plant: z = (T1 * z_before + K * u) / (T1 + 1), PV = (T2 * PV_before + z) /
(T2 + 1), with u the output of `dead` steps before the usual one (0 before the
first step) plus the load from its step on. The controller reads PV plus a
uniform noise sigma * (2 * u - 1), u from splitmix64's top 53 bits, one draw a
step. P, then D (on the error's change, or minus PV's), then I, the output
(P + D) + I; conditional integration or back-calculation against the limits
0 and 255. Python's floats are binary64 and never fuse a multiply-add.

Prints one block per scenario: its name, then a row a step, each value
written so that it reads back to the same binary64.

    python3 tests/simulation/loop_reference.py > tests/simulation/loop_reference.txt
"""

MASK = (1 << 64) - 1
LOW, HIGH = 0.0, 255.0


def splitmix64(state):
    state = (state + 0x9E3779B97F4A7C15) & MASK
    z = state
    z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & MASK
    z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & MASK
    return state, z ^ (z >> 31)


class Loop:
    def __init__(self, seed=0):
        self.step, self.x, self.integral = 0, 0.0, 0.0
        self.z, self.pv, self.read = 0.0, 0.0, 0.0
        self.inputs = {}  # step -> X as it stood before that step
        self.rng, self.seed = seed, seed
        self.rows = []

    def run(self, loops, kp, ki, kd, sp, K=0.5, T1=0.0, T2=0.0, dead=0, windup="none", kb=0.0,
            on_pv=False, load=0.0, load_step=1, sigma=0.0, seed=0):
        if seed != self.seed:
            self.rng, self.seed = seed, seed
        last_error = 0.0  # each command's first step has no error before it
        for _ in range(loops):
            n = self.step + 1
            self.inputs[n] = self.x
            u = self.inputs.get(n - dead, 0.0)
            if load != 0 and n >= load_step:
                u = u + load
            self.z = (T1 * self.z + K * u) / (T1 + 1)
            self.pv = (T2 * self.pv + self.z) / (T2 + 1)
            self.rng, r = splitmix64(self.rng)
            noise = sigma * (2 * ((r >> 11) * 2.0 ** -53) - 1)
            pv = self.pv + noise if sigma != 0 else self.pv
            error = sp - pv
            before = self.integral
            integral = before + error
            p = kp * error
            d = -kd * (pv - self.read) if on_pv else kd * (error - last_error)
            i = ki * integral
            out = (p + d) + i
            if windup == "conditional" and ((out > HIGH and ki * error > 0) or
                                            (out < LOW and ki * error < 0)):
                integral = before
                i = ki * integral
                out = (p + d) + i
            limited = min(max(out, LOW), HIGH)
            self.rows.append((n, self.x, pv, error, p, i, d))
            if windup == "back":
                integral = integral + kb * (limited - out)
            self.step, self.x, self.integral, self.read = n, limited, integral, pv
            last_error = error


def scenarios():
    two_lags = dict(K=1.0, T1=5.0, T2=5.0)
    loop = Loop()
    loop.run(100, 0.5, 0.5, 0.5, 5.0)
    yield "default plant", loop
    for name, kd in (("two lags", 0.0), ("two lags, Kd 10", 10.0)):
        loop = Loop()
        loop.run(80, 4.0, 0.2, kd, 5.0, **two_lags)
        yield name, loop
    loop = Loop()
    loop.run(60, 1.2, 0.1, 0.0, 5.0, K=1.0, T1=10.0, dead=3)
    loop.run(40, 1.2, 0.1, 0.0, 8.0, K=1.0, T1=10.0, dead=6)  # a longer dead time on Continue
    yield "lag and dead time, then longer", loop
    for name, windup in (("windup", "none"), ("conditional", "conditional"), ("back", "back")):
        loop = Loop()
        loop.run(30, 0.5, 0.5, 0.0, 300.0, windup=windup, kb=0.5)
        loop.run(30, 0.5, 0.5, 0.0, 5.0, windup=windup, kb=0.5)
        yield name, loop
    loop = Loop()
    loop.run(30, 10.0, 20.0, 0.0, -5.0, windup="conditional")  # held at 0 from below
    yield "conditional below", loop
    for name, ki in (("load, P alone", 0.0), ("load with I", 0.3)):
        loop = Loop()
        loop.run(60, 1.0, ki, 0.0, 5.0, K=1.0, T1=2.0, load=-4.0, load_step=20)
        yield name, loop
    for name, on_pv in (("noise, D on the error", False), ("noise, D on PV", True)):
        loop = Loop(seed=42)
        loop.run(20, 0.5, 0.3, 2.0, 5.0, K=1.0, T1=3.0, sigma=0.2, seed=42, on_pv=on_pv)
        loop.run(20, 0.5, 0.3, 2.0, 9.0, K=1.0, T1=3.0, sigma=0.2, seed=42, on_pv=on_pv)
        loop.run(10, 0.5, 0.3, 2.0, 9.0, K=1.0, T1=3.0, sigma=0.2, seed=7, on_pv=on_pv)
        yield name, loop


def main():
    for name, loop in scenarios():
        print(name)
        for row in loop.rows:
            print(" ".join([str(row[0])] + [repr(v) for v in row[1:]]))


if __name__ == "__main__":
    main()
