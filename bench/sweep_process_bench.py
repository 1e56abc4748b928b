#!/usr/bin/env python3
"""Times the console sweep of 直齿轮端面重合度 (z1 from 12 to 60 in 10,000
points) from process start to exit against the same computation in a plain
Python loop (contact_ratio_sweep.py), in interleaved runs, after checking
that both print the same table. For scale it also times Orvik's start-up
alone (--eval 1+1) and the sweep of 2 points.

    sweep_process_bench.py [ORVIK [RUNS]]   (default: build/bin/orvik, 21)
"""
import os
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FORMULA = os.path.join(ROOT, "resources", "library", "齿轮", "直齿轮端面重合度.tfl")
PYTHON_SWEEP = [sys.executable, os.path.join(ROOT, "bench", "contact_ratio_sweep.py")]


def elapsed(command):
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
    return time.perf_counter() - start


def main():
    orvik = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "bin", "orvik")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    commands = {
        "orvik sweep": [orvik, "--formula", FORMULA, "--sweep", "z1=12:60", "--points", "10000"],
        "python sweep": PYTHON_SWEEP,
        "orvik 2 points": [orvik, "--formula", FORMULA, "--sweep", "z1=12:60", "--points", "2"],
        "orvik --eval 1+1": [orvik, "--eval", "1+1"],
    }
    ours = subprocess.run(commands["orvik sweep"], capture_output=True, check=True).stdout
    theirs = subprocess.run(PYTHON_SWEEP, capture_output=True, check=True).stdout
    print("same table:", "yes" if ours == theirs else "NO")
    times = {name: [] for name in commands}
    for _ in range(runs):
        for name, command in commands.items():
            times[name].append(elapsed(command))
    medians = {name: statistics.median(values) * 1000 for name, values in times.items()}
    for name, median in medians.items():
        print(f"{name:18} {median:8.1f} ms (median of {runs})")
    print(f"python / orvik: {medians['python sweep'] / medians['orvik sweep']:.1f}")
    return 0 if ours == theirs else 1


if __name__ == "__main__":
    sys.exit(main())
