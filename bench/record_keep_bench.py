#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Keeping the open record after a change on the page, in headless Chromium: a record of 100
entries, each change (an entry's context typed in place) timed from the person's edit to the
page mirrored and the record's copy written to the browser's storage; then the model's part
alone (the change and the copy handed to the script) and the storage write alone.

usage: record_keep_bench.py SITE_DIR [ENTRIES] [CHANGES]
"""
import statistics
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "web"))
from headless import Site, browser  # noqa: E402

# The worked example calculated, then added ENTRIES times through the menu item; the panel
# opened; then each change and each write timed on its own.
KEEP = """
const [entries, changes] = arguments;
const page = window.liftcalcPage;
const menu = (name) => page.design.menus.find((m) => m.name === name).item;
[[0, '10'], [1, '1'], [2, '20000']].forEach(([i, t]) => { page.model.clickField(i); page.model.editField(i, t, t.length); });
page.pressKey('Enter');
for (let i = 0; i < entries; ++i) page.act(() => page.model.chooseMenu(menu('mnuAddToTestRecord')));
page.act(() => page.model.chooseMenu(menu('mnuTestRecord')));
const context = page.record.column.context;
const store = page.record.browser.store;
let kept = '';
const change = [], copy = [], write = [];
for (let i = 0; i < changes; ++i) {
  const start = performance.now();
  page.act(() => page.model.recordSetEntryText(i % entries, context, 'after ' + i + ' minutes'));
  change.push(performance.now() - start);
  // The model's part alone: the change and the record's copy made and handed to the script.
  const model = performance.now();
  page.model.recordSetEntryText(i % entries, context, 'again ' + i);
  kept = page.model.takeKept();
  copy.push(performance.now() - model);
  page.flush();
  const before = performance.now();
  store.keep(kept);
  write.push(performance.now() - before);
}
return {change, copy, write, bytes: kept.length, kept: store.kept, entries: page.model.recordState().entries};
"""


def main():
    site_dir = Path(sys.argv[1])
    entries = int(sys.argv[2]) if len(sys.argv) > 2 else 100
    changes = int(sys.argv[3]) if len(sys.argv) > 3 else 200
    site = Site(site_dir)
    driver = browser()
    try:
        driver.get(site.url + "index.html?layout=desktop")
        driver.execute_script("""
            return new Promise((done) => { const wait = () => window.liftcalcPage ? done() : setTimeout(wait, 20); wait(); });""")
        r = driver.execute_script(KEEP, entries, changes)
    finally:
        driver.quit()
        site.stop()
    if not r["kept"] or r["entries"] != entries:
        raise SystemExit(f"the record was not kept: {r['entries']} entries, kept {r['kept']}")
    for name, times in [("change to kept copy", r["change"]), ("model's change and copy", r["copy"]),
                        ("storage write alone", r["write"])]:
        times = sorted(times)
        print(f"{name:24} {entries} entries ({r['bytes'] / 1024:.0f} KiB): median {statistics.median(times):.2f} ms, "
              f"95th {times[int(len(times) * 0.95) - 1]:.2f} ms, max {times[-1]:.2f} ms  (target: under 16 ms)")


if __name__ == "__main__":
    main()
