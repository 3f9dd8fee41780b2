#!/usr/bin/env python3
"""Start-up of each program against an empty Qt Widgets window, side by side in one run.

Runs the start probes (each ends its process at its first painted frame) in alternating rounds,
offscreen unless QT_QPA_PLATFORM says otherwise, and prints the median launch-to-first-frame time
of each, its ratio to the empty window's median, and the median of the ratios taken within each
round (steadier on a shared machine, where a slow spell hits the probes of one round alike). All
probes run on one processor: on shared machines the cores need not be equally fast (one was a
third slower than the other here), and the scheduler would otherwise give alternate runs alternate
cores.
"text" is a window showing one line of text: the part of any program's start that is loading
fonts, which the empty window never does. Build first: cmake --build --preset default.

  benchmarks/start_ratio.py [--runs 15] [--cpu N] [--build build/default]
"""
import argparse
import os
import resource
import statistics
import subprocess
import sys
import time

PROBES = ["empty", "text", "tarvel", "orvane"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--cpu", type=int, default=max(os.sched_getaffinity(0)),
                        help="the processor every probe runs on")
    parser.add_argument("--build", default=os.path.join(os.path.dirname(__file__), "..", "build", "default"))
    args = parser.parse_args()

    os.sched_setaffinity(0, {args.cpu})  # inherited by every probe
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    paths = {name: os.path.join(args.build, "benchmarks", "start_probe_" + name) for name in PROBES}
    for path in paths.values():
        subprocess.run([path], env=env, check=True, stderr=subprocess.DEVNULL)  # one warm-up run each
    # Wall time is what the user waits; processor time (user + system) is the same work measured
    # without the waiting.
    wall = {name: [] for name in PROBES}
    cpu = {name: [] for name in PROBES}
    for _ in range(args.runs):
        for name in PROBES:
            before = resource.getrusage(resource.RUSAGE_CHILDREN)
            start = time.perf_counter()
            subprocess.run([paths[name]], env=env, check=True, stderr=subprocess.DEVNULL)
            wall[name].append((time.perf_counter() - start) * 1000)
            after = resource.getrusage(resource.RUSAGE_CHILDREN)
            cpu[name].append((after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime) * 1000)

    print(f"medians of {args.runs} alternating runs, launch to first painted frame ({env['QT_QPA_PLATFORM']}, "
          f"processor {args.cpu})")
    for label, times in (("wall", wall), ("cpu", cpu)):
        empty = times["empty"]
        for name in PROBES:
            median = statistics.median(times[name])
            paired = statistics.median(t / e for t, e in zip(times[name], empty))
            print(f"  {label:4s} {name:7s} {median:6.1f} ms   ratio {median / statistics.median(empty):4.2f}"
                  f"   ratio within rounds {paired:4.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
