#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The web page's figures, side by side in one headless Chromium run:
- navigation to the first field taking the focus, for the page and for a bare HTML page with
  the same controls and no script (the page's own DOM once started, with autofocus, without
  the page's scripts and the core they load);
- the transfer size (gzip) of everything the page loads;
- Calculate's cost in WebAssembly, every calculator in both unit systems.

usage: web_bench.py SITE_DIR [RUNS]
"""
import gzip
import re
import statistics
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "web"))
from headless import Site, browser  # noqa: E402


# Records when the first field takes the focus, in milliseconds from the navigation.
FIRST_FOCUS = """
window.addEventListener('focusin', (e) => {
  if (e.target.id === 'Text1_0' && window.firstFocus === undefined) window.firstFocus = performance.now();
}, true);
"""

# Each calculator's inputs besides the number of plungers, by field, for the imperial and the
# metric column; the calculators by the names of their menu items.
# What both timings share: the module, its menu items by name, and the time of Calculate apart
# from the typing before it, each the fastest of ten batches (other work on the machine only
# ever adds time), the window's changes and boxes drained between batches.
TIMING = """
const [count] = arguments;
const module = window.liftcalcModule;
const menus = JSON.parse(module.design()).menus;
const item = (name) => menus.find((m) => m.name === name).item;
const fastest = (step, perStep, drain) => {
  let best = Infinity;
  for (let batch = 0; batch < 10; ++batch) {
    const start = performance.now();
    for (let i = 0; i < count / 10; ++i) step();
    best = Math.min(best, (performance.now() - start) / (count / 10) / perStep);
    drain();
  }
  return best;
};
const timed = (run, typeOnly, drain, boxes) => {
  const both = fastest(run, 1, drain);
  const typing = fastest(typeOnly, 2, drain);
  return {withTyping: both * 1000, calculate: (both - typing) * 1000, boxes};
};
"""

CALCULATIONS = TIMING + """
const cases = {
  StaticPressure: [{0: '10', 2: '20000'}, {6: '254', 7: '9071.8'}],
  FlowRate: [{0: '10', 11: '100'}, {6: '254', 12: '0.508'}],
  PlungerDisplacement: [{0: '10', 11: '100'}, {6: '254', 12: '0.508'}],
  Load: [{0: '10', 3: '254.648'}, {6: '254', 8: '17.558'}],
  DiameterofPlunger: [{2: '20000', 3: '254.648'}, {7: '9071.8', 8: '17.558'}],
  RatedLoadSpeed: [{0: '10', 4: '100'}, {6: '254', 9: '6.309'}],
};
const results = {};
for (const [name, [imperial, metric]] of Object.entries(cases)) {
  for (const [units, inputs] of [['imperial', imperial], ['metric', metric]]) {
    const m = new module.PageWindow('.', ',', '-', null);
    m.start();
    if (units === 'metric') m.chooseMenu(item('mnuMetric'));
    m.chooseMenu(item('mnu' + name));
    for (const [field, text] of Object.entries(inputs)) m.editField(Number(field), text, 0);
    const run = () => {
      m.editField(1, '2.5', 0); // rewritten to 2: the change rule empties the answers first
      m.pressKey('Enter');
    };
    for (let i = 0; i < 200; ++i) run();
    m.takeChanges();
    // A refused input would time the failure path: the boxes say which path ran.
    const boxes = [...new Set(Array.from(m.takeMessages(), (b) => b.prompt.trim().replace(/\\s+/g, ' ').slice(0, 50)))];
    // Typing the plungers alone, to take out of the figure.
    const typeOnly = () => { m.editField(1, '2.5', 0); m.editField(1, '3', 0); };
    results[name + ' ' + units] = timed(run, typeOnly, () => { m.takeChanges(); m.takeMessages(); }, boxes);
    m.delete();
  }
}
return results;
"""


# Calculate in the field checks window, every check in both unit systems: each input typed
# into its open field, a figure above 0 (a whole number of plungers, an efficiency below 100, a
# loaded-car pressure above the empty-car one), then Enter. A new first input between runs
# makes the change rule empty the answers, as a person's next figure does.
CHECK_CALCULATIONS = TIMING + """
const design = JSON.parse(module.checksDesign());
const results = {};
design.checks.forEach((check, index) => {
  for (const units of ['imperial', 'metric']) {
    const m = new module.PageWindow('.', ',', '-', null);
    m.start();
    if (units === 'metric') m.chooseMenu(item('mnuMetric'));
    m.chooseMenu(item('mnuFieldChecks'));
    m.checksChoose(index);
    // The open fields, row by row: the inputs a person types into.
    const open = [];
    for (let row = 0; row < check.rows.length; ++row)
      for (const slot of [2 * row + 1, 2 * row]) {
        const f = m.checksField(slot);
        if (f && f.visible && !f.locked) { open.push(slot); break; }
      }
    open.forEach((slot, i) => m.checksEditField(slot, check.rows[i].name.startsWith('Number') ? '2' : String(40 + 15 * i) + '.5', 0));
    const first = open[0];
    let k = 0;
    const run = () => { m.checksEditField(first, k++ % 2 ? '40.25' : '40.75', 0); m.checksPressKey('Enter'); };
    const typeOnly = () => { m.checksEditField(first, '40.25', 0); m.checksEditField(first, '40.5', 0); };
    for (let i = 0; i < 200; ++i) run();
    const boxes = [...new Set(Array.from(m.takeMessages(), (b) => b.prompt.slice(0, 50)))];
    const drain = () => { m.checksTakeChanges(); m.takeChanges(); m.takeMessages(); };
    results[check.title + ' ' + units] = timed(run, typeOnly, drain, boxes);
    m.delete();
  }
});
return results;
"""


def bare_page(driver, site, url):
    """The page's DOM once started, without any script, the first field autofocused."""
    driver.get(url + "index.html?layout=desktop")
    driver.execute_async_script("const done = arguments[0]; (function wait() {"
                                " window.liftcalcPage ? done() : setTimeout(wait, 20); })();")
    # Without the page's scripts and without the preload of the core, which only they use.
    html = driver.execute_script("""
        const copy = document.documentElement.cloneNode(true);
        copy.querySelectorAll('script, link[rel=preload]').forEach((s) => s.remove());
        copy.querySelector('#Text1_0').setAttribute('autofocus', '');
        return '<!DOCTYPE html>\\n' + copy.outerHTML;""")
    (site / "bare.html").write_text(html)


def first_focus(driver, url):
    driver.get(url)
    return driver.execute_async_script("const done = arguments[0]; (function wait() {"
                                       " window.firstFocus !== undefined ? done(window.firstFocus)"
                                       " : setTimeout(wait, 5); })();")


def main():
    site = Path(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    server = Site(site)
    url = server.url
    driver = browser()
    try:
        driver.set_window_size(1280, 900)
        driver.set_script_timeout(600)
        # Both pages from the network (the local server), never from the page's worker.
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
        bare_page(driver, site, url)
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": FIRST_FOCUS})
        times = {"page": [], "bare": []}
        for _ in range(runs):
            times["page"].append(first_focus(driver, url + "index.html?layout=desktop"))
            times["bare"].append(first_focus(driver, url + "bare.html"))

        driver.get(url + "index.html?layout=desktop")
        driver.execute_async_script("const done = arguments[0]; (function wait() {"
                                    " window.liftcalcPage ? done() : setTimeout(wait, 20); })();")
        calculations = driver.execute_script(
            "window.liftcalcModule = window.liftcalcPage.module;" + CALCULATIONS, 5000)
        check_calculations = driver.execute_script(
            "window.liftcalcModule = window.liftcalcPage.module;" + CHECK_CALCULATIONS, 5000)
    finally:
        driver.quit()
        server.stop()
        (site / "bare.html").unlink(missing_ok=True)

    page, bare = statistics.median(times["page"]), statistics.median(times["bare"])
    print(f"== first field focused after navigation (median of {runs}, warm HTTP cache)")
    print(f"page {page:.1f} ms (min {min(times['page']):.1f}), bare page {bare:.1f} ms "
          f"(min {min(times['bare']):.1f}), ratio {page / bare:.2f}x")
    print("== transfer size, gzip -9")
    # Everything the service worker keeps for the page, and the worker itself.
    files = re.search(r"const FILES = \[(.*?)\];", (site / "sw.js").read_text(), re.S).group(1)
    loaded = [name for name in re.findall(r'"([^"]+)"', files) if name != "./"] + ["sw.js"]
    total = 0
    for name in loaded:
        size = len(gzip.compress((site / name).read_bytes(), 9))
        total += size
        print(f"{name:22} {size / 1024:7.1f} KiB")
    print(f"{'total':22} {total / 1024:7.1f} KiB")
    single = len(gzip.compress((site / "liftcalc.html").read_bytes(), 9))
    print(f"{'(liftcalc.html alone)':22} {single / 1024:7.1f} KiB")
    print("== Calculate in WebAssembly (fastest of 10 batches of 500; typing the plungers taken out)")
    for name, r in calculations.items():
        boxes = f"  box: {'; '.join(r['boxes'])[:60]}" if r["boxes"] else ""
        print(f"{name:32} {r['calculate']:6.2f} us  (with the typing {r['withTyping']:.2f} us){boxes}")
    print("== Field checks' Calculate in WebAssembly (fastest of 10 batches of 500; typing taken out)")
    for name, r in check_calculations.items():
        boxes = f"  box: {'; '.join(r['boxes'])[:60]}" if r["boxes"] else ""
        print(f"{name:44} {r['calculate']:6.2f} us  (with the typing {r['withTyping']:.2f} us){boxes}")


if __name__ == "__main__":
    main()
