# SPDX-License-Identifier: MIT
"""What the Python tests share: running a program, the replay driver's state after each line of
a session, the actions of a scenario file, and the worked example."""
import json
import subprocess

# The worked example the tests start from: one 10-inch plunger carrying 20,000 pounds, typed
# into the window as it opens and calculated with Enter, and the static pressure it shows.
WORKED_EXAMPLE = ["type 0 10", "type 1 1", "type 2 20000", "key Enter"]
WORKED_PRESSURE = "254.648"


def run(command, stdin=b""):
    """Runs a program to its end: its exit status, standard output and standard error."""
    done = subprocess.run(command, input=stdin, capture_output=True, check=False)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8", "replace")


def scenario_actions(path):
    """The locale and the replay lines of a scenario file, without its comments and
    expectations."""
    locale, actions = "en_US", []
    for line in path.read_text(encoding="utf-8").splitlines():
        stripped = line.strip()
        if not stripped or stripped.startswith("#") or stripped.startswith("expect"):
            continue
        if stripped.startswith("locale "):
            locale = stripped.split()[1]
            continue
        actions.append(line.lstrip(" \t"))
    return locale, actions


def replay_dumps(replay, options, actions):
    """For each action, the replay driver's state after it, or None where the driver refused
    the line. `options` choose the regional settings (--locale NAME, --number-format ...)."""
    _, out, _ = run([replay, *options], "".join(a + "\ndump\n" for a in actions).encode())
    lines = out.split("\n")  # not splitlines(): typed text may hold U+2028 and the like
    dumps, at = [], 0
    for _ in actions:
        refused = "error" in json.loads(lines[at])
        at += 1 if refused else 0
        dumps.append(None if refused else json.loads(lines[at]))
        at += 1
    return dumps
