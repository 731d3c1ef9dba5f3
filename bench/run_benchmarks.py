#!/usr/bin/env python3
"""Stellix's performance in one run, as one table (see docs/PERFORMANCE.md).

    bench/run_benchmarks.py BUILD_DIR [--runs N] [--out FILE] [--skip-frame]
                            [--peers | --peers-only] [--rounds N] [--screens DIR]

Measures, on a 1920x1080 X screen (Xvfb with openbox when no display is set):
start-up to the first frame and to the sky drawn on screen, resident memory
10 s after start, the offscreen frame, star layer, pick and animation
benchmarks (bench_frame), UpdateSky (bench_update_sky), the time animation
on screen (steps a second and CPU per step), --render wall time, and a
print to PDF when the program has --print-pdf. With --peers (or
--peers-only), Stellix beside KStars and Stellarium (Debian's packages
kstars and stellarium) when they are installed, all three measured the same
way over several rounds (bench/peer_comparison.py).

The machine's load (uptime) is written beside the figures: on a shared
machine wall-clock times vary, CPU times much less.
"""

import argparse
import json
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

import peer_comparison

SCREEN = "1920x1080"
WHEN = "2026-12-08T22:00:00"


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


class Stellix:
    def __init__(self, build):
        self.exe = os.path.join(build, "stellix")
        self.scratch = tempfile.mkdtemp(prefix="stellix-bench-")

    def settings(self, name):
        return os.path.join(self.scratch, name + ".INI")

    def start(self, name, processes, extra=()):
        log = open(os.path.join(self.scratch, name + ".log"), "w+")
        cmd = [self.exe, "--timing", "--no-splash", "--settings", self.settings(name),
               "--datetime", WHEN, *extra]
        return processes.start(cmd, stderr=log), log

    @staticmethod
    def lines(log):
        log.flush()
        log.seek(0)
        return log.read().splitlines()

    def first_frame_ms(self, log, timeout=30.0):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            for line in self.lines(log):
                if "first frame after" in line:
                    return float(line.split("after")[1].split()[0])
            time.sleep(0.05)
        return None

    def help_text(self):
        return subprocess.run([self.exe, "--help"], capture_output=True, text=True).stdout


def measure_startup(app, runs, processes, watcher):
    """Start-up to first frame (the program's own --timing) and to the sky on
    screen (screenshots judged as in the comparison with the peers), and
    resident memory 10 s after start."""
    first, drawn, rss = [], [], []
    for k in range(runs):
        watch = peer_comparison.ScreenWatch(processes, watcher,
                                            os.path.join(app.scratch, f"startup{k}.shots"))
        start = time.monotonic()
        proc, log = app.start(f"startup{k}", processes)
        ms = app.first_frame_ms(log)
        sky, mem, problem, _ = peer_comparison.wait_for_sky(watch, proc, start, processes)
        processes.end(proc)
        if problem:
            sys.stderr.write(f"start-up {k + 1}: {problem}\n")
        if ms is not None:
            first.append(ms / 1000)
        if sky is not None:
            drawn.append(sky)
        if mem is not None:
            rss.append(mem)
    return first, drawn, rss


def measure_animation(pid, key_start, key_stop, seconds, frames_now):
    """Steps a second and CPU per step while the time animation runs on screen."""
    subprocess.run(["xdotool", "key", "--clearmodifiers", key_start])
    time.sleep(1.0)  # let the timer settle
    f0, c0, t0 = frames_now(), peer_comparison.cpu_seconds(pid), time.monotonic()
    time.sleep(seconds)
    f1, c1, t1 = frames_now(), peer_comparison.cpu_seconds(pid), time.monotonic()
    subprocess.run(["xdotool", "key", "--clearmodifiers", key_stop])
    steps = f1 - f0
    return steps / (t1 - t0), (c1 - c0) / steps if steps else None


def focus(name, timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                             capture_output=True, text=True).stdout.split()
        if out:
            subprocess.run(["xdotool", "windowactivate", "--sync", out[-1]],
                           capture_output=True)
            return True
        time.sleep(0.2)
    return False


def stellix_animation(app, processes, seconds=6.0):
    proc, log = app.start("animation", processes)
    result = (None, None)
    if app.first_frame_ms(log) is not None and focus("Stellix"):
        time.sleep(2.0)
        frames = lambda: sum(1 for l in app.lines(log) if "frame" in l and "after" in l)
        result = measure_animation(proc.pid, "ctrl+f", "Escape", seconds, frames)
    processes.end(proc)
    return result


def run_bench(path, args):
    if not os.path.exists(path):
        return []
    out = subprocess.run([path, "--benchmark_format=json", *args], capture_output=True,
                         text=True)
    try:
        return json.loads(out.stdout)["benchmarks"]
    except (ValueError, KeyError):
        sys.stderr.write(out.stderr)
        return []


def timed(cmd, runs):
    walls, cpus = [], []
    for _ in range(runs):
        before = os.times()
        t = time.monotonic()
        ok = subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0
        walls.append(time.monotonic() - t)
        after = os.times()
        cpus.append(after.children_user - before.children_user +
                    after.children_system - before.children_system)
        if not ok:
            return None, None
    return statistics.median(walls), statistics.median(cpus)


def fmt(v, unit="", digits=2):
    if v is None:
        return "–"
    return f"{v:.{digits}f}{unit}"


def stellix_rows(app, build, args, processes):
    """The rows of Stellix's own table: (measure, figure, notes)."""
    rows = []
    watcher = peer_comparison.build_tools(app.scratch)[1]
    first, drawn, rss = measure_startup(app, args.runs, processes, watcher)
    rows.append(("Start-up to first frame (median)", fmt(statistics.median(first) if first else None, " s"),
                 " ".join(f"{x:.2f}" for x in first)))
    rows.append(("Start-up to sky drawn on screen (median)",
                 fmt(statistics.median(drawn) if drawn else None, " s"),
                 " ".join(f"{x:.2f}" for x in drawn)))
    rows.append(("Resident memory 10 s after start (median)",
                 fmt(statistics.median(rss) if rss else None, " MiB", 0),
                 " ".join(f"{x:.0f}" for x in rss)))
    rate, cpu = stellix_animation(app, processes)
    rows.append(("Animation on screen (1-day steps)", fmt(rate, " steps/s", 1), "timer: 20/s"))
    rows.append(("CPU per animation step (all threads)", fmt(cpu * 1000 if cpu else None, " ms", 1), ""))

    if not args.skip_frame:
        for b in run_bench(os.path.join(build, "bench", "bench_frame"), []):
            cpu_ms = b.get("process_cpu_ms")
            rows.append((f"bench_frame {b['name']}", fmt(b["real_time"], " ms", 1),
                         f"main thread CPU {b['cpu_time']:.1f} ms" +
                         (f", all threads {cpu_ms:.1f} ms" if cpu_ms is not None else "")))
    for b in run_bench(os.path.join(build, "bench", "bench_update_sky"), []):
        rows.append((f"bench_update_sky {b['name']}", fmt(b["cpu_time"] / 1000, " µs", 1), ""))

    png = os.path.join(app.scratch, "frame.png")
    wall, cpu = timed([app.exe, "--render", png, "--size", SCREEN, "--datetime", WHEN,
                       "--settings", app.settings("render")], args.runs)
    rows.append(("--render 1920x1080 wall (median)", fmt(wall, " s"), f"CPU {fmt(cpu, ' s')}"))

    if "--print-pdf" in app.help_text():
        pdf = os.path.join(app.scratch, "chart.pdf")
        wall, cpu = timed([app.exe, "--print-pdf", pdf, "--datetime", WHEN,
                           "--settings", app.settings("print")], args.runs)
        rows.append(("--print-pdf wall (median)", fmt(wall, " s"), f"CPU {fmt(cpu, ' s')}"))
    else:
        rows.append(("Print to PDF", "–", "this build has no --print-pdf"))
    return rows


def stop_on_signal(signum, frame):
    raise SystemExit(128 + signum)  # leaves through the finally blocks, which end what was started


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build", help="the build directory (holds stellix and bench/)")
    parser.add_argument("--runs", type=int, default=3, help="start-ups and --render runs (3)")
    parser.add_argument("--out", help="also write the table to this file")
    parser.add_argument("--peers", action="store_true",
                        help="also measure KStars and Stellarium beside Stellix "
                             "(apt-get install kstars stellarium)")
    parser.add_argument("--peers-only", action="store_true",
                        help="only the comparison with KStars and Stellarium")
    parser.add_argument("--rounds", type=int, default=3,
                        help="rounds of the comparison, the programs taking turns (3)")
    parser.add_argument("--screens", help="keep the comparison's final screens in this folder "
                                          "(default: a new folder under /tmp)")
    parser.add_argument("--before", metavar="BUILD",
                        help="an earlier build directory whose stellix takes its turns in the "
                             "comparison too (before and after in one run)")
    parser.add_argument("--skip-frame", action="store_true", help="leave out bench_frame")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    if args.rounds < 1 or args.runs < 1:
        parser.error("--runs and --rounds need at least 1")

    if not os.environ.get("DISPLAY"):
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", f"-screen 0 {SCREEN}x24",
                               sys.executable, *sys.argv])
    for sig in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(sig, stop_on_signal)
    wm = None
    if shutil.which("openbox"):
        wm = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              start_new_session=True)
        time.sleep(1.0)

    app = Stellix(build)
    processes = peer_comparison.Processes()
    rows, peer_lines = [], []
    load_before = load()
    try:
        if not args.peers_only:
            rows = stellix_rows(app, build, args, processes)
        if args.peers or args.peers_only:
            screens = args.screens or tempfile.mkdtemp(prefix="stellix-peer-screens-")
            before = os.path.join(os.path.abspath(args.before), "stellix") if args.before else None
            peer_lines = peer_comparison.compare(app.exe, args.rounds, os.path.abspath(screens),
                                                 before)
    finally:
        processes.end_all()
        if wm:
            wm.terminate()
            wm.wait()
        shutil.rmtree(app.scratch, ignore_errors=True)

    with open("/proc/cpuinfo") as f:
        cpu_model = next((l.split(":", 1)[1].strip() for l in f if l.startswith("model name")), "?")
    header = [f"Machine: {os.cpu_count()} cores, {cpu_model}; screen {SCREEN} (Xvfb, Mesa llvmpipe)",
              f"Load (1, 5, 15 min) before: {load_before}; after: {load()}",
              f"Date: {time.strftime('%Y-%m-%d %H:%M')}", ""]
    table = []
    if rows:
        table = ["| Measure | Figure | Notes |", "|---|---|---|"]
        table += [f"| {m} | {v} | {n} |" for m, v, n in rows]
    if peer_lines:
        table += ([""] if table else []) + [
            f"Beside the peers ({args.rounds} rounds, London {peer_comparison.DATE} "
            f"{peer_comparison.TIME[:5]}; median (range)):", ""] + peer_lines
    text = "\n".join(header + table) + "\n"
    sys.stdout.write(text)
    if args.out:
        with open(args.out, "w") as f:
            f.write(text)


if __name__ == "__main__":
    main()
