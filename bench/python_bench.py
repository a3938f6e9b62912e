"""The Python module's timings for scripts/bench.sh, written as a Markdown section.

kep.measure on the 4096-pixel snowflake against the same measurement in C++ (the
MeasureImage benchmarks of kep_bench), in alternating rounds so that a slow
stretch of a shared machine falls on both, in wall-clock time and in the
measuring thread's processor time, which other work on the machine disturbs
less; and kep.dask.measure_files over the batch pictures on a LocalCluster of one
and of two single-threaded workers.

Usage: python_bench.py KEP_BENCH PICTURES_DIR OUT.md
"""

import json
import pathlib
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
        wall, processor = time.perf_counter(), time.thread_time()
        kep.measure(image, method)
        best = fastest(best, ((time.perf_counter() - wall) * 1000, (time.thread_time() - processor) * 1000))
    return best


def fastest(best, times):
    return times if best is None else tuple(map(min, best, times))


def dask_seconds(files, workers, report):
    """One run over the files, once every worker has imported the module."""
    with LocalCluster(n_workers=workers, threads_per_worker=1, processes=True,
                      dashboard_address=None) as cluster, Client(cluster) as client:
        client.run(lambda: __import__("kep"))
        start = time.perf_counter()
        kep.dask.measure_files(files, report, client)
        return time.perf_counter() - start


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

    files = sorted(str(f) for f in pictures.glob("batch-*.bmp"))
    one = dask_seconds(files, 1, pictures / "dask-1.txt")
    two = dask_seconds(files, 2, pictures / "dask-2.txt")
    same = (pictures / "dask-1.txt").read_bytes() == (pictures / "dask-2.txt").read_bytes()

    lines = [
        "| Method | Time | C++ MeasureImage (ms) | kep.measure (ms) | Python / C++ |",
        "|---|---|---:|---:|---:|",
        *(f"| {m} | {kind} | {cpp[m][i]:.1f} | {python[m][i]:.1f} | {python[m][i] / cpp[m][i]:.3f} |"
          for m in METHODS for i, kind in enumerate(["wall", "processor"])),
        "",
        f"`kep.dask.measure_files` with the default method over {len(files)} generated 1024-pixel",
        f"pictures of random particles: one worker {one:.2f} s, two workers {two:.2f} s,",
        f"{one / two:.2f} times the throughput; the two reports are "
        + ("byte for byte the same." if same else "NOT the same."),
    ]
    pathlib.Path(out).write_text("\n".join(lines) + "\n")
    print("\n".join(lines))


if __name__ == "__main__":
    main(*sys.argv[1:])
