#!/usr/bin/env python3
"""Two builds measured in one run, turn about, so that the machine's load
falls on both alike: the default frame (equatorial and local horizon), the
zoomed frame and the selection pass (bench_frame, wall and process CPU time) and start-up to the first frame (startup_time.sh).

    bench/compare_builds.py BEFORE_BUILD AFTER_BUILD [--rounds N]

Prints the median of each figure for each build, their ratio, and the
machine's load before and after.
"""

import argparse
import json
import os
import re
import statistics
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
FRAMES = "BM_FullFrame/|BM_ZoomedFrame|BM_SelectionPass"


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def frame_times(build):
    """name -> (wall ms, CPU ms of the whole process, Mesa's threads included)."""
    out = subprocess.run(
        ["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24",
         os.path.join(build, "bench", "bench_frame"), "--benchmark_filter=" + FRAMES,
         "--benchmark_format=json"],
        capture_output=True, text=True, check=True).stdout
    times = {}
    for b in json.loads(out)["benchmarks"]:
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0}[b["time_unit"]]
        times[b["name"]] = (b["real_time"] * scale, b.get("process_cpu_ms", b["cpu_time"] * scale))
    return times


def startup_ms(build):
    out = subprocess.run([os.path.join(HERE, "startup_time.sh"), build, "3"],
                         capture_output=True, text=True, check=True).stdout
    figures = re.search(r"start-up to first frame \(ms\): (.*)", out).group(1).split()
    return [float(f) for f in figures if f]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("before")
    parser.add_argument("after")
    parser.add_argument("--rounds", type=int, default=3)
    args = parser.parse_args()
    builds = {"before": args.before, "after": args.after}
    frames = {k: {} for k in builds}
    starts = {k: [] for k in builds}
    print(f"load before: {load()}")
    for _ in range(args.rounds):
        for key, build in builds.items():
            for name, t in frame_times(build).items():
                frames[key].setdefault(name, []).append(t)
            starts[key] += startup_ms(build)
    print(f"load after: {load()}")
    print(f"{'figure':44} {'before':>10} {'after':>10} {'after/before':>13}")
    for name in frames["before"]:
        for i, what in ((0, "wall ms"), (1, "CPU ms")):
            b = statistics.median(t[i] for t in frames["before"][name])
            a = statistics.median(t[i] for t in frames["after"][name])
            print(f"{name + ' ' + what:44} {b:10.2f} {a:10.2f} {a / b:13.3f}")
    b, a = statistics.median(starts["before"]), statistics.median(starts["after"])
    print(f"{'start-up to first frame ms':44} {b:10.0f} {a:10.0f} {a / b:13.3f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
