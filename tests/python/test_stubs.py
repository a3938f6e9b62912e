"""The package's annotations and the extension's stubs: signatures that help()
and inspect show, and a script that mypy --strict checks without an error."""

import inspect
import os
import pathlib
import subprocess
import sys

import kep
import kep.dask

EXAMPLE = """
import numpy as np
import kep
import kep.dask

image = kep.load("disc.bmp")
result = kep.measure(image > 0, "box-counting", fit_range=(2, 30), keep_outline=False)
low, high = result.ci95 or (0.0, 0.0)
dimension: float = result.dimension or 0.0
reason: str = result.reason.code if result.reason else ""
table = kep.particles(kep.to_grey(image.astype(np.float32)), prep=True)
files = kep.batch(["a.bmp"], "r.txt", progress=lambda done, total: None, percent=20.5)
kep.dask.measure_files(["a.bmp"], "r.txt", "tcp://localhost:8786", as_frame=True)
version: str = kep.__version__
"""


def test_signatures_and_stubs():
    for function in (kep.load, kep.to_grey, kep.prep, kep.outline, kep.measure, kep.particles,
                     kep.batch, kep.methods, kep.dask.measure_files):
        assert function.__module__ in ("kep", "kep.dask") and function.__doc__
        inspect.signature(function)
    assert str(inspect.signature(kep.particles)) == (
        "(image: 'ImageArray', method: 'Method' = 0, params: 'Params' = None, particle: 'int' = 255, "
        "prep: 'Prep' = None, fit_range: 'FitRange' = None, grid_offsets: 'int' = 1) -> 'Dict[str, Any]'")
    assert kep.FileResult.__module__ == "kep" and kep.Measurement.dimension.__doc__

    package = pathlib.Path(kep.__file__).parent
    assert (package / "py.typed").exists() and (package / "_kep.pyi").exists()
    example = pathlib.Path(os.environ.get("TMPDIR", "/tmp")) / f"kep_stub_example_{os.getpid()}.py"
    example.write_text(EXAMPLE)
    try:
        checked = subprocess.run(
            [sys.executable, "-m", "mypy", "--strict", "--no-incremental", "--cache-dir", os.devnull,
             str(example)], capture_output=True, text=True, env={**os.environ, "MYPYPATH": str(package.parent)})
    finally:
        example.unlink()
    assert checked.returncode == 0, checked.stdout
