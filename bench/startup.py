#!/usr/bin/env python3
"""Start-up of the selector next to a minimal Qt Widgets program, alternately:
the median time until a visible window titled "Vellimar UPS Selector" exists,
and of the peak resident memory. Without a display it starts its own Xvfb.
Usage: bench/startup.py build/vellimar-ups-selector build/bench/minimal_window data [RUNS]"""
import os
import statistics
import subprocess
import sys
import time

CLOSE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "x11_close.py")


def one_run(program, workdir):
    start = time.perf_counter()
    process = subprocess.Popen([program], cwd=workdir, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = ""
    while not window:
        if time.perf_counter() - start > 20:
            process.kill()
            raise SystemExit(f"{program}: no window within 20 s")
        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Vellimar UPS Selector$"],
                                capture_output=True, text=True).stdout.split("\n")[0]
    shown = time.perf_counter() - start
    subprocess.run([sys.executable, CLOSE, window], check=True)  # as a window manager closes it
    _, status, usage = os.wait4(process.pid, 0)
    if status != 0:
        raise SystemExit(f"{program}: ended with status {status}")
    return shown, usage.ru_maxrss  # seconds, KiB


if len(sys.argv) < 4:
    raise SystemExit(__doc__)
if not os.environ.get("DISPLAY"):  # -noreset: a server that resets refuses the next program a moment
    os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24 -noreset",
                           sys.executable, os.path.abspath(__file__)] + sys.argv[1:])
programs = {"selector": os.path.abspath(sys.argv[1]), "minimal": os.path.abspath(sys.argv[2])}
workdir, runs = os.path.abspath(sys.argv[3]), int(sys.argv[4]) if len(sys.argv) > 4 else 20
results = {name: [] for name in programs}
for _ in range(runs + 1):  # alternately, so a noisy moment hits both alike; the first warms the file cache
    for name, program in programs.items():
        results[name].append(one_run(program, workdir))
median = {name: [statistics.median(r[i] for r in results[name][1:]) for i in (0, 1)] for name in programs}
print(f"runs: {runs} each (median; window shown = visible window with the title found)")
for name, (shown, memory) in median.items():
    print(f"{name}: window shown after {shown * 1000:.1f} ms, peak memory {memory / 1024:.1f} MiB")
print(f"ratio: time {median['selector'][0] / median['minimal'][0]:.2f}, "
      f"peak memory {median['selector'][1] / median['minimal'][1]:.2f}")
