#!/usr/bin/env python3
"""Times how long a program needs to be ready with a file: from its start until
it has a window and its CPU time stops growing (it has gone idle), on the X
server named by DISPLAY (e.g. Xvfb), each run with a fresh home folder.

Usage: bench/ready_time.py RUNS COMMAND [ARGS...]
Prints one line per run: the seconds until ready (the moment its CPU time last
grew), its CPU seconds, and its peak memory (VmHWM)."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

POLL = 0.02           # seconds between looks at the process
IDLE = 1.5            # CPU time unchanged this long counts as idle
LIMIT = 180.0         # give up after this many seconds
TICK = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
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


def one_run(command):
    home = tempfile.mkdtemp(prefix="ready-home-")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_CACHE_HOME=f"{home}/.cache",
               XDG_DATA_HOME=f"{home}/.local/share", XDG_STATE_HOME=f"{home}/.local/state")
    start = time.monotonic()
    errors = open(f"{home}/stderr.txt", "w+")
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=errors)
    last_cpu, last_change, window, peak = -1.0, start, False, 0
    try:
        while True:
            time.sleep(POLL)
            now = time.monotonic()
            if process.poll() is not None:
                errors.seek(0)
                last = errors.read().strip().splitlines()[:3]
                return None, f"exited with status {process.returncode} before it was ready: {' / '.join(last)}", 0
            cpu = cpu_seconds(process.pid)
            peak = max(peak, peak_kb(process.pid))
            if cpu != last_cpu:
                last_cpu, last_change = cpu, now
            window = window or has_window(process.pid)
            if window and now - last_change >= IDLE:
                return last_change - start, f"{last_cpu:.2f}", peak
            if now - start > LIMIT:
                return None, f"still busy after {LIMIT:.0f} s ({last_cpu:.1f} s of CPU)", peak
    finally:
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
        errors.close()
        shutil.rmtree(home, ignore_errors=True)


def main():
    if len(sys.argv) < 3 or "DISPLAY" not in os.environ:
        sys.exit(__doc__)
    runs, command = int(sys.argv[1]), sys.argv[2:]
    for _ in range(runs):
        # The X server sometimes refuses a client that comes right after the
        # last one went: such a start is tried again, not counted.
        for _attempt in range(3):
            time.sleep(1.0)
            seconds, cpu, peak = one_run(command)
            if seconds is not None or not ("could not connect" in cpu or "open display" in cpu):
                break
        if seconds is None:
            print(f"{os.path.basename(command[0])}: {cpu}")
        else:
            print(f"{os.path.basename(command[0])}: ready after {seconds:.2f} s, {cpu} s of CPU, "
                  f"peak {peak / 1024:.0f} MB")
        sys.stdout.flush()


if __name__ == "__main__":
    main()
