#!/usr/bin/env python3
"""Stellix's performance in one run, as one table (see docs/PERFORMANCE.md).

    bench/run_benchmarks.py BUILD_DIR [--runs N] [--out FILE] [--peers] [--skip-frame]

Measures, on a 1920x1080 X screen (Xvfb with openbox when no display is set):
start-up to the first frame and to the sky drawn on screen, resident memory
10 s after start, the offscreen frame, star layer, pick and animation
benchmarks (bench_frame), UpdateSky (bench_update_sky), the time animation
on screen (steps a second and CPU per step), --render wall time, and a
print to PDF when the program has --print-pdf. With --peers, the start-up,
memory and animation figures of KStars and Stellarium (Debian's packages
kstars and stellarium) when they are installed, as ratios to Stellix.

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

SCREEN = "1920x1080"
WHEN = "2026-12-08T22:00:00"


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def rss_mib(pid):
    """Resident memory of a process and its children, MiB."""
    total = 0
    for p in [pid] + children(pid):
        try:
            with open(f"/proc/{p}/status") as f:
                for line in f:
                    if line.startswith("VmRSS:"):
                        total += int(line.split()[1])
        except OSError:
            pass
    return total / 1024


def children(pid):
    try:
        out = subprocess.run(["pgrep", "-P", str(pid)], capture_output=True, text=True).stdout
    except OSError:
        return []
    kids = [int(x) for x in out.split()]
    for k in list(kids):
        kids += children(k)
    return kids


def cpu_seconds(pid):
    """User + system CPU of a process (all its threads), seconds."""
    ticks = os.sysconf("SC_CLK_TCK")
    total = 0
    for p in [pid] + children(pid):
        try:
            with open(f"/proc/{p}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except OSError:
            pass
    return total / ticks


def screenshot():
    return subprocess.run(["xwd", "-root", "-silent"], capture_output=True).stdout


def changed_fraction(a, b, stride=61):
    """Fraction of sampled bytes that differ between two screenshots."""
    if len(a) != len(b) or not a:
        return 1.0
    sa, sb = a[4096::stride], b[4096::stride]
    return sum(1 for x, y in zip(sa, sb) if x != y) / max(1, len(sa))


def wait_for_sky(start, empty, timeout=30.0, settle=1.0):
    """Seconds from `start` to the screen showing a settled window: the first
    screenshot that differs from the empty desktop after which the screen
    changes by less than 0.5 % for `settle` seconds (a clock pane may tick)."""
    first_of_run, previous = None, None
    while time.monotonic() - start < timeout:
        shot = screenshot()
        now = time.monotonic() - start
        if changed_fraction(shot, empty) > 0.05:
            if previous is not None and changed_fraction(shot, previous) < 0.005:
                if first_of_run is not None and now - first_of_run[0] >= settle:
                    return first_of_run[0]
            else:
                first_of_run = (now, shot)
            previous = shot
        else:
            first_of_run, previous = None, None
        time.sleep(0.05)
    return None


def terminate(proc):
    if proc.poll() is None:
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


class Stellix:
    def __init__(self, build):
        self.exe = os.path.join(build, "stellix")
        self.scratch = tempfile.mkdtemp(prefix="stellix-bench-")

    def settings(self, name):
        return os.path.join(self.scratch, name + ".INI")

    def start(self, name, extra=()):
        log = open(os.path.join(self.scratch, name + ".log"), "w+")
        cmd = [self.exe, "--timing", "--no-splash", "--settings", self.settings(name),
               "--datetime", WHEN, *extra]
        return subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=log), log

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


def measure_startup(app, runs):
    """Start-up to first frame (the program's own --timing) and to the sky on
    screen (screenshots), and resident memory 10 s after start."""
    first, drawn, rss = [], [], []
    for k in range(runs):
        empty = screenshot()
        start = time.monotonic()
        proc, log = app.start(f"startup{k}")
        ms = app.first_frame_ms(log)
        sky = wait_for_sky(start, empty)
        if k == 0:
            time.sleep(max(0.0, 10.0 - (time.monotonic() - start)))
            rss.append(rss_mib(proc.pid))
        terminate(proc)
        if ms is not None:
            first.append(ms / 1000)
        if sky is not None:
            drawn.append(sky)
        time.sleep(0.5)
    return first, drawn, rss


def measure_animation(pid, key_start, key_stop, seconds, frames_now):
    """Steps a second and CPU per step while the time animation runs on screen."""
    subprocess.run(["xdotool", "key", "--clearmodifiers", key_start])
    time.sleep(1.0)  # let the timer settle
    f0, c0, t0 = frames_now(), cpu_seconds(pid), time.monotonic()
    time.sleep(seconds)
    f1, c1, t1 = frames_now(), cpu_seconds(pid), time.monotonic()
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


def stellix_animation(app, seconds=6.0):
    proc, log = app.start("animation")
    result = (None, None)
    if app.first_frame_ms(log) is not None and focus("Stellix"):
        time.sleep(2.0)
        frames = lambda: sum(1 for l in app.lines(log) if "frame" in l and "after" in l)
        result = measure_animation(proc.pid, "ctrl+f", "Escape", seconds, frames)
    terminate(proc)
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


def peer(name, exe, animate):
    """Start-up to the sky on screen, memory at 10 s and, where the program can
    be told by a key to animate, its screen updates a second (screenshots)."""
    path = shutil.which(exe)
    if not path:
        return None
    home = tempfile.mkdtemp(prefix=f"{exe}-home-")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local/share"))
    empty = screenshot()
    start = time.monotonic()
    proc = subprocess.Popen([path], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    sky = wait_for_sky(start, empty, timeout=90.0)
    time.sleep(max(0.0, 10.0 - (time.monotonic() - start)))
    rss = rss_mib(proc.pid)
    rate = cpu = None
    if animate and focus(name):
        shots = {"n": 0, "last": screenshot()}

        def changes():
            return shots["n"]

        subprocess.run(["xdotool", "key", animate[0]])
        time.sleep(1.0)
        c0, t0 = cpu_seconds(proc.pid), time.monotonic()
        while time.monotonic() - t0 < 6.0:
            s = screenshot()
            if changed_fraction(s, shots["last"]) > 0.001:
                shots["n"] += 1
            shots["last"] = s
        c1, t1 = cpu_seconds(proc.pid), time.monotonic()
        rate = changes() / (t1 - t0)
        cpu = (c1 - c0) / (t1 - t0)  # CPU seconds a second: screenshots cap the count
        subprocess.run(["xdotool", "key", animate[1]])
    terminate(proc)
    shutil.rmtree(home, ignore_errors=True)
    return {"sky": sky, "rss": rss, "rate": rate, "cpu_per_s": cpu}


def fmt(v, unit="", digits=2):
    if v is None:
        return "–"
    return f"{v:.{digits}f}{unit}"


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build", help="the build directory (holds stellix and bench/)")
    parser.add_argument("--runs", type=int, default=3, help="start-ups and --render runs (3)")
    parser.add_argument("--out", help="also write the table to this file")
    parser.add_argument("--peers", action="store_true",
                        help="also measure KStars and Stellarium (apt-get install kstars stellarium)")
    parser.add_argument("--skip-frame", action="store_true", help="leave out bench_frame")
    args = parser.parse_args()
    build = os.path.abspath(args.build)

    if not os.environ.get("DISPLAY"):
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", f"-screen 0 {SCREEN}x24",
                               sys.executable, *sys.argv])
    wm = None
    if shutil.which("openbox"):
        wm = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.0)

    app = Stellix(build)
    rows = []  # (measure, figure, note)
    load_before = load()
    try:
        first, drawn, rss = measure_startup(app, args.runs)
        rows.append(("Start-up to first frame (median)", fmt(statistics.median(first) if first else None, " s"),
                     " ".join(f"{x:.2f}" for x in first)))
        rows.append(("Start-up to sky drawn on screen (median)",
                     fmt(statistics.median(drawn) if drawn else None, " s"),
                     " ".join(f"{x:.2f}" for x in drawn)))
        rows.append(("Resident memory 10 s after start", fmt(rss[0] if rss else None, " MiB", 0), ""))
        rate, cpu = stellix_animation(app)
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

        if args.peers:
            me_sky = statistics.median(drawn) if drawn else None
            me_rss = rss[0] if rss else None
            for name, exe, keys in (("KStars", "kstars", None),
                                    ("Stellarium", "stellarium", ("l", "j"))):
                r = peer(name, exe, keys)
                if r is None:
                    rows.append((name, "–", f"not installed (apt-get install {exe})"))
                    continue
                ratio = (f", Stellix x{me_sky / r['sky']:.2f}" if r["sky"] and me_sky else "")
                rows.append((f"{name}: start-up to sky drawn", fmt(r["sky"], " s"), ratio.lstrip(", ")))
                rows.append((f"{name}: resident memory at 10 s", fmt(r["rss"], " MiB", 0),
                             f"Stellix x{me_rss / r['rss']:.2f}" if me_rss and r["rss"] else ""))
                if r["rate"] is not None:
                    rows.append((f"{name}: screen updates while animating", fmt(r["rate"], "/s", 1),
                                 f"CPU {fmt(r['cpu_per_s'], ' s/s')}"))
    finally:
        if wm:
            wm.terminate()
        shutil.rmtree(app.scratch, ignore_errors=True)

    with open("/proc/cpuinfo") as f:
        cpu_model = next((l.split(":", 1)[1].strip() for l in f if l.startswith("model name")), "?")
    header = [f"Machine: {os.cpu_count()} cores, {cpu_model}; screen {SCREEN} (Xvfb, Mesa llvmpipe)",
              f"Load (1, 5, 15 min) before: {load_before}; after: {load()}",
              f"Date: {time.strftime('%Y-%m-%d %H:%M')}", ""]
    table = ["| Measure | Figure | Notes |", "|---|---|---|"]
    table += [f"| {m} | {v} | {n} |" for m, v, n in rows]
    text = "\n".join(header + table) + "\n"
    sys.stdout.write(text)
    if args.out:
        with open(args.out, "w") as f:
            f.write(text)


if __name__ == "__main__":
    main()
