#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The test record's panel in headless Chromium, driven as a person drives it:

- the record kept in the browser across a reload and the page's own Exit, in both layouts, and
  the panel covering a phone's whole screen;
- the browser refusing its storage: the panel says the record is not kept and its download is
  a file the command line reads;
- a file written by the command line opened in the page and saved again, and files that are not
  records refused with the reader's reason, the open record left as it was;
- the record printed: in print only the record shows, and the browser's PDF holds its words,
  figures and foot;
- the single-file page opened from disk keeps a record as well;
- the record window's replay scenarios that need no files played through the panel beside the
  calculator, the page compared with the replay driver's dump after every line (a browser has
  no folders to pick files from, so the scenarios of files are the desktop's and the driver's
  alone).

usage: record_page_test.py SITE_DIR LIFTCALC REPLAY_COMMAND SCENARIO_DIR
"""
import base64
import json
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from headless import Site, browser
from record_scenarios import check_record_scenarios

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "support"))
from replay_session import WORKED_PRESSURE  # noqa: E402

WIDTHS = {"desktop": 1280, "narrow": 360}
# Typed where a person may type anything: markup, quotes, line-breaking and non-Latin text.
DEVICE_ID = 'CA-12 <b>"x"</b> & Zoë 山田'
CONTEXT = "car at top landing, rated load"

# Any element outside the record's paper that a print would show.
PRINTED_OUTSIDE = """
const paper = document.getElementById('recordPaper');
const shown = [];
for (const e of document.body.querySelectorAll('*'))
  if (!paper.contains(e) && !e.contains(paper) && e.getClientRects().length > 0)
    shown.push(e.id || e.tagName);
return shown;
"""

# Whether the panel covers the screen: every tenth of it across and down reaches the panel.
UNDER_THE_PANEL = """
const panel = document.getElementById('recordWindow');
const seen = [];
for (let x = 1; x < 10; ++x)
  for (let y = 1; y < 10; ++y) {
    const e = document.elementFromPoint(innerWidth * x / 10, innerHeight * y / 10);
    if (!e || !panel.contains(e)) seen.push(`${x},${y}: ${e ? e.id || e.tagName : 'nothing'}`);
  }
return seen;
"""


class Page:
    def __init__(self, driver, url, layout="desktop"):
        self.d = driver
        driver.set_window_size(WIDTHS[layout], 900)
        driver.get(f"{url}?layout={layout}")
        self.wait("!!window.liftcalcPage")

    def wait(self, condition, what=None):
        for _ in range(100):
            if self.d.execute_script(f"return {condition}"):
                return
            time.sleep(0.05)
        raise AssertionError(what or f"never: {condition}")

    def menu(self, item):
        self.d.execute_script(
            "document.getElementById(arguments[0]).closest('.menu').querySelector('button').click()", item)
        self.d.find_element(By.ID, item).click()

    def type(self, element_id, text):
        field = self.d.find_element(By.ID, element_id)
        field.click()
        self.d.execute_script("arguments[0].select()", field)
        self.d.execute_cdp_cmd("Input.insertText", {"text": text})

    # The worked example in the calculator window, added to the record.
    def add_calculation(self):
        for index, text in [(0, "10"), (1, "1"), (2, "20000")]:
            self.type(f"Text1_{index}", text)
        self.d.find_element(By.ID, "Text1_2").click()
        self.d.execute_script("window.liftcalcPage.pressKey('Enter')")
        self.menu("mnuAddToTestRecord")

    def open_record(self):
        self.menu("mnuTestRecord")
        self.wait("document.getElementById('recordWindow').open", "the record panel did not open")

    def state(self):
        return self.d.execute_script("""
            const rows = [...document.querySelectorAll('#entries .record-entry')];
            return {device: document.getElementById('record_device_id').value,
                    title: document.getElementById('recordTitle').textContent,
                    notKept: !document.getElementById('recordNotKept').hidden,
                    box: document.getElementById('messageBox').open ?
                         document.getElementById('messagePrompt').textContent : null,
                    entries: rows.map((r) => ({figures: r.querySelector('.entry-figures').textContent,
                                               head: r.querySelector('.entry-head').textContent,
                                               context: r.querySelector('input').value,
                                               verdict: r.querySelector('select').selectedIndex}))};""")

    def close_box(self):
        self.d.find_element(By.ID, "messageOk").click()


def downloads_to(driver):
    folder = Path(tempfile.mkdtemp(prefix="liftcalc-downloads-"))
    driver.execute_cdp_cmd("Browser.setDownloadBehavior", {"behavior": "allow", "downloadPath": str(folder)})
    return folder


def downloaded(folder, suffix):
    for _ in range(100):
        files = [f for f in folder.iterdir() if f.name.endswith(suffix)]
        if files:
            return files[0]
        time.sleep(0.05)
    raise AssertionError(f"nothing ending in {suffix} was downloaded")


def record_check(liftcalc, path):
    done = subprocess.run([liftcalc, "record", "check", str(path)], capture_output=True, text=True)
    return done.returncode, done.stdout + done.stderr


def expect(problems, what, seen, wanted):
    if seen != wanted:
        problems.append(f"{what}: {seen!r}, not {wanted!r}")


def check_kept(url, layout):
    """Typed, added and set in the panel; back after a reload and after the page's Exit."""
    problems = []
    driver = browser()
    try:
        page = Page(driver, url, layout)
        page.add_calculation()
        page.open_record()
        page.type("record_device_id", DEVICE_ID)
        page.type("recordEntry_0_5", CONTEXT)
        driver.execute_script("""const v = document.getElementById('recordEntry_0_6');
            v.selectedIndex = 1; v.dispatchEvent(new Event('change'));""")
        if layout == "narrow":
            expect(problems, f"[{layout}] calculator showing beside the panel", driver.execute_script(UNDER_THE_PANEL), [])
        before = page.state()
        if len(before["entries"]) != 1 or WORKED_PRESSURE not in before["entries"][0]["figures"]:
            problems.append(f"[{layout}] the added entry: {before['entries']}")
        for how in ["reload", "exit"]:
            if how == "reload":
                driver.refresh()
            else:
                driver.execute_script("document.getElementById('recordWindow').close()")
                driver.find_element(By.ID, "cmdExit").click()
                driver.find_element(By.ID, "startAgain").click()
            page.wait("!!window.liftcalcPage && document.getElementById('window').isConnected")
            page.open_record()
            expect(problems, f"[{layout}] after {how}", page.state(), before)
        problems += check_new_record(page, layout, before)
    finally:
        driver.quit()
    return problems


def check_new_record(page, layout, before):
    """New on a record never saved asks first: Cancel keeps it, Don't save starts a new one,
    which is the one kept from then on."""
    problems = []
    d = page.d

    def new(answer):
        d.find_element(By.ID, "cmdNew").click()
        page.wait("document.getElementById('recordQuestion').open", f"[{layout}] New did not ask first")
        d.find_element(By.XPATH, f"//dialog[@id='recordQuestion']//button[normalize-space()=\"{answer}\"]").click()

    new("Cancel")
    expect(problems, f"[{layout}] the record after New, Cancel", page.state(), before)
    new("Don't save")
    after = page.state()
    expect(problems, f"[{layout}] the new record's entries", after["entries"], [])
    expect(problems, f"[{layout}] the new record's device ID", after["device"], "")
    d.refresh()
    page.wait("!!window.liftcalcPage")
    page.open_record()
    expect(problems, f"[{layout}] the new record after a reload", page.state(), after)
    return problems


def check_refused_storage(url, liftcalc):
    """Storage that refuses every write: the panel says so, and its download is a sound record."""
    problems = []
    driver = browser()
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
            Storage.prototype.setItem = function () {
              throw new DOMException('The quota has been exceeded.', 'QuotaExceededError');
            };"""})
        folder = downloads_to(driver)
        page = Page(driver, url)
        page.add_calculation()
        page.open_record()
        page.type("record_device_id", DEVICE_ID)
        if not page.state()["notKept"]:
            problems.append("refused storage: the panel does not say the record is not kept")
        driver.find_element(By.ID, "recordDownload").click()
        file = downloaded(folder, ".liftrec")
        status, said = record_check(liftcalc, file)
        expect(problems, f"refused storage: record check of the download ({said})", status, 0)
        saved = json.loads(file.read_text(encoding="utf-8"))
        expect(problems, "refused storage: the download's device ID", saved["lift"]["device_id"], DEVICE_ID)
        expect(problems, "refused storage: the download's entries", len(saved["entries"]), 1)
    finally:
        driver.quit()
    return problems


def check_files(url, liftcalc):
    """The command line's file opens in the page and saves again; what is not a record is refused."""
    problems = []
    work = Path(tempfile.mkdtemp(prefix="liftcalc-files-"))
    made = work / "visit.liftrec"
    subprocess.run([liftcalc, "relief", "--full-load-pressure", "288.595", "--relief-setting", "420",
                    "--record", str(made)], check=True, capture_output=True)
    refused = {
        "not-json.liftrec": (b"{\"format\": liftcalc", "Line 1, column"),
        "large.liftrec": (b" " * (16 * 1024 * 1024 + 1), "16 MiB"),
        "newer.liftrec": (json.dumps({"format": "liftcalc-record", "version": 2}).encode(), "record version 2"),
    }
    for name, (content, _) in refused.items():
        (work / name).write_bytes(content)
    driver = browser()
    try:
        folder = downloads_to(driver)
        page = Page(driver, url)
        page.open_record()
        # Open asks the browser for a file; the person picks one in the file input.
        driver.find_element(By.ID, "cmdOpen").click()
        driver.find_element(By.ID, "recordFile").send_keys(str(made))
        page.wait("document.querySelectorAll('#entries .record-entry').length === 1", "the CLI's record did not open")
        opened = page.state()
        if "visit.liftrec" not in opened["title"] or "288.595" not in opened["entries"][0]["figures"]:
            problems.append(f"the command line's record in the page: {opened}")
        for name, (_, reason) in refused.items():
            driver.find_element(By.ID, "recordFile").send_keys(str(work / name))
            page.wait("document.getElementById('messageBox').open", f"{name}: no message")
            state = page.state()
            if reason not in state["box"]:
                problems.append(f"{name}: the message {state['box']!r} does not say {reason!r}")
            page.close_box()
            expect(problems, f"{name}: the open record afterwards", {**page.state(), "box": None}, {**opened, "box": None})
        # Save by its shortcut, which the panel takes from the browser.
        ActionChains(driver).key_down(Keys.CONTROL).send_keys("s").key_up(Keys.CONTROL).perform()
        saved = downloaded(folder, ".liftrec")
        expect(problems, "the page's save: its name", saved.name, "visit.liftrec")
        status, said = record_check(liftcalc, saved)
        expect(problems, f"the page's save: record check ({said})", status, 0)
        expect(problems, "the page's save: its entries", json.loads(saved.read_text())["entries"][0]["figures"],
               json.loads(made.read_text())["entries"][0]["figures"])
        # The page's CSV is the command line's, byte for byte.
        driver.find_element(By.ID, "cmdExportCsv").click()
        csv = downloaded(folder, ".csv").read_bytes()
        expect(problems, "the page's CSV", csv, subprocess.run([liftcalc, "record", "csv", str(saved)],
                                                               capture_output=True, check=True).stdout)
    finally:
        driver.quit()
    return problems


def check_print(url):
    """Print shows the record alone; the browser's PDF holds its words, figures and foot."""
    problems = []
    driver = browser()
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                               {"source": "window.print = () => { window.printed = (window.printed || 0) + 1; };"})
        page = Page(driver, url)
        page.add_calculation()
        page.open_record()
        page.type("record_device_id", DEVICE_ID)
        driver.find_element(By.ID, "cmdPrint").click()
        page.wait("window.printed === 1", "Print did not print")
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
        expect(problems, "shown in print besides the record", driver.execute_script(PRINTED_OUTSIDE), [])
        pdf = base64.b64decode(driver.execute_cdp_cmd("Page.printToPDF", {"displayHeaderFooter": False})["data"])
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
        with tempfile.NamedTemporaryFile(suffix=".pdf") as f:
            f.write(pdf)
            f.flush()
            text = subprocess.run(["pdftotext", "-enc", "UTF-8", f.name, "-"], capture_output=True,
                                  check=True).stdout.decode()
        record_id = driver.execute_script("return window.liftcalcPage.model.recordPaper().id")
        # The machine's fonts may have no glyphs for the ideographs: their text is not checked.
        for words in ["Hydraulic elevator test record", "Device ID", "Tested by", "Witnessed by",
                      "Signature", DEVICE_ID.split(" Zoë")[0], WORKED_PRESSURE, "Page 1 of 1",
                      record_id[:8]]:
            if words not in text:
                problems.append(f"print: {words!r} is not in the printed PDF")
        if "Calculate" in text:
            problems.append("print: the calculator window is in the printed PDF")
    finally:
        driver.quit()
    return problems


def check_single_file(site_dir):
    """The page in one file, opened from disk: the record panel keeps its record there too."""
    problems = []
    driver = browser()
    try:
        url = (site_dir / "liftcalc.html").resolve().as_uri()
        page = Page(driver, url)
        page.add_calculation()
        page.open_record()
        page.type("record_device_id", DEVICE_ID)
        before = page.state()
        driver.refresh()
        page.wait("!!window.liftcalcPage")
        page.open_record()
        expect(problems, "single file: after a reload", page.state(), before)
    finally:
        driver.quit()
    return problems


def main():
    site_dir, liftcalc = Path(sys.argv[1]), sys.argv[2]
    replay, scenarios = sys.argv[3], Path(sys.argv[4])
    site = Site(site_dir)
    url = site.url + "index.html"
    problems = []
    try:
        for layout in WIDTHS:
            problems += check_kept(url, layout)
        problems += check_refused_storage(url, liftcalc)
        problems += check_files(url, liftcalc)
        problems += check_print(url)
        problems += check_single_file(site_dir)
        problems += check_record_scenarios(site.url, replay, scenarios)
    finally:
        site.stop()
    for p in problems:
        print(p)
    print(f"{len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
