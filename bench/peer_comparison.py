"""Stellix beside KStars and Stellarium, each measured the same way (see
docs/PERFORMANCE.md, "Beside the peers").

Every program runs in a throw-away home of its own, prepared so that it opens
straight onto the sky of London on 2026-12-08 at 22:00 (KStars with its
start-up wizard answered and its tips off, Stellarium after one first run
that writes its config.ini), all three on the same view, set through each
program's saved settings: the local horizon facing south, the middle of the
view 15 degrees up, about 90 degrees from the left edge to the right, stars,
constellation lines, boundaries and names, the ground; Stellarium without
its atmosphere, and once more with it as its users see it. Each has a
session bus of its own and
bench/peers/swap_log.c preloaded to log the frames it presents. The programs
take turns over several rounds; each start gives:

- start-up to the sky drawn: from starting the process to the first of the
  last run of screenshots (bench/peers/screen_watch.c, every 75 ms) that
  match the final settled screen, the final screen checked to be the
  program's one window showing a night sky (not a splash, not a dialog, not
  a black window);
- resident memory 10 s after start, the whole process tree;
- idle CPU: time stopped, CPU seconds a second over 6 s;
- frames a second while time runs fast, and CPU per presented frame (all
  threads of the process tree) over 6 s.
"""

import os
import shutil
import signal
import statistics
import struct
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
DATE, TIME = "2026-12-08", "22:00:00"
LATITUDE, LONGITUDE = 51.5072, -0.1275  # London, degrees, east positive
SHOT_INTERVAL_MS = 75
WINDOW_S = 6.0  # the measuring window of the idle and the fast-time figures
MEMORY_AT_S = 10.0
SETTLE_S = 1.0  # the final screen stays like this for a second
START_TIMEOUT_S = 120.0
# Screens compared block by block (4x4-pixel means): a block differs when
# its grey level moves by more than DIFF_LEVEL; a screen matches another
# when under MATCH_FRACTION of its blocks differ (a ticking clock changes
# a few dozen blocks of 129600, a splash or a half-drawn window thousands).
DIFF_LEVEL = 32
MATCH_FRACTION = 0.003
# The final screen is a night sky: the program has one visible window, over
# a quarter of the screen, mostly dark and with some light in it (stars,
# lines, labels); a black window has none, a dialog is mostly light.
LIT_LEVEL, LIT_MIN = 32, 0.001
DARK_LEVEL, DARK_MIN = 48, 0.5


def load():
    with open("/proc/loadavg") as f:
        return float(f.read().split()[0])


def tree(pid):
    """The process and all its descendants."""
    parents = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as f:
                    parents[int(entry)] = int(f.read().rsplit(")", 1)[1].split()[1])
            except (OSError, IndexError, ValueError):
                pass
    found, todo = [], [pid]
    while todo:
        p = todo.pop()
        found.append(p)
        todo += [c for c, parent in parents.items() if parent == p]
    return found


def rss_mib(pid):
    total = 0
    for p in tree(pid):
        try:
            with open(f"/proc/{p}/status") as f:
                total += next((int(l.split()[1]) for l in f if l.startswith("VmRSS:")), 0)
        except OSError:
            pass
    return total / 1024


def cpu_seconds(pid):
    """User + system CPU of the process tree, all threads, seconds."""
    ticks, total = os.sysconf("SC_CLK_TCK"), 0
    for p in tree(pid):
        try:
            with open(f"/proc/{p}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except (OSError, IndexError, ValueError):
            pass
    return total / ticks


def wait_until(condition, timeout, step=0.1):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(step)
    return condition()


class Processes:
    """Every process started here, each in a process group of its own, and
    the homes they were given: end() stops a group, end_all() every group
    and whatever a program left running with one of these homes (a daemon
    that detached itself)."""

    def __init__(self):
        self.started = []
        self.homes = []

    def start(self, cmd, env=None, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL):
        proc = subprocess.Popen(cmd, env=env, stdout=stdout, stderr=stderr,
                                stdin=subprocess.DEVNULL, start_new_session=True)
        self.started.append(proc)
        return proc

    def end(self, proc):
        for sig, wait in ((signal.SIGTERM, 5.0), (signal.SIGKILL, 5.0)):
            if proc.poll() is not None:
                break
            try:
                os.killpg(proc.pid, sig)
            except ProcessLookupError:
                break
            try:
                proc.wait(wait)
            except subprocess.TimeoutExpired:
                pass
        try:
            os.killpg(proc.pid, signal.SIGKILL)  # what is left of the group
        except (ProcessLookupError, PermissionError):
            pass
        if proc in self.started:
            self.started.remove(proc)

    def strays(self):
        marks = [f"HOME={h}".encode() for h in self.homes]
        found = []
        for entry in os.listdir("/proc"):
            if entry.isdigit() and int(entry) != os.getpid():
                try:
                    with open(f"/proc/{entry}/environ", "rb") as f:
                        env = f.read().split(b"\0")
                except OSError:
                    continue
                if any(m in env for m in marks):
                    found.append(int(entry))
        return found

    def end_all(self):
        for proc in reversed(list(self.started)):
            self.end(proc)
        for pid in self.strays():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass


def build_tools(scratch):
    """swap_log.so and screen_watch, compiled into `scratch`."""
    lib = os.path.join(scratch, "swap_log.so")
    watch = os.path.join(scratch, "screen_watch")
    subprocess.run(["cc", "-O2", "-shared", "-fPIC", "-o", lib,
                    os.path.join(HERE, "peers", "swap_log.c"), "-ldl"], check=True)
    subprocess.run(["cc", "-O2", "-o", watch, os.path.join(HERE, "peers", "screen_watch.c"),
                    "-lX11", "-lXext"], check=True)
    return lib, watch


class ScreenWatch:
    """screen_watch's records: (time, 4x4 block grey levels)."""

    def __init__(self, processes, exe, path):
        self.path, self.shots, self.offset = path, [], None
        self.proc = processes.start([exe, path, str(SHOT_INTERVAL_MS)])
        if not wait_until(lambda: self._header() and self.read(), 10.0):
            raise RuntimeError("screen_watch wrote nothing")

    def _header(self):
        try:
            with open(self.path, "rb") as f:
                line = f.readline()
        except OSError:
            return False
        if not line.endswith(b"\n"):
            return False
        self.width, self.height = (int(x) for x in line.split())
        self.size = self.width * self.height
        self.offset = len(line)
        return True

    def read(self):
        record = 8 + self.size
        with open(self.path, "rb") as f:
            f.seek(self.offset)
            data = f.read()
        whole = len(data) // record
        for k in range(whole):
            chunk = data[k * record:(k + 1) * record]
            self.shots.append((struct.unpack("d", chunk[:8])[0], chunk[8:]))
        self.offset += whole * record
        return self.shots


def differing(a, b):
    """The fraction of blocks whose grey levels differ by more than DIFF_LEVEL."""
    return sum(1 for x, y in zip(a, b) if abs(x - y) > DIFF_LEVEL) / len(a)


def window_blocks(shot, width, rect):
    """The blocks of a window's rectangle (screen pixels) that are on the screen."""
    height = len(shot) // width
    x0, y0 = max(0, rect[0] // 4), max(0, rect[1] // 4)
    x1, y1 = min(width, (rect[0] + rect[2]) // 4), min(height, (rect[1] + rect[3]) // 4)
    return b"".join(shot[r * width + x0:r * width + x1] for r in range(y0, y1))


def is_night_sky(blocks):
    if not blocks:
        return False
    lit = sum(1 for v in blocks if v > LIT_LEVEL) / len(blocks)
    dark = sum(1 for v in blocks if v < DARK_LEVEL) / len(blocks)
    return lit >= LIT_MIN and dark >= DARK_MIN


def visible_windows(pids):
    """(id, name, x, y, width, height) of the visible top-level windows of these processes."""
    found = []
    for pid in pids:
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                             capture_output=True, text=True).stdout.split()
        for w in out:
            # A top-level window has a window manager's state; a native
            # child window (an OpenGL view's, say) has none.
            state = subprocess.run(["xprop", "-id", w, "WM_STATE"], capture_output=True,
                                   text=True).stdout
            if "window state" not in state:
                continue
            geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", w],
                                      capture_output=True, text=True).stdout
            name = subprocess.run(["xdotool", "getwindowname", w], capture_output=True,
                                  text=True).stdout.strip()
            g = dict(l.split("=", 1) for l in geometry.split() if "=" in l)
            try:
                found.append((w, name, int(g["X"]), int(g["Y"]), int(g["WIDTH"]),
                              int(g["HEIGHT"])))
            except (KeyError, ValueError):
                pass
    return found


def frames_between(log, t0, t1, window_area):
    """Frames presented in [t0, t1): buffer swaps when the program swaps
    buffers, else its windows' backing-store flushes of at least a quarter of
    its main window (`window_area`, pixels): a widget program flushes its sky
    and its status bar one after the other, and only the first is a frame."""
    try:
        with open(log) as f:
            lines = [l.split() for l in f if l.strip()]
    except OSError:
        return 0, "none"
    swaps = [float(l[0]) for l in lines if l[1] in ("glx", "egl")]
    if swaps:
        stamps, route = swaps, "buffer swaps"
    else:
        stamps = [float(l[0]) for l in lines
                  if l[1] == "flush" and len(l) == 4 and int(l[2]) * int(l[3]) * 4 >= window_area]
        route = "flushes of a quarter of the window or more"
    return sum(1 for t in stamps if t0 <= t < t1), route


def wait_for_sky(watch, proc, t0, processes):
    """Start-up to the sky drawn (seconds from `t0`), the memory at 10 s
    (MiB), what was on the screen when no sky came, and the program's window
    (id, name, x, y, width, height). Ends `watch`."""
    rss, final, window, problem = None, None, None, "no settled screen"
    while time.monotonic() - t0 < START_TIMEOUT_S:
        time.sleep(0.2)
        if proc.poll() is not None:
            problem = f"exited with status {proc.returncode}"
            break
        if rss is None and time.monotonic() - t0 >= MEMORY_AT_S:
            rss = rss_mib(proc.pid)
        shots = watch.read()
        if rss is None or not shots or shots[-1][0] - t0 < SETTLE_S:
            continue
        last = shots[-1]
        recent = [s for s in shots if s[0] >= last[0] - SETTLE_S]
        if recent[0][0] > last[0] - SETTLE_S + 0.3 or any(
                differing(s[1], last[1]) > MATCH_FRACTION for s in recent):
            continue
        windows = visible_windows(tree(proc.pid))
        screen = watch.width * watch.height * 16
        big = [w for w in windows if w[4] * w[5] * 4 >= screen]
        if len(windows) != 1 or not big:
            problem = "windows: " + ", ".join(f"\"{w[1]}\" {w[4]}x{w[5]}" for w in windows)
            continue
        if not is_night_sky(window_blocks(last[1], watch.width, big[0][2:])):
            problem = f"\"{big[0][1]}\" does not show a night sky"
            continue
        final, window = last, big[0]
        break
    processes.end(watch.proc)
    if final is None:
        return None, rss, problem, None
    if differing(watch.shots[0][1], final[1]) <= MATCH_FRACTION:
        return None, rss, "the final screen cannot be told from the empty desktop", None
    # The first screenshot of the last run of screenshots that match the final one.
    drawn = final
    for shot in reversed([s for s in watch.shots if s[0] >= t0]):
        if differing(shot[1], final[1]) > MATCH_FRACTION:
            break
        drawn = shot
    return drawn[0] - t0, rss, None, window


class Program:
    """One program under test; subclasses say how to start it in its home and
    how to stop and speed up its time."""

    name = exe = ""

    def __init__(self, scratch):
        self.home = os.path.join(scratch, self.exe + "-home")

    def available(self):
        return shutil.which(self.exe) is not None

    def prepare(self):
        for d in (".config", ".local/share", ".cache", "run"):
            os.makedirs(os.path.join(self.home, d), mode=0o700, exist_ok=True)

    def env(self, preload, swap_log, bus):
        return dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=f"{self.home}/.config",
                    XDG_DATA_HOME=f"{self.home}/.local/share", XDG_CACHE_HOME=f"{self.home}/.cache",
                    XDG_RUNTIME_DIR=f"{self.home}/run", DBUS_SESSION_BUS_ADDRESS=bus,
                    LD_PRELOAD=preload, SWAP_LOG=swap_log)

    def command(self):
        raise NotImplementedError

    def stop_time(self, session):
        """Stops the program's clock (nothing for a program whose time stands)."""

    def run_fast(self, session):
        raise NotImplementedError

    def after_first_start(self):
        """Sets the like view in settings the first start wrote (nothing to do
        for a program whose settings were written before it started)."""


class Stellix(Program):
    name, exe = "Stellix", "stellix"

    def __init__(self, scratch, path, name="Stellix"):
        super().__init__(scratch)
        self.path, self.name = path, name
        # An earlier build measured beside this one keeps a home of its own.
        if name != Stellix.name:
            self.home = os.path.join(scratch, name.lower().replace(" ", "-") + "-home")

    def available(self):
        return os.access(self.path, os.X_OK)

    # The like view: the local horizon in the sky's colours, facing the south
    # (YRotation 90), its middle 15 degrees up (XRotation 345), zoom 2.5 (90
    # degrees across 1900 of 1920 pixels), with the constellation lines and
    # the boundaries, with whose layer the constellations' names come.
    SETTINGS = """[Settings]
HorizonMode=1
SkyColors=1
AutoMode=1
YRotation=90.0
XRotation=345.0
Zoom=2.5
Constelations=1
Boundaries=1
"""

    def prepare(self):
        super().prepare()
        with open(os.path.join(self.home, "stellix.ini"), "w") as f:
            f.write(self.SETTINGS)

    def command(self):
        # The time stands still until an animation is started.
        return [self.path, "--no-splash", "--settings", os.path.join(self.home, "stellix.ini"),
                "--datetime", f"{DATE}T{TIME}", "--place", "London"]

    def run_fast(self, session):
        session.key("ctrl+f")  # the animation forwards, 1-day steps, 20 a second


class KStars(Program):
    name, exe = "KStars", "kstars"
    # Its start-up wizard answered (London chosen), its tips off, its window
    # maximised: the keys a first run writes into kstarsrc once the wizard is
    # done and "Show tips on startup" is cleared.
    CONFIG = """[General]
KStarsFirstRun=false

[GUI]
RunStartupWizard=false

[TipOfDay]
RunOnStart=false

[Location]
CityName=London
Latitude=51.5
Longitude=-0.11666666666666667
Elevation=4.61000013
DST=EU

[MainWindow]
1920x1080 screen: Window-Maximized=true

[View]
ShowCLines=true
ShowCNames=true
ShowCBounds=true
ZoomFactor=1222.3099629457563
FocusRA=3.170383915976629
FocusDec=-20.444737393252378
IsTracking=true
"""
    # The [View] keys are those KStars itself wrote on leaving after the view
    # was turned to the south, 15 degrees up (setAltAz 15 180) at 22:00 and
    # its field set to 90 degrees across (setApproxFOV 90), with the
    # constellation lines, names and boundaries switched on: a user's saved
    # view. It keeps that place of the sky in the middle (IsTracking) from
    # the present instant, where it could be below the horizon, to the date
    # asked for; with time running the view is held still like the others'. Its wallet, which would ask to be set up by a dialog over the sky
    # on the first start, is off, as a user who answered that dialog has it.
    WALLET = """[Wallet]
Enabled=false
First Use=false
"""

    def prepare(self):
        super().prepare()
        with open(os.path.join(self.home, ".config", "kstarsrc"), "w") as f:
            f.write(self.CONFIG)
        with open(os.path.join(self.home, ".config", "kwalletrc"), "w") as f:
            f.write(self.WALLET)

    def command(self):
        return [self.exe, "--date", f"{DATE} {TIME}", "--paused"]

    def clock(self, session, method, *args):
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.kstars",
                        "/KStars/SimClock", f"org.kde.kstars.SimClock.{method}", *args],
                       env=session.env, capture_output=True, timeout=30)

    def stop_time(self, session):
        self.clock(session, "stop")

    def run_fast(self, session):
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.kstars",
                        "/KStars", "org.kde.kstars.setTracking", "boolean:false"],
                       env=session.env, capture_output=True, timeout=30)
        self.clock(session, "setClockScale", "double:1728000")  # 20 days a second
        self.clock(session, "start")


class Stellarium(Program):
    name, exe = "Stellarium", "stellarium"
    ATMOSPHERE = "false"
    # The like view in the config.ini its first start writes: facing the south
    # with the middle 15 degrees up (the view vector's height tan 15 degrees),
    # a field of 52.5 degrees from top to bottom (90 across 1920 pixels), the
    # constellation lines, names and boundaries on.
    VIEW = {"init_fov": "52.5", "init_view_pos": "1,1e-05,0.268",
            "flag_constellation_drawing": "true", "flag_constellation_name": "true",
            "flag_constellation_boundaries": "true"}

    def after_first_start(self):
        path = os.path.join(self.home, ".stellarium", "config.ini")
        wanted = dict(self.VIEW, flag_atmosphere=self.ATMOSPHERE)
        with open(path) as f:
            lines = f.readlines()
        with open(path, "w") as f:
            for line in lines:
                key = line.split("=", 1)[0].strip()
                f.write(f"{key:<39}= {wanted[key]}\n" if key in wanted and "=" in line else line)

    def command(self):
        return [self.exe, "--sky-date", DATE.replace("-", ""), "--sky-time", TIME,
                "--longitude", str(LONGITUDE), "--latitude", str(LATITUDE)]

    def stop_time(self, session):
        session.key("7")  # time rate zero

    def run_fast(self, session):
        # Real time, then six times faster by its steps: about 10^6 times, 12 days a second.
        session.key("k", *["l"] * 6)


class StellariumWithAtmosphere(Stellarium):
    """Stellarium as its users see it; not counted as the best peer, since
    the others draw no atmosphere."""
    name, ATMOSPHERE = "Stellarium, atmosphere on", "true"

    def __init__(self, scratch):
        super().__init__(scratch)
        self.home = os.path.join(scratch, "stellarium-atmosphere-home")


class Session:
    """One start of one program, from its start to its end."""

    def __init__(self, program, processes, tools, scratch, tag):
        self.program, self.processes = program, processes
        self.swap_log = os.path.join(scratch, f"{tag}.swaps")
        self.shot_file = os.path.join(scratch, f"{tag}.shots")
        self.log = open(os.path.join(scratch, f"{tag}.log"), "w")
        # The services the bus starts (KStars' wallet daemon among them) live
        # in the program's prepared home too, where their settings are, but
        # log no frames of their own.
        bus_env = {k: v for k, v in program.env(tools[0], self.swap_log, "").items()
                   if k not in ("LD_PRELOAD", "SWAP_LOG", "DBUS_SESSION_BUS_ADDRESS")}
        self.bus = processes.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                   env=bus_env, stdout=subprocess.PIPE)
        address = self.bus.stdout.readline().decode().strip()
        if not address:
            raise RuntimeError("dbus-daemon gave no address")
        self.env = program.env(tools[0], self.swap_log, address)
        self.watch = ScreenWatch(processes, tools[1], self.shot_file)
        self.t0 = time.monotonic()
        self.proc = processes.start(program.command(), env=self.env, stdout=self.log,
                                    stderr=subprocess.STDOUT)
        self.main_window, self.main_area = None, 0

    def end(self):
        for proc in (self.proc, self.watch.proc, self.bus):
            self.processes.end(proc)
        self.log.close()

    def key(self, *keys):
        if self.main_window:
            subprocess.run(["xdotool", "windowactivate", "--sync", self.main_window],
                           capture_output=True, timeout=30)
        subprocess.run(["xdotool", "key", "--delay", "100", *keys], capture_output=True, timeout=30)

    def wait_for_sky(self):
        sky, rss, problem, window = wait_for_sky(self.watch, self.proc, self.t0, self.processes)
        if window:
            self.main_window, self.main_area = window[0], window[4] * window[5]
        return sky, rss, problem

    def window(self, seconds=WINDOW_S):
        """Frames presented a second, the route they took and CPU seconds
        over the next `seconds`."""
        c0, t0 = cpu_seconds(self.proc.pid), time.monotonic()
        time.sleep(seconds)
        c1, t1 = cpu_seconds(self.proc.pid), time.monotonic()
        frames, route = frames_between(self.swap_log, t0, t1, self.main_area)
        return frames / (t1 - t0), route, c1 - c0, frames

    def frames_since(self, t):
        return frames_between(self.swap_log, t, time.monotonic() + 1, self.main_area)[0]


def measure(program, processes, tools, scratch, tag, screenshot):
    """One start of `program`: a dict of its figures, or of the problem met."""
    session = Session(program, processes, tools, scratch, tag)
    try:
        sky, rss, problem = session.wait_for_sky()
        result = {"sky": sky, "rss": rss, "problem": problem}
        subprocess.run(["import", "-window", "root", screenshot], capture_output=True)
        if problem:
            return result
        program.stop_time(session)
        time.sleep(1.0)  # let a last frame of the running clock go by
        idle_fps, _, idle_cpu, _ = session.window()
        result["idle_cpu"] = idle_cpu / WINDOW_S
        result["idle_fps"] = idle_fps
        started = time.monotonic()
        program.run_fast(session)
        wait_until(lambda: session.frames_since(started) >= 3, 10.0)
        fps, route, cpu, frames = session.window()
        result.update(fps=fps, route=route,
                      cpu_per_frame=cpu / frames * 1000 if frames else None)
        return result
    finally:
        session.end()


# (label, key, unit, digits, higher is better)
MEASURES = (
    ("Start-up to the sky drawn", "sky", "s", 2, False),
    ("Resident memory at 10 s (process tree)", "rss", "MiB", 0, False),
    ("Frames a second, time running fast", "fps", "/s", 1, True),
    ("CPU per presented frame (all threads)", "cpu_per_frame", "ms", 1, False),
    ("Idle CPU, time stopped (CPU s a second)", "idle_cpu", "", 3, False),
)


def cell(values, unit, digits):
    if not values:
        return "–"
    m = statistics.median(values)
    text = f"{m:.{digits}f}{(' ' + unit) if unit else ''}"
    if len(values) > 1:
        text += f" ({min(values):.{digits}f}–{max(values):.{digits}f})"
    return text


def compare(stellix_path, rounds, screens_dir, before_path=None):
    """Runs the comparison; returns the lines of its report. With before_path,
    an earlier build of Stellix takes its turns too, as "Stellix before"."""
    scratch = tempfile.mkdtemp(prefix="stellix-peers-")
    os.makedirs(screens_dir, exist_ok=True)
    processes = Processes()
    lines = []
    try:
        tools = build_tools(scratch)
        programs = [Stellix(scratch, stellix_path)]
        if before_path:
            programs.append(Stellix(scratch, before_path, "Stellix before"))
        programs += [KStars(scratch), Stellarium(scratch), StellariumWithAtmosphere(scratch)]
        present = [p for p in programs if p.available()]
        results = {p.name: [] for p in present}
        loads = [load()]
        for p in present:
            p.prepare()
            processes.homes.append(p.home)
            # A first start, not counted: Stellarium writes its config.ini,
            # KStars its databases, every program fills Mesa's shader cache.
            tag = os.path.basename(p.home)[:-len("-home")]
            first = measure(p, processes, tools, scratch, f"{tag}-first",
                            os.path.join(screens_dir, f"{tag}-first.png"))
            if first["problem"]:
                lines.append(f"{p.name}, first start: {first['problem']}")
            p.after_first_start()
        shots = {}
        for r in range(rounds):
            order = present[r % len(present):] + present[:r % len(present)]
            for p in order:
                tag = os.path.basename(p.home)[:-len("-home")]
                shots[p.name] = os.path.join(screens_dir, f"{tag}-round{r + 1}.png")
                res = measure(p, processes, tools, scratch, f"{tag}-{r + 1}", shots[p.name])
                loads.append(load())
                results[p.name].append(res)
                if res["problem"]:
                    lines.append(f"{p.name}, round {r + 1}: {res['problem']}")
        lines += table(present, results, programs)
        routes = {p.name: {r.get("route") for r in results[p.name]} - {None} for p in present}
        lines.append("")
        lines.append("Frames counted as: " + "; ".join(
            f"{n} {', '.join(sorted(r)) or '–'}" for n, r in routes.items()))
        lines.append(f"Load (1 min) during the rounds: {min(loads):.1f} to {max(loads):.1f}")
        lines.append("Final screens, one a program: " + ", ".join(shots.values()))
    finally:
        processes.end_all()
        shutil.rmtree(scratch, ignore_errors=True)
    return lines


def table(present, results, programs):
    names = [p.name for p in programs]
    out = ["| Measure | " + " | ".join(names) + " | Stellix / best peer |",
           "|---" * (len(names) + 2) + "|"]
    for label, key, unit, digits, higher in MEASURES:
        values = {n: [r[key] for r in results.get(n, []) if r.get(key) is not None]
                  for n in names}
        row = [cell(values[n], unit, digits) if n in results else "not installed" for n in names]
        medians = {n: statistics.median(v) for n, v in values.items() if v}
        peers = [m for n, m in medians.items()
                 if not n.startswith("Stellix") and n != StellariumWithAtmosphere.name]
        ratio = "–"
        if "Stellix" in medians and peers:
            best = max(peers) if higher else min(peers)
            if best:
                ratio = f"{medians['Stellix'] / best:.2f}"
        out.append(f"| {label} | " + " | ".join(row) + f" | {ratio} |")
    return out
