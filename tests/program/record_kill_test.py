#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# The program killed at any moment while adding to a record leaves the file either as it was or
# with the new entry: never torn, never empty; the temporary file a kill leaves beside it goes
# with the next save, so they never pile up. Usage: record_kill_test.py LIFTCALC
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

program = sys.argv[1]
add = [program, "relief", "--full-load-pressure", "288.595", "--relief-setting", "420"]


def entries(path):
    shown = subprocess.run([program, "record", "check", path], capture_output=True, text=True)
    assert shown.returncode == 0, f"unreadable after a kill: {shown.stderr}"
    with open(path, encoding="utf-8") as file:
        return file.read().count('"n":')


def left_temporaries(folder):
    return [name for name in os.listdir(folder) if name.startswith(".visit.liftrec.")]


with tempfile.TemporaryDirectory() as folder:
    path = os.path.join(folder, "visit.liftrec")
    subprocess.run(add + ["--record", path], check=True, capture_output=True)
    count = entries(path)
    random.seed(7)
    killed = 0
    for _ in range(60):
        started = subprocess.Popen(add + ["--record", path], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        time.sleep(random.uniform(0, 0.03))
        started.send_signal(signal.SIGKILL)
        killed += started.wait() == -signal.SIGKILL
        after = entries(path)
        assert after in (count, count + 1), f"{count} entries became {after}"
        count = after
        left = left_temporaries(folder)
        assert len(left) <= 1, f"temporary files piled up: {left}"
    assert killed > 0, "no run was killed: the test tried nothing"
    subprocess.run(add + ["--record", path], check=True, capture_output=True)
    assert left_temporaries(folder) == [], f"left after a whole save: {left_temporaries(folder)}"
print("ok")
