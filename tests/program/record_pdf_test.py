#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The test record's PDF, checked from outside the program with Debian's poppler-utils: the
paper (A4 and Letter, named and by the regional settings), every figure `record show` prints
found in the PDF's text with the words of the pages, the record's own file attached byte for
byte, and a long record with hostile texts over many pages, each with its foot.

usage: record_pdf_test.py LIFTCALC
"""
import datetime
import json
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

# Calculations added to the record, as a person would add them on the command line.
CALCULATIONS = [
    ["car-weight", "--diameter", "8", "--plungers", "2", "--empty-pressure", "120.5",
     "--rated-load", "4500"],
    ["relief", "--full-load-pressure", "165.262", "--relief-setting", "230"],
    ["pump", "--metric", "--pressure", "40", "--flow", "2.5", "--efficiency", "65"],
    ["hold", "--start-pressure", "600", "--end-pressure", "570"],
    ["pressure", "--diameter", "10", "--plungers", "1", "--load", "20000"],
]

# Paper size in points as pdfinfo gives it, rounded.
PAPERS = {"a4": (595, 842), "letter": (612, 792)}

WORDS = ["Hydraulic elevator test record", "Tested by", "Witnessed by", "Name", "Signature",
         "Device ID", "Rated load", "Remarks"]


def run(*args, env=None, check=True):
    result = subprocess.run(list(args), capture_output=True, env=env)
    if check and result.returncode != 0:
        raise AssertionError(f"{args}: exit {result.returncode}: {result.stderr.decode()}")
    return result


def paper_of(pdf):
    info = run("pdfinfo", str(pdf)).stdout.decode()
    width, height = re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts", info).groups()
    pages = int(re.search(r"Pages:\s+(\d+)", info).group(1))
    return (round(float(width)), round(float(height))), pages


def text_of(pdf):
    return run("pdftotext", "-enc", "UTF-8", str(pdf), "-").stdout.decode()


def attached(pdf, folder):
    listed = run("pdfdetach", "-list", str(pdf)).stdout.decode()
    saved = folder / "attached"
    run("pdfdetach", "-save", "1", "-o", str(saved), str(pdf))
    return listed, saved.read_bytes()


def shown_figures(liftcalc, record):
    """Every figure `record show` prints, with its unit: "4,500 LB", "145.533 %"."""
    shown = run(liftcalc, "record", "show", str(record)).stdout.decode()
    figures = []
    for line in shown.splitlines():
        if line.startswith("    ") and not line.strip().startswith(("Context", "Verdict", "Note")):
            figures += re.findall(r"(-?[\d,]+(?:\.\d+)?(?: [A-Z%/]+)?)(?=\s{2,}|$)", line.strip())
    return figures


def check_papers(liftcalc, record, folder):
    problems = []
    cases = [(["--paper", "a4"], {}, "a4"), (["--paper", "letter"], {}, "letter"),
             ([], {"LC_ALL": "en_US.UTF-8"}, "letter"), ([], {"LC_ALL": "de_DE.UTF-8"}, "a4"),
             (["--locale", "en_US"], {"LC_ALL": "de_DE.UTF-8"}, "letter"),
             (["--paper", "a4", "--locale", "en_US"], {}, "a4")]
    for i, (options, env, paper) in enumerate(cases):
        pdf = folder / f"paper{i}.pdf"
        run(liftcalc, "record", "pdf", str(record), "--output", str(pdf), *options,
            env={**os.environ, **env})
        size, _ = paper_of(pdf)
        if size != PAPERS[paper]:
            problems.append(f"{options} {env}: paper {size}, not {paper}")
    return problems


def check_text_and_file(liftcalc, record, folder):
    problems = []
    pdf = folder / "record.pdf"
    run(liftcalc, "record", "pdf", str(record), "--output", str(pdf), "--paper", "a4")
    text = " ".join(text_of(pdf).split())
    figures = shown_figures(liftcalc, record)
    if len(figures) < 30:
        problems.append(f"record show gave only {figures}")
    problems += [f"figure {f!r} not in the PDF" for f in figures if f not in text]
    record_id = json.loads(record.read_bytes())["id"]
    today = datetime.date.today().isoformat()
    for word in WORDS + [record_id[:8], "Page 1 of 1", f"Printed {today}"]:
        if word not in text:
            problems.append(f"{word!r} not in the PDF")
    listed, bytes = attached(pdf, folder)
    if "1 embedded files" not in listed or record.name not in listed:
        problems.append(f"pdfdetach lists {listed!r}")
    if bytes != record.read_bytes():
        problems.append("the attached file is not the record's file")
    return problems


def check_long_record(liftcalc, record, folder):
    """A hundred entries with hostile texts in them: pages each with its foot, every text as
    typed, the file still attached whole."""
    problems = []
    data = json.loads(record.read_bytes())
    entries = [dict(data["entries"][i % len(data["entries"])]) for i in range(100)]
    for n, entry in enumerate(entries, 1):
        entry["n"] = n
    entries[0]["note"] = "<b>not bold</b> &amp; 100% %1 %2\nnext line Prüfung Ø"
    entries[1]["context"] = "X" * 3000
    data["entries"] = entries
    data["visit"]["remarks"] = "Remarks line one\nline two"
    long = folder / "long.liftrec"
    long.write_text(json.dumps(data, ensure_ascii=False), encoding="utf-8")
    pdf = folder / "long.pdf"
    run(liftcalc, "record", "pdf", str(long), "--output", str(pdf), "--paper", "letter")
    _, pages = paper_of(pdf)
    text = " ".join(text_of(pdf).split())
    if pages < 3:
        problems.append(f"a hundred entries on {pages} pages")
    for page in range(1, pages + 1):
        if f"Page {page} of {pages}" not in text:
            problems.append(f"no foot 'Page {page} of {pages}'")
    for typed in ["<b>not bold</b> &amp; 100% %1 %2", "next line Prüfung Ø", "No. 100",
                  "Remarks line one"]:
        if typed not in text:
            problems.append(f"{typed!r} not in the long PDF")
    if text.replace(" ", "").count("X") < 3000:
        problems.append("the long context is cut")
    if attached(pdf, folder)[1] != long.read_bytes():
        problems.append("the long record is not attached whole")
    return problems


def check_refusals(liftcalc, record, folder):
    """A file that is no record, a missing --output and an unwritable output are refused with
    their reasons, and nothing is written."""
    problems = []
    bad = folder / "bad.liftrec"
    bad.write_text("{not json")
    cases = [([str(bad), "--output", str(folder / "bad.pdf")], 2, "not JSON"),
             ([str(record)], 2, "--output"),
             ([str(record), "--output", str(folder / "none" / "x.pdf")], 1, "No such file"),
             ([str(record), "--output", str(folder / "p.pdf"), "--paper", "a3"], 2, "--paper")]
    for args, status, says in cases:
        result = run(liftcalc, "record", "pdf", *args, check=False)
        err = result.stderr.decode()
        if result.returncode != status or says not in err or err.count("\n") > 2:
            problems.append(f"{args}: exit {result.returncode}, {err!r}")
    if (folder / "bad.pdf").exists():
        problems.append("a PDF was written for a file that is no record")
    return problems


def main():
    liftcalc = sys.argv[1]
    with tempfile.TemporaryDirectory(prefix="liftcalc-pdf-") as name:
        folder = Path(name)
        record = folder / "visit.liftrec"
        for args in CALCULATIONS:
            run(liftcalc, *args, "--record", str(record))
        problems = check_papers(liftcalc, record, folder)
        problems += check_text_and_file(liftcalc, record, folder)
        problems += check_long_record(liftcalc, record, folder)
        problems += check_refusals(liftcalc, record, folder)
    for p in problems:
        print("FAIL", p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
