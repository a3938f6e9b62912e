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

# The calls, each of which takes seconds; the parent interrupts each shortly
# after it starts.
SCRIPT = str(pathlib.Path(__file__).with_name("interrupted_calls.py"))


def test_ctrl_c_interrupts_every_long_call_at_once(tmp_path):
    report = tmp_path / "report.txt"
    child = subprocess.Popen(
        [sys.executable, SCRIPT, sample("disc-8bit.bmp"), str(report), "20000", "1"],
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
