#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# The desktop program keeps the open record in its data folder as soon as it opens one, and the
# copy survives the program killed at any moment: whole, either the record before or the one
# after, never torn; the next start opens it again and keeps it as it was.
# Usage: kept_record_kill_test.py LIFTCALC
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

program = sys.argv[1]
add = [program, "relief", "--full-load-pressure", "288.595", "--relief-setting", "420"]


def record_of(kept):
    """The record part of the kept copy: the file's bytes after its three lines of head."""
    head, _, rest = kept.partition(b"\n")
    assert head == b"liftcalc open record 1", f"not a kept record: {kept[:40]!r}"
    _, _, rest = rest.partition(b"\n")
    state, _, record = rest.partition(b"\n")
    assert state in (b"fresh", b"changed", b"saved"), f"no state: {state!r}"
    return record


def run_window(environment, *arguments):
    return subprocess.Popen([program, "-platform", "offscreen", *arguments], env=environment,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def wait_for(condition, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if condition():
            return True
        time.sleep(0.05)
    return False


with tempfile.TemporaryDirectory() as folder:
    environment = dict(os.environ, XDG_DATA_HOME=os.path.join(folder, "data"))
    kept = os.path.join(folder, "data", "liftcalc", "open-record")
    records = []
    for name, count in (("a", 1), ("b", 3)):
        path = os.path.join(folder, f"{name}.liftrec")
        for _ in range(count):
            subprocess.run(add + ["--record", path], check=True, capture_output=True)
        with open(path, "rb") as file:
            records.append((path, file.read()))

    def kept_record():
        try:
            with open(kept, "rb") as file:
                return record_of(file.read())
        except FileNotFoundError:
            return None

    # Opened from the command line, as a file manager does, the record is kept at once.
    started = run_window(environment, records[0][0])
    assert wait_for(lambda: kept_record() == records[0][1]), "the opened record was not kept"
    started.send_signal(signal.SIGKILL)
    started.wait()

    # Killed at random moments while it keeps one record or the other, the copy is whole.
    random.seed(11)
    for turn in range(30):
        path, _ = records[turn % 2]
        started = run_window(environment, path)
        time.sleep(random.uniform(0, 0.4))
        started.send_signal(signal.SIGKILL)
        started.wait()
        now = kept_record()
        assert now in (records[0][1], records[1][1]), f"turn {turn}: the kept copy is torn"

    # The next start, with no file named, opens the kept record and keeps it as it was.
    before = kept_record()
    started = run_window(environment)
    time.sleep(2)
    started.send_signal(signal.SIGKILL)
    started.wait()
    assert kept_record() == before, "a start without a file replaced the kept record"
print("ok")
