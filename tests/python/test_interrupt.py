"""Ctrl-C reaches a script at once in every long call of the module, and the
module goes on measuring afterwards: a real SIGINT sent to a Python process."""

import os
import pathlib
import signal
import subprocess
import sys
import time

import kep
from conftest import sample

# Each call takes seconds; the parent interrupts it shortly after it starts.
SCRIPT = """
import sys, numpy as np, kep
cells = np.random.default_rng(1).random((512, 512)) > 0.5
image = np.kron(cells, np.ones((16, 16), bool))
image[::16, :] = image[:, ::16] = False
calls = {
    "measure": lambda: kep.measure(image, params=(1, 200, 1)),
    "particles": lambda: kep.particles(image),
    "prep": lambda: kep.prep(image, min_hole=1000000),
    "outline": lambda: kep.outline(image, prep=True),
    "batch": lambda: kep.batch([sys.argv[1]] * 20000, sys.argv[2], jobs=1),
}
for name, call in calls.items():
    print("start", name, flush=True)
    try:
        call()
        print("finished", name, flush=True)
    except KeyboardInterrupt:
        print("interrupted", name, flush=True)
print(kep.measure(kep.load(sys.argv[1])).dimension, flush=True)
"""


def test_ctrl_c_interrupts_every_long_call_at_once(tmp_path):
    report = tmp_path / "report.txt"
    child = subprocess.Popen([sys.executable, "-c", SCRIPT, sample("disc-8bit.bmp"), str(report)],
                             stdout=subprocess.PIPE, text=True, env=os.environ)
    try:
        for name in ["measure", "particles", "prep", "outline", "batch"]:
            assert child.stdout.readline() == f"start {name}\n"
            time.sleep(0.1)
            child.send_signal(signal.SIGINT)
            sent = time.monotonic()
            assert child.stdout.readline() == f"interrupted {name}\n"
            # Generous for a loaded machine: the calls take seconds, and bench/
            # measures the true delay.
            assert time.monotonic() - sent < 1.0, name
        assert float(child.stdout.readline()) == kep.measure(kep.load(sample("disc-8bit.bmp"))).dimension
        assert child.wait(timeout=30) == 0
    finally:
        child.kill()
    assert list(pathlib.Path(tmp_path).iterdir()) == []
