# SPDX-License-Identifier: MIT
"""Sweeps on the command line against the window: each row of the table, the CSV and the JSON
is compared with what the replay driver's window shows for the same inputs, the CSV read by
Python's csv module and the JSON by its json module. The field checks' sweeps give the same
documents in every regional format, and their CSV the same figures as their JSON.

Usage: sweep_formats_test.py LIFTCALC LIFTCALC_REPLAY"""
import csv
import io
import json
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "support"))
from replay_session import replay_dumps, run  # noqa: E402

liftcalc, replay = sys.argv[1], sys.argv[2]

# name, menu item, metric, locale, fixed inputs, swept input and range
CASES = [
    ("pressure", "mnuStaticPressure", False, "en_US",
     {"diameter": "10", "plungers": "1"}, ("load", "0:60000:7500")),
    ("flow", "mnuFlowRate", True, "de_DE",
     {"diameter": "254", "speed": "0,508"}, ("plungers", "3:-1:-1")),
    ("displacement", "mnuPlungerDisplacement", False, "en_US",
     {"plungers": "2", "speed": "100"}, ("diameter", "0.5:12.5:1.5")),
    ("load", "mnuLoad", True, "de_DE",
     {"diameter": "127", "plungers": "1"}, ("pressure", "-10:1e3:125,5")),
    ("load", "mnuLoad", False, "en_US",
     {"plungers": "1", "pressure": "500"}, ("diameter", "0:1.5:0.25")),
    ("diameter", "mnuDiameterofPlunger", False, "en_US",
     {"plungers": "2.7", "pressure": "400"}, ("load", "1e300:1.2e308:3e307")),
    ("speed", "mnuRatedLoadSpeed", True, "de_DE",
     {"diameter": "127", "plungers": "1"}, ("flow", "0:20:2,5")),
]
# The field each option types into, imperial and metric.
FIELDS = {"diameter": (0, 6), "plungers": (1, 1), "load": (2, 7), "pressure": (3, 8),
          "flow": (4, 9), "displacement": (5, 10), "speed": (11, 12)}
COLUMNS = {"diameter_in": 0, "diameter_mm": 6, "plungers": 1, "load_lb": 2, "load_kg": 7,
           "pressure_psi": 3, "pressure_bar": 8, "flow_gpm": 4, "flow_lps": 9,
           "displacement_gpf": 5, "displacement_lpm": 10, "speed_fpm": 11, "speed_mps": 12}
failures = []


def window_after(menu, metric, locale, inputs):
    """The field texts and messages of the window after typing the inputs and calculating."""
    script = [f"menu {menu}"] + (["click optMetric"] if metric else [])
    script += [f"type {FIELDS[o][metric]} {t}" for o, t in inputs.items()]
    state = replay_dumps(replay, ["--locale", locale], script + ["click cmdCalculate"])[-1]
    return [f["text"] for f in state["fields"]], state["messages"]


def number(text, locale):
    group, decimal = (".", ",") if locale == "de_DE" else (",", ".")
    return float(text.replace(group, "").replace(decimal, ".")) if text else None


def check(what, got, wanted):
    if got != wanted:
        failures.append(f"{what}: got {got!r}, wanted {wanted!r}")


for name, menu, metric, locale, fixed, (swept, span) in CASES:
    base = [name] + (["--metric"] if metric else []) + ["--locale", locale]
    for option, text in fixed.items():
        base += [f"--{option}", text]
    base += [f"--{swept}", span]
    _, table, _ = run([liftcalc] + base)
    csv_status, csv_text, _ = run([liftcalc] + base + ["--csv"])
    json_status, json_text, _ = run([liftcalc] + base + ["--json"])
    check(f"{name} CSV line ends", csv_text.count("\r\n"), csv_text.count("\n"))
    rows = list(csv.DictReader(io.StringIO(csv_text, newline="")))
    document = json.loads(json_text)
    lines = table.splitlines()
    header = lines[0].split()
    check(f"{name} row counts", (len(rows), len(document["rows"])), (len(lines) - 1,) * 2)
    refused_any = False
    for line, row, record in zip(lines[1:], rows, document["rows"]):
        inputs = dict(fixed)
        # The swept value as the table shows it is the text typed into the window.
        swept_column = next(c for c in header if COLUMNS.get(c) == FIELDS[swept][metric])
        inputs[swept] = line.split()[header.index(swept_column)]
        texts, messages = window_after(menu, metric, locale, inputs)
        where = f"{name} {swept}={inputs[swept]}"
        refused = any(m["prompt"].startswith("Did you") for m in messages)
        refused_any |= refused
        check(f"{where} refused in CSV", bool(row["refused"]), refused)
        check(f"{where} refused in JSON", record["refused"] is not None, refused)
        if refused:
            check(f"{where} table reason", line.endswith(row["refused"]), True)
            continue
        cells = line.split("   ")
        cells = [c.strip() for c in cells if c.strip()]
        for column in (c for c in header if c in COLUMNS):
            text = texts[COLUMNS[column]]
            check(f"{where} table {column}", cells[header.index(column)], text)
            check(f"{where} CSV {column}", float(row[column]), number(text, locale))
            check(f"{where} JSON {column}", record[column], number(text, locale))
    check(f"{name} exit status", (csv_status, json_status), (int(refused_any),) * 2)

# Both front ends refuse a locale name that names no locale, with a short message.
for name in ["DE_de", "en_ZZ", "de_DE;x", "x" * 100000]:
    status, _, errors = run([replay, "--locale", name])
    check(f"replay --locale {name[:10]}", (status, len(errors) < 100), (2, True))

# check, metric, inputs in English number settings (one a range); a refused row is kept.
CHECK_SWEEPS = [
    ("oil", False, {"diameter": "4", "plungers": "1", "travel": "12.5:62.5:12.5"}),
    ("drift", True, {"diameter": "150", "plungers": "2", "drift": "0.5:2.5:0.5", "time": "10"}),
    ("car-weight", False, {"diameter": "8", "plungers": "2", "empty-pressure": "100:200:25",
                           "rated-load": "4500"}),
    ("car-load", True, {"diameter": "150", "plungers": "1", "empty-pressure": "10",
                        "loaded-pressure": "16.5:8.5:-2.5"}),
    ("pump", False, {"pressure": "500", "flow": "100", "efficiency": "70:110:10"}),
    ("timed-run", True, {"distance": "10", "time": "18:22:0.5", "rated-speed": "0.5"}),
    ("relief", False, {"full-load-pressure": "400", "relief-setting": "400:600:50"}),
    ("test-pressure", True, {"full-load-pressure": "27.5", "share": "100:200:12.5"}),
    ("hold", False, {"start-pressure": "600", "end-pressure": "640:-40:-80"}),
]
# How each locale writes a point, and the grouping it reads in a figure of thousands.
LOCALES = {"en_US": (".", ","), "de_DE": (",", "."), "fr_FR": (",", "\u202f"),
           "de_CH": (".", "'")}


def typed(text, locale):
    """English number text as typed in the locale, a whole figure of four digits grouped."""
    decimal, group = LOCALES[locale]
    parts = [p.replace(".", decimal) for p in text.split(":")]
    parts = [p[:-3] + group + p[-3:] if p.isdigit() and len(p) == 4 else p for p in parts]
    return ":".join(parts)


for name, metric, inputs in CHECK_SWEEPS:
    documents = {}
    for locale in LOCALES:
        args = [liftcalc, name, "--locale", locale] + (["--metric"] if metric else [])
        for option, text in inputs.items():
            args += [f"--{option}", typed(text, locale)]
        json_status, json_text, _ = run(args + ["--json"])
        csv_status, csv_text, _ = run(args + ["--csv"])
        document = json.loads(json_text)
        documents[locale] = document
        rows = list(csv.DictReader(io.StringIO(csv_text, newline="")))
        check(f"{name} {locale} head", (document["check"], document["units"]),
              (name, "metric" if metric else "imperial"))
        check(f"{name} {locale} rows", len(rows), len(document["rows"]))
        refused = any(r["refused"] for r in document["rows"])
        check(f"{name} {locale} status", (json_status, csv_status), (int(refused),) * 2)
        for row, record in zip(rows, document["rows"]):
            check(f"{name} {locale} CSV", {k: float(v) if v else None for k, v in row.items()
                                           if k != "refused"},
                  {k: v for k, v in record.items() if k != "refused"})
            check(f"{name} {locale} CSV refused", row["refused"], record["refused"] or "")
    for locale, document in documents.items():
        check(f"{name} {locale} JSON as in en_US", document, documents["en_US"])

print("\n".join(failures) or "all sweeps agree with the window")
sys.exit(1 if failures else 0)
