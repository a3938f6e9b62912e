"""Starts each long call of the module in turn and says how it ended, for a parent
that sends SIGINT after each "start" line; then measures PICTURE once more, to show
that the module still works.

    python3 interrupted_calls.py PICTURE REPORT BATCH_FILES JOBS
"""

import signal
import sys

import numpy as np

import kep

# Python leaves Ctrl-C alone when it starts with SIGINT ignored, as a background
# job of a shell without job control does: take it as an interactive run would.
signal.signal(signal.SIGINT, signal.default_int_handler)

picture, report, batch_files, jobs = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
# An 8192-pixel grid of random cells: each call below takes a fraction of a second
# to seconds, and runs again and again until the interrupt comes.
cells = np.random.default_rng(1).random((512, 512)) > 0.5
image = np.kron(cells, np.ones((16, 16), bool))
image[::16, :] = image[:, ::16] = False
calls = {
    "measure": lambda: kep.measure(image, params=(1, 200, 1)),
    "particles": lambda: kep.particles(image),
    "prep": lambda: kep.prep(image, min_hole=1000000),
    "outline": lambda: kep.outline(image, prep=True),
    "batch": lambda: kep.batch([picture] * batch_files, report, jobs=jobs),
}
for name, call in calls.items():
    print("start", name, flush=True)
    try:
        for _ in range(100):
            call()
        print("finished", name, flush=True)
    except KeyboardInterrupt:
        print("interrupted", name, flush=True)
print(kep.measure(kep.load(picture)).dimension, flush=True)
