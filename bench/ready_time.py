#!/usr/bin/env python3
"""Times how long a program needs to be ready with a file: from its start until
it has a window and has gone idle, on the X server named by DISPLAY (e.g.
Xvfb), each run with a fresh home folder. A Qt program is made to use that
X server (QT_QPA_PLATFORM=xcb), whatever the caller's environment says.

Usage: bench/ready_time.py [--json FILE --name NAME] [--home DIR] RUNS COMMAND [ARGS...]

Idle means that the process (all its threads) took less than 5 ms of CPU time
over 1.5 s: a blinking caret or a status bar clock may go on. "Ready" is the
first moment of that quiet spell. Prints one line per run: the seconds until
ready, the CPU seconds until then, and the peak memory (VmHWM). A program
that prints start-up marks (tagsmith with QUILLON_STARTUP_TRACE, which is
set for every program) also gets the median time of each mark, from the
start of the process: where the time goes. --json appends the runs, under
NAME, to FILE (for bench/report.py); --home copies the files of DIR (settings)
into each fresh home folder."""
import glob
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

POLL = 0.005          # seconds between looks at the process...
WINDOW_POLL = 0.02    # ...and at its windows (each look starts xdotool)
IDLE = 1.5            # a quiet spell this long counts as idle...
IDLE_CPU = 0.005      # ...when the process took less CPU time than this in it
LIMIT = 180.0         # give up after this many seconds
TICK = os.sysconf("SC_CLK_TCK")


class CpuTime:
    """CPU time of a process's threads, in nanoseconds where the kernel keeps
    them (schedstat); a thread that ended keeps what it had when last seen."""

    def __init__(self, pid):
        self.pid, self.threads = pid, {}

    def seconds(self):
        for path in glob.glob(f"/proc/{self.pid}/task/*/schedstat"):
            try:
                with open(path) as f:
                    self.threads[path] = int(f.read().split()[0])
            except (OSError, ValueError, IndexError):
                pass
        if self.threads:
            return sum(self.threads.values()) / 1e9
        with open(f"/proc/{self.pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / TICK  # utime + stime


def peak_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def has_window(pid):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    return bool(found.stdout.strip())


def marks_of(text, started):
    """[(what, ms since the start, CPU ms)] from the program's start-up marks."""
    marks = []
    for line in text.splitlines():
        parts = line.split(" ", 3)
        if len(parts) == 4 and parts[0] == "startup":
            marks.append((parts[3], int(parts[1]) / 1000 - started * 1000, int(parts[2]) / 1000))
    return marks


def one_run(command, template=None):
    """{"ready": s, "cpu": s, "peak_kb": n, "marks": [...]} or {"error": text}"""
    # Not in /tmp: an editor that watches its home folder's parent (a side
    # panel of folders) would see every temporary file of other programs.
    home = tempfile.mkdtemp(prefix="ready-home-", dir="/var/tmp" if os.path.isdir("/var/tmp") else None)
    if template:
        shutil.copytree(template, home, dirs_exist_ok=True)
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_CACHE_HOME=f"{home}/.cache",
               XDG_DATA_HOME=f"{home}/.local/share", XDG_STATE_HOME=f"{home}/.local/state",
               QUILLON_STARTUP_TRACE="1",
               # The X server of DISPLAY, whatever the caller's environment
               # says (the test scripts choose the offscreen platform, whose
               # windows no X client can see).
               QT_QPA_PLATFORM="xcb")
    errors = open(f"{home}/stderr.txt", "w+")
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=errors)
    samples, window, peak = [], False, 0   # samples: (seconds since start, CPU seconds)
    candidate = None  # the first sample that may begin the quiet spell
    looked = -WINDOW_POLL  # when the windows were last looked at
    cpu = CpuTime(process.pid)
    try:
        while True:
            time.sleep(POLL)
            now = time.monotonic() - start
            if process.poll() is not None:
                errors.seek(0)
                last = errors.read().strip().splitlines()[:3]
                return {"error": f"exited with status {process.returncode} before it was ready: {' / '.join(last)}"}
            samples.append((now, cpu.seconds()))
            peak = max(peak, peak_kb(process.pid))
            if not window and now - looked >= WINDOW_POLL:
                looked = now
                window = has_window(process.pid)
                candidate = len(samples) - 1
            # A sample followed by too much CPU time never begins the spell.
            while window and now - samples[candidate][0] >= IDLE:
                t, c = samples[candidate]
                if samples[-1][1] - c < IDLE_CPU:
                    errors.seek(0)
                    return {"ready": t, "cpu": c, "peak_kb": peak, "marks": marks_of(errors.read(), start)}
                candidate += 1
            if now > LIMIT:
                return {"error": f"still busy after {LIMIT:.0f} s ({samples[-1][1]:.1f} s of CPU)"}
    finally:
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
        errors.close()
        shutil.rmtree(home, ignore_errors=True)


def mark_medians(runs):
    """(mark, median ms since start, median CPU ms) of each start-up mark over
    the runs, in the order of the first run that has marks."""
    runs = [r["marks"] for r in runs if r.get("marks")]
    if not runs:
        return []
    return [(what,
             statistics.median(t for marks in runs for (w, t, c) in marks if w == what),
             statistics.median(c for marks in runs for (w, t, c) in marks if w == what))
            for what, _, _ in runs[0]]


def print_marks(runs):
    rows = mark_medians(runs)
    if rows:
        print(f"  {'ms since start':>14} {'CPU ms':>8}  mark (medians of {len([r for r in runs if r.get('marks')])} runs)")
    for what, time_ms, cpu_ms in rows:
        print(f"  {time_ms:>14.1f} {cpu_ms:>8.1f}  {what}")


def main(argv):
    json_path = name = template = None
    while argv and argv[0].startswith("--"):
        if argv[0] == "--json" and len(argv) > 1:
            json_path, argv = argv[1], argv[2:]
        elif argv[0] == "--name" and len(argv) > 1:
            name, argv = argv[1], argv[2:]
        elif argv[0] == "--home" and len(argv) > 1:
            template, argv = argv[1], argv[2:]
        else:
            sys.exit(__doc__)
    if len(argv) < 2 or "DISPLAY" not in os.environ:
        sys.exit(__doc__)
    count, command = int(argv[0]), argv[1:]
    runs = []
    for _ in range(count):
        # The X server sometimes refuses a client that comes right after the
        # last one went: such a start is tried again, not counted.
        for _attempt in range(3):
            time.sleep(1.0)
            run = one_run(command, template)
            error = run.get("error", "")
            if not ("could not connect" in error or "open display" in error):
                break
        runs.append(run)
        program = os.path.basename(command[0])
        if "error" in run:
            print(f"{program}: {run['error']}")
        else:
            print(f"{program}: ready after {run['ready']:.2f} s, {run['cpu']:.2f} s of CPU, "
                  f"peak {run['peak_kb'] / 1024:.0f} MB")
        sys.stdout.flush()
    print_marks(runs)
    if json_path:
        data = {}
        if os.path.exists(json_path):
            with open(json_path) as f:
                data = json.load(f)
        data.setdefault(name or " ".join(command), []).extend(runs)
        with open(json_path, "w") as f:
            json.dump(data, f, indent=1)


if __name__ == "__main__":
    main(sys.argv[1:])
