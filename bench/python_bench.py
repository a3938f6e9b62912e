"""The Python module's timings for scripts/bench.sh, written as a Markdown section.

kep.measure on the 4096-pixel snowflake against the same measurement in C++ (the
MeasureImage benchmarks of kep_bench), in alternating rounds so that a slow
stretch of a shared machine falls on both, in wall-clock time and in processor
time (the whole process's for Python, whose calls measure on a thread of their
own while the calling thread watches for Ctrl-C), which other work on the
machine disturbs less; kep.dask.measure_files over the 2048-pixel Dask pictures on a LocalCluster
of one and of two single-threaded workers (whose nannies set
MALLOC_TRIM_THRESHOLD_) against kep.batch on one thread; how long Ctrl-C takes to
reach a script in each long call; and the memory an idle thread pool keeps after
measuring an 8000-pixel array on eight threads.

Usage: python_bench.py KEP_BENCH PICTURES_DIR OUT.md
"""

import json
import os
import pathlib
import signal
import subprocess
import sys
import tempfile
import time

from distributed import Client, LocalCluster

import kep
import kep.dask

ROUNDS = 3
REPEATS = 5
METHODS = ["dilation", "box-counting"]


def cpp_milliseconds(kep_bench):
    """The fastest repetition of each MeasureImage benchmark, by method: (wall, processor)."""
    with tempfile.TemporaryDirectory() as work:
        out = pathlib.Path(work) / "runs.json"
        subprocess.run([kep_bench, "--benchmark_filter=^MeasureImage-", f"--benchmark_out={out}",
                        "--benchmark_out_format=json"], check=True, stdout=subprocess.DEVNULL)
        runs = json.loads(out.read_text())["benchmarks"]
    times = {}
    for run in runs:
        if run.get("run_type") == "iteration":
            method = run["run_name"].split("/")[0].removeprefix("MeasureImage-")
            times[method] = fastest(times.get(method), (run["real_time"], run["cpu_time"]))
    return times


def python_milliseconds(image, method):
    best = None
    for _ in range(REPEATS):
        wall, processor = time.perf_counter(), time.process_time()
        kep.measure(image, method)
        best = fastest(best, ((time.perf_counter() - wall) * 1000, (time.process_time() - processor) * 1000))
    return best


def fastest(best, times):
    return times if best is None else tuple(map(min, best, times))


def dask_seconds(files, workers, report):
    """The faster of two runs over the files, once every worker has imported the module."""
    with LocalCluster(n_workers=workers, threads_per_worker=1, processes=True,
                      dashboard_address=None) as cluster, Client(cluster) as client:
        client.run(lambda: __import__("kep"))
        return min(seconds(lambda: kep.dask.measure_files(files, report, client)) for _ in range(2))


def seconds(work):
    start = time.perf_counter()
    work()
    return time.perf_counter() - start


# The script that starts each long call and says when a KeyboardInterrupt ends it.
INTERRUPTED = str(pathlib.Path(__file__).parent.parent / "tests" / "python" / "interrupted_calls.py")


def interrupt_milliseconds(picture, report, rounds=3):
    """The slowest delay of each call over the rounds, from the SIGINT sent to the
    line the script prints on its KeyboardInterrupt."""
    slowest = {}
    for _ in range(rounds):
        child = subprocess.Popen([sys.executable, INTERRUPTED, picture, report, "5000", "2"],
                                 stdout=subprocess.PIPE, text=True)
        for line in child.stdout:
            if not line.startswith("start "):
                break  # the measurement after the calls
            name = line.split()[1]
            time.sleep(0.3)
            sent = time.perf_counter()
            child.send_signal(signal.SIGINT)
            if child.stdout.readline() != f"interrupted {name}\n":
                raise RuntimeError(f"{name} ended before the signal")
            slowest[name] = max(slowest.get(name, 0.0), (time.perf_counter() - sent) * 1000)
        child.wait()
    return slowest


# A pool of eight threads measures an 8000-pixel array each, then waits.
IDLE_POOL = """
import time, numpy as np, kep
from concurrent.futures import ThreadPoolExecutor
def resident_mib():
    with open("/proc/self/status") as status:
        return next(int(l.split()[1]) for l in status if l.startswith("VmRSS")) / 1024
image = np.kron(np.random.default_rng(1).random((500, 500)) > 0.5, np.ones((16, 16), bool))
image = np.where(image, 255, 0).astype(np.uint8)
before = resident_mib()
with ThreadPoolExecutor(8) as pool:
    list(pool.map(lambda _: kep.measure(image, "box-counting", keep_outline=False), range(8)))
    time.sleep(0.5)
    print(before, resident_mib())
"""


def idle_pool_mib():
    before, idle = subprocess.run([sys.executable, "-c", IDLE_POOL], check=True, capture_output=True,
                                  text=True).stdout.split()
    return float(before), float(idle)


def main(kep_bench, pictures, out):
    pictures = pathlib.Path(pictures)
    image = kep.load(pictures / "snowflake-4096.bmp")
    cpp = {method: None for method in METHODS}
    python = dict(cpp)
    for _ in range(ROUNDS):
        for method, milliseconds in cpp_milliseconds(kep_bench).items():
            cpp[method] = fastest(cpp[method], milliseconds)
        for method in METHODS:
            python[method] = fastest(python[method], python_milliseconds(image, method))

    files = sorted(str(f) for f in pictures.glob("dask-*.bmp"))
    local = min(seconds(lambda: kep.batch(files, pictures / "local.txt", jobs=1)) for _ in range(2))
    one = dask_seconds(files, 1, pictures / "dask-1.txt")
    two = dask_seconds(files, 2, pictures / "dask-2.txt")
    same = (pictures / "dask-1.txt").read_bytes() == (pictures / "dask-2.txt").read_bytes() == (
        pictures / "local.txt").read_bytes()
    interrupts = interrupt_milliseconds(files[0], str(pictures / "interrupted.txt"))
    before, idle = idle_pool_mib()

    lines = [
        "| Method | Time | C++ MeasureImage (ms) | kep.measure (ms) | Python / C++ |",
        "|---|---|---:|---:|---:|",
        *(f"| {m} | {kind} | {cpp[m][i]:.1f} | {python[m][i]:.1f} | {python[m][i] / cpp[m][i]:.3f} |"
          for m in METHODS for i, kind in enumerate(["wall", "processor"])),
        "",
        f"`kep.dask.measure_files` with the default method over {len(files)} generated 2048-pixel",
        f"pictures of random particles: one worker {one:.2f} s, {one / local:.2f} times",
        f"`kep.batch(jobs=1)`'s {local:.2f} s; two workers {two:.2f} s, {one / two:.2f} times the",
        "throughput of one; the three reports are "
        + ("byte for byte the same." if same else "NOT the same."),
        "",
        "Ctrl-C: the slowest of three delays from the SIGINT to the `KeyboardInterrupt` in the",
        "script, in milliseconds: "
        + ", ".join(f"`{name}` {delay:.0f}" for name, delay in interrupts.items()) + ".",
        "",
        f"Memory: a process holding an 8000-pixel array ({before:.0f} MiB resident) has",
        f"{idle:.0f} MiB resident while the pool of eight threads that measured it on each",
        "thread waits.",
    ]
    pathlib.Path(out).write_text("\n".join(lines) + "\n")
    print("\n".join(lines))


if __name__ == "__main__":
    main(*sys.argv[1:])
