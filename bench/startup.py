#!/usr/bin/env python3
"""Start-up of the selector next to a minimal Qt Widgets program.

For each run: start the program in a real X server, wait until a visible
window titled "Vellimar UPS Selector" exists (the category menu), close it as
a window manager would, and take the peak resident memory of the process.
Without a display it starts its own Xvfb, e.g.:
    bench/startup.py build/vellimar-ups-selector build/bench/minimal_window data 20
"""
import os
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
CLOSE = os.path.join(HERE, "..", "tests", "e2e", "x11_close.py")
TITLE = "^Vellimar UPS Selector$"


def find_window():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TITLE],
                           capture_output=True, text=True)
    lines = found.stdout.split()
    return lines[0] if lines else None


def one_run(program, workdir):
    start = time.perf_counter()
    process = subprocess.Popen([program], cwd=workdir, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = None
    while window is None:
        if time.perf_counter() - start > 20:
            process.kill()
            raise SystemExit(f"{program}: no window within 20 s")
        window = find_window()
    shown = time.perf_counter() - start
    subprocess.run([sys.executable, CLOSE, window], check=True)
    _, status, usage = os.wait4(process.pid, 0)
    if status != 0:
        raise SystemExit(f"{program}: ended with status {status}")
    return shown, usage.ru_maxrss  # seconds, KiB


def main():
    if len(sys.argv) < 4:
        raise SystemExit(__doc__)
    if not os.environ.get("DISPLAY"):
        # -noreset: a server that resets whenever its last client leaves
        # refuses the next program for a moment.
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24 -noreset",
                               sys.executable, os.path.abspath(__file__)] + sys.argv[1:])
    selector, minimal, workdir = (os.path.abspath(a) for a in sys.argv[1:4])
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 20
    # Alternate the two programs so that a noisy moment hits both alike.
    programs = (("selector", selector), ("minimal", minimal))
    for _, program in programs:
        one_run(program, workdir)  # warm the file cache
    results = {"selector": ([], []), "minimal": ([], [])}
    for _ in range(runs):
        for name, program in programs:
            shown, peak = one_run(program, workdir)
            results[name][0].append(shown)
            results[name][1].append(peak)
    sel_t, sel_m = statistics.median(results["selector"][0]), statistics.median(results["selector"][1])
    min_t, min_m = statistics.median(results["minimal"][0]), statistics.median(results["minimal"][1])
    print(f"runs: {runs} each (median; window shown = visible window with the title found)")
    print(f"selector: window shown after {sel_t * 1000:.1f} ms, peak memory {sel_m / 1024:.1f} MiB")
    print(f"minimal:  window shown after {min_t * 1000:.1f} ms, peak memory {min_m / 1024:.1f} MiB")
    print(f"ratio: time {sel_t / min_t:.2f}, peak memory {sel_m / min_m:.2f}")


if __name__ == "__main__":
    main()
